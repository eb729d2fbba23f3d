// SPDX-License-Identifier: GPL-3.0-or-later
// Static active earth pressure (Coulomb) with the surcharge, and the first slope rule.
#include <cmath>

#include "engine/EarthPressure.h"
#include "engine/PressureInputs.h"
#include "engine/SlopeRules.h"
#include "engine/TrapezoidResultant.h"

namespace kelvadrome {

double ComputeActivePressure(const ProjectData& p, AnalysisResults& r, MessageSink& sink) {
  const double phi = Radians(p.backfillFrictionAngle);
  const double delta = VirtualBackFrictionAngle(p);

  // Rule 1: a backfill steeper than its friction angle cannot stand; flatten it first.
  const double beta = ApplySlopeRule(p, r, sink, phi, SlopeRule::frictionAngle);

  const double cosDelta = std::cos(delta);
  const double radicand = Quotient(std::sin(phi + delta) * std::sin(phi - beta),
                                   cosDelta * std::cos(beta), "the active earth pressure");
  const double root = 1 + SquareRoot(radicand, "the active earth pressure coefficient");
  const double ka =
      Quotient(std::pow(std::cos(phi), 2), cosDelta * root * root, "the active earth pressure");

  const OutlineLevels levels = ReadOutlineLevels(r);
  const double D = levels.baseDepth, y10 = levels.backfillTop;
  const double Qw = p.waterDepthBack;
  const double fH = r.loadFactor[LoadCaseIndex(LoadCase::soil)];
  const double submerged = double(p.backfillSaturatedDensity) - p.waterUnitWeight;

  PressureResults& s = r.pressure;
  s.activeCoefficient = Single(ka);
  s.activePressure[0] = Single(p.surchargeLoad * ka * cosDelta / std::cos(beta) * fH);
  s.activePressure[1] =
      Single(s.activePressure[0] + ka * p.backfillUnitWeight * (Qw - y10) * cosDelta * fH);
  s.activePressure[2] = Single(s.activePressure[1] + ka * submerged * (D - Qw) * cosDelta * fH);

  StoreEarthThrust(TrapezoidResultant(y10, Qw, s.activePressure[0], s.activePressure[1]),
                   TrapezoidResultant(Qw, D, s.activePressure[1], s.activePressure[2]),
                   std::tan(delta), p.baseWidth, s.activeForce, s.activeForceDepth,
                   s.activeForceX);
  s.activeBottomPressure = s.activePressure[2];
  return ka;
}

}  // namespace kelvadrome
