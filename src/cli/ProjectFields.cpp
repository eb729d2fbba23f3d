// SPDX-License-Identifier: GPL-3.0-or-later
// The project's fields by name, and their JSON and text forms.
#include "cli/ProjectFields.h"

#include <vector>

#include "cli/JsonWriter.h"
#include "format/NumberFormat.h"
#include "model/FileEncoding.h"

namespace kelvadrome {

namespace {

template <std::size_t N>
void FloatList(ProjectFieldVisitor& v, std::string_view name, const std::array<float, N>& values) {
  v.BeginList(name);
  for (const float value : values) v.Number("", value);
  v.EndList();
}

void LineLoads(ProjectFieldVisitor& v, const ProjectData& p) {
  v.BeginList("lineLoads");
  for (const LineLoad& load : p.lineLoads) {
    v.BeginRecord("");
    v.Number("load", load.load);
    v.Number("x", load.x);
    v.Number("y", load.y);
    v.Number("direction", load.direction);
    v.Integer("loadCase", EncodeLoadCase(load.loadCase));
    v.EndRecord();
  }
  v.EndList();
}

class JsonFields final : public ProjectFieldVisitor {
 public:
  explicit JsonFields(JsonWriter& json) : json_(json) {}
  void Number(std::string_view name, float value) override { KeyFor(name).Value(value); }
  void Integer(std::string_view name, int value) override { KeyFor(name).Value(value); }
  void Text(std::string_view name, const std::string& value) override {
    KeyFor(name).Value(std::string_view(value));
  }
  void BeginList(std::string_view name) override { KeyFor(name).BeginArray(); }
  void EndList() override { json_.EndArray(); }
  void BeginRecord(std::string_view name) override { KeyFor(name).BeginObject(); }
  void EndRecord() override { json_.EndObject(); }

 private:
  JsonWriter& KeyFor(std::string_view name) { return name.empty() ? json_ : json_.Key(name); }
  JsonWriter& json_;
};

class TextFields final : public ProjectFieldVisitor {
 public:
  void Number(std::string_view name, float value) override { Line(name, FormatGeneral(value)); }
  void Integer(std::string_view name, int value) override { Line(name, FormatNumber(value, "#0")); }
  void Text(std::string_view name, const std::string& value) override {
    Line(name, JsonWriter::Quote(value));
  }
  void BeginList(std::string_view name) override { Open(name, true); }
  void EndList() override { scopes_.pop_back(); }
  void BeginRecord(std::string_view name) override { Open(name, false); }
  void EndRecord() override { scopes_.pop_back(); }

  [[nodiscard]] const std::string& Result() const { return text_; }

 private:
  struct Scope {
    std::string prefix;
    bool isList = false;
    int next = 0;
  };

  // The full name of a field or item in the current scope.
  std::string NameOf(std::string_view name) {
    if (scopes_.empty()) return std::string(name);
    Scope& scope = scopes_.back();
    if (scope.isList) return scope.prefix + "[" + FormatNumber(scope.next++, "#0") + "]";
    return scope.prefix + "." + std::string(name);
  }
  void Open(std::string_view name, bool isList) {
    std::string prefix = NameOf(name);
    scopes_.push_back({std::move(prefix), isList, 0});
  }
  void Line(std::string_view name, const std::string& value) {
    text_ += NameOf(name) + " = " + value + "\n";
  }

