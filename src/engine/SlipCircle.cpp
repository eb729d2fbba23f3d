// SPDX-License-Identifier: GPL-3.0-or-later
// One slip circle: admissibility, slices integrated exactly on their middle verticals, and
// Bishop's simplified method. Called some thirteen thousand times per search, so nothing here
// allocates.
#include "engine/SlipCircle.h"

#include <algorithm>
#include <cmath>

namespace kelvadrome {

namespace {

constexpr int kMaxIterations = 100;
constexpr double kConvergence = 1e-6;  // relative change of F that ends the iteration
constexpr double kSteepSlice = 0.2;    // smallest m_i accepted at the converged F

// Weight per unit width of a column and its first moment about the wall top.
struct Column {
  double weight = 0;
  double moment = 0;

  void Add(double top, double bottom, double unitWeight) {
    if (bottom <= top) return;
    const double w = unitWeight * (bottom - top);
    weight += w;
    moment += w * 0.5 * (top + bottom);
  }
  // A soil from top to bottom: moist above the piezometric level, saturated below it.
  void AddSoil(double top, double bottom, const SlipSoil& soil, bool water, double level) {
    if (!water) {
      Add(top, bottom, soil.moist);
      return;
    }
    const double split = std::clamp(level, top, std::max(top, bottom));
    Add(top, split, soil.moist);
    Add(split, bottom, soil.saturated);
  }
};

double ArcDepth(const SlipCircle& c, double x) {
  const double dx = x - c.centreX;
  return c.centreY + std::sqrt(std::max(0.0, c.radius * c.radius - dx * dx));
}

bool StrictlyInside(const SlipCircle& c, double x, double y) {
  const double dx = x - c.centreX, dy = y - c.centreY;
  return dx * dx + dy * dy < c.radius * c.radius;
}

// A line load is part of the sliding mass when its point lies strictly inside the circle and
// its x within [exit, entry).
bool LineLoadActs(const SlipCircle& c, const SlipLineLoad& load, double exitX, double entryX) {
  return StrictlyInside(c, load.x, load.y) && load.x >= exitX && load.x < entryX;
}

const SlipSoil& SoilAtBase(const SlipSection& s, double x, double depth) {
  if (depth > s.D) return s.foundation;
  return x < 0 ? s.toe : s.backfill;
}

// Weight of soil and concrete per unit width on the vertical x between the ground and the arc.
Column IntegrateColumn(const SlipSection& s, double x, double ground, double base) {
  Column col;
  const bool water = s.hasWater;
  const double above = std::min(s.D, base);
  if (x < 0) {
    col.AddSoil(ground, above, s.toe, water, s.frontLevel);
  } else if (x <= s.B) {
    const double concreteTop = s.ConcreteTop(x);
    col.AddSoil(ground, std::min(concreteTop, base), s.backfill, water, s.backLevel);
    col.Add(concreteTop, above, s.concreteWeight);
  } else {
    col.AddSoil(ground, above, s.backfill, water, s.backLevel);
  }
  col.AddSoil(s.D, base, s.foundation, water, s.LevelBelowBase(x));
  return col;
}

}  // namespace

const char* CircleRefusalText(CircleRefusal refusal) {
  switch (refusal) {
    case CircleRefusal::none:
      return "";
    case CircleRefusal::cutsConcrete:
      return "the circle cuts the concrete: a point of the wall outline is not inside it";
    case CircleRefusal::noExit:
      return "the arc does not leave the ground through the toe-earth surface in front of the toe";
    case CircleRefusal::noEntry:
      return "the arc does not meet the backfill surface behind the heel";
    case CircleRefusal::nothingDrives:
      return "nothing drives the sliding mass (the driving sum is not positive)";
    case CircleRefusal::notConverged:
      return "Bishop's iteration does not converge";
    case CircleRefusal::steepSlice:
      return "a slice base is too steep (m below 0.2 at the converged factor)";
  }
  return "";
}

bool HoldsConcrete(const SlipSection& s, const SlipCircle& c) {
  for (int i = 0; i < s.pointCount; ++i) {
    const SlipPoint& p = s.mustContain[static_cast<size_t>(i)];
    if (!StrictlyInside(c, p.x, p.y)) return false;
  }
  return true;
}

CircleEnds FindCircleEnds(const SlipSection& s, const SlipCircle& c) {
  CircleEnds ends;
  const double R = c.radius, xc = c.centreX, yc = c.centreY;
  // Exit: the lower arc at the level of the toe-earth surface, on the toe side.
  const double rise = s.y3 - yc;
  if (rise > 0 && R > rise) {
    const double x = xc - std::sqrt(R * R - rise * rise);
    if (x < 0) ends.exitX = x;
  }
  // Entry: the circle and the line y = -a·(x - x8); its larger root is where the line leaves
  // the circle, and it must lie behind the heel on the lower half.
  const double a = s.slopeRise;
  const double k = a * s.x8 - yc;
  const double qa = a * a + 1, qb = -2 * (a * k + xc), qc = k * k + xc * xc - R * R;
  const double disc = qb * qb - 4 * qa * qc;
  if (disc >= 0) {
    const double x = (-qb + std::sqrt(disc)) / (2 * qa);
    if (x > s.B && x > s.x8 && -a * (x - s.x8) >= yc) ends.entryX = x;
  }
  return ends;
}

void BuildSlices(const SlipSection& s, const SlipCircle& c, double exitX, double entryX,
                 std::span<Slice> slices) {
  const auto n = static_cast<double>(slices.size());
  const double b = (entryX - exitX) / n;
  for (size_t i = 0; i < slices.size(); ++i) {
    Slice& sl = slices[i];
    const double x = exitX + (static_cast<double>(i) + 0.5) * b;
    const double ground = s.Ground(x);
    const double base = ArcDepth(c, x);
    const Column col = IntegrateColumn(s, x, ground, base);
    double load = col.weight;
    if (s.hasWater && x < s.x1 && s.frontLevel < ground) {
      load += s.waterWeight * (ground - s.frontLevel);  // free water over the toe
    }
    if (x >= s.x8) load += s.surcharge;
    sl.x = x;
    sl.width = b;
    sl.weight = load * b;
    sl.massWeight = col.weight * b;
    sl.massDepth = col.weight != 0 ? col.moment / col.weight : 0.5 * (ground + base);
    sl.baseDepth = base;
    sl.sinAlpha = std::clamp((x - c.centreX) / c.radius, -1.0, 1.0);
    sl.cosAlpha = std::sqrt(1 - sl.sinAlpha * sl.sinAlpha);
    sl.porePressure =
        s.hasWater ? s.waterWeight * std::max(0.0, base - s.WaterLevel(x, base)) : 0.0;
    const SlipSoil& soil = SoilAtBase(s, x, base);
    sl.cohesion = soil.cohesion;
    sl.frictionDegrees = soil.frictionDegrees;
    sl.tanFriction = soil.tanFriction;
  }
  for (int j = 0; j < s.lineLoadCount; ++j) {
    const SlipLineLoad& l = s.lineLoads[static_cast<size_t>(j)];
    if (!LineLoadActs(c, l, exitX, entryX)) continue;
    // The slice that holds x; a load on a boundary goes to the slice on its right.
    const auto index = std::min(static_cast<size_t>(std::floor((l.x - exitX) / b)), slices.size() - 1);
    slices[index].weight += l.down;
  }
}

double DrivingSum(const SlipSection& s, const SlipCircle& c, std::span<const Slice> slices,
                  double exitX, double entryX) {
  double weightSum = 0, momentSum = 0;
  for (const Slice& sl : slices) {
    weightSum += sl.weight * sl.sinAlpha;
    momentSum += s.seismic * sl.massWeight * (sl.massDepth - c.centreY);
  }
  for (int j = 0; j < s.lineLoadCount; ++j) {
    const SlipLineLoad& l = s.lineLoads[static_cast<size_t>(j)];
    if (LineLoadActs(c, l, exitX, entryX)) momentSum += l.towardsToe * (l.y - c.centreY);
  }
  momentSum -= s.frontThrust * (s.frontThrustDepth - c.centreY);
  return weightSum + momentSum / c.radius;
}

CircleResult EvaluateCircle(const SlipSection& s, const SlipCircle& c,
                            std::array<Slice, kSliceCount>* slicesOut) {
  CircleResult result;
  if (!(c.radius > 0) || !HoldsConcrete(s, c)) {
    result.refusal = CircleRefusal::cutsConcrete;
    return result;
  }
  result.ends = FindCircleEnds(s, c);
  if (!result.ends.exitX) {
    result.refusal = CircleRefusal::noExit;
    return result;
  }
  if (!result.ends.entryX) {
    result.refusal = CircleRefusal::noEntry;
    return result;
  }
  std::array<Slice, kSliceCount> local;
  std::array<Slice, kSliceCount>& slices = slicesOut ? *slicesOut : local;
  const double exitX = *result.ends.exitX, entryX = *result.ends.entryX;
  BuildSlices(s, c, exitX, entryX, slices);

  const double driving = DrivingSum(s, c, slices, exitX, entryX);
  if (!(driving > 0)) {
    result.refusal = CircleRefusal::nothingDrives;
    return result;
  }
  // The F-independent part of each slice's resisting term.
  std::array<double, kSliceCount> resisting{};
  std::array<double, kSliceCount> tilt{};  // sin α·tan φ
  for (size_t i = 0; i < slices.size(); ++i) {
    const Slice& sl = slices[i];
    const double effective = std::max(0.0, sl.weight - sl.porePressure * sl.width);
    resisting[i] = sl.cohesion * sl.width + effective * sl.tanFriction;
    tilt[i] = sl.sinAlpha * sl.tanFriction;
  }
  double F = 1;
  bool converged = false;
  for (int iteration = 0; iteration < kMaxIterations && !converged; ++iteration) {
    double sum = 0;
    for (size_t i = 0; i < slices.size(); ++i) {
      sum += resisting[i] / (slices[i].cosAlpha + tilt[i] / F);
    }
    const double next = sum / driving;
    // A trial factor may pass through a negative value when a steep slice's m is negative at the
    // previous one; the iteration often recovers from it, so only a value that cannot be
    // divided by ends it. A negative factor never meets the convergence test.
    if (!std::isfinite(next) || next == 0) break;
    converged = std::fabs(next - F) <= kConvergence * next;
    F = next;
  }
  if (!converged) {
    result.refusal = CircleRefusal::notConverged;
    return result;
  }
  for (size_t i = 0; i < slices.size(); ++i) {
    if (slices[i].cosAlpha + tilt[i] / F < kSteepSlice) {
      result.refusal = CircleRefusal::steepSlice;
      return result;
    }
  }
  result.safetyFactor = F;
  return result;
}

}  // namespace kelvadrome
