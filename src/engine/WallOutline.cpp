// SPDX-License-Identifier: GPL-3.0-or-later
// The wall outline: points 1..49 from the project's dimensions.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/EngineNumerics.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

namespace {

class OutlineWriter {
 public:
  OutlineWriter(WallOutline& outline, bool throwOnFault)
      : outline_(outline), throwOnFault_(throwOnFault) {}
  void Set(int point, double x, double y) {
    outline_.x[static_cast<size_t>(point)] = Store(x);
    outline_.y[static_cast<size_t>(point)] = Store(y);
  }
  // Stored coordinates are read back in single precision, so that later points and the water
  // cases use exactly what the drawing and the pressures see.
  [[nodiscard]] double X(int point) const { return outline_.x[static_cast<size_t>(point)]; }
  [[nodiscard]] double Y(int point) const { return outline_.y[static_cast<size_t>(point)]; }

  // part / whole along an edge; for a figure a zero whole gives the start of the edge.
  [[nodiscard]] double Ratio(double part, double whole, const char* what) const {
    if (!throwOnFault_ && whole == 0) return 0;
    return Quotient(part, whole, what);
  }

 private:
  [[nodiscard]] float Store(double value) const {
    if (throwOnFault_) return Single(value);
    if (std::isnan(value)) return 0;
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -kLargest, kLargest));
  }

  WallOutline& outline_;
  bool throwOnFault_;
};

// Depth of the backfill surface at a horizontal distance `run` behind the stem top: the surface
// rises with 1 : n, and only n > 0 raises it.
double BackfillSurfaceY(double run, double slope) {
  return slope > 0 ? -run / slope : 0.0;
}

}  // namespace

WallOutline ComputeOutlinePoints(const ProjectData& p, const OutlineOptions& options) {
  WallOutline outline;
  OutlineWriter o(outline, options.throwOnFault);
  const double T = p.toeLength, Bf = p.stemFrontBatter, Wt = p.stemTopWidth;
  const double Bb = p.stemBackBatter, Lh = p.heelLength, B = p.baseWidth;
  const double Hf = p.stemFrontHeight, tT = p.toeTaper, tE = p.toeEdgeThickness;
  const double Hb = p.stemBackHeight, hT = p.heelTaper;
  const double n = p.backfillSlope;
  const double Pw = p.waterDepthFront, Qw = p.waterDepthBack;

  o.Set(1, T + Bf, 0);
  o.Set(2, T, Hf);
  o.Set(3, 0, Hf + tT);
  // The base underside D is taken on the toe side; the defaults and the editor keep the heel
  // side (Hb + hT + hE) equal to it.
  o.Set(4, 0, Hf + tT + tE);
  o.Set(5, B, Hf + tT + tE);
  o.Set(6, B, Hb + hT);
  o.Set(7, T + Bf + Wt + Bb, Hb);
  o.Set(8, T + Bf + Wt, 0);
  const double beyond = options.backfillBeyondHeel;
  o.Set(10, o.X(7) + Lh + beyond, BackfillSurfaceY(Bb + Lh + beyond, n));

  // Toe-side water: above the toe top at the stem, on the sloping toe top, or below its edge.
  // The levels compared are the stored ones, so a depth typed equal to a level takes the lower row.
  if (Pw < o.Y(2)) {
    o.Set(11, 0, Pw);
    o.Set(12, o.X(1) - o.Ratio(Pw, Hf, "the stem front height") * Bf, Pw);
    o.Set(15, 0, Hf);
    o.Set(16, T, Hf);
  } else if (Pw < o.Y(3)) {
    o.Set(11, 0, Hf);
    o.Set(12, T, Hf);
    o.Set(15, 0, Pw);
    o.Set(16, T - o.Ratio(Pw - Hf, tT, "the toe taper") * T, Pw);
  } else {
    o.Set(11, 0, Hf);
    o.Set(12, T, Hf);
    o.Set(15, 0, o.Y(3));
    o.Set(16, 0, o.Y(3));
  }

  // Back water: above the heel top at the stem, on the sloping heel top, or below its edge.
  if (Qw < o.Y(7)) {
    o.Set(13, o.X(8) + o.Ratio(Qw, Hb, "the stem back height") * Bb, Qw);
    o.Set(14, o.X(10), Qw);
    o.Set(17, o.X(7), Hb);
    o.Set(18, o.X(10), Hb);
  } else if (Qw < o.Y(6)) {
    o.Set(13, o.X(7), Hb);
    o.Set(14, o.X(10), Hb);
    o.Set(17, o.X(7) + o.Ratio(Qw - Hb, hT, "the heel taper") * Lh, Qw);
    o.Set(18, o.X(10), Qw);
  } else {
    o.Set(13, o.X(7), Hb);
    o.Set(14, o.X(10), Hb);
    o.Set(17, B, o.Y(6));
    o.Set(18, o.X(10), o.Y(6));
  }

  // Projections that cut the wall and the soil into the polygons.
  o.Set(21, o.X(1), Hf);
  o.Set(22, o.X(8), Hb);
  o.Set(23, T, o.Y(3));
  o.Set(24, o.X(7), o.Y(6));
  o.Set(25, T, o.Y(4));
  o.Set(26, o.X(1), o.Y(4));
  o.Set(27, o.X(8), o.Y(4));
  o.Set(28, o.X(7), o.Y(4));
  o.Set(31, o.X(13), 0);
  o.Set(32, B, 0);
  o.Set(33, o.X(7), o.Y(13));
  o.Set(34, o.X(17), Hb);
  o.Set(35, B, Hb);
  o.Set(36, o.X(7), 0);
  o.Set(40, B, BackfillSurfaceY(Bb + Lh, n));
  o.Set(41, B, o.Y(13));
  o.Set(42, B, o.Y(17));

  // The stem's design section, at the shallower of the two stem feet.
  if (o.Y(7) < o.Y(2)) {
    o.Set(43, o.X(1) - o.Ratio(Hb, Hf, "the stem front height") * Bf, Hb);
    o.Set(44, o.X(7), Hb);
  } else {
    o.Set(43, T, Hf);
    o.Set(44, o.X(8) + o.Ratio(Hf, Hb, "the stem back height") * Bb, Hf);
  }
  o.Set(45, o.X(1), o.Y(43));
  o.Set(46, o.X(8), o.Y(43));
  o.Set(47, o.X(44), 0);
  o.Set(48, o.X(44), BackfillSurfaceY(o.X(44) - o.X(8), n));
  o.Set(49, o.X(44), std::min(o.Y(13), o.Y(44)));
  return outline;
}

void ComputeWallOutline(const ProjectData& project, AnalysisResults& results) {
  const WallOutline outline = ComputeOutlinePoints(project);
  results.wallOutlineX = outline.x;
  results.wallOutlineY = outline.y;
}

}  // namespace kelvadrome
