// SPDX-License-Identifier: GPL-3.0-or-later
// The wall outline, its water-line cases at their boundaries, and the polygons cut from it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "ServiceTestSupport.h"
#include "engine/EngineError.h"
#include "engine/LoadFactors.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {
namespace {

using test::DefaultProject;

AnalysisResults Outline(const ProjectData& p) {
  AnalysisResults r;
  SetServiceLoadFactors(r);
  ComputeWallOutline(p, r);
  return r;
}

// Back water typed equal to the heel edge top (Hb = 7.73 plus 1, as stored in single precision)
// takes the third row even though 7.73 + 1 is not the same number in double precision.
TEST(WallOutline, BackWaterAtTheHeelEdgeTopTakesTheThirdRow) {
  ProjectData p = DefaultProject();
  p.waterDepthBack = Outline(p).wallOutlineY[6];
  AnalysisResults r = Outline(p);
  for (const size_t i : {17u, 18u}) {
    EXPECT_FLOAT_EQ(r.wallOutlineX[i], 7.2f) << i;
    EXPECT_EQ(r.wallOutlineY[i], p.waterDepthBack) << i;
  }
  ComputeWallPolygons(p, r);
  for (const size_t empty : {13u, 14u, 17u}) EXPECT_EQ(r.polygonArea[empty], 0.0f) << empty;
  // The soil over the sloping heel top is now all above the water.
  EXPECT_NEAR(r.polygonArea[15], 3.37 * 1.0 / 2, 1e-5);
}

// The outline a figure asks for is drawn even where the analysis stops: a backfill so nearly
// level that its rise leaves single precision keeps the largest value instead of faulting.
TEST(WallOutline, AFiguresOutlineKeepsAnOverflowFinite) {
  ProjectData p = DefaultProject();
  p.backfillSlope = 1e-38f;
  EXPECT_THROW((void)ComputeOutlinePoints(p), EngineError);
  OutlineOptions figure;
  figure.throwOnFault = false;
  const WallOutline o = ComputeOutlinePoints(p, figure);
  for (std::size_t i = 1; i < o.x.size(); ++i) EXPECT_TRUE(std::isfinite(o.x[i]) && std::isfinite(o.y[i])) << i;
  EXPECT_EQ(o.y[10], -std::numeric_limits<float>::max());
}

// The concrete polygons tile the concrete outline 1..8, and their first moments add up to its.
TEST(WallPolygons, ConcretePiecesTileTheOutline) {
  for (const float backWater : {1.5f, 7.73f, 10.0f}) {
    ProjectData p = DefaultProject();
    p.waterDepthBack = backWater;
    AnalysisResults r = Outline(p);
    ComputeWallPolygons(p, r);
    std::array<PlanePoint, 8> outline{};
    for (size_t i = 0; i < 8; ++i) outline[i] = {r.wallOutlineX[i + 1], r.wallOutlineY[i + 1]};
    // The outline's own area and centroid, by the routine checked on simple shapes above.
    const PolygonProperties whole = PolygonAreaCentroid(outline);
    const double area = whole.area, momentX = whole.area * whole.centroidX;
    double pieces = 0, piecesMomentX = 0;
    for (size_t i = 1; i <= 9; ++i) {
      pieces += r.polygonArea[i];
      piecesMomentX += double(r.polygonArea[i]) * r.polygonCentroidX[i];
    }
    EXPECT_NEAR(pieces, area, 1e-5);
    EXPECT_NEAR(piecesMomentX, momentX, 1e-4);
    // The backfill pieces behind the stem fill the strip from the stem down to the heel top:
    // their area does not depend on where the water table cuts it.
    const double soil = std::accumulate(r.polygonArea.begin() + 11, r.polygonArea.end(), 0.0);
    EXPECT_NEAR(soil, (0.5 * 7.73 / 2) + 3.37 * 7.73 + 3.37 * 1.0 / 2, 1e-4);
  }
}

}  // namespace
}  // namespace kelvadrome
