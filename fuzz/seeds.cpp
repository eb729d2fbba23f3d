// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the fuzzers: one valid project file of every layout the reader
// knows, so that fuzzing starts from files that reach the end of the reader and the engine.
// Usage: fuzz-seeds FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/FileBytes.h"
#include "model/ProjectExtensions.h"
#include "model/ProjectFile.h"

using namespace kelvadrome;
using kelvadrome::test::FileBytes;

namespace {

ProjectData Default(UnitSystem unitSystem = kMetric) {
  ProjectData p;
  SetDefaults(p);
  p.unitSystem = unitSystem;
  SetExtensionDefaults(p);  // the foundation earth's defaults in these units: no extension block
  return p;
}

// Every optional part of this version's layout in use.
ProjectData Busy() {
  ProjectData p = Default(kSI);
  p.projectTitle = "Quay wall » 2³ m² × 3";
  p.headerFooterTexts[1] = "Left";
  p.lineLoadCount = 10;
  for (std::size_t i = 1; i <= 10; ++i) {
    p.lineLoads[i] = {2.5f * float(i), 0.5f * float(i), 0.9f * float(i), 45.0f * float(i - 1), kAllLoadCases[(i - 1) % 7]};
  }
  p.userReinforcement = true;
  for (std::size_t c = 1; c <= 6; ++c) {
    p.barDiameters[c] = 1.2f + 0.2f * float(c);
    p.barPitches[c] = 25.0f - float(c);
  }
  p.shearKeyOption = true;
  p.shearKeyDepth = 0.8f;
  p.toePassiveOption = true;
  p.restraintForceOption = true;
  p.restraintForce = 50.0f;
  return p;
}

ProjectData WithoutWaterAndSeismic() {
  ProjectData p = Default(kBritish);
  p.waterOption = p.seismicOption = false;
  p.savedWaterDepthFront = p.waterDepthFront;
  p.savedWaterDepthBack = p.waterDepthBack;
  p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront();
  p.savedSeismicCoefficient = p.seismicCoefficient;
  p.seismicCoefficient = 0;
  p.backfillSlope = 1.2f;  // steeper than the friction angle: the slope rule fires
  return p;
}

// A wall without toe and without heel, level backfill and loads of every case.
ProjectData Bare() {
  ProjectData p = Default(kMetric);
  p.toeLength = p.toeTaper = p.toeEdgeThickness = 0;
  p.heelLength = 0;
  p.baseWidth = p.stemFrontBatter + p.stemTopWidth + p.stemBackBatter;
  p.stemFrontHeight = p.stemBackHeight + p.heelTaper + p.heelEdgeThickness;  // both totals agree
  p.backfillSlope = 0;
  p.lineLoadCount = 7;
  for (std::size_t i = 1; i <= 7; ++i) p.lineLoads[i] = {1.0f, 0.3f, 4.0f, 90.0f * float(i % 4), kAllLoadCases[i - 1]};
  return p;
}

std::vector<uint8_t> HeaderItem(int type, std::size_t payload) {  // a header item of each kind
  FileBytes f;
  f.I16(2 + int(payload)).I16(type);
  if (type == 8) {
    f.Text("comment");
  } else {
    f.Zeros(payload);
  }
  FileBytes rest;
  rest.DefaultHead();
  f.bytes.insert(f.bytes.end(), rest.bytes.begin() + 4, rest.bytes.end());
  f.I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f.bytes;
}

// Files of this version with an extension block after item 25: a valid one, one with an item
// of an unknown tag, and damaged ones that the reader refuses.
FileBytes CurrentFile() {
  FileBytes f;
  f.DefaultHead().I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f;
}

std::vector<uint8_t> ExtensionBlock(const std::vector<std::pair<int, std::vector<uint8_t>>>& items,
                                    int count) {
  FileBytes f = CurrentFile();
  f.I16(-3).I16(count);
  for (const auto& [tag, payload] : items) {
    f.I16(tag).I16(int(payload.size()));
    f.bytes.insert(f.bytes.end(), payload.begin(), payload.end());
  }
  return f.bytes;
}

std::vector<uint8_t> FoundationPayload(float unitWeight, float saturated) {
  FileBytes f;
  f.F32(unitWeight).F32(saturated);
  return f.bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz-seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const auto write = [&folder](const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(folder / (name + ".kvi"), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  };
  write("default-metric", EncodeProjectFile(Default(kMetric)));
  write("default-si", EncodeProjectFile(Default(kSI)));
  write("default-british", EncodeProjectFile(Default(kBritish)));
  write("busy-reinforcement", EncodeProjectFile(Busy()));
  write("no-water-no-seismic-steep", EncodeProjectFile(WithoutWaterAndSeismic()));
  write("no-toe-no-heel", EncodeProjectFile(Bare()));
  write("older-version", test::OlderVersionFile());
  write("old-line-loads", test::OldLineLoadsFile());
  write("oldest-with-results", test::OldestWithResultsFile());
  ProjectData earth = Default(kMetric);
  earth.foundationUnitWeight = 1.8f;
  earth.foundationSaturatedDensity = 2.1f;
  write("extension-foundation", EncodeProjectFile(earth));
  const auto foundation = FoundationPayload(1.8f, 2.1f);
  write("extension-unknown-tag", ExtensionBlock({{1, foundation}, {9, {1, 2, 3}}, {-7, {}}}, 3));
  write("extension-damaged-length", ExtensionBlock({{1, {0, 0, 0x80, 0x3F}}}, 1));
  write("extension-damaged-past-end", ExtensionBlock({{1, foundation}}, 2));
  write("extension-damaged-count", ExtensionBlock({}, -1));
  write("extension-damaged-twice", ExtensionBlock({{1, foundation}, {1, foundation}}, 2));
  write("extension-damaged-value", ExtensionBlock({{1, FoundationPayload(0.0f, 2.0f)}}, 1));
  for (const auto& [type, payload] : {std::pair{1, 0}, {2, 2}, {4, 4}, {5, 8}, {8, 0}, {17, 1}}) {
    write("header-item-" + std::to_string(type), HeaderItem(type, std::size_t(payload)));
  }
  return 0;
}
