// SPDX-License-Identifier: GPL-3.0-or-later
// The defaults procedure run at start-up, by "New" and before every file is read.
#include "model/ProjectData.h"
#include "model/ProjectExtensions.h"

namespace kelvadrome {

namespace {
float Sum(std::initializer_list<double> terms) {
  double total = 0;
  for (const double t : terms) total += t;
  return static_cast<float>(total);
}
}  // namespace

void SetDefaults(ProjectData& p, const std::string& defaultReportFont) {
  p.unitSystem = kMetric;
  p.projectTitle.clear();

  p.toeLength = 2.0f;
  p.stemFrontBatter = 0.5f;
  p.stemTopWidth = 0.83f;
  p.stemBackBatter = 0.5f;
  p.heelLength = 3.37f;
  p.stemFrontHeight = 8.0f;
  p.toeTaper = 1.0f;
  p.toeEdgeThickness = 1.0f;
  p.heelTaper = 1.0f;
  p.heelEdgeThickness = 1.27f;
  p.backfillSlope = 5.0f;
  p.waterDepthFront = 5.0f;
  p.waterDepthBack = 1.5f;

  // Derived dimensions, in this order, so that both sides give the same total height.
  p.baseWidth = Sum({p.toeLength, p.stemFrontBatter, p.stemTopWidth, p.stemBackBatter, p.heelLength});
  p.stemBackHeight = Sum({p.stemFrontHeight, p.toeTaper, p.toeEdgeThickness, -double(p.heelTaper),
                          -double(p.heelEdgeThickness)});
  p.stemFrontHeight = Sum({p.heelTaper, p.stemBackHeight, p.heelEdgeThickness, -double(p.toeTaper),
                           -double(p.toeEdgeThickness)});

  if (double(p.toeTaper) + p.toeEdgeThickness == 0) p.toeLength = 0;
  if (double(p.heelTaper) + p.heelEdgeThickness == 0) p.heelLength = 0;

  const double totalHeight = double(p.toeTaper) + p.stemFrontHeight + p.toeEdgeThickness;
  if (totalHeight < p.waterDepthFront) p.waterDepthFront = static_cast<float>(totalHeight);
  if (totalHeight < p.waterDepthBack) p.waterDepthBack = static_cast<float>(totalHeight);

  p.concreteUnitWeight = 2.4f;
  p.concreteStrength = 300.0f;
  p.concreteModulus = 1.4f;
  p.concretePoisson = 0.17f;
  p.steelYieldStress = 3000.0f;
  p.steelModulus = 21.0f;
  p.concreteCover = 5.0f;
  p.waterUnitWeight = 1.0f;
  p.backfillUnitWeight = 1.7f;
  p.backfillDryDensity = 1.7f;
  p.backfillSaturatedDensity = 2.0f;
  p.backfillFrictionAngle = 30.0f;
  p.backfillCohesion = 0.0f;
  p.baseFrictionAngle = 30.0f;
  p.baseCohesion = 0.0f;
  p.baseBearingCapacity = 10.0f;
  p.baseModulus = 1.0f;
  p.wallFrictionEarth = 30.0f;
  p.wallFrictionConcrete = 15.0f;
  p.toeUnitWeight = 1.7f;
  p.toeDryDensity = 1.7f;
  p.toeSaturatedDensity = 2.0f;
  p.toeFrictionAngle = 30.0f;
  p.toeCohesion = 0.0f;
  p.surchargeLoad = 1.0f;
  p.surchargeLoadCase = LoadCase::live;
  p.seismicCoefficient = 0.15f;
  p.lineLoadCount = 0;  // the entries of lineLoads are left as they are

  p.userReinforcement = false;  // the bar arrays are left as they are

  p.pageMarginA = 25;
  p.pageMarginB = p.pageMarginC = p.pageMarginD = 20;
  p.headerFooterTexts = {"", "&Input", "&Date &Time", "Page &Page"};
  p.reportFontName = defaultReportFont;
  p.reportFontSize = 10.0f;

  p.waterOption = true;
  p.seismicOption = true;
  p.restraintForce = 0.0f;
  p.shearKeyDepth = 0.67f;
  p.toePassiveOption = p.restraintForceOption = p.shearKeyOption = false;
  SetExtensionDefaults(p);  // Metric, as set above
}

}  // namespace kelvadrome
