// SPDX-License-Identifier: GPL-3.0-or-later
// The fitting of the wall into the room of a picture or a report section.
#include "report/drawing/WallFitting.h"

#include <algorithm>
#include <cmath>

#include "report/drawing/ScreenPoints.h"

namespace kelvadrome {
namespace {

// The room left for the wall and where it goes; the screen and the report differ only in these.
struct Room {
  double width;       // total width
  double height;      // total height
  double top;         // top of the room
  double marginY;     // height kept free for dimensions and legends
  double centreSpan;  // added to the free height when a wide wall is centred vertically
  double tallTop;     // top offset of a tall wall
};

// From the base underside (or the shear key's bottom) up to the backfill surface above the heel
// edge, which stands above the stem top on a sloping backfill.
double HeightOf(const ProjectData& p, const WallOutline& outline) {
  double h = BaseUndersideDepth(outline) - BackfillSurfaceAtHeel(outline);
  if (p.shearKeyOption) h += p.shearKeyDepth;
  return h;
}

WallFitting Fit(const ProjectData& p, const Room& room) {
  const WallOutline outline = FigureOutline(p);
  const double a = FittedWallWidth(p);
  const double h = HeightOf(p, outline);
  // A picture smaller than its margins still gets a (tiny) positive room, never a mirrored wall.
  const double wa = std::max(1.0, (room.width - 2400.0 - 240.0) * 0.8);
  const double ha = std::max(1.0, room.height - room.marginY);

  WallFitting fit;
  if (a > 0 && (h <= 0 || a / h > wa / ha)) {
    fit.drawScale = wa / a;
    fit.drawOriginX = 1440;
    fit.drawOriginY = room.top + (ha + room.centreSpan - h * fit.drawScale) / 2;
  } else {
    fit.drawScale = h > 0 ? ha / h : 1.0;
    fit.drawOriginX = 240 + (room.width - 240 - 1.2 * a * fit.drawScale) / 2;
    fit.drawOriginY = room.top + room.tallTop;
  }
  // Room for the rise of the backfill over the heel and over the quarter base beyond it.
  fit.drawOriginY -= outline.y[10] * fit.drawScale;
  return fit;
}

}  // namespace

double FittedWallWidth(const ProjectData& p) { return p.baseWidth; }

double FittedWallHeight(const ProjectData& p) { return HeightOf(p, FigureOutline(p)); }

WallFitting FitWallToPicture(const ProjectData& project, double pictureWidth, double pictureHeight) {
  return Fit(project, Room{pictureWidth, pictureHeight, 0, 1680, 1440, 720});
}

WallFitting FitWallToSection(const ProjectData& project, double pageWidth, double sectionContentHeight,
                             double sectionBodyTop) {
  return Fit(project, Room{pageWidth, sectionContentHeight, sectionBodyTop, 1800, 1800, 900});
}

}  // namespace kelvadrome
