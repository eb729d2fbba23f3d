// SPDX-License-Identifier: GPL-3.0-or-later
// Contributions to the toe and heel sections at the faces of the stem: weights of concrete and
// soil, surcharge, seismic inertia, water on top, uplift and the base reaction. Downward loads
// give negative moment and shear (top face in tension), the base reaction and uplift positive.
#include <algorithm>
#include <cmath>

#include "engine/InternalForcesTerms.h"
#include "engine/LoadFactors.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

namespace {

// The part of the base pressure diagram between the toe edge and x. The diagram is the one the
// stability check leaves: full contact from toePressure to heelPressure, or a triangle over the
// contact width from the edge that stays down (the lifted edge holds 0).
[[nodiscard]] double BaseReactionUpTo(const StabilityResults& s, double baseWidth, double x) {
  const double toe = s.toePressure, heel = s.heelPressure, contact = s.contactWidth;
  if (x <= 0) return 0;
  if (s.contactWidth < s.baseWidthUsed && heel == 0) {  // the heel lifts
    const double end = std::min(x, contact);
    return TrapezoidResultant(0, end, toe, toe * (1 - end / contact)).force;
  }
  if (s.contactWidth < s.baseWidthUsed && toe == 0) {  // the toe lifts
    const double start = baseWidth - contact;
    if (x <= start) return 0;
    return TrapezoidResultant(start, x, 0, heel * (x - start) / contact).force;
  }
  return TrapezoidResultant(0, x, toe, toe + (heel - toe) * x / baseWidth).force;
}

// Share of a toe load lying between the toe edge and the shear section: uniform over the toe for
// the block, growing linearly from the toe edge for the top wedge. A wall without a toe has none.
[[nodiscard]] double ToeShare(double xv, double toeLength, int power) {
  if (toeLength == 0) return 0;
  return std::pow(xv / toeLength, power);
}

}  // namespace

void AddToeTerms(const FactoredCase& c, SectionSums toe) {
  const AnalysisResults& r = c.results;
  const PressureResults& w = r.pressure;
  const SectionGeometry& g = c.g;
  const double t = g.toeLength, xv = g.toeShearX;

  for (const int polygon : {8, 6}) toe.Moment(-r.polygonWeight[polygon] * (t - r.polygonCentroidX[polygon]));
  toe.Shear(-r.polygonWeight[8] * ToeShare(xv, t, 1));
  toe.Shear(-r.polygonWeight[6] * ToeShare(xv, t, 2));

  for (const int polygon : {8, 6})
    toe.Moment(-r.polygonInertia[polygon] * ((g.baseDepth - r.polygonCentroidY[polygon]) - g.toeHeight / 2));

  toe.Moment(-w.waterForce[10] * (t - w.waterForceX[10]));
  if (t > 0) {
    const double onTopAtShear = w.waterPressure[9] + (double(w.waterPressure[10]) - w.waterPressure[9]) * (t - xv) / t;
    toe.Shear(-TrapezoidResultant(0, xv, w.waterPressure[10], onTopAtShear).force);
    const double upliftSlope = (double(w.waterPressure[12]) - w.waterPressure[11]) / g.baseWidth;
    const Resultant uplift = TrapezoidResultant(0, t, w.waterPressure[11], w.waterPressure[11] + upliftSlope * t);
    toe.Moment(uplift.force * (t - uplift.position));
    toe.Shear(TrapezoidResultant(0, xv, w.waterPressure[11], w.waterPressure[11] + upliftSlope * xv).force);
  }

  const StabilityResults& s = r.stability;
  toe.Moment(s.baseSegmentForce[1] * (t - s.baseSegmentX[1]));
  toe.Shear(BaseReactionUpTo(s, g.baseWidth, xv));
}

void AddHeelTerms(const FactoredCase& c, SectionSums heel) {
  const ProjectData& p = c.project;
  const AnalysisResults& r = c.results;
  const PressureResults& w = r.pressure;
  const SectionGeometry& g = c.g;
  const double x7 = g.heelSectionX, lh = g.heelLength;

  const double surcharge = double(p.surchargeLoad) * LoadFactorOf(r, p.surchargeLoadCase);
  heel.Moment(-surcharge * lh * lh / 2);
  heel.Shear(-surcharge * lh);

  const auto weigh = [&](double weight, double centroidX) {
    heel.Moment(-weight * (centroidX - x7));
    heel.Shear(-weight);
  };
  for (const int polygon : {9, 7}) weigh(r.polygonWeight[polygon], r.polygonCentroidX[polygon]);
  // The backfill above the back water table over the heel. Its vertex order runs against the
  // outline polygons, so the signed area is negative: the magnitude is the soil.
  const PolygonProperties backfill = OutlinePolygonAreaCentroid(r, {40, 41, 33, 48});
  weigh(std::fabs(backfill.area) * p.backfillUnitWeight * c.dead, backfill.centroidX);
  for (const int polygon : {14, 15, 16, 17}) weigh(r.polygonWeight[polygon], r.polygonCentroidX[polygon]);

  for (const int polygon : {9, 7})
    heel.Moment(-r.polygonInertia[polygon] * ((g.baseDepth - r.polygonCentroidY[polygon]) - g.heelHeight / 2));

  heel.Moment(-w.waterForce[8] * (w.waterForceX[8] - x7));
  heel.Shear(-w.waterForce[8]);
  if (lh > 0) {
    const double atSection = w.waterPressure[12] + (double(w.waterPressure[11]) - w.waterPressure[12]) * lh / g.baseWidth;
    const Resultant uplift = TrapezoidResultant(x7, g.baseWidth, atSection, w.waterPressure[12]);
    heel.Moment(uplift.force * (uplift.position - x7));
    heel.Shear(uplift.force);
  }

  const StabilityResults& s = r.stability;
  heel.Moment(s.baseSegmentForce[3] * (s.baseSegmentX[3] - x7));
  heel.Shear(s.baseSegmentForce[3]);
}

}  // namespace kelvadrome
