// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the project file: this version's layout, with a backup of the old file while writing.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "model/BinaryCodec.h"
#include "model/FileEncoding.h"
#include "model/ProjectExtensions.h"
#include "model/ProjectFile.h"

namespace kelvadrome {

namespace {

namespace fs = std::filesystem;

constexpr int16_t kCurrentLineLoadMarker = -1;
constexpr int16_t kReinforcementMarker = -2;

void EncodeItems(const ProjectData& p, ByteWriter& w) {
  w.I16(0);  // header length
  w.I16(0);  // header item: an empty variant
  w.I16(p.pageMarginA);
  w.I16(p.pageMarginB);
  w.I16(p.pageMarginC);
  w.I16(p.pageMarginD);
  for (std::size_t i = 1; i <= 3; ++i) w.Text(p.headerFooterTexts[i]);
  w.Text(p.reportFontName);
  w.F32(p.reportFontSize);
  w.Text(p.projectTitle);
  w.I16(EncodeUnitSystem(p.unitSystem));

  for (const float v : {p.toeLength, p.stemFrontBatter, p.stemTopWidth, p.stemBackBatter,
                        p.heelLength, p.baseWidth, p.stemFrontHeight, p.toeTaper,
                        p.toeEdgeThickness, p.stemBackHeight, p.heelTaper, p.heelEdgeThickness,
                        p.backfillSlope, p.waterDepthFront, p.waterDepthBack}) {
    w.F32(v);
  }
  for (const float v : {p.concreteUnitWeight, p.concreteStrength, p.concreteModulus,
                        p.concretePoisson, p.steelYieldStress, p.steelModulus, p.concreteCover,
                        p.waterUnitWeight, p.backfillUnitWeight, p.backfillDryDensity,
                        p.backfillSaturatedDensity, p.backfillFrictionAngle, p.backfillCohesion,
                        p.baseFrictionAngle, p.baseCohesion, p.baseBearingCapacity, p.baseModulus,
                        p.wallFrictionEarth, p.wallFrictionConcrete}) {
    w.F32(v);
  }
  w.F32(p.surchargeLoad);
  w.I16(EncodeLoadCase(p.surchargeLoadCase));
  w.F32(p.seismicCoefficient);

  w.I16(kCurrentLineLoadMarker);
  w.I16(p.lineLoadCount);
  for (int i = 1; i <= p.lineLoadCount; ++i) {
    const LineLoad& load = p.lineLoads[static_cast<std::size_t>(i)];
    w.F32(load.load);
    w.F32(load.x);
    w.F32(load.y);
    w.F32(load.direction);
    w.I16(EncodeLoadCase(load.loadCase));
  }

  const bool userBars = p.userReinforcement;
  w.I16(userBars ? kReinforcementMarker : 0);
  if (userBars) {
    for (std::size_t c = 1; c <= kDesignColumnCount; ++c) w.F32(p.barDiameters[c]);
    for (std::size_t c = 1; c <= kDesignColumnCount; ++c) w.F32(p.barPitches[c]);
  }

  w.Text(kFileIdentText);
  w.Text(kProgramVersion);
  w.I16(EncodeBoolean(p.waterOption));
  w.I16(EncodeBoolean(p.seismicOption));
  w.F32(p.savedWaterDepthFront);
  w.F32(p.savedWaterDepthBack);
  w.F32(p.savedSeismicCoefficient);
  w.F32(p.restraintForce);
  w.F32(p.shearKeyDepth);
  w.I16(EncodeRestraint(p.toePassiveOption));
  w.I16(EncodeRestraint(p.restraintForceOption));
  w.I16(EncodeRestraint(p.shearKeyOption));
  for (const float v : {p.toeUnitWeight, p.toeDryDensity, p.toeSaturatedDensity,
                        p.toeFrictionAngle, p.toeCohesion}) {
    w.F32(v);
  }
  WriteExtensionBlock(w, p);
}

std::string ErrnoText() { return std::generic_category().message(errno); }

void WriteBytes(const std::vector<uint8_t>& bytes, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw ProjectFileError(path, "the file cannot be created (" + ErrnoText() + ")");
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) throw ProjectFileError(path, "the file could not be written (" + ErrnoText() + ")");
  out.close();
  if (!out) throw ProjectFileError(path, "the file could not be closed (" + ErrnoText() + ")");
}

}  // namespace

std::vector<uint8_t> EncodeProjectFile(const ProjectData& project, const std::string& fileName) {
  if (project.lineLoadCount < 0 || project.lineLoadCount > kMaxLineLoads) {
    throw ProjectFileError(fileName, "a project holds 0 to 10 line loads, not " +
                                         std::to_string(project.lineLoadCount));
  }
  ByteWriter writer;
  try {
    EncodeItems(project, writer);
  } catch (const FileFormatFault& fault) {
    throw ProjectFileError(fileName, fault.what());
  }
  return writer.Bytes();
}

void WriteProjectFile(const ProjectData& project, const std::string& path) {
  const std::vector<uint8_t> bytes = EncodeProjectFile(project, path);

  // The old file becomes the backup; if it cannot be moved aside there is nothing to restore,
  // and the file is written in place.
  const std::string backup = BackupPathOf(path);
  std::error_code ec;
  const bool existed = fs::exists(path, ec);
  if (existed && !fs::is_regular_file(path, ec)) {
    throw ProjectFileError(path, "it is not a file that can be replaced");
  }
  bool backedUp = false;
  if (existed) {
    fs::rename(path, backup, ec);
    backedUp = !ec;
  }

  try {
    WriteBytes(bytes, path);
  } catch (const ProjectFileError&) {
    // A partial file never stays in place of the user's good one.
    if (backedUp || !existed) fs::remove(path, ec);
    if (backedUp) fs::rename(backup, path, ec);
    throw;
  }
  if (backedUp) fs::remove(backup, ec);
}

}  // namespace kelvadrome
