// SPDX-License-Identifier: GPL-3.0-or-later
// The wall, its earth and its water.
#include "report/drawing/WallFigure.h"

#include <QPolygonF>

#include "report/drawing/Palette.h"

namespace kelvadrome {
namespace {

// Grey earth: the stem and backfill, the earth in front of the toe edge, a strip under the base.
void FillEarth(WallCanvas& canvas, const ProjectData& project, const ScreenPoints& pt) {
  const QColor grey = ClassicColour(8);
  canvas.SetColour(8);
  if (project.backfillSlope > 0) {
    // The wedge above the stem top level. Shaded with lines one pixel apart it looks solid on a
    // 96 dpi screen; filled, it looks the same at every resolution and without seams.
    // It reaches a little into the grey below, so that no seam shows between the two.
    QPolygonF wedge;
    wedge << pt.P(8) << pt.P(10) << QPointF(pt.x[10], pt.y[8] + 15) << QPointF(pt.x[8], pt.y[8] + 15);
    canvas.FillPolygon(wedge, grey);
  }
  canvas.SetInvisible(true);
  canvas.FillBox(pt.x[1], pt.y[1], pt.x[10], pt.y[4], grey);
  canvas.FillBox(pt.x[11], pt.y[3], pt.x[3], pt.y[4], grey);
  canvas.FillBox(pt.x[11], pt.y[4] - 15, pt.x[10], pt.y[4] + 60, grey);
  canvas.SetInvisible(false);
}

// The water in front of the wall, from the front end of the water line to the front face and the
// toe top, down to the level of the toe edge top. It stops at the concrete rather than filling
// the rectangle up to the stem top's front edge, which would show water inside the stem and toe.
void FillFrontWater(WallCanvas& canvas, const ProjectData& project, const ScreenPoints& pt) {
  QPolygonF water;
  if (FrontWaterAboveStemFoot(project)) {
    water << pt.P(11) << pt.P(12) << pt.P(2) << pt.P(3);
  } else if (pt.y[15] < pt.y[3]) {
    water << pt.P(15) << pt.P(16) << pt.P(3);
  } else {
    return;
  }
  water << QPointF(pt.x[11], pt.y[3]);
  canvas.FillPolygon(water, WaterColour());
}

// A water level: the surface line with short strokes under its middle.
void WaterLine(WallCanvas& canvas, QPointF from, QPointF to) {
  canvas.Line(from, to);
  const double middle = (from.x() + to.x()) / 2;
  for (int k = 1; k <= 3; ++k) {
    const double half = 120.0 - 35.0 * k;
    canvas.Line(middle - half, from.y() + 30.0 * k, middle + half, from.y() + 30.0 * k);
  }
}

void DrawOutline(WallCanvas& canvas, const ScreenPoints& pt) {
  for (int i = 1; i <= 8; ++i) {
    const int next = i == 8 ? 1 : i + 1;
    if (pt.P(i) == pt.P(next)) continue;
    canvas.Line(pt.P(i), pt.P(next));
    // A value written across the heavy outline cannot be read.
    canvas.AddBarrier(QLineF(pt.P(i), pt.P(next)));
  }
}

void DrawShearKey(WallCanvas& canvas, const ProjectData& project, const ScreenPoints& pt) {
  const ShearKeyOutline key = ShearKeyOf(pt.wall, project.shearKeyDepth);
  const QPointF a = pt.Map(key.frontX, key.top), b = pt.Map(key.frontX, key.bottom);
  const QPointF c = pt.Map(key.backX, key.bottom), d = pt.Map(key.backX, key.top);
  canvas.Line(a, b);
  canvas.Line(b, c);
  canvas.Line(c, d);
}

}  // namespace

bool FrontWaterAboveStemFoot(const ProjectData& project) {
  return project.waterDepthFront < project.stemFrontHeight;
}

bool BackWaterAboveStemFoot(const ProjectData& project) {
  return project.waterDepthBack < project.stemBackHeight;
}

void DrawWallFigure(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                    const ScreenPoints& pt) {
  const bool water = project.waterOption;
  const bool frontHigh = FrontWaterAboveStemFoot(project);
  canvas.SetColour(style.groundColour);
  if (style.fillEarthAndWater) {
    FillEarth(canvas, project, pt);
    if (water) {
      FillFrontWater(canvas, project, pt);
      canvas.SetColour(1);
    }
  }

  canvas.SetWidth(style.groundPen);
  canvas.Line(pt.P(8), pt.P(10));
  canvas.Line(pt.P(15).x(), pt.y[3], pt.x[3], pt.y[3]);
  if (water) {
    if (frontHigh) {
      WaterLine(canvas, pt.P(11), pt.P(12));
    } else {
      WaterLine(canvas, pt.P(15), pt.P(16));
    }
    if (BackWaterAboveStemFoot(project)) {
      WaterLine(canvas, pt.P(13), pt.P(14));
    } else {
      WaterLine(canvas, pt.P(17), pt.P(18));
    }
  }

  canvas.SetColour(style.wallColour);
  canvas.SetWidth(style.heavyPen);
  DrawOutline(canvas, pt);
  if (project.shearKeyOption) {
    canvas.SetColour(style.shearKeyColour);
    DrawShearKey(canvas, project, pt);
  }
}

}  // namespace kelvadrome
