// SPDX-License-Identifier: GPL-3.0-or-later
// The "quantities" object of the command line's JSON.
#include "cli/QuantitiesJson.h"

#include "cli/JsonWriter.h"

namespace kelvadrome {

namespace {

void Optional(JsonWriter& json, const char* key, const std::optional<Quantities>& q, float Quantities::*field) {
  json.Key(key);
  if (q) {
    json.Value((*q).*field);
  } else {
    json.Null();
  }
}

}  // namespace

void WriteQuantitiesJson(const ProjectData& project, const std::optional<Quantities>& q, JsonWriter& json) {
  json.BeginObject();
  Optional(json, "concrete", q, &Quantities::concrete);
  Optional(json, "formwork", q, &Quantities::formwork);
  json.Key("mainSteel").BeginArray();
  for (int c = 1; c <= kDesignColumnCount; ++c) {
    if (q) {
      json.Value(q->mainSteel[static_cast<std::size_t>(c)]);
    } else {
      json.Null();
    }
  }
  json.EndArray();
  Optional(json, "distributionSteel", q, &Quantities::distributionSteel);
  Optional(json, "steel", q, &Quantities::steel);
  Optional(json, "cost", q, &Quantities::cost);
  json.Key("prices").BeginObject();
  json.Key("concretePrice").Value(project.prices.concretePrice);
  json.Key("formworkPrice").Value(project.prices.formworkPrice);
  json.Key("steelPrice").Value(project.prices.steelPrice);
  json.EndObject();
  json.EndObject();
}

}  // namespace kelvadrome
