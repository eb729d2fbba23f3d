// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser's grid of candidate walls.
#include "engine/OptimiserGrid.h"

#include <cmath>
#include <stdexcept>

#include "model/OptimiserDefaults.h"

namespace kelvadrome {

OptimiserGrid::OptimiserGrid(const ProjectData& p) {
  const WallDimensions own = ReadWallDimensions(p);
  const double step = OptimiserStep(p.unitSystem);
  for (int d = 0; d < kOptimisedDimensionCount; ++d) {
    const OptimiserVariable& v = p.optimiserVariables[Slot(d)];
    std::vector<float>& values = values_[Slot(d)];
    if (!v.vary) {
      values.push_back(own[Slot(d)]);
      continue;
    }
    const std::string name(OptimisedDimensionCaption(d));
    if (!std::isfinite(v.minimum) || !std::isfinite(v.maximum) || v.minimum < 0) {
      throw std::invalid_argument("The bounds of " + name + " are not valid.");
    }
    if (v.minimum > v.maximum) throw std::invalid_argument("The minimum of " + name + " is above its maximum.");
    // A maximum a rounding short of a whole number of steps still counts that step.
    const double steps = std::floor((double(v.maximum) - v.minimum) / step + 1e-6);
    if (steps > kMaxGridSteps) {
      throw std::invalid_argument("The range of " + name + " holds more than " + std::to_string(kMaxGridSteps) +
                                  " steps; narrow its bounds.");
    }
    for (int k = 0; k <= static_cast<int>(steps); ++k) values.push_back(static_cast<float>(v.minimum + k * step));
    varied_.push_back(d);
  }
  if (varied_.empty()) throw std::invalid_argument("No dimension is set to vary.");
}

WallDimensions OptimiserGrid::Dimensions(const GridIndex& index) const {
  WallDimensions d{};
  for (int i = 0; i < kOptimisedDimensionCount; ++i) {
    d[Slot(i)] = values_[Slot(i)][static_cast<std::size_t>(index[Slot(i)])];
  }
  return d;
}

std::vector<int> OptimiserGrid::CoarseIndices(int dimension, int perDimension) const {
  const int size = Size(dimension);
  std::vector<int> indices;
  if (size <= perDimension) {
    for (int k = 0; k < size; ++k) indices.push_back(k);
    return indices;
  }
  for (int j = 0; j < perDimension; ++j) {
    indices.push_back(static_cast<int>(std::lround(double(j) * (size - 1) / (perDimension - 1))));
  }
  return indices;
}

int OptimiserGrid::CoarseSpacing(int perDimension) const {
  int spacing = 1;
  for (const int d : varied_) {
    const std::vector<int> indices = CoarseIndices(d, perDimension);
    for (std::size_t k = 1; k < indices.size(); ++k) spacing = std::max(spacing, indices[k] - indices[k - 1]);
  }
  return spacing;
}

std::vector<GridIndex> OptimiserGrid::Coarse(int perDimension) const {
  std::array<std::vector<int>, kOptimisedDimensionCount> lists;
  for (int d = 0; d < kOptimisedDimensionCount; ++d) lists[Slot(d)] = CoarseIndices(d, perDimension);
  std::vector<GridIndex> points;
  std::array<std::size_t, kOptimisedDimensionCount> at{};
  while (true) {
    GridIndex index{};
    for (int d = 0; d < kOptimisedDimensionCount; ++d) index[Slot(d)] = lists[Slot(d)][at[Slot(d)]];
    points.push_back(index);
    int d = kOptimisedDimensionCount - 1;  // the last dimension runs fastest
    while (d >= 0 && ++at[Slot(d)] == lists[Slot(d)].size()) at[Slot(d--)] = 0;
    if (d < 0) return points;
  }
}

std::vector<GridIndex> OptimiserGrid::Neighbours(const GridIndex& index, int scale) const {
  std::vector<GridIndex> out;
  const auto inside = [&](int d, int value) { return value >= 0 && value < Size(d); };
  for (std::size_t a = 0; a < varied_.size(); ++a) {
    const int da = varied_[a];
    for (const int sa : {-scale, scale}) {
      const int va = index[Slot(da)] + sa;
      if (!inside(da, va)) continue;
      GridIndex one = index;
      one[Slot(da)] = va;
      out.push_back(one);
      for (std::size_t b = a + 1; b < varied_.size(); ++b) {
        const int db = varied_[b];
        for (const int sb : {-scale, scale}) {
          const int vb = index[Slot(db)] + sb;
          if (!inside(db, vb)) continue;
          GridIndex two = one;
          two[Slot(db)] = vb;
          out.push_back(two);
        }
      }
    }
  }
  return out;
}

}  // namespace kelvadrome
