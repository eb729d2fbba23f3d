// SPDX-License-Identifier: GPL-3.0-or-later
// The "design" object of `analyse --json`, with the key names of the JSON contract.
#include "cli/DesignJson.h"

#include <span>

#include "cli/JsonWriter.h"

namespace kelvadrome {

namespace {

template <std::size_t N>
void Member(JsonWriter& json, const char* name, const std::array<float, N>& values) {
  json.Key(name).Array(std::span<const float>(values));
}

void Member(JsonWriter& json, const char* name, const CaseTable& table) {
  json.Key(name).BeginArray();
  for (const auto& section : table) json.Array(std::span<const float>(section));
  json.EndArray();
}

// A column value with its availability flag; index 0 is unused and written as 0.
void ColumnMember(JsonWriter& json, const char* name, const DesignResults& d, const ColumnValues& values,
                  bool ColumnAvailability::*flag) {
  json.Key(name).BeginArray();
  for (std::size_t c = 0; c < values.size(); ++c) {
    if (c == 0 || d.available[c].*flag) {
      json.Value(values[c]);
    } else {
      json.Null();
    }
  }
  json.EndArray();
}

}  // namespace

void WriteDesignJson(const ProjectData& project, const DesignResults& d, JsonWriter& json) {
  json.Key("completed").Value(d.completed);
  Member(json, "caseMoment", d.caseMoment);
  Member(json, "caseShear", d.caseShear);
  Member(json, "caseNormal", d.caseNormal);
  Member(json, "envMaxMoment", d.envMaxMoment);
  Member(json, "envMaxMomentNormal", d.envMaxMomentNormal);
  Member(json, "envMinMoment", d.envMinMoment);
  Member(json, "envMinMomentNormal", d.envMinMomentNormal);
  Member(json, "envMaxShear", d.envMaxShear);
  Member(json, "envMaxShearNormal", d.envMaxShearNormal);
  Member(json, "serviceMoment", d.serviceMoment);
  Member(json, "serviceNormal", d.serviceNormal);
  Member(json, "sectionDesignShear", d.sectionDesignShear);
  Member(json, "sectionShearNormal", d.sectionShearNormal);
  Member(json, "sectionShearCapacity", d.sectionShearCapacity);
  Member(json, "colMoment", d.colMoment);
  Member(json, "colNormal", d.colNormal);
  Member(json, "colServiceMoment", d.colServiceMoment);
  Member(json, "colServiceNormal", d.colServiceNormal);
  Member(json, "colHeight", d.colHeight);
  ColumnMember(json, "colMomentCapacity", d, d.colMomentCapacity, &ColumnAvailability::momentCapacity);
  ColumnMember(json, "colSteelRatio", d, d.colSteelRatio, &ColumnAvailability::steelRatio);
  ColumnMember(json, "colRequiredArea", d, d.colRequiredArea, &ColumnAvailability::requiredArea);
  ColumnMember(json, "colRatioLimit", d, d.colRatioLimit, &ColumnAvailability::ratioLimit);
  ColumnMember(json, "colSteelArea", d, d.colSteelArea, &ColumnAvailability::steelArea);
  ColumnMember(json, "colCrackZ", d, d.colCrackZ, &ColumnAvailability::crackZ);
  Member(json, "barDiameters", project.barDiameters);
  Member(json, "barPitches", project.barPitches);
  json.Key("balancedRatio").Value(d.balancedRatio);
  json.Key("minimumRatio").Value(d.minimumRatio);
  json.Key("crackZLimit").Value(d.crackZLimit);
}

}  // namespace kelvadrome
