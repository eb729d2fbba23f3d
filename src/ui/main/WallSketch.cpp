// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the optimiser's selected wall.
#include "ui/main/WallSketch.h"

#include <QPainter>

#include "report/drawing/DrawStyle.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/TwipsScale.h"
#include "report/drawing/WallCanvas.h"
#include "report/drawing/WallFigure.h"
#include "report/drawing/WallFitting.h"

namespace kelvadrome {

WallSketch::WallSketch(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WallSketch"));
  setMinimumSize(220, 200);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void WallSketch::SetWall(const std::optional<ProjectData>& project) {
  project_ = project;
  update();
}

void WallSketch::paintEvent(QPaintEvent*) {
  if (!project_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // The figure is laid out in twips, as the main window's picture is.
  const TwipsScale scale = TwipsScale::ForDevice(this);
  painter.scale(scale.PixelsPerTwip(), scale.PixelsPerTwip());
  const WallFitting fit = FitWallToPicture(*project_, scale.Twips(width()), scale.Twips(height()));
  WallCanvas canvas(painter);
  DrawWallFigure(canvas, ScreenDrawStyle(), *project_, ComputeScreenPoints(*project_, fit));
}

}  // namespace kelvadrome
