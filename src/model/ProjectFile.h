// SPDX-License-Identifier: GPL-3.0-or-later
// The project file (".kvi"): writing this version's layout and reading it and the older ones.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ProjectData.h"
#include "model/ProjectPaths.h"

namespace kelvadrome {

// A project file that could not be read or written. what() is "<file>: <reason>".
class ProjectFileError : public std::runtime_error {
 public:
  ProjectFileError(const std::string& fileName, const std::string& reason)
      : std::runtime_error(fileName + ": " + reason), fileName_(fileName), reason_(reason) {}
  [[nodiscard]] const std::string& FileName() const { return fileName_; }
  [[nodiscard]] const std::string& Reason() const { return reason_; }

 private:
  std::string fileName_;
  std::string reason_;
};

// Writes the project to path. An existing file is kept as BackupPathOf(path) while the new one
// is written and removed afterwards. When writing fails, the partial file is removed, the
// original is put back from its backup and ProjectFileError is thrown. A project that cannot be
// stored (more than 10 line loads, a text over 32767 characters) is refused before any file is
// touched.
void WriteProjectFile(const ProjectData& project, const std::string& path);

// Reads path into a fresh project: SetDefaults(defaultReportFont) first, so that whatever an
// older layout lacks keeps its default, then the file. Returns the project only when the whole
// file was read; on any fault (missing file, file ending too early, negative text length, more
// than 10 line loads, unknown unit system or load case, division by zero in the conversion of
// old line loads, a damaged extension block) throws ProjectFileError and the caller's project stays as it was.
// The wall outline is not part of the project and is recomputed by the caller (engine).
[[nodiscard]] ProjectData ReadProjectFile(const std::string& path,
                                          const std::string& defaultReportFont = "Arial");

// The bytes of the file as WriteProjectFile writes them, and the reading of such bytes; fileName
// only names the file in error messages.
[[nodiscard]] std::vector<uint8_t> EncodeProjectFile(const ProjectData& project,
                                                     const std::string& fileName = "project");
[[nodiscard]] ProjectData DecodeProjectFile(std::span<const uint8_t> bytes,
                                            const std::string& fileName,
                                            const std::string& defaultReportFont = "Arial");

}  // namespace kelvadrome
