// SPDX-License-Identifier: GPL-3.0-or-later
// Projects shared by the wall analysis tests: the default wall and a weightless wall whose only
// load is what a test puts on it, so that every result can be checked by hand.
#pragma once

#include <initializer_list>

#include "engine/Analysis.h"
#include "engine/AnalysisResults.h"
#include "engine/EngineError.h"
#include "model/ProjectData.h"
#include "model/Units.h"

namespace kelvadrome::test {

inline ProjectData DefaultProject() {
  ProjectData p;
  SetDefaults(p);
  return p;
}

// Base 6.0 wide (toe 1, stem 0.5 + 1 + 0.5, heel 3), 10 high, no water, no seismic load, and
// every unit weight and the surcharge 0: only line loads act on it.
inline ProjectData WeightlessWall() {
  ProjectData p = DefaultProject();
  p.toeLength = 1.0f;
  p.stemFrontBatter = 0.5f;
  p.stemTopWidth = 1.0f;
  p.stemBackBatter = 0.5f;
  p.heelLength = 3.0f;
  p.baseWidth = 6.0f;
  p.backfillSlope = 0;
  p.waterDepthFront = p.waterDepthBack = 10.0f;  // total height: no water on either side
  p.seismicCoefficient = 0;
  p.concreteUnitWeight = p.backfillUnitWeight = p.backfillSaturatedDensity = 0;
  p.waterUnitWeight = p.toeUnitWeight = p.toeSaturatedDensity = 0;
  p.surchargeLoad = 0;
  return p;
}

inline void AddLineLoad(ProjectData& p, float load, float x, float y, float direction,
                        LoadCase loadCase = LoadCase::dead) {
  p.lineLoadCount = static_cast<int16_t>(p.lineLoadCount + 1);
  p.lineLoads[static_cast<size_t>(p.lineLoadCount)] = {load, x, y, direction, loadCase};
}

// A Metric project with every length, unit weight, stress and load taken exactly (without the
// rounding of the unit switch) into another system.
inline ProjectData Converted(const ProjectData& metric, UnitSystem system) {
  const ConversionFactors f = ConversionFactorsFor(kMetric, system);
  ProjectData p = metric;
  p.unitSystem = system;
  const auto scale = [](std::initializer_list<float*> values, double factor) {
    for (float* v : values) *v = static_cast<float>(*v * factor);
  };
  scale({&p.toeLength, &p.stemFrontBatter, &p.stemTopWidth, &p.stemBackBatter, &p.heelLength, &p.baseWidth,
         &p.stemFrontHeight, &p.toeTaper, &p.toeEdgeThickness, &p.stemBackHeight, &p.heelTaper,
         &p.heelEdgeThickness, &p.waterDepthFront, &p.waterDepthBack, &p.shearKeyDepth},
        f.length);
  scale({&p.concreteUnitWeight, &p.waterUnitWeight, &p.backfillUnitWeight, &p.backfillSaturatedDensity,
         &p.toeUnitWeight, &p.toeSaturatedDensity, &p.foundationUnitWeight, &p.foundationSaturatedDensity},
        f.UnitWeight());
  scale({&p.baseCohesion, &p.backfillCohesion, &p.toeCohesion, &p.baseBearingCapacity, &p.concreteStrength},
        f.stress);
  scale({&p.surchargeLoad}, f.force / (f.length * f.length));
  for (int k = 1; k <= p.lineLoadCount; ++k) {
    LineLoad& l = p.lineLoads[static_cast<size_t>(k)];
    scale({&l.x, &l.y}, f.length);
    scale({&l.load}, f.ForcePerLength());
  }
  return p;
}

// The service analysis as the program keeps it: the project takes a flattened slope; a fault
// is thrown.
inline AnalysisResults Analyse(ProjectData& p) {
  const ServiceAnalysis analysis = AnalyseService(p);
  p = WithFindings(std::move(p), analysis);
  if (analysis.fault) throw EngineError(*analysis.fault);
  return analysis.results;
}

}  // namespace kelvadrome::test
