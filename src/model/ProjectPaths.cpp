// SPDX-License-Identifier: GPL-3.0-or-later
// Path functions of the project file.
#include "model/ProjectPaths.h"

namespace kelvadrome {

namespace {

constexpr std::string_view kSeparators = "/\\";

// Index just after the last separator (0 when there is none).
std::size_t FileNameStart(std::string_view path) {
  const std::size_t last = path.find_last_of(kSeparators);
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string DirectoryOf(std::string_view path) {
  const std::size_t start = FileNameStart(path);
  return start == 0 ? std::string() : std::string(path.substr(0, start - 1));
}

std::string BaseNameOf(std::string_view path) {
  const std::string_view name = path.substr(FileNameStart(path));
  return std::string(name.substr(0, name.find('.')));
}

std::string ExtensionOf(std::string_view path) {
  const std::string_view name = path.substr(FileNameStart(path));
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

std::string BackupPathOf(std::string_view path) {
  std::string backup = std::string(path.substr(0, FileNameStart(path))) + BaseNameOf(path) + ".BAK";
  if (backup == path) backup = std::string(path) + ".BAK";
  return backup;
}

}  // namespace kelvadrome
