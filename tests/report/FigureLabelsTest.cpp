// SPDX-License-Identifier: GPL-3.0-or-later
// The value labels of the load figures, on paper and on screen: placement around obstacles, no
// two labels on top of each other on the default wall and on random loaded walls, and the
// surcharge arrows pointing the way the surcharge acts.
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <memory>
#include <optional>

#include "engine/Analysis.h"
#include "model/ProjectData.h"
#include "FigureTestSupport.h"
#include "report/ReportFigure.h"
#include "report/drawing/LabelLayout.h"
#include "report/drawing/ScreenPoints.h"
#include "report/drawing/WallFitting.h"
#include "report/drawing/WallView.h"

using namespace kelvadrome;
using test::Board;
using test::LoadedWalls;

namespace {

// An A4 section with the default margins, in report units: the upper half page.
const QRectF kSectionBody(0, 453, 9355, 6548);
// The main window's picture, in twips.
const QRectF kPicture(0, 0, 24000, 15000);

using BoardPtr = std::unique_ptr<Board>;

// The Loads section's figure of the project, as the printed report draws it; labels placed.
// Empty when the analysis faults.
BoardPtr PaperFigure(ProjectData& p, AnalysisResults& results) {
  const DrawStyle style = PaperDrawStyle(QStringLiteral("Liberation Sans"), 120);
  // The report draws the wall with the slope its analysis flattened, analysed once more.
  ServiceAnalysis run = AnalyseService(p);
  if (run.adjustedSlope && !run.fault) {
    p.backfillSlope = *run.adjustedSlope;
    run = AnalyseService(p);
  }
  if (run.fault) return nullptr;  // the engine refused the wall: nothing is drawn
  results = run.results;
  auto board = std::make_unique<Board>(kSectionBody);
  WallCanvas& canvas = *board->canvas;
  canvas.SetFont(style.fontFamily, style.fontUnits);
  canvas.SetLabelBounds(kSectionBody);
  const ScreenPoints points =
      ComputeScreenPoints(p, FitWallToSection(p, kSectionBody.width(), kSectionBody.height(), kSectionBody.top()));
  DrawLoadsFigure(canvas, style, p, points, results, kSectionBody);
  canvas.PlaceLabels();
  return board;
}

// One view of the main window's picture.
BoardPtr ScreenView(ProjectData& p, const AnalysisResults& results, ViewKind view) {
  auto board = std::make_unique<Board>(kPicture);
  const WallFitting fit = FitWallToPicture(p, kPicture.width(), kPicture.height());
  (void)DrawWallView(*board->canvas, ScreenDrawStyle(), p, results, view, fit, kPicture);
  return board;
}

// Every value label overlapping another text and every value label crossed by a shaft or the
// wall's outline, described; empty when the figure is clean. (The legend's lines are set at a
// fixed spacing that lets their boxes touch; they are checked against the values only.)
QString Collisions(const WallCanvas& canvas) {
  QString found;
  const auto& texts = canvas.WrittenTexts();
  for (std::size_t a = 0; a < texts.size(); ++a) {
    for (std::size_t b = a + 1; b < texts.size(); ++b) {
      if (!texts[a].placed && !texts[b].placed) continue;
      if (BoxesOverlap(texts[a].box, texts[b].box)) found += texts[a].text + " over " + texts[b].text + "; ";
    }
    if (!texts[a].placed) continue;
    for (const QLineF& barrier : canvas.Barriers()) {
      if (SegmentCrossesBox(barrier, texts[a].box)) found += texts[a].text + " crossed by a shaft; ";
    }
  }
  return found;
}

// Which way the surcharge's arrows point: the strokes of a head leave the tip of the second
// arrow (on the backfill surface, 90 from its start) and open downward when the arrow points up
// (+1), upward when it points down (-1); 0 when there is no head.
int SurchargeHeads(const WallCanvas& canvas, const ProjectData& p, const WallFitting& fit) {
  const ScreenPoints pt = ComputeScreenPoints(p, fit);
  const double x = pt.x[8] + 90;
  const QPointF tip(x, pt.y[8] + (pt.y[10] - pt.y[8]) * (x - pt.x[8]) / (pt.x[10] - pt.x[8]));
  double sum = 0;
  int strokes = 0;
  for (const QLineF& line : canvas.DrawnLines()) {
    if (QLineF(line.p1(), tip).length() > 1e-6 || line.length() > 80) continue;
    sum += line.p2().y() - tip.y();
    ++strokes;
  }
  return strokes < 2 ? 0 : sum > 0 ? 1 : -1;
}

}  // namespace

class FigureLabelsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallScreenFontSubstitutes(); }

  // A label keeps its place beside a shaft, and moves only a little off another label;
  // a value asked for first still yields to the legend asked for after it; a diagram's own label
  // may touch its hatching, another label may not.
  void aLabelMovesOnlyForWhatIsInTheWay() {
    LabelLayout layout;
    layout.SetBounds(QRectF(0, 0, 5000, 5000));
    const QRectF asked(1000, 1000, 400, 100);
    layout.AddBarrier(QLineF(990, 500, 990, 1500));  // beside it, not through it
    std::vector<QRectF> placed = layout.Place({{asked}, {asked.translated(100, 20)}});
    QCOMPARE(placed[0], asked);
    QVERIFY(!BoxesOverlap(placed[0], placed[1]));
    QVERIFY(QLineF(placed[1].center(), asked.translated(100, 20).center()).length() <= 200);

    const QPolygonF hatched({{1000, 3000}, {1500, 3000}, {1500, 4000}, {1000, 4000}});
    const int area = layout.AddArea(hatched);
    const QRectF legend(0, 4900, 1500, 100);
    const QRectF inside(1400, 3400, 300, 100);
    placed = layout.Place({{QRectF(0, 4890, 300, 100)}, {legend, true}, {inside, false, area}, {inside.translated(0, 300)}});
    QVERIFY(!BoxesOverlap(placed[0], legend));
    QVERIFY(QRectF(0, 0, 5000, 5000).contains(placed[0]));
    QCOMPARE(placed[1], legend);
    QCOMPARE(placed[2], inside);
    QVERIFY(!AreaOverlapsBox(hatched, placed[3]));
  }

  // The surcharge's arrows point up (+1) as a suction surcharge pulls, down (-1) as a load presses.
  void theSurchargePointsTheWayItActs() {
    for (const auto& [surcharge, opening] : {std::pair{5.0f, -1}, std::pair{-5.0f, 1}}) {
      ProjectData p = test::DefaultWall();
      p.surchargeLoad = surcharge;
      p.surchargeLoadCase = LoadCase::live;
      AnalysisResults results;
      const BoardPtr paper = PaperFigure(p, results);
      QVERIFY(paper != nullptr);
      const WallFitting paperFit = FitWallToSection(p, kSectionBody.width(), kSectionBody.height(), kSectionBody.top());
      QCOMPARE(SurchargeHeads(*paper->canvas, p, paperFit), opening);
      const WallFitting screenFit = FitWallToPicture(p, kPicture.width(), kPicture.height());
      QCOMPARE(SurchargeHeads(*ScreenView(p, results, ViewKind::Live)->canvas, p, screenFit), opening);
    }
  }

  // The default wall first, then random loaded walls: every value of the figure is written and
  // none lies over another or under a shaft, on paper and in the screen's load views.
  void noLabelCoversAnother() {
    LoadedWalls walls(19871123);
    int drawn = 0;
    for (int attempt = -1; drawn < 51 && attempt < 200; ++attempt) {
      ProjectData p = attempt < 0 ? test::DefaultWall() : walls.Next();
      AnalysisResults results;
      const BoardPtr paper = PaperFigure(p, results);
      QVERIFY(paper || attempt >= 0);
      if (!paper) continue;  // the engine refused the wall: nothing is drawn
      ++drawn;
      if (attempt < 0) QVERIFY(paper->canvas->WrittenTexts().size() >= 30);
      const QString wall = QStringLiteral("wall %1 with %2 line loads").arg(attempt).arg(p.lineLoadCount);
      const QString onPaper = Collisions(*paper->canvas);
      QVERIFY2(onPaper.isEmpty(), qPrintable(wall + " on paper: " + onPaper));
      for (const ViewKind view : {ViewKind::Dead, ViewKind::Live, ViewKind::Soil, ViewKind::Water,
                                  ViewKind::Structural, ViewKind::Seismic, ViewKind::Reactions,
                                  ViewKind::Restraints}) {
        const QString onScreen = Collisions(*ScreenView(p, results, view)->canvas);
        QVERIFY2(onScreen.isEmpty(),
                 qPrintable(wall + " in view " + kViewCaptions[static_cast<std::size_t>(view)] + ": " + onScreen));
      }
    }
    QCOMPARE(drawn, 51);
  }
};

QTEST_MAIN(FigureLabelsTest)
#include "FigureLabelsTest.moc"
