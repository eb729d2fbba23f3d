// SPDX-License-Identifier: GPL-3.0-or-later
// The eleven views of the drawing.
#include "report/drawing/WallView.h"

#include <QPainter>

#include "report/drawing/DimensionFigure.h"
#include "report/drawing/GlobalFigure.h"
#include "report/drawing/LoadFigures.h"
#include "report/drawing/PressureFigures.h"
#include "report/drawing/ReactionFigures.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallFigure.h"

namespace kelvadrome {
namespace {

constexpr double kLegendLeft = 120;

void DrawLoadView(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p, const AnalysisResults& r,
                  ViewKind view, const ScreenPoints& pt, const QRectF& area, bool analysisValid) {
  canvas.SetColour(9);
  DrawLineLoadsFigure(canvas, style, p, pt, LoadSelection{LoadCaseOfView(view), false, 240});
  if (analysisValid) {
    switch (view) {
      case ViewKind::Dead:
        DrawPartForcesFigure(canvas, style, pt, r, false);
        break;
      case ViewKind::Water:
        canvas.SetColour(9);
        DrawWaterPressureFigure(canvas, style, p, pt, r, WaterPressureScale(r));
        break;
      case ViewKind::Soil:
        canvas.SetColour(9);
        DrawSoilPressureFigure(canvas, style, p, pt, r, SoilPressureScale(r));
        break;
      case ViewKind::Seismic:
        if (p.seismicCoefficient > 0) {
          canvas.SetColour(1);
          DrawSeismicPressureFigure(canvas, style, p, pt, r, SeismicPressureScale(p, pt, r));
        }
        break;
      default:
        break;
    }
  }
  canvas.SetColour(view == ViewKind::Seismic ? 1 : 9);
  DrawLoadLegend(canvas, p, area.left() + kLegendLeft, area.bottom());
}

// The critical slip circle exists only for a stable wall, like the base reaction.
void DrawGlobalView(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p, const AnalysisResults& r,
                    const ScreenPoints& pt, const QRectF& area, const GlobalStabilityResults* global,
                    WallViewOutput& out) {
  if (!r.stability.wallStable) {
    out.messages.emplace_back(kNotStableReactionMessage);
    return;
  }
  DrawGlobalStabilityFigure(canvas, style, p, pt, global, area.left() + kLegendLeft, area.bottom());
}

// Reactions and restraints need a stable wall; otherwise they draw nothing and say why.
void DrawSupportView(WallCanvas& canvas, const DrawStyle& style, const ProjectData& p, const AnalysisResults& r,
                     ViewKind view, const ScreenPoints& pt, const QRectF& area, WallViewOutput& out) {
  canvas.SetColour(9);
  canvas.SetWidth(style.thinPen);
  const bool reactions = view == ViewKind::Reactions;
  if (!r.stability.wallStable) {
    out.messages.emplace_back(reactions ? kNotStableReactionMessage : kNotStableRestraintMessage);
    return;
  }
  if (reactions) {
    DrawBaseReactionFigure(canvas, style, p, pt, r, BaseReactionScale(r));
  } else {
    DrawRestraintsFigure(canvas, style, p, pt, r);
  }
  canvas.SetColour(9);
  DrawLoadLegend(canvas, p, area.left() + kLegendLeft, area.bottom());
}

}  // namespace

WallViewOutput DrawWallView(WallCanvas& canvas, const DrawStyle& style, const ProjectData& project,
                            const AnalysisResults& results, std::optional<ViewKind> view,
                            const WallFitting& fitting, const QRectF& area, bool analysisValid,
                            const GlobalStabilityResults* global) {
  WallViewOutput out;
  canvas.SetFont(style.fontFamily, style.fontUnits);
  canvas.SetLabelBounds(area);
  const ScreenPoints pt = ComputeScreenPoints(project, fitting);
  DrawWallFigure(canvas, style, project, pt);
  if (!view) return out;

  switch (*view) {
    case ViewKind::Dimensions:
      canvas.SetColour(4);
      canvas.SetWidth(style.thinPen);
      out.labels = DrawDimensionsFigure(canvas, style, project, pt);
      DrawDimensionLegend(canvas, project, area.left() + kLegendLeft, area.bottom());
      break;
    case ViewKind::Reactions:
    case ViewKind::Restraints:
      if (analysisValid) DrawSupportView(canvas, style, project, results, *view, pt, area, out);
      break;
    case ViewKind::Global:
      if (analysisValid) DrawGlobalView(canvas, style, project, results, pt, area, global, out);
      break;
    default:
      DrawLoadView(canvas, style, project, results, *view, pt, area, analysisValid);
      break;
  }
  canvas.PlaceLabels();
  return out;
}

WallFitting FitView(const ProjectData& project, std::optional<ViewKind> view,
                    const GlobalStabilityResults* global, const QRectF& area, const WallFitting& wallFitting) {
  if (view != ViewKind::Global || global == nullptr || !global->HasCircle()) return wallFitting;
  return FitGlobalFigure(project, *global, area);
}

WallViewOutput PaintWallPicture(QPainter& painter, QSizeF pixelSize, double pixelsPerTwip,
                                const ProjectData& project, const AnalysisResults& results,
                                std::optional<ViewKind> view, bool analysisValid,
                                const GlobalStabilityResults* global) {
  painter.fillRect(QRectF(QPointF(0, 0), pixelSize), Qt::white);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(pixelsPerTwip, pixelsPerTwip);
  const QRectF area(0, 0, pixelSize.width() / pixelsPerTwip, pixelSize.height() / pixelsPerTwip);
  WallCanvas canvas(painter);
  const WallFitting fitting = FitView(project, view, analysisValid ? global : nullptr, area,
                                      FitWallToPicture(project, area.width(), area.height()));
  WallViewOutput out =
      DrawWallView(canvas, ScreenDrawStyle(), project, results, view, fitting, area, analysisValid, global);
  painter.restore();
  return out;
}

}  // namespace kelvadrome
