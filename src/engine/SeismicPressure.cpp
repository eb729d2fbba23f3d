// SPDX-License-Identifier: GPL-3.0-or-later
// The seismic increment of the active earth pressure (Mononobe-Okabe, no vertical coefficient)
// and the hydrodynamic thrust of the toe-side water (Westergaard), with the second slope rule.
#include <cmath>

#include "engine/EarthPressure.h"
#include "engine/PressureInputs.h"
#include "engine/SlopeRules.h"
#include "engine/TrapezoidResultant.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

void ComputeSeismicPressure(const ProjectData& p, AnalysisResults& r, MessageSink& sink) {
  ComputeWallPolygons(p, r);
  ComputeSeismicPressureWithPolygons(p, r, sink);
}

void ComputeSeismicPressureWithPolygons(const ProjectData& p, AnalysisResults& r, MessageSink& sink) {
  // The increment is taken over the coefficient of this very call, after rule 1.
  const double ka = ComputeActivePressure(p, r, sink);

  const double phi = Radians(p.backfillFrictionAngle);
  const double delta = VirtualBackFrictionAngle(p);
  const double kh = p.seismicCoefficient;
  const double psi = std::atan(kh);

  // Rule 2: the seismic angle tilts the failure wedge; the slope must stay below φ - ψ.
  const double beta = ApplySlopeRule(p, r, sink, phi - psi, SlopeRule::seismic);

  const double cosDeltaPsi = std::cos(delta + psi);
  const double radicand = Quotient(std::sin(phi + delta) * std::sin(phi - psi - beta),
                                   cosDeltaPsi * std::cos(beta), "the seismic earth pressure");
  const double root = 1 + SquareRoot(radicand, "the seismic earth pressure coefficient");
  const double kae = Quotient(std::pow(std::cos(phi - psi), 2),
                              std::cos(psi) * cosDeltaPsi * root * root,
                              "the seismic earth pressure");
  double increment = kae - ka;
  if (increment < 0) increment = 0;

  const OutlineLevels levels = ReadOutlineLevels(r);
  const double D = levels.baseDepth, y10 = levels.backfillTop;
  const double Qw = p.waterDepthBack, Pw = p.waterDepthFront;
  const double fE = r.loadFactor[LoadCaseIndex(LoadCase::seismic)];
  const double gamma = p.backfillUnitWeight;
  const double cosDelta = std::cos(delta);

  PressureResults& s = r.pressure;
  s.seismicIncrementCoefficient = Single(increment);
  // An inverted triangle over the whole height, largest at the surface.
  s.seismicPressure[1] = Single(gamma * increment * (D - y10) * cosDelta * fE);
  // Below the back water the saturated soil adds the difference of saturated and moist weight.
  s.seismicPressure[2] =
      Single((double(p.backfillSaturatedDensity) - gamma) * increment * (D - Qw) * cosDelta * fE);
  StoreEarthThrust(TrapezoidResultant(y10, D, s.seismicPressure[1], 0),
                   TrapezoidResultant(Qw, D, s.seismicPressure[2], 0), std::tan(delta),
                   p.baseWidth, s.seismicForce, s.seismicForceDepth, s.seismicForceX);

  const double h = D - Pw;  // toe-side water height above the base underside
  const double gammaW = p.waterUnitWeight;
  s.hydrodynamicForce = Single(7.0 / 12.0 * gammaW * kh * h * h * fE);
  s.hydrodynamicBasePressure = Single(7.0 / 8.0 * gammaW * kh * h * fE);
  s.hydrodynamicDepth = Single(Pw + 0.6 * h);
}

}  // namespace kelvadrome
