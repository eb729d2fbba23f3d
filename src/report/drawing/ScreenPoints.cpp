// SPDX-License-Identifier: GPL-3.0-or-later
// The screen points 1..49, computed from the dimensions like the engine's outline points.
#include "report/drawing/ScreenPoints.h"

#include <algorithm>

namespace kelvadrome {
namespace {

struct ModelPoints {
  std::array<double, kScreenPointCount + 1> x{};
  std::array<double, kScreenPointCount + 1> y{};
  void Set(int i, double px, double py) {
    x[static_cast<std::size_t>(i)] = px;
    y[static_cast<std::size_t>(i)] = py;
  }
  [[nodiscard]] double X(int i) const { return x[static_cast<std::size_t>(i)]; }
  [[nodiscard]] double Y(int i) const { return y[static_cast<std::size_t>(i)]; }
};

// A ratio whose divisor can be 0 only in walls the dimension editor keeps out; such a wall is
// drawn with the point at the start of its edge instead of a point at infinity.
double Ratio(double part, double whole) { return whole != 0 ? part / whole : 0; }

void BasePoints(const ProjectData& p, ModelPoints& m) {
  const double t = p.toeLength, bf = p.stemFrontBatter, wt = p.stemTopWidth, bb = p.stemBackBatter;
  const double lh = p.heelLength, b = p.baseWidth;
  const double hf = p.stemFrontHeight, tt = p.toeTaper, hb = p.stemBackHeight, ht = p.heelTaper;
  const double d = hf + tt + p.toeEdgeThickness;
  m.Set(1, t + bf, 0);
  m.Set(2, t, hf);
  m.Set(3, 0, hf + tt);
  m.Set(4, 0, d);
  m.Set(5, b, d);
  m.Set(6, b, hb + ht);
  m.Set(7, t + bf + wt + bb, hb);
  m.Set(8, t + bf + wt, 0);
  // The backfill surface runs on a quarter base beyond the heel edge, rising with the slope.
  const double run = lh + bb + b / 4;
  m.Set(10, m.X(8) + run, p.backfillSlope > 0 ? -run / p.backfillSlope : 0);
}

void FrontWater(const ProjectData& p, ModelPoints& m) {
  const double t = p.toeLength, hf = p.stemFrontHeight, tt = p.toeTaper, pw = p.waterDepthFront;
  if (pw < hf) {
    m.Set(11, 0, pw);
    m.Set(12, m.X(1) - Ratio(pw, hf) * p.stemFrontBatter, pw);
    m.Set(15, 0, hf);
    m.Set(16, t, hf);
  } else if (pw < hf + tt) {
    m.Set(11, 0, hf);
    m.Set(12, t, hf);
    m.Set(15, 0, pw);
    m.Set(16, t - Ratio(pw - hf, tt) * t, pw);
  } else {
    m.Set(11, 0, hf);
    m.Set(12, t, hf);
    m.Set(15, 0, hf + tt);
    m.Set(16, 0, hf + tt);
  }
}

void BackWater(const ProjectData& p, ModelPoints& m) {
  const double hb = p.stemBackHeight, ht = p.heelTaper, qw = p.waterDepthBack;
  const double x10 = m.X(10);
  if (qw < hb) {
    m.Set(13, m.X(8) + Ratio(qw, hb) * p.stemBackBatter, qw);
    m.Set(14, x10, qw);
    m.Set(17, m.X(7), hb);
    m.Set(18, x10, hb);
  } else if (qw < hb + ht) {
    m.Set(13, m.X(7), hb);
    m.Set(14, x10, hb);
    m.Set(17, m.X(7) + Ratio(qw - hb, ht) * p.heelLength, qw);
    m.Set(18, x10, qw);
  } else {
    m.Set(13, m.X(7), hb);
    m.Set(14, x10, hb);
    m.Set(17, p.baseWidth, hb + ht);
    m.Set(18, x10, hb + ht);
  }
}

void ProjectionPoints(const ProjectData& p, ModelPoints& m) {
  const double b = p.baseWidth, hf = p.stemFrontHeight, hb = p.stemBackHeight;
  const double d = m.Y(4);
  m.Set(21, m.X(1), hf);
  m.Set(22, m.X(8), hb);
  m.Set(23, p.toeLength, hf + p.toeTaper);
  m.Set(24, m.X(7), hb + p.heelTaper);
  m.Set(25, p.toeLength, d);
  m.Set(26, m.X(1), d);
  m.Set(27, m.X(8), d);
  m.Set(28, m.X(7), d);
  m.Set(31, m.X(13), 0);
  m.Set(32, b, 0);
  m.Set(33, m.X(7), m.Y(13));
  m.Set(34, m.X(17), hb);
  m.Set(35, b, hb);
  m.Set(36, m.X(7), 0);
  m.Set(40, b, BackfillSurfaceAtHeel(p));  // on the true surface (the engine's point 10)
  m.Set(41, b, m.Y(13));
  m.Set(42, b, m.Y(17));
}

void SectionPoints(const ProjectData& p, ModelPoints& m) {
  const double hf = p.stemFrontHeight, hb = p.stemBackHeight;
  if (hb < hf) {
    m.Set(43, m.X(1) - Ratio(hb, hf) * p.stemFrontBatter, hb);
    m.Set(44, m.X(7), hb);
  } else {
    m.Set(43, p.toeLength, hf);
    m.Set(44, m.X(8) + Ratio(hf, hb) * p.stemBackBatter, hf);
  }
  m.Set(45, m.X(1), m.Y(43));
  m.Set(46, m.X(8), m.Y(43));
  m.Set(47, m.X(44), 0);
  m.Set(48, m.X(44), p.backfillSlope > 0 ? -(m.X(44) - m.X(8)) / p.backfillSlope : 0);
  m.Set(49, m.X(44), std::min(m.Y(13), m.Y(44)));
}

}  // namespace

ScreenPoints ComputeScreenPoints(const ProjectData& project, const WallFitting& fit) {
  ModelPoints m;
  BasePoints(project, m);
  FrontWater(project, m);
  BackWater(project, m);
  ProjectionPoints(project, m);
  SectionPoints(project, m);

  ScreenPoints s;
  s.fit = fit;
  for (int i = 1; i <= kScreenPointCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    s.x[k] = s.X(m.x[k]);
    s.y[k] = s.Y(m.y[k]);
  }
  // The toe-side water lines start in front of the toe edge, to show the water there.
  s.x[11] = s.x[4] - kFrontWaterReach;
  s.x[15] = s.x[4] - kFrontWaterReach;
  return s;
}

double BaseUndersideDepth(const ProjectData& p) {
  return double(p.stemFrontHeight) + p.toeTaper + p.toeEdgeThickness;
}

double BackfillSurfaceAtHeel(const ProjectData& p) {
  return p.backfillSlope > 0 ? -(double(p.stemBackBatter) + p.heelLength) / p.backfillSlope : 0;
}

double FrontFaceX(const ProjectData& p, double depth) {
  const double hf = p.stemFrontHeight, tt = p.toeTaper;
  const double top = double(p.toeLength) + p.stemFrontBatter;
  if (depth <= hf) return top - Ratio(std::max(depth, 0.0), hf) * p.stemFrontBatter;
  if (depth <= hf + tt) return p.toeLength * (1 - Ratio(depth - hf, tt));
  return 0;
}

ShearKeyOutline ShearKeyOf(const ProjectData& p) {
  ShearKeyOutline key;
  key.frontX = double(p.toeLength) + p.stemFrontBatter;
  key.backX = key.frontX + p.stemTopWidth;
  key.top = BaseUndersideDepth(p);
  key.bottom = key.top + p.shearKeyDepth;
  return key;
}

}  // namespace kelvadrome
