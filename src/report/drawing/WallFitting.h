// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting the wall into a picture (screen) or a half-page section (report): the scale from wall
// lengths to logical units and the position of the toe edge at the level of the stem top.
#pragma once

#include "model/ProjectData.h"

namespace kelvadrome {

struct WallFitting {
  double drawScale = 1;    // logical units per unit of length
  double drawOriginX = 0;  // where x = 0 (toe edge) is drawn
  double drawOriginY = 0;  // where y = 0 (stem top) is drawn
};

// Overall width (base width) and height (front height with the rise of a sloping backfill and
// the shear key) that the fitting makes room for.
[[nodiscard]] double FittedWallWidth(const ProjectData& project);
[[nodiscard]] double FittedWallHeight(const ProjectData& project);

// The main window's picture of pictureWidth by pictureHeight twips.
[[nodiscard]] WallFitting FitWallToPicture(const ProjectData& project, double pictureWidth,
                                           double pictureHeight);

// A report section: the page width, the height below the title bar and the top of the body,
// all in report units.
[[nodiscard]] WallFitting FitWallToSection(const ProjectData& project, double pageWidth,
                                           double sectionContentHeight, double sectionBodyTop);

}  // namespace kelvadrome
