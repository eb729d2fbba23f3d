// SPDX-License-Identifier: GPL-3.0-or-later
// Default unit prices and optimiser settings, the optimiser's grid step, the dimension fields
// behind the eight optimised dimensions, and how these settings follow a change of units.
#pragma once

#include <string_view>

#include "model/ProjectData.h"

namespace kelvadrome {

[[nodiscard]] UnitPrices DefaultUnitPrices(UnitSystem unitSystem);
[[nodiscard]] OptimiserTargets DefaultOptimiserTargets();

// The bounds depend on D, the depth of the base underside below the stem top, and on the units:
// toe [0, 0.6·D], heel [0, 1.2·D], stem top width [0.2 m or 8 in, 0.15·D], batters [0, 0.1·D],
// edge thicknesses [0.3 m or 1 ft, 0.15·D], shear key [0, 0.2·D]. All vary except the front batter.
[[nodiscard]] OptimiserVariables DefaultOptimiserVariables(const ProjectData& project);

// The one grid step of every dimension: 0.05 m, or 2 in in British (in feet).
[[nodiscard]] double OptimiserStep(UnitSystem unitSystem);

// The project field of an optimised dimension.
[[nodiscard]] float ProjectData::*OptimisedDimensionField(int dimension);
// The field's name as the command line's JSON writes it ("toeLength").
[[nodiscard]] std::string_view OptimisedDimensionKey(int dimension);
// The caption shown in windows and the report ("Toe length").
[[nodiscard]] std::string_view OptimisedDimensionCaption(int dimension);

// After a change of units (ConvertUnits, which converts prices per volume, area and mass and
// the bounds as lengths): prices or bounds that were the defaults of the old system become the
// defaults of the new one, so that a converted default project still writes no settings.
// original is the project before the change, in its old unit system.
void KeepDefaultCostSettings(ProjectData& converted, const ProjectData& original);

}  // namespace kelvadrome
