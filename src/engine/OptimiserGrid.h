// SPDX-License-Identifier: GPL-3.0-or-later
// The grid the optimiser searches: for each of the eight dimensions the values it may take
// (the project's own value when the dimension does not vary), candidates named by their
// grid indices, and their neighbours one step away in one or two dimensions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/WallCandidate.h"
#include "model/ProjectData.h"

namespace kelvadrome {

using GridIndex = std::array<int32_t, kOptimisedDimensionCount>;

// More steps than this in one dimension is a setting to be refused.
inline constexpr int kMaxGridSteps = 10000;

class OptimiserGrid {
 public:
  // Throws std::invalid_argument with a sentence for settings that cannot be used.
  explicit OptimiserGrid(const ProjectData& project);

  [[nodiscard]] WallDimensions Dimensions(const GridIndex& index) const;
  [[nodiscard]] int Size(int dimension) const { return static_cast<int>(values_[Slot(dimension)].size()); }
  [[nodiscard]] const std::vector<int>& Varied() const { return varied_; }

  // Every grid point whose index in each varied dimension is one of `perDimension` evenly spread
  // indices (both ends included), in lexicographic order.
  [[nodiscard]] std::vector<GridIndex> Coarse(int perDimension) const;
  // The largest spacing of Coarse(perDimension), in steps.
  [[nodiscard]] int CoarseSpacing(int perDimension) const;

  // The points `scale` steps away in one varied dimension, or in two at once (each ±), inside
  // the grid, in a fixed order.
  [[nodiscard]] std::vector<GridIndex> Neighbours(const GridIndex& index, int scale) const;

 private:
  static std::size_t Slot(int dimension) { return static_cast<std::size_t>(dimension); }
  [[nodiscard]] std::vector<int> CoarseIndices(int dimension, int perDimension) const;

  std::array<std::vector<float>, kOptimisedDimensionCount> values_;
  std::vector<int> varied_;
};

}  // namespace kelvadrome
