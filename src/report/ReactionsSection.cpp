// The Reactions section: the wall with the base pressure under it, the sliding resistance of
// the base, the restraint force and the passive pressure of the toe earth and the shear key.
#include <QString>

#include <algorithm>

#include "engine/AnalysisResults.h"
#include "engine/EarthPressure.h"
#include "engine/MessageSink.h"
#include "engine/Stability.h"
#include "model/ProjectData.h"
#include "report/ReportFigure.h"
#include "report/ReportSections.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"
#include "report/drawing/DrawPrimitives.h"
#include "report/drawing/LoadFigures.h"
#include "report/drawing/WallFigure.h"

namespace kelvadrome {
namespace {

constexpr int kLoadBlue = 9;
constexpr double kDiagramGap = 30;  // between a diagram's base line and the face it acts on

inline constexpr const char* kRestraintsNotStableMessage =
    "The structure is not stable.  Can't define base friction and cohesion restraints";

QString Label(double value) { return FigureNumber(value); }

// The base pressure, hanging under the base with its arrows pointing up at it; only the width
// in contact carries pressure when an edge lifts.
void DrawBasePressure(SectionFigure& figure, const StabilityResults& s, double scale) {
  const ScreenPoints& pts = figure.points;
  const double y0 = pts.y[4] + kDiagramGap;
  const double contact = pts.Length(s.contactWidth);
  if (s.heelPressure == 0 && s.toePressure != 0) {
    DrawPressureH(figure.canvas, figure.style, pts.x[4], pts.x[4] + contact, y0, s.toePressure * scale, 0,
                  Label(s.toePressure), {});
  } else if (s.toePressure == 0 && s.heelPressure != 0) {
    DrawPressureH(figure.canvas, figure.style, pts.x[5] - contact, pts.x[5], y0, 0, s.heelPressure * scale, {},
                  Label(s.heelPressure));
  } else {
    DrawPressureH(figure.canvas, figure.style, pts.x[4], pts.x[5], y0, s.toePressure * scale,
                  s.heelPressure * scale, Label(s.toePressure), Label(s.heelPressure));
  }
}

// Passive pressure of the toe earth in front of the toe edge and, with a key, in front of the key;
// the ordinates point at the wall (to the right).
void DrawPassivePressure(SectionFigure& figure, const ProjectData& project, const PressureResults& p, double scale) {
  const ScreenPoints& pts = figure.points;
  if (project.toePassiveOption == 1 && p.passivePressure[2] > 0) {
    const double x0 = pts.x[3] - kDiagramGap;
    const double top = pts.y[3];
    const double base = pts.y[4];
    const double water = std::clamp(pts.Y(project.waterDepthFront), top, base);
    DrawPressureV(figure.canvas, figure.style, top, water, x0, -p.passivePressure[0] * scale,
                  -p.passivePressure[1] * scale, Label(p.passivePressure[0]), Label(p.passivePressure[1]));
    DrawPressureV(figure.canvas, figure.style, water, base, x0, -p.passivePressure[1] * scale,
                  -p.passivePressure[2] * scale, water < base && water > top ? QString() : Label(p.passivePressure[1]),
                  Label(p.passivePressure[2]));
  }
  if (project.shearKeyOption == 1) {
    const ShearKeyOutline key = ShearKeyOf(project);
    DrawPressureV(figure.canvas, figure.style, pts.Y(key.top), pts.Y(key.bottom), pts.X(key.frontX) - kDiagramGap,
                  -p.passivePressure[2] * scale, -p.passivePressure[3] * scale, Label(p.passivePressure[2]),
                  Label(p.passivePressure[3]));
  }
}

}  // namespace

void PrintReactionsSection(ReportSheet& sheet, ProjectData& project, AnalysisResults& results, MessageSink& sink) {
  DrawSectionFrame(sheet, project);
  PrintSectionHeading(sheet, QStringLiteral("Reactions, restraints"), 10 * sheet.reportScale);
  SectionFigure figure(sheet, project);
  DrawWallFigure(figure.canvas, figure.style, project, figure.points);

  RunServiceAnalysis(project, results, sink);
  const StabilityResults& s = results.stability;
  if (!s.wallStable) {
    sink.Warn(kRestraintsNotStableMessage);
  } else {
    const double scale = ReactionsPressureScale(results);
    WallCanvas& canvas = figure.canvas;
    const ScreenPoints& pts = figure.points;
    canvas.SetColour(kLoadBlue);
    canvas.SetWidth(figure.style.thinPen);
    DrawBasePressure(figure, s, scale);
    // Friction and cohesion of the base resist sliding towards the toe: they act towards the heel.
    DrawForceH(canvas, figure.style, (pts.x[4] + pts.x[5]) / 2, pts.y[4],
               double(s.baseFriction) + s.baseCohesionResistance);
    if (project.restraintForceOption == 1) {
      DrawForceH(canvas, figure.style, pts.x[4], (pts.y[3] + pts.y[4]) / 2, project.restraintForce);
    }
    ComputePassivePressure(project, results);
    canvas.SetWidth(figure.style.thinPen);
    DrawPassivePressure(figure, project, results.pressure, scale);
  }
  DrawLoadLegend(figure.canvas, project, figure.left + 120, figure.bottom, true);
}

}  // namespace kelvadrome
