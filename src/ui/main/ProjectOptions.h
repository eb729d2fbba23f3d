// SPDX-License-Identifier: GPL-3.0-or-later
// The rules behind the main window's option boxes and view buttons, kept apart from the
// widgets: which load views have something to show, and what switching water or seismic
// loading off and on again does to the project.
#pragma once

#include <array>

#include "model/ProjectData.h"
#include "report/drawing/ViewKind.h"

namespace kelvadrome {

// Dimensions, Dead, Soil, Reactions and Restraints are always available; a load view only when
// the project holds something of its load case (line loads count with a load above 0).
[[nodiscard]] std::array<bool, kViewCount> SelectableViews(const ProjectData& project);

// The Water box was clicked and is now ticked or not. Switching off keeps the water depths and
// puts both water levels at the base underside; switching on brings the kept depths back.
// While an option is on, the values it keeps are 0: they mean nothing then, and a project
// switched off and on again is the project it was.
void ApplyWaterOption(ProjectData& project, bool ticked);

// The Seismic box was clicked: off keeps the coefficient and sets it to 0, on brings it back.
void ApplySeismicOption(ProjectData& project, bool ticked);

// Sets the kept values of the options that are on to 0, as for a project the program takes over
// (opened or new), so that switching an option off and on again leaves it unchanged.
void ClearKeptValuesOfOptionsOn(ProjectData& project);

}  // namespace kelvadrome
