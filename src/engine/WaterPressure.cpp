// SPDX-License-Identifier: GPL-3.0-or-later
// Hydrostatic water pressure on the wetted faces and the uplift under the base.
#include "engine/WaterPressure.h"

#include <algorithm>

#include "engine/EngineNumerics.h"
#include "engine/PressureInputs.h"
#include "engine/TrapezoidResultant.h"

namespace kelvadrome {

namespace {

struct WaterForceStore {
  PressureResults& s;
  void Depth(size_t j, const Resultant& f) {
    s.waterForce[j] = Single(f.force);
    s.waterForceDepth[j] = Single(f.position);
  }
  void X(size_t j, const Resultant& f) {
    s.waterForce[j] = Single(f.force);
    s.waterForceX[j] = Single(f.position);
  }
};

}  // namespace

void ComputeWaterPressure(const ProjectData& p, AnalysisResults& r) {
  const OutlineLevels levels = ReadOutlineLevels(r);
  const double D = levels.baseDepth;
  const double Pw = p.waterDepthFront, Qw = p.waterDepthBack;
  const double gammaW = p.waterUnitWeight;
  const double fF = r.loadFactor[LoadCaseIndex(LoadCase::water)];
  // Hydrostatic ordinate at a depth below the water table, 0 at or above it.
  const auto ordinate = [&](double depth, double table) {
    return depth > table ? gammaW * (depth - table) * fF : 0.0;
  };
  const auto& X = r.wallOutlineX;
  const auto& Y = r.wallOutlineY;

  PressureResults& s = r.pressure;
  auto& w = s.waterPressure;
  w[1] = Single(ordinate(levels.stemBackFoot, Qw));
  w[2] = Single(ordinate(levels.heelEdgeTop, Qw));
  w[3] = Single(ordinate(D, Qw));
  w[4] = Single(ordinate(levels.stemFrontFoot, Pw));
  w[5] = Single(ordinate(levels.toeEdgeTop, Pw));
  w[6] = Single(ordinate(D, Pw));
  w[7] = w[1];
  w[8] = w[2];
  w[9] = w[4];
  w[10] = w[5];
  w[11] = Single(ordinate(D, Pw));
  w[12] = Single(ordinate(D, Qw));

  // Each face is integrated from where the water line of the outline meets it (points 13, 17,
  // 12, 16): the water cases of the outline choose the start point.
  WaterForceStore f{s};
  f.Depth(1, TrapezoidResultant(Y[13], Y[7], 0, w[1]));
  f.Depth(2, TrapezoidResultant(Y[17], Y[6], ordinate(Y[17], Qw), w[2]));
  // Below the heel edge top the heel edge face is wet only from the water table down.
  f.Depth(3, Qw > levels.heelEdgeTop ? TrapezoidResultant(Qw, D, 0, w[3])
                                     : TrapezoidResultant(Y[6], D, w[2], w[3]));
  f.Depth(4, TrapezoidResultant(Y[12], Y[2], 0, w[4]));
  f.Depth(5, TrapezoidResultant(Y[16], Y[3], ordinate(Y[16], Pw), w[5]));
  // The same on the toe edge face: integrating from the toe edge top would overstate the thrust
  // and put it too high when the front water lies lower.
  f.Depth(6, Pw > levels.toeEdgeTop ? TrapezoidResultant(Pw, D, 0, w[6])
                                    : TrapezoidResultant(Y[3], D, w[5], w[6]));

  const double T = p.toeLength, B = p.baseWidth;
  f.X(7, TrapezoidResultant(X[13], X[7], 0, w[7]));
  f.X(8, TrapezoidResultant(X[17], B, w[7], w[8]));
  f.X(9, TrapezoidResultant(X[12], T, 0, w[9]));
  f.X(10, TrapezoidResultant(X[16], 0, w[9], w[10]));
  f.X(11, TrapezoidResultant(0, B, w[11], w[12]));

  s.maxWaterPressure = *std::max_element(w.begin() + 1, w.end());
}

}  // namespace kelvadrome
