// SPDX-License-Identifier: GPL-3.0-or-later
// The search for the critical slip circle: 25 × 25 centres above the wall with 20 radii each,
// then finer and finer patterns around the best circle. Every circle is evaluated on its own and
// the minimum is taken in a fixed order, so threads change the speed and never the result.
#include "engine/GlobalStability.h"

#include <array>
#include <cmath>
#include <vector>

#include "engine/EngineNumerics.h"
#include "engine/ParallelFor.h"
#include "engine/SlipCircle.h"

namespace kelvadrome {

namespace {

constexpr int kGridCentres = 25;  // per direction, ends included
constexpr int kGridRadii = 20;
constexpr int kRefineRounds = 6;  // each halves the steps of the one before
constexpr int kRefineReach = 2;   // pattern of ±2 steps in centre x, centre y and radius

// The running outcome of a set of circles, merged in a fixed order.
struct Tally {
  int tried = 0;
  int admissible = 0;
  bool nonDriving = false;  // a circle met the geometry but nothing drove it
  bool found = false;
  double factor = 0;
  SlipCircle circle;
  CircleEnds ends;

  void Add(const SlipCircle& c, const CircleResult& r) {
    ++tried;
    if (r.refusal == CircleRefusal::nothingDrives) nonDriving = true;
    if (!r.Admissible()) return;
    ++admissible;
    if (!found || r.safetyFactor < factor) {
      found = true;
      factor = r.safetyFactor;
      circle = c;
      ends = r.ends;
    }
  }
  void Merge(const Tally& other) {
    tried += other.tried;
    admissible += other.admissible;
    nonDriving = nonDriving || other.nonDriving;
    if (other.found && (!found || other.factor < factor)) {
      found = true;
      factor = other.factor;
      circle = other.circle;
      ends = other.ends;
    }
  }
};

double SmallestRadius(const SlipSection& s, double xc, double yc) {
  double largest = 0;
  for (int i = 0; i < s.pointCount; ++i) {
    const SlipPoint& p = s.mustContain[static_cast<size_t>(i)];
    largest = std::max(largest, std::hypot(p.x - xc, p.y - yc));
  }
  return largest + 0.01 * s.wallHeight;
}

struct Steps {
  double x = 0, y = 0, radius = 0;
};

// The base grid. Returns the merged tally and the steps of the grid around its best circle.
Tally SearchGrid(const SlipSection& s, unsigned threads, Steps& steps) {
  const double H = s.wallHeight;
  const double x0 = -0.5 * H, y0 = -1.5 * H;
  steps.x = (s.B + H) / (kGridCentres - 1);
  steps.y = 1.4 * H / (kGridCentres - 1);
  std::vector<Tally> tallies(kGridCentres * kGridCentres);
  std::vector<double> radiusSteps(tallies.size(), 0);
  ParallelFor(tallies.size(), threads, [&](std::size_t index) {
    const double xc = x0 + double(index % kGridCentres) * steps.x;
    const double yc = y0 + double(index / kGridCentres) * steps.y;
    const double rMin = SmallestRadius(s, xc, yc), rMax = s.D + H - yc;
    if (rMin >= rMax) return;
    const double dr = (rMax - rMin) / (kGridRadii - 1);
    radiusSteps[index] = dr;
    for (int k = 0; k < kGridRadii; ++k) {
      const SlipCircle c{xc, yc, k == kGridRadii - 1 ? rMax : rMin + k * dr};
      tallies[index].Add(c, EvaluateCircle(s, c));
    }
  });
  Tally total;
  std::size_t bestIndex = 0;
  for (std::size_t i = 0; i < tallies.size(); ++i) {
    const bool better = tallies[i].found && (!total.found || tallies[i].factor < total.factor);
    total.Merge(tallies[i]);
    if (better) bestIndex = i;
  }
  steps.radius = radiusSteps[bestIndex];
  return total;
}

// One round of the pattern around the best circle so far, steps scaled by `scale`.
void RefineAround(const SlipSection& s, unsigned threads, const Steps& steps, double scale,
                  Tally& total) {
  constexpr int side = 2 * kRefineReach + 1;
  const SlipCircle centre = total.circle;
  std::vector<Tally> tallies(side * side * side);
  ParallelFor(tallies.size(), threads, [&](std::size_t index) {
    const int i = int(index % side) - kRefineReach;
    const int j = int(index / side % side) - kRefineReach;
    const int k = int(index / (side * side)) - kRefineReach;
    if (i == 0 && j == 0 && k == 0) return;  // the best circle itself
    const SlipCircle c{centre.centreX + i * scale * steps.x, centre.centreY + j * scale * steps.y,
                       centre.radius + k * scale * steps.radius};
    tallies[index].Add(c, EvaluateCircle(s, c));
  });
  for (const Tally& t : tallies) total.Merge(t);
}

}  // namespace

GlobalStabilityResults SearchCriticalCircle(const SlipSection& s, unsigned threads, bool refine) {
  using Status = GlobalStabilityResults::Status;
  GlobalStabilityResults out;
  out.status = Status::noCircle;
  if (!(s.wallHeight > 0) || !(s.B > 0)) return out;

  Steps steps;
  Tally total = SearchGrid(s, threads, steps);
  if (total.found && refine) {
    for (int round = 1; round <= kRefineRounds; ++round) {
      RefineAround(s, threads, steps, std::ldexp(1.0, -round), total);
    }
  }
  out.circlesTried = total.tried;
  out.circlesAdmissible = total.admissible;
  if (total.found) {
    out.status = Status::found;
    out.safetyFactor = Single(total.factor);
    out.centreX = Single(total.circle.centreX);
    out.centreY = Single(total.circle.centreY);
    out.radius = Single(total.circle.radius);
    out.exitX = Single(*total.ends.exitX);
    out.exitY = Single(s.Ground(*total.ends.exitX));
    out.entryX = Single(*total.ends.entryX);
    out.entryY = Single(s.Ground(*total.ends.entryX));
  } else if (total.nonDriving) {
    out.status = Status::nothingDrives;
    out.safetyFactor = kNothingDrives;
  }
  return out;
}

GlobalStabilityResults ComputeGlobalStability(const ProjectData& project,
                                              const AnalysisResults& service, unsigned threads) {
  if (!service.stability.wallStable) return {};
  return SearchCriticalCircle(BuildSlipSection(project), threads);
}

}  // namespace kelvadrome