  std::vector<Scope> scopes_;
  std::string text_;
};

}  // namespace

void VisitProjectFields(const ProjectData& p, const LoadedProjectValues& loaded, ProjectFieldVisitor& v) {
  v.Text("projectTitle", p.projectTitle);
  v.Integer("unitSystem", EncodeUnitSystem(p.unitSystem));
  v.Integer("waterOption", EncodeBoolean(p.waterOption));
  v.Integer("seismicOption", EncodeBoolean(p.seismicOption));
  v.Integer("shearKeyOption", EncodeRestraint(p.shearKeyOption));

  v.Number("toeLength", p.toeLength);
  v.Number("stemFrontBatter", p.stemFrontBatter);
  v.Number("stemTopWidth", p.stemTopWidth);
  v.Number("stemBackBatter", p.stemBackBatter);
  v.Number("heelLength", p.heelLength);
  v.Number("baseWidth", p.baseWidth);
  v.Number("stemFrontHeight", p.stemFrontHeight);
  v.Number("toeTaper", p.toeTaper);
  v.Number("toeEdgeThickness", p.toeEdgeThickness);
  v.Number("stemBackHeight", p.stemBackHeight);
  v.Number("heelTaper", p.heelTaper);
  v.Number("heelEdgeThickness", p.heelEdgeThickness);
  v.Number("waterDepthFront", p.waterDepthFront);
  v.Number("waterDepthBack", p.waterDepthBack);
  v.Number("backfillSlope", p.backfillSlope);
  v.Number("shearKeyDepth", p.shearKeyDepth);

  v.Number("concreteUnitWeight", p.concreteUnitWeight);
  v.Number("concreteStrength", p.concreteStrength);
  v.Number("concreteModulus", p.concreteModulus);
  v.Number("concretePoisson", p.concretePoisson);
  v.Number("steelYieldStress", p.steelYieldStress);
  v.Number("steelModulus", p.steelModulus);
  v.Number("concreteCover", p.concreteCover);
  v.Number("waterUnitWeight", p.waterUnitWeight);
  v.Number("backfillUnitWeight", p.backfillUnitWeight);
  v.Number("backfillDryDensity", p.backfillDryDensity);
  v.Number("backfillSaturatedDensity", p.backfillSaturatedDensity);
  v.Number("backfillFrictionAngle", p.backfillFrictionAngle);
  v.Number("backfillCohesion", p.backfillCohesion);
  v.Number("baseFrictionAngle", p.baseFrictionAngle);
  v.Number("baseCohesion", p.baseCohesion);
  v.Number("baseBearingCapacity", p.baseBearingCapacity);
  v.Number("baseModulus", p.baseModulus);
  v.Number("wallFrictionEarth", p.wallFrictionEarth);
  v.Number("wallFrictionConcrete", p.wallFrictionConcrete);
  v.Number("toeUnitWeight", p.toeUnitWeight);
  v.Number("toeDryDensity", p.toeDryDensity);
  v.Number("toeSaturatedDensity", p.toeSaturatedDensity);
  v.Number("toeFrictionAngle", p.toeFrictionAngle);
  v.Number("toeCohesion", p.toeCohesion);
  v.Number("foundationUnitWeight", p.foundationUnitWeight);
  v.Number("foundationSaturatedDensity", p.foundationSaturatedDensity);

  v.Number("surchargeLoad", p.surchargeLoad);
  v.Integer("surchargeLoadCase", EncodeLoadCase(p.surchargeLoadCase));
  v.Number("seismicCoefficient", p.seismicCoefficient);
  v.Integer("lineLoadCount", p.lineLoadCount);
  LineLoads(v, p);

  v.Integer("toePassiveOption", EncodeRestraint(p.toePassiveOption));
  v.Integer("restraintForceOption", EncodeRestraint(p.restraintForceOption));
  v.Number("restraintForce", p.restraintForce);
  v.Number("savedWaterDepthFront", p.savedWaterDepthFront);
  v.Number("savedWaterDepthBack", p.savedWaterDepthBack);
  v.Number("savedSeismicCoefficient", p.savedSeismicCoefficient);

  v.Integer("userReinforcement", EncodeBoolean(p.userReinforcement));
  FloatList(v, "barDiameters", p.barDiameters);
  FloatList(v, "barPitches", p.barPitches);

  v.Integer("pageMarginA", p.pageMarginA);
  v.Integer("pageMarginB", p.pageMarginB);
  v.Integer("pageMarginC", p.pageMarginC);
  v.Integer("pageMarginD", p.pageMarginD);
  v.BeginList("headerFooterTexts");
  for (const std::string& text : p.headerFooterTexts) v.Text("", text);
  v.EndList();
  v.Text("reportFontName", p.reportFontName);
  v.Number("reportFontSize", p.reportFontSize);

  // Items of a newer version's file, kept as read: the tag and the bytes.
  v.BeginList("keptExtensionItems");
  for (const ExtensionItem& item : p.keptExtensionItems) {
    v.BeginRecord("");
    v.Integer("tag", item.tag);
    v.BeginList("payload");
    for (const uint8_t byte : item.payload) v.Integer("", byte);
    v.EndList();
    v.EndRecord();
  }
  v.EndList();

  v.Text("currentFilePath", loaded.filePath);
  v.Integer("previousUnitSystem", EncodeUnitSystem(loaded.previousUnitSystem));
}

void WriteProjectFieldsJson(const ProjectData& project, const LoadedProjectValues& loaded, JsonWriter& json) {
  JsonFields fields(json);
  VisitProjectFields(project, loaded, fields);
}

std::string ProjectFieldsText(const ProjectData& project, const LoadedProjectValues& loaded) {
  TextFields fields;
  VisitProjectFields(project, loaded, fields);
  return fields.Result();
}

}  // namespace kelvadrome
