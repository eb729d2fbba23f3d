// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it: the verdict, the options switched off and on again,
// view availability and its fallback, the slope label of a level backfill, and the catching of
// run-time faults.
#include <QRadioButton>

#include "engine/EarthPressure.h"
#include "engine/StabilityTexts.h"
#include "MainWindowTestSupport.h"
#include "ui/main/WallPicture.h"

using namespace kelvadrome;
using kelvadrome::test::WindowHarness;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void verdictOfStableAndUnstableWall() {
    WindowHarness h;
    const MainControls& c = h.window->Controls();
    QCOMPARE(c.label5->text(), QStringLiteral("STABLE"));
    QCOMPARE(c.label6->text().toStdString(), StabilityVerdictText(h.results.stability).detail);
    h.Replace(test::PushedOver(h.project));
    QVERIFY(!h.results.stability.wallStable);
    QCOMPARE(c.label5->text(), QStringLiteral("NOT STABLE"));
    QCOMPARE(c.label5->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(c.label6->text(), QStringLiteral("Pressure SF = N/A. Sliding SF = N/A. "));
  }

  void optionsOffAndOnRestoreTheirValues() {
    WindowHarness h;
    ProjectData p = h.project;
    p.waterDepthFront = 3.37f;
    p.waterDepthBack = 2.11f;
    p.seismicCoefficient = 0.123f;
    h.Replace(p);
    const MainControls& c = h.window->Controls();
    const MainActions& a = h.window->Actions();
    QCOMPARE(c.label8->text(), QStringLiteral("0.123g"));

    c.check1->click();
    c.check2->click();
    h.window->RefreshNow();
    QVERIFY(!h.project.waterOption);
    QCOMPARE(h.project.waterDepthFront, h.project.TotalHeightFront());
    QCOMPARE(h.project.waterDepthBack, h.project.TotalHeightFront());
    QCOMPARE(h.project.seismicCoefficient, 0.0f);
    QVERIFY(!c.label8->isVisible());
    QVERIFY(!h.window->ViewEnabled()[static_cast<int>(ViewKind::Seismic)]);

    a.optionWater->trigger();  // the menu entry toggles the box, the box does the rest
    c.check2->click();
    h.window->RefreshNow();
    QVERIFY(c.check1->isChecked());
    QCOMPARE(h.project.waterDepthFront, 3.37f);
    QCOMPARE(h.project.waterDepthBack, 2.11f);
    QCOMPARE(h.project.seismicCoefficient, 0.123f);
    QVERIFY(c.label8->isVisible());
    QVERIFY(h.window->ViewEnabled()[static_cast<int>(ViewKind::Seismic)]);

    a.optionKey->trigger();
    QVERIFY(h.project.shearKeyOption);
    QVERIFY(c.check3->isChecked());

    // Saved with the water off after the wall was lowered: the kept depths lie below the base, and
    // switching the water on puts those tables at the base instead.
    p.waterOption = false;
    p.savedWaterDepthFront = p.savedWaterDepthBack = p.TotalHeightFront() + 4;
    p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront();
    h.Replace(p);
    c.check1->click();
    QVERIFY(h.project.waterOption);
    QCOMPARE(h.project.waterDepthFront, h.project.TotalHeightFront());
    QCOMPARE(h.project.waterDepthBack, h.project.TotalHeightFront());
  }

  void viewAvailabilityFollowsProject() {
    WindowHarness h;
    auto enabled = h.window->ViewEnabled();
    // Default wall: surcharge of case 2, water, seismic; no structural or impact loads.
    QVERIFY(enabled[2] && !enabled[5] && !enabled[6]);
    QVERIFY(!h.window->Actions().view[5]->isEnabled());
    ProjectData p = h.project;
    p.lineLoadCount = 2;
    p.lineLoads[1] = LineLoad{0.0f, 3.0f, 10.0f, 180.0f, LoadCase::structural};  // a zero load shows nothing
    p.lineLoads[2] = LineLoad{2.0f, 3.0f, 10.0f, 180.0f, LoadCase::impact};
    p.surchargeLoadCase = LoadCase::soil;
    h.Replace(p);
    enabled = h.window->ViewEnabled();
    QVERIFY(!enabled[5] && enabled[6]);
    QVERIFY(!enabled[2]);  // the surcharge moved to case 3
    QVERIFY(h.window->Actions().view[6]->isEnabled());
  }

  void unavailableViewFallsBackToDimensions() {
    WindowHarness h;
    const MainControls& c = h.window->Controls();
    c.optView[4]->click();
    QCOMPARE(h.window->CurrentView(), std::optional<ViewKind>(ViewKind::Water));
    c.check1->click();  // no water left, no water line loads
    h.window->RefreshNow();
    QCOMPARE(h.window->CurrentView(), std::optional<ViewKind>(ViewKind::Dimensions));
    QVERIFY(c.optView[0]->isChecked());
    QVERIFY(!c.optView[4]->isEnabled());
    QVERIFY(h.window->Actions().view[0]->isChecked());
    QVERIFY(!h.window->Actions().view[4]->isChecked());
  }

  // A level backfill still shows "1 : 0.00" on its surface, so that it can be sloped again from
  // the drawing: under the top dimension line and its values, clear of every other value.
  void levelBackfillKeepsItsSlopeLabelClearOfTheOthers() {
    WindowHarness h;
    ProjectData p = h.project;
    p.backfillSlope = 0;
    p.shearKeyOption = true;
    h.window->SelectView(ViewKind::Dimensions);
    h.Replace(p);
    const WallPicture& picture = h.window->Picture();
    QLabel* caption = picture.SlopeLabel();
    QLabel* value = picture.DimensionLabel(14);
    QVERIFY(caption->isVisible());
    QCOMPARE(value->text(), QStringLiteral("0.00"));
    QVERIFY(caption->geometry().right() < value->geometry().left() + 2);
    QVERIFY(caption->geometry().top() > picture.DimensionLabel(4)->geometry().bottom());
    QVERIFY(picture.DimensionLabel(15)->isVisible());
    for (int i = 0; i < kDimensionLabelCount; ++i) {
      if (i == 14 || !picture.DimensionLabel(i)->isVisible()) continue;
      QVERIFY2(!picture.DimensionLabel(i)->geometry().intersects(caption->geometry().united(value->geometry())),
               qPrintable(QString::number(i)));
    }
  }

  void runTimeFaultIsShownAndProgramGoesOn() {
    WindowHarness h;
    ProjectData p = h.project;
    p.backfillFrictionAngle = 0;  // no slope can stand on frictionless backfill
    h.Replace(p);
    QCOMPARE(h.prompts.warnings, QStringList{QString::fromUtf8(kZeroFrictionSlopeError)});
    QCOMPARE(h.window->Controls().label5->text(), QStringLiteral("NOT STABLE"));
    p.backfillFrictionAngle = 30;  // fixing the input gives a verdict again
    h.Replace(p);
    QCOMPARE(h.prompts.warnings.size(), 1);
    QCOMPARE(h.window->Controls().label5->text(), QStringLiteral("STABLE"));
  }

  void calculateStabilityRedrawsAfterSlopeRule() {
    WindowHarness h;
    int shown = 0;
    h.window->SetStabilityDialog([&shown](QWidget*) { ++shown; });
    // 45 degrees on earth of 30 degrees: both slope rules flatten it, each saying so once; the
    // redraw that follows finds nothing more to flatten.
    h.document.Apply(QStringLiteral("backfill slope"), [](ProjectData& p) { p.backfillSlope = 1.0f; });
    const int analyses = h.window->AnalysisCount();
    h.window->Actions().calculateStability->trigger();
    QCOMPARE(shown, 1);
    QCOMPARE(h.prompts.warnings,
             (QStringList{QString::fromUtf8(kSlopeRule1Message), QString::fromUtf8(kSlopeRule2Message)}));
    QVERIFY(h.project.backfillSlope > 1.0f);
    QCOMPARE(h.document.UndoName(), QStringLiteral("Backfill slope adjusted"));
    QCOMPARE(h.window->AnalysisCount(), analyses + 2);  // the steep slope, then the flattened one
    QCOMPARE(h.window->Controls().label6->text().toStdString(), StabilityVerdictText(h.results.stability).detail);
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
