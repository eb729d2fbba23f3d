// SPDX-License-Identifier: GPL-3.0-or-later
// Every field of the project under its name, in declaration order, for the "show" command's
// text and JSON outputs (and any other command that wants to print the project).
#pragma once

#include <string>
#include <string_view>

#include "model/ProjectData.h"

namespace kelvadrome {

class JsonWriter;

// Inside a list the names are empty; lists are given whole, from index 0.
struct ProjectFieldVisitor {
  virtual ~ProjectFieldVisitor() = default;
  virtual void Number(std::string_view name, float value) = 0;
  virtual void Integer(std::string_view name, int value) = 0;
  virtual void Text(std::string_view name, const std::string& value) = 0;
  virtual void BeginList(std::string_view name) = 0;
  virtual void EndList() = 0;
  virtual void BeginRecord(std::string_view name) = 0;
  virtual void EndRecord() = 0;
};

// What the command keeps beside the project it loaded, listed after the project's own fields:
// the file it came from ("" for the default project) and the unit system it was loaded in.
struct LoadedProjectValues {
  std::string filePath;
  UnitSystem previousUnitSystem = kMetric;
};

void VisitProjectFields(const ProjectData& project, const LoadedProjectValues& loaded, ProjectFieldVisitor& visitor);

// The fields as members of the JSON object being written.
void WriteProjectFieldsJson(const ProjectData& project, const LoadedProjectValues& loaded, JsonWriter& json);

// One line per field: "name = value", list items as "name[i]", record members as "name[i].member".
[[nodiscard]] std::string ProjectFieldsText(const ProjectData& project, const LoadedProjectValues& loaded);

}  // namespace kelvadrome
