// SPDX-License-Identifier: GPL-3.0-or-later
// What the earth and water pressure procedures share: the angles derived from the project and
// the levels read back from the stored outline points.
#pragma once

#include "engine/AnalysisResults.h"
#include "engine/BackfillSlope.h"
#include "engine/EngineNumerics.h"
#include "engine/TrapezoidResultant.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Wall friction on the virtual back through the heel edge: earth on earth when soil stands
// over the heel or the back batter, concrete on earth when the backfill bears on a vertical
// concrete back (no back batter and no heel).
[[nodiscard]] inline double VirtualBackFrictionAngle(const ProjectData& p) {
  const bool soilOverBase = p.stemBackBatter != 0 || p.heelLength != 0;
  return Radians(soilOverBase ? p.wallFrictionEarth : p.wallFrictionConcrete);
}

// Levels and positions of the outline, in the single precision they are stored in.
struct OutlineLevels {
  double baseDepth;      // D = y4
  double toeEdgeTop;     // y3
  double heelEdgeTop;    // y6
  double stemBackFoot;   // y7 = Hb
  double stemFrontFoot;  // y2 = Hf
  double backfillTop;    // y10, the backfill surface above the heel edge
};

[[nodiscard]] inline OutlineLevels ReadOutlineLevels(const AnalysisResults& r) {
  return {r.wallOutlineY[4], r.wallOutlineY[3], r.wallOutlineY[6], r.wallOutlineY[7],
          r.wallOutlineY[2], r.wallOutlineY[10]};
}

// Stores an earth thrust on the virtual back: the horizontal resultants above (1) and below (2)
// the back water table, their downward components (3, 4) from the wall friction, at x = B.
inline void StoreEarthThrust(const Resultant& upper, const Resultant& lower, double tanDelta,
                             double baseWidth, std::array<float, 5>& force,
                             std::array<float, 3>& depth, std::array<float, 5>& x) {
  force[1] = Single(upper.force);
  depth[1] = Single(upper.position);
  force[2] = Single(lower.force);
  depth[2] = Single(lower.position);
  force[3] = Single(force[1] * tanDelta);
  force[4] = Single(force[2] * tanDelta);
  x[3] = x[4] = static_cast<float>(baseWidth);
}

}  // namespace kelvadrome
