// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the projects of the golden-file suite: walls chosen so that together they reach every
// unit system, every water-table case, level, sloping and flattened backfill, the shear key and
// the restraints, line loads of every load case and direction, the stops of the analysis, the
// user's bars, the extension block and every older file layout.
// Usage: golden-projects FOLDER (writes FOLDER/<name>.kvi; `make golden` runs it).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "model/FileBytes.h"
#include "model/ProjectFile.h"
#include "model/Units.h"

using namespace kelvadrome;
using kelvadrome::test::FileBytes;

namespace {

// As a change of units in the program converts a project.
ProjectData Converted(ProjectData p, UnitSystem unitSystem) {
  const UnitSystem previous = p.unitSystem;
  p.unitSystem = unitSystem;
  ConvertUnits(p, previous);
  return p;
}

ProjectData Default(UnitSystem unitSystem = kMetric) {
  ProjectData p;
  SetDefaults(p);
  return Converted(p, unitSystem);
}

void AddLoad(ProjectData& p, float load, float x, float y, float direction, LoadCase loadCase) {
  p.lineLoadCount = static_cast<int16_t>(p.lineLoadCount + 1);
  p.lineLoads[static_cast<std::size_t>(p.lineLoadCount)] = {load, x, y, direction, loadCase};
}

// The default wall is 10 deep (D): stem front 8 + toe taper 1 + toe edge 1, heel top at 7.73
// falling 1 to the heel edge.
ProjectData Water(float front, float back) {
  ProjectData p = Default();
  p.waterDepthFront = front;
  p.waterDepthBack = back;
  return p;
}

// What the Water switch of the main window leaves: the depths kept aside, no water on the wall.
ProjectData WaterOff() {
  ProjectData p = Default(kSI);
  p.waterOption = false;
  p.savedWaterDepthFront = p.waterDepthFront;
  p.savedWaterDepthBack = p.waterDepthBack;
  p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront();
  return p;
}

ProjectData SeismicOff(ProjectData p) {
  p.seismicOption = false;
  p.savedSeismicCoefficient = p.seismicCoefficient;
  p.seismicCoefficient = 0;
  return p;
}

ProjectData Slope(float run) {
  ProjectData p = Default();
  p.backfillSlope = run;
  return p;
}

ProjectData ShearKey(bool toePassive) {
  ProjectData p = Default();
  p.shearKeyOption = true;
  p.shearKeyDepth = 0.8f;
  p.toePassiveOption = toePassive;
  return p;
}

ProjectData Restraints() {
  ProjectData p = Default(kBritish);
  p.toePassiveOption = true;
  p.restraintForceOption = true;
  p.restraintForce = 4.5f;
  return p;
}

// One load of each load case, in several directions, on and beside the wall.
ProjectData LoadsOfEveryCase() {
  ProjectData p = Default();
  AddLoad(p, 2.0f, 3.0f, 10.0f, 180, LoadCase::dead);   // dead, on the stem top
  AddLoad(p, 1.5f, 3.0f, 9.0f, 90, LoadCase::live);     // live, towards the heel
  AddLoad(p, 1.0f, 2.5f, 6.0f, 270, LoadCase::soil);    // soil, towards the toe
  AddLoad(p, 1.0f, 1.0f, 2.0f, 180, LoadCase::water);    // water, on the toe
  AddLoad(p, 0.5f, 3.0f, 9.5f, 270, LoadCase::structural);    // structural
  AddLoad(p, 1.5f, 5.0f, 10.5f, 135, LoadCase::impact);   // impact, on the backfill over the heel
  AddLoad(p, 0.8f, 6.0f, 4.0f, 225, LoadCase::seismic);    // seismic
  return p;
}

// Ten loads (the most a project holds) pointing every way round the compass.
ProjectData LoadsOfEveryDirection() {
  ProjectData p = Default(kSI);
  for (int i = 0; i < 8; ++i) {
    AddLoad(p, 5.0f + float(i), 0.5f + 0.8f * float(i), 3.0f + 0.5f * float(i), 45.0f * float(i),
            kAllLoadCases[static_cast<std::size_t>(i % 7)]);
  }
  AddLoad(p, 12.0f, 7.2f, 10.0f, 30, LoadCase::live);   // on the heel edge
  AddLoad(p, 9.0f, 0.0f, 2.0f, 330, LoadCase::impact);    // on the toe edge
  return p;
}

ProjectData BritishLoads() {
  ProjectData p = Default(kBritish);
  AddLoad(p, 1.2f, 10.0f, 33.0f, 180, LoadCase::dead);
  AddLoad(p, 0.4f, 10.0f, 30.0f, 270, LoadCase::live);
  AddLoad(p, 0.6f, 3.0f, 6.0f, 180, LoadCase::impact);
  p.surchargeLoad = 0.25f;
  p.surchargeLoadCase = LoadCase::dead;
  return p;
}

// A large push towards the toe near the stem top: the resultant leaves the base.
ProjectData Unstable() {
  ProjectData p = Default();
  AddLoad(p, 40.0f, 3.0f, 9.5f, 270, LoadCase::dead);
  return p;
}

// Stable in service, but a live push towards the toe, factored up, tips it over.
ProjectData DesignStops() {
  ProjectData p = Default();
  AddLoad(p, 2.0f, 3.0f, 10.0f, 180, LoadCase::live);
  AddLoad(p, 16.0f, 3.0f, 9.0f, 270, LoadCase::live);
  AddLoad(p, 1.5f, 5.0f, 10.5f, 180, LoadCase::impact);
  AddLoad(p, 1.0f, 1.0f, 2.0f, 180, LoadCase::water);
  return p;
}

// The user's bars (diameters in cm, pitches in cm), entered in Metric and then converted.
ProjectData UserBars(UnitSystem unitSystem) {
  ProjectData p = Default();
  p.userReinforcement = true;
  for (std::size_t c = 1; c <= kDesignColumnCount; ++c) {
    p.barDiameters[c] = 1.2f + 0.4f * float(c % 3);
    p.barPitches[c] = 20.0f - 5.0f * float(c % 2);
  }
  return Converted(p, unitSystem);
}

// No toe and no heel: the stem stands on its own base.
ProjectData NoToeNoHeel() {
  ProjectData p = Default();
  p.toeLength = p.toeTaper = p.toeEdgeThickness = 0;
  p.heelLength = 0;
  p.baseWidth = p.stemFrontBatter + p.stemTopWidth + p.stemBackBatter;
  p.stemFrontHeight = p.stemBackHeight + p.heelTaper + p.heelEdgeThickness;
  p.waterDepthFront = 6.0f;
  p.backfillSlope = 0;
  AddLoad(p, 1.0f, 0.5f, 8.0f, 180, LoadCase::dead);
  return p;
}

// Every value the extension block carries away from its default.
ProjectData Extensions() {
  ProjectData p = Default();
  p.foundationUnitWeight = 1.8f;
  p.foundationSaturatedDensity = 2.1f;
  p.prices = {180.0f, 42.5f, 1.45f};
  p.optimiserTargets.withoutSeismic = {1.6f, 2.1f, 3.1f, 2.6f, 1.4f};
  p.optimiserTargets.withSeismic = {1.2f, 1.6f, 2.2f, 2.1f, 1.1f};
  p.optimiserTargets.resultantRule = false;
  p.optimiserTargets.globalCheck = true;
  p.optimiserVariables[0] = {true, 1.0f, 3.0f};
  p.optimiserVariables[1] = {true, 2.0f, 5.0f};
  return p;
}

ProjectData Texts() {
  ProjectData p = Default(kSI);
  p.projectTitle = "Quay wall » 2³ m² × 3 – Ödegård";
  p.headerFooterTexts[1] = "&input & Co";
  p.headerFooterTexts[2] = "&Date at &Time";
  p.headerFooterTexts[3] = "Sheet &Page of &NPages";
  p.pageMarginA = 30;
  p.pageMarginD = 15;
  return p;
}

std::vector<uint8_t> HeaderWithText() {  // a header item holding a text
  FileBytes f;
  f.I16(2).I16(8).Text("comment");
  FileBytes rest;
  rest.DefaultHead();
  f.bytes.insert(f.bytes.end(), rest.bytes.begin() + 4, rest.bytes.end());
  f.I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f.bytes;
}

struct GoldenProject {
  std::string name;
  std::function<std::vector<uint8_t>()> bytes;
};

std::function<std::vector<uint8_t>()> Encoded(std::function<ProjectData()> make) {
  return [make] { return EncodeProjectFile(make()); };
}

std::vector<GoldenProject> Projects() {
  return {
      {"metric-default", Encoded([] { return Default(kMetric); })},
      {"si-default", Encoded([] { return Default(kSI); })},
      {"british-default", Encoded([] { return Default(kBritish); })},
      {"water-on-toe-and-heel-tops", Encoded([] { return Water(8.5f, 8.2f); })},
      {"water-below-toe-and-heel-tops", Encoded([] { return Water(9.5f, 9.2f); })},
      {"water-at-wall-top", Encoded([] { return Water(0.0f, 0.0f); })},
      {"water-at-stem-feet", Encoded([] { return Water(8.0f, 7.73f); })},
      {"water-front-only", Encoded([] { return Water(6.0f, 10.0f); })},
      {"water-off-si", Encoded(WaterOff)},
      {"level-backfill", Encoded([] { return Slope(0.0f); })},
      {"slope-flattened-static", Encoded([] { return Slope(1.0f); })},
      {"slope-flattened-seismic", Encoded([] { return Slope(2.0f); })},
      {"seismic-off-british", Encoded([] { return SeismicOff(Default(kBritish)); })},
      {"shear-key-toe-passive", Encoded([] { return ShearKey(true); })},
      {"shear-key-no-toe-passive", Encoded([] { return ShearKey(false); })},
      {"restraints-british", Encoded(Restraints)},
      {"line-loads-every-case", Encoded(LoadsOfEveryCase)},
      {"line-loads-every-direction-si", Encoded(LoadsOfEveryDirection)},
      {"line-loads-british", Encoded(BritishLoads)},
      {"unstable-wall", Encoded(Unstable)},
      {"design-stops-at-factored-case", Encoded(DesignStops)},
      {"user-bars-metric", Encoded([] { return UserBars(kMetric); })},
      {"user-bars-british", Encoded([] { return UserBars(kBritish); })},
      {"no-toe-no-heel", Encoded(NoToeNoHeel)},
      {"extension-block", Encoded(Extensions)},
      {"texts-and-footer", Encoded(Texts)},
      {"layout-older-version", test::OlderVersionFile},
      {"layout-old-line-loads", test::OldLineLoadsFile},
      {"layout-oldest-with-results", test::OldestWithResultsFile},
      {"layout-header-text-item", HeaderWithText},
  };
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: golden-projects FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  try {
    std::filesystem::create_directories(folder);
    for (const GoldenProject& project : Projects()) {
      const std::vector<uint8_t> bytes = project.bytes();
      const std::filesystem::path path = folder / (project.name + ".kvi");
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      if (!out) {
        std::fprintf(stderr, "golden-projects: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "golden-projects: %s\n", e.what());
    return 1;
  }
  return 0;
}
