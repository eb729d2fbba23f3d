// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the project file: this version's layout and the older ones, into a fresh project.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "model/BinaryCodec.h"
#include "model/FileEncoding.h"
#include "model/OldLineLoads.h"
#include "model/OptimiserDefaults.h"
#include "model/ProjectExtensions.h"
#include "model/ProjectFile.h"

namespace kelvadrome {

namespace {

// Far beyond any real project file (a few hundred bytes, at most some 200 kB of texts).
constexpr std::uintmax_t kMaxFileSize = 16u << 20;
constexpr std::size_t kOldResultBytes = 2200;
constexpr int16_t kOldResultsMarker = -1;
constexpr int16_t kReinforcementMarker = -2;

void ReadHeaderItem(ByteReader& r) {
  const int16_t type = r.I16();
  switch (type) {
    case 0:  // empty
    case 1:  // null
      return;
    case 8:  // text
      (void)r.Text();
      return;
    case 17:  // byte
      r.Skip(1);
      return;
    case 2:   // integer
    case 11:  // boolean
      r.Skip(2);
      return;
    case 3:  // long
    case 4:  // single
      r.Skip(4);
      return;
    case 5:  // double
    case 6:  // currency
    case 7:  // date
      r.Skip(8);
      return;
    default:
      throw FileFormatFault("it begins with an unknown header item (type " +
                            std::to_string(type) + ")");
  }
}

LoadCase ReadLoadCase(ByteReader& r) {
  const int16_t stored = r.I16();
  const std::optional<LoadCase> loadCase = DecodeLoadCase(stored);
  if (!loadCase) {
    throw FileFormatFault("it holds an unknown load case (" + std::to_string(stored) + ")");
  }
  return *loadCase;
}

void CheckRoomForLoad(int number) {
  if (number > kMaxLineLoads) throw FileFormatFault("it holds more than 10 line loads");
}

int16_t ReadCount(ByteReader& r) {
  const int16_t count = r.I16();
  if (count < 0) {
    throw FileFormatFault("it holds a negative number of line loads (" + std::to_string(count) + ")");
  }
  return count;
}

void ReadCurrentLineLoads(ByteReader& r, ProjectData& p) {
  const int16_t count = ReadCount(r);
  for (int i = 1; i <= count; ++i) {
    CheckRoomForLoad(i);
    LineLoad& load = p.lineLoads[static_cast<std::size_t>(i)];
    load.load = r.F32();
    load.x = r.F32();
    load.y = r.F32();
    load.direction = r.F32();
    load.loadCase = ReadLoadCase(r);
  }
  p.lineLoadCount = count;
}

OldLoadRecord ReadOldRecord(ByteReader& r) {
  OldLoadRecord record;
  record.signedLoad = r.F32();
  record.position = r.F32();
  record.loadCase = ReadLoadCase(r);
  return record;
}

// The older layout: `frontCount` loads on the front face, then a count and the vertical loads.
void ReadOldLineLoads(ByteReader& r, ProjectData& p, int16_t frontCount) {
  int number = 0;
  for (int i = 1; i <= frontCount; ++i) {
    CheckRoomForLoad(++number);
    p.lineLoads[static_cast<std::size_t>(number)] = ConvertOldFrontLoad(p, ReadOldRecord(r));
  }
  const int16_t verticalCount = ReadCount(r);
  for (int i = 1; i <= verticalCount; ++i) {
    CheckRoomForLoad(++number);
    p.lineLoads[static_cast<std::size_t>(number)] = ConvertOldVerticalLoad(p, ReadOldRecord(r));
  }
  p.lineLoadCount = static_cast<int16_t>(number);
}

void ReadReinforcement(ByteReader& r, ProjectData& p) {
  const int16_t marker = r.I16();
  if (marker == kReinforcementMarker) {
    for (std::size_t c = 1; c <= kDesignColumnCount; ++c) p.barDiameters[c] = r.F32();
    for (std::size_t c = 1; c <= kDesignColumnCount; ++c) p.barPitches[c] = r.F32();
    p.userReinforcement = true;
  } else if (marker == kOldResultsMarker) {
    r.Skip(kOldResultBytes);  // results of the oldest layout; every result is recomputed
  }
}

void ReadOptionsAndToeEarth(ByteReader& r, ProjectData& p) {
  p.waterOption = DecodeBoolean(r.I16());
  p.seismicOption = DecodeBoolean(r.I16());
  p.savedWaterDepthFront = r.F32();
  p.savedWaterDepthBack = r.F32();
  p.savedSeismicCoefficient = r.F32();
  p.restraintForce = r.F32();
  p.shearKeyDepth = r.F32();
  p.toePassiveOption = DecodeRestraint(r.I16());
  p.restraintForceOption = DecodeRestraint(r.I16());
  p.shearKeyOption = DecodeRestraint(r.I16());
  for (float* v : {&p.toeUnitWeight, &p.toeDryDensity, &p.toeSaturatedDensity,
                   &p.toeFrictionAngle, &p.toeCohesion}) {
    *v = r.F32();
  }
}

// Files of earlier versions know neither the options nor the toe earth.
void SubstituteMissingItems(ProjectData& p) {
  p.waterOption = true;
  p.seismicOption = true;
  p.restraintForce = 0;
  p.shearKeyDepth = 0;
  p.toePassiveOption = p.restraintForceOption = p.shearKeyOption = false;
  p.toeUnitWeight = p.backfillUnitWeight;
  p.toeDryDensity = p.backfillDryDensity;
  p.toeSaturatedDensity = p.backfillSaturatedDensity;
  p.toeFrictionAngle = p.backfillFrictionAngle;
  p.toeCohesion = p.backfillCohesion;
}

void DecodeItems(ByteReader& r, ProjectData& p) {
  (void)r.I16();  // header length
  ReadHeaderItem(r);
  p.pageMarginA = r.I16();
  p.pageMarginB = r.I16();
  p.pageMarginC = r.I16();
  p.pageMarginD = r.I16();
  for (std::size_t i = 1; i <= 3; ++i) p.headerFooterTexts[i] = r.Text();
  p.reportFontName = r.Text();
  p.reportFontSize = r.F32();
  p.projectTitle = r.Text();
  const int16_t storedUnitSystem = r.I16();
  const std::optional<UnitSystem> unitSystem = DecodeUnitSystem(storedUnitSystem);
  if (!unitSystem) {
    throw FileFormatFault("it holds an unknown unit system (" + std::to_string(storedUnitSystem) + ")");
  }
  p.unitSystem = *unitSystem;
  SetExtensionDefaults(p);  // a file without the block has the defaults of its own units

  for (float* v : {&p.toeLength, &p.stemFrontBatter, &p.stemTopWidth, &p.stemBackBatter,
                   &p.heelLength, &p.baseWidth, &p.stemFrontHeight, &p.toeTaper,
                   &p.toeEdgeThickness, &p.stemBackHeight, &p.heelTaper, &p.heelEdgeThickness,
                   &p.backfillSlope, &p.waterDepthFront, &p.waterDepthBack}) {
    *v = r.F32();
  }
  // Their default bounds follow the wall's depth, which is known only now.
  p.optimiserVariables = DefaultOptimiserVariables(p);
  for (float* v : {&p.concreteUnitWeight, &p.concreteStrength, &p.concreteModulus,
                   &p.concretePoisson, &p.steelYieldStress, &p.steelModulus, &p.concreteCover,
                   &p.waterUnitWeight, &p.backfillUnitWeight, &p.backfillDryDensity,
                   &p.backfillSaturatedDensity, &p.backfillFrictionAngle, &p.backfillCohesion,
                   &p.baseFrictionAngle, &p.baseCohesion, &p.baseBearingCapacity, &p.baseModulus,
                   &p.wallFrictionEarth, &p.wallFrictionConcrete}) {
    *v = r.F32();
  }
  p.surchargeLoad = r.F32();
  p.surchargeLoadCase = ReadLoadCase(r);
  p.seismicCoefficient = r.F32();

  const int16_t lineLoadMarker = r.I16();
  if (lineLoadMarker < 0) {
    ReadCurrentLineLoads(r, p);
  } else {
    ReadOldLineLoads(r, p, lineLoadMarker);
  }
  ReadReinforcement(r, p);

  (void)r.Text();  // identification text: nothing in the file is checked for identity
  if (r.Text() == kProgramVersion) {
    ReadOptionsAndToeEarth(r, p);
    ReadExtensionBlock(r, p);  // only a file of the current layout can carry one
  } else {
    SubstituteMissingItems(p);
  }
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) throw ProjectFileError(path, "the file does not exist");
  if (std::filesystem::is_directory(path, ec)) throw ProjectFileError(path, "it is a folder");
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw ProjectFileError(path, "the file cannot be opened (" +
                                     std::generic_category().message(errno) + ")");
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > kMaxFileSize) {
    throw ProjectFileError(path, "the file is too large to be a project file");
  }
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw ProjectFileError(path, "the file could not be read");
  return bytes;
}

}  // namespace

ProjectData DecodeProjectFile(std::span<const uint8_t> bytes, const std::string& fileName,
                              const std::string& defaultReportFont) {
  ProjectData project;
  SetDefaults(project, defaultReportFont);
  ByteReader reader(bytes);
  try {
    DecodeItems(reader, project);
  } catch (const FileFormatFault& fault) {
    throw ProjectFileError(fileName, fault.what());
  }
  return project;
}

ProjectData ReadProjectFile(const std::string& path, const std::string& defaultReportFont) {
  return DecodeProjectFile(ReadWholeFile(path), path, defaultReportFont);
}

}  // namespace kelvadrome
