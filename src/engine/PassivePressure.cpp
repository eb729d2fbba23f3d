// SPDX-License-Identifier: GPL-3.0-or-later
// Passive earth pressure (Coulomb, level toe earth) of the toe earth and in front of the key.
#include <cmath>

#include "engine/EarthPressure.h"
#include "engine/PressureInputs.h"
#include "engine/TrapezoidResultant.h"

namespace kelvadrome {

void ComputePassivePressure(const ProjectData& p, AnalysisResults& r) {
  const double phi = Radians(p.toeFrictionAngle);
  const double delta = Radians(p.wallFrictionConcrete);
  const double cosDelta = std::cos(delta);
  const double radicand =
      Quotient(std::sin(phi + delta) * std::sin(phi), cosDelta, "the passive earth pressure");
  const double root = 1 - SquareRoot(radicand, "the passive earth pressure coefficient");
  const double kp =
      Quotient(std::pow(std::cos(phi), 2), cosDelta * root * root, "the passive earth pressure");

  const OutlineLevels levels = ReadOutlineLevels(r);
  const double D = levels.baseDepth, y3 = levels.toeEdgeTop;
  const double Pw = p.waterDepthFront;
  const double gammaW = p.waterUnitWeight;
  const double submerged = double(p.toeSaturatedDensity) - gammaW;

  double dry = Pw - y3;  // toe earth above the toe-side water
  if (dry < 0) dry = 0;
  const double wet = y3 < Pw ? D - Pw : double(p.toeEdgeThickness);

  PressureResults& s = r.pressure;
  s.passivePressure[0] = 0;
  s.passivePressure[1] = Single(p.toeUnitWeight * dry * kp * cosDelta);
  s.passivePressure[2] = Single(s.passivePressure[1] + submerged * wet * kp * cosDelta);
  const Resultant above = TrapezoidResultant(y3, y3 + dry, s.passivePressure[0],
                                             s.passivePressure[1]);
  const Resultant below = TrapezoidResultant(y3 + dry, D, s.passivePressure[1],
                                             s.passivePressure[2]);
  s.passiveForce[1] = Single(above.force);
  s.passiveForceDepth[1] = Single(above.position);
  s.passiveForce[2] = Single(below.force);
  s.passiveForceDepth[2] = Single(below.position);

  if (!p.shearKeyOption) return;  // the key's values keep those of an earlier run
  const double ks = p.shearKeyDepth;
  const double keyUnitWeight = p.waterOption ? submerged : double(p.toeUnitWeight);
  s.passivePressure[3] = Single(ks * keyUnitWeight * kp * cosDelta);
  if (p.toePassiveOption) {
    // The key continues the diagram of the toe earth.
    s.passivePressure[3] = Single(s.passivePressure[3] + s.passivePressure[2]);
  } else {
    // Without the toe earth the key's diagram starts from zero at the base.
    s.passivePressure[2] = 0;
  }
  const Resultant key = TrapezoidResultant(D, D + ks, s.passivePressure[2], s.passivePressure[3]);
  s.passiveForce[3] = Single(key.force);
  s.passiveForceDepth[3] = Single(key.position);
}

}  // namespace kelvadrome
