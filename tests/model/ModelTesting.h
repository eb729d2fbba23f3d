// SPDX-License-Identifier: GPL-3.0-or-later
// Set-up shared by the model tests: default projects in each unit system, the default file
// built byte by byte, and reading bytes back.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "FileBytes.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

namespace kelvadrome::test {

// As a change of units in the program converts a project.
inline ProjectData Converted(ProjectData p, UnitSystem system) {
  const UnitSystem previous = p.unitSystem;
  p.unitSystem = system;
  ConvertUnits(p, previous);
  return p;
}

inline ProjectData DefaultProject(UnitSystem system = kMetric) {
  ProjectData p;
  SetDefaults(p);
  return Converted(p, system);
}

// The default file of this version, items 1 to 25, built independently of the writer.
inline FileBytes DefaultFile() {
  FileBytes f;
  f.DefaultHead().I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f;
}

// Items 1 to 13 of the default project with some of its 35 numbers (from byte 60 on) replaced.
inline FileBytes HeadWith(const std::vector<std::pair<int, float>>& numbers = {}) {
  FileBytes f;
  f.DefaultHead();
  for (const auto& [index, value] : numbers) {
    FileBytes number;
    number.F32(value);
    std::copy(number.bytes.begin(), number.bytes.end(), f.bytes.begin() + 60 + 4 * index);
  }
  return f;
}

inline ProjectData Decode(const std::vector<uint8_t>& bytes) { return DecodeProjectFile(bytes, "test.kvi"); }

inline std::string DecodeError(const std::vector<uint8_t>& bytes) {
  try {
    (void)Decode(bytes);
  } catch (const ProjectFileError& e) {
    return e.Reason();
  }
  return "no error";
}

}  // namespace kelvadrome::test
