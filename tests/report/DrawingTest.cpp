// SPDX-License-Identifier: GPL-3.0-or-later
// The wall figures: fitting, screen points (the analysis's outline), line-load arrows, pens,
// dimension labels, and every view of the default wall, of edge walls and of a wall the analysis
// refuses rendered without a fault.
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <set>
#include <cmath>
#include <functional>
#include <optional>

#include "FigureTestSupport.h"
#include "engine/Analysis.h"
#include "engine/EngineError.h"
#include "engine/WallGeometry.h"
#include "model/ProjectData.h"
#include "report/drawing/DimensionFigure.h"
#include "report/drawing/DrawPrimitives.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/TwipsScale.h"
#include "report/drawing/WallFitting.h"
#include "report/drawing/WallView.h"

using namespace kelvadrome;

namespace {

constexpr QSize kPictureSize(1600, 1000);

using test::DefaultWall;

struct Rendered { QImage image; WallViewOutput output; };

Rendered Paint(const ProjectData& p, const AnalysisResults& results, std::optional<ViewKind> view, bool valid = true) {
  Rendered r{QImage(kPictureSize, QImage::Format_ARGB32_Premultiplied), {}};
  QPainter painter(&r.image);
  r.output = PaintWallPicture(painter, QSizeF(kPictureSize), TwipsScale::ForDevice(&r.image).PixelsPerTwip(), p,
                              results, view, valid);
  return r;
}

// The service analysis as the picture keeps it (the project takes a flattened slope), painted.
Rendered Render(ProjectData& p, std::optional<ViewKind> view) {
  const ServiceAnalysis run = AnalyseService(p);
  p = WithFindings(std::move(p), run);
  if (run.fault) throw EngineError(*run.fault);
  return Paint(p, run.results, view);
}

bool AllWhite(const QImage& image) {
  QImage white(image.size(), image.format());
  white.fill(Qt::white);
  return image == white;
}

// The image of one inclined line load at (1000, 1000) on a 2000 by 2000 board of its own pixels.
QImage InclinedForce(double direction, double load) {
  test::Board sketch(QRectF(0, 0, 2000, 2000), {2000, 2000});
  sketch.canvas->SetFont(QStringLiteral("DejaVu Sans"), 120);
  DrawInclinedForce(*sketch.canvas, ScreenDrawStyle(), QPointF(1000, 1000), direction, load);
  return sketch.Done();
}

}  // namespace

class DrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallScreenFontSubstitutes(); }

  // The backfill's rise above the heel edge and a shear key below the base make the wall taller
  // to fit.
  void slopeAndShearKeyMakeRoomAbove() {
    ProjectData p = DefaultWall();
    p.shearKeyOption = true;
    const double rise = (0.5 + 3.37) / 5.0;
    QVERIFY(std::fabs(FittedWallHeight(p) - (10 + rise + 0.67)) < 1e-5);
    const WallFitting fit = FitWallToPicture(p, 24000, 15000);
    const double scale = 13320 / FittedWallHeight(p);
    QVERIFY(std::fabs(fit.drawScale - scale) < 1e-6);
    QVERIFY(std::fabs(fit.drawOriginY - (720 + rise * scale + (7.2 / 4) * scale / 5)) < 1e-3);
  }

  void tinyOrEmptyPicturesAndWallsStillGiveAFiniteScale() {
    ProjectData flat = DefaultWall();
    flat.baseWidth = flat.stemFrontHeight = flat.toeTaper = flat.toeEdgeThickness = flat.backfillSlope = 0;
    for (const auto& [p, size] : {std::pair{DefaultWall(), QSizeF(0, 0)}, {DefaultWall(), QSizeF(1500, 450)},
                                  {DefaultWall(), QSizeF(100000, 10)}, {flat, QSizeF(24000, 15000)}}) {
      const WallFitting fit = FitWallToPicture(p, size.width(), size.height());
      QVERIFY(std::isfinite(fit.drawScale) && fit.drawScale > 0);
      QVERIFY(std::isfinite(fit.drawOriginX) && std::isfinite(fit.drawOriginY));
    }
  }

  // The figure draws the analysis's own outline, mapped: only the backfill surface runs on a
  // quarter base beyond the heel edge (point 40 stays on it above the heel edge) and the
  // toe-side water lines start 240 in front of the toe edge.
  void screenPointsAreTheAnalysisOutlineMapped() {
    const WallFitting fit{100, 2000, 3000};
    const auto near = [](double a, double b) { return std::fabs(a - b) < 1e-6 * std::max(1.0, std::fabs(b)); };
    std::vector<ProjectData> walls{DefaultWall()};
    test::LoadedWalls random(20240611);
    for (int k = 0; k < 30; ++k) walls.push_back(random.Next());
    for (const ProjectData& p : walls) {
      AnalysisResults r;
      ComputeWallOutline(p, r);
      const ScreenPoints pt = ComputeScreenPoints(p, fit);
      const auto mapX = [&](double x) { return fit.drawOriginX + x * fit.drawScale; };
      const auto mapY = [&](double y) { return fit.drawOriginY + y * fit.drawScale; };
      const double beyond = p.baseWidth / 4.0;
      const double run = double(r.wallOutlineX[10]) - r.wallOutlineX[8] + beyond;
      for (int i = 1; i <= kScreenPointCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double x = i == 10 || i == 14 || i == 18 ? mapX(r.wallOutlineX[10] + beyond)
                         : i == 11 || i == 15           ? mapX(r.wallOutlineX[4]) - 240
                                                        : mapX(r.wallOutlineX[k]);
        const double y = i == 10 ? mapY(p.backfillSlope > 0 ? -run / p.backfillSlope : 0) : mapY(r.wallOutlineY[k]);
        const QByteArray where = "point " + QByteArray::number(i) + ", slope " + QByteArray::number(p.backfillSlope);
        QVERIFY2(near(pt.x[k], x) && near(pt.y[k], y), where);
      }
      QCOMPARE(pt.y[40], mapY(r.wallOutlineY[10]));
    }
  }

  // A wall the analysis refuses (no stem height on either side) is still drawn in every view,
  // as the picture does after a fault: its outline and its dimensions, without a throw.
  void aWallTheAnalysisRefusesIsStillDrawn() {
    ProjectData p = DefaultWall();
    p.stemFrontHeight = p.stemBackHeight = 0;
    p.waterDepthFront = p.waterDepthBack = 0;
    AnalysisResults results;
    QVERIFY_THROWS_EXCEPTION(EngineError, ComputeWallOutline(p, results));
    const ScreenPoints pt = ComputeScreenPoints(p, FitWallToPicture(p, 24000, 15000));
    for (int i = 1; i <= kScreenPointCount; ++i) QVERIFY(std::isfinite(pt.x.at(i)) && std::isfinite(pt.y.at(i)));
    // The stem's design section falls on the stem's back foot instead of dividing by zero.
    QCOMPARE(pt.x[44], pt.x[8]);

    ProjectData sound = DefaultWall();
    for (int v = -1; v < kViewCount; ++v) {
      const auto view = v < 0 ? std::nullopt : std::optional(static_cast<ViewKind>(v));
      const Rendered r = Paint(p, results, view, false);
      QVERIFY(!AllWhite(r.image));
      if (view == ViewKind::Dimensions) QCOMPARE(r.output.labels.size(), Render(sound, view).output.labels.size());
    }
  }

  // 180° acts downward: the arrow comes from above the point, nothing lies below it; 90° acts
  // towards the heel (from the left); a negative load turns round.
  void aLineLoadPointsTheWayItActs() {
    const QImage down = InclinedForce(180, 5);
    QCOMPARE(down.pixel(1000, 1200), qRgb(255, 255, 255));
    for (const auto& [image, x, y] : {std::tuple{down, 1000, 800}, {InclinedForce(90, 5), 800, 1000},
                                      {InclinedForce(180, -5), 1000, 1200}}) {
      QVERIFY(image.pixel(x, y) != qRgb(255, 255, 255));
    }
  }

  void paperPensFollowThePrintersResolution() {
    // 0.3 mm on a 1200 dpi printer is 14 device pixels; a pen thinner than one pixel still one.
    QImage printer(10, 10, QImage::Format_ARGB32_Premultiplied);
    printer.setDotsPerMeterX(qRound(1200 / 0.0254));
    printer.setDotsPerMeterY(qRound(1200 / 0.0254));
    QPainter painter(&printer);
    WallCanvas(painter).SetWidth({0.3, PenUnit::millimetres});
    QCOMPARE(painter.pen().widthF(), 14.0);
    QVERIFY(painter.pen().isCosmetic());
    WallCanvas(painter).SetWidth({0.01, PenUnit::millimetres});
    QCOMPARE(painter.pen().widthF(), 1.0);
  }

  void dimensionsViewLabelsOnlyWhatTheWallHas() {
    // No water: no water labels; a shear key: its depth. A level backfill keeps its slope on
    // screen, where the value is how it is sloped again, but prints none.
    ProjectData p = DefaultWall();
    p.backfillSlope = 0;
    p.waterOption = false;
    p.shearKeyOption = true;
    const auto indices = [](const std::vector<DimensionLabel>& labels) {
      std::multiset<int> found;
      for (const DimensionLabel& label : labels) found.insert(label.index);
      return found;
    };
    QCOMPARE(indices(Render(p, ViewKind::Dimensions).output.labels),
             (std::multiset<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16}));
    test::Board paper(QRectF(0, 0, 2000, 2000), {2000, 2000});
    const ScreenPoints pt = ComputeScreenPoints(p, FitWallToPicture(p, 2000, 2000));
    QCOMPARE(indices(DrawDimensionsFigure(*paper.canvas, PaperDrawStyle(QStringLiteral("DejaVu Sans"), 120), p, pt)),
             (std::multiset<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15}));
  }

  // Every view of each wall draws without a message; a wall that is not stable draws nothing
  // over itself in the views of its supports and says why.
  void everyViewRendersForTheDefaultAndEdgeWalls() {
    const std::vector<std::pair<const char*, std::function<void(ProjectData&)>>> walls{
        {"default", [](ProjectData&) {}},
        {"dry", [](ProjectData& p) { p.waterOption = false; p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront(); }},
        {"heel lifts", [](ProjectData& p) { p.lineLoadCount = 1; p.lineLoads[1] = {10.0f, 2.9f, 10.0f, 270.0f, LoadCase::soil}; }},
        {"restraints and loads", [](ProjectData& p) {
           p.shearKeyOption = p.toePassiveOption = p.restraintForceOption = true;
           p.restraintForce = 3;
           p.lineLoadCount = 7;
           for (int k = 1; k <= 7; ++k) p.lineLoads[k] = LineLoad{2.0f * k, 2.9f, 10.0f, 180.0f, kAllLoadCases[std::size_t(k - 1)]};
           p.surchargeLoadCase = LoadCase::structural;
         }},
        {"unstable", [](ProjectData& p) { p.lineLoadCount = 1; p.lineLoads[1] = {500.0f, 2.5f, 10.0f, 270.0f, LoadCase::dead}; }}};
    for (const auto& [name, change] : walls) {
      ProjectData p = DefaultWall();
      change(p);
      const QImage wallOnly = Render(p, std::nullopt).image;
      QVERIFY2(!AllWhite(wallOnly), name);
      for (int v = 0; v < kViewCount; ++v) {
        const auto view = static_cast<ViewKind>(v);
        const Rendered r = Render(p, view);
        const QByteArray where = QByteArray(name) + ", " + kViewCaptions[static_cast<std::size_t>(v)];
        if (name == std::string("unstable") &&
            (view == ViewKind::Reactions || view == ViewKind::Restraints || view == ViewKind::Global)) {
          QCOMPARE(r.output.messages.size(), std::size_t{1});
          QVERIFY2(r.image == wallOnly, where);  // nothing drawn over the wall
        } else {
          QVERIFY2(r.output.messages.empty(), where);
        }
      }
    }
  }

  void onlyTheViewsLoadCaseIsDrawn() {
    ProjectData bare = DefaultWall();
    bare.surchargeLoad = 0;
    ProjectData loaded = bare;
    loaded.lineLoadCount = 1;
    loaded.lineLoads[1] = LineLoad{5.0f, 2.9f, 10.0f, 180.0f, LoadCase::structural};
    QVERIFY(Render(loaded, ViewKind::Structural).image != Render(bare, ViewKind::Structural).image);
    QCOMPARE(Render(loaded, ViewKind::Impact).image, Render(bare, ViewKind::Impact).image);
    loaded.lineLoads[1].load = 0;
    QCOMPARE(Render(loaded, ViewKind::Structural).image, Render(bare, ViewKind::Structural).image);
  }
};

QTEST_MAIN(DrawingTest)
#include "DrawingTest.moc"
