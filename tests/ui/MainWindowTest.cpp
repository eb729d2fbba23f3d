// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it: the refresh cycle and the verdict, the options
// switched off and on again, view availability and its fallback, the unit change, the menus,
// the tool bar, the layout and the catching of run-time faults.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QtTest>

#include "engine/EarthPressure.h"
#include "engine/StabilityTexts.h"
#include "MainWindowTestSupport.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmAbout.h"

using namespace kelvadrome;
using kelvadrome::test::WindowHarness;

namespace {

const QMenu* TopMenu(const Form1& window, const char* name) {
  return window.menuBar()->findChild<QMenu*>(QString::fromLatin1(name));
}

// A wall pushed over by a large horizontal line load high on the stem.
ProjectData OverturnedWall() {
  ProjectData p;
  SetDefaults(p, "Arial");
  p.lineLoadCount = 1;
  p.lineLoads[1] = LineLoad{200.0f, 2.5f, 10.0f, 270.0f, LoadCase::dead};
  return p;
}

void Replace(WindowHarness& h, const ProjectData& project) { h.Replace(project); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void verdictOfStableAndUnstableWall();
  void waterOptionOffAndOnRestoresDepths();
  void seismicOptionOffAndOnRestoresCoefficient();
  void shearKeyOptionFromBoxAndMenu();
  void viewAvailabilityFollowsProject();
  void unavailableViewFallsBackToDimensions();
  void viewMenuOfSelectedViewOnlyClearsButton();
  void unitChangeConvertsAndRecomputes();
  void runTimeFaultIsShownAndProgramGoesOn();
  void notStableMessageOnceForReactionsView();
  void calculateStabilityRedrawsAfterSlopeRule();
  void menusStartFromTheProject();
  void toolBarLooks();
  void layoutKeepsOrderAndMinimumSize();
  void helpWindowFollowsContext();
  void aboutWindowShowsItsLicenceUncut();
};

void MainWindowTest::verdictOfStableAndUnstableWall() {
  WindowHarness h;
  const MainControls& c = h.window->Controls();
  QVERIFY(h.results.stability.wallStable);
  QCOMPARE(c.label5->text(), QStringLiteral("STABLE"));
  QCOMPARE(c.label6->text().toStdString(), StabilityVerdictText(h.results.stability).detail);
  QCOMPARE(c.label8->text(), QStringLiteral("0.15g"));
  QVERIFY(c.label8->isVisible());

  Replace(h, OverturnedWall());
  QVERIFY(!h.results.stability.wallStable);
  QCOMPARE(c.label5->text(), QStringLiteral("NOT STABLE"));
  QCOMPARE(c.label5->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  QCOMPARE(c.label6->text(), QStringLiteral("Pressure SF = N/A. Sliding SF = N/A. "));
}

void MainWindowTest::waterOptionOffAndOnRestoresDepths() {
  WindowHarness h;
  ProjectData p = h.project;
  p.waterDepthFront = 3.37f;
  p.waterDepthBack = 2.11f;
  Replace(h, p);
  const MainControls& c = h.window->Controls();
  const MainActions& a = h.window->Actions();

  c.check1->click();
  h.window->RefreshNow();
  QVERIFY(!h.project.waterOption);
  QCOMPARE(h.project.waterDepthFront, h.project.TotalHeightFront());
  QCOMPARE(h.project.waterDepthBack, h.project.TotalHeightFront());
  QVERIFY(!a.optionWater->isChecked());
  QVERIFY(h.document.IsModified());

  a.optionWater->trigger();  // the menu entry toggles the box, the box does the rest
  h.window->RefreshNow();
  QVERIFY(c.check1->isChecked());
  QVERIFY(h.project.waterOption);
  QCOMPARE(h.project.waterDepthFront, 3.37f);
  QCOMPARE(h.project.waterDepthBack, 2.11f);
  QVERIFY(a.optionWater->isChecked());

  // Saved with the water off after the wall was lowered: the kept depths lie below the base, and
  // switching the water on puts those tables at the base instead.
  p.waterOption = false;
  p.savedWaterDepthFront = p.savedWaterDepthBack = p.TotalHeightFront() + 4;
  p.waterDepthFront = p.waterDepthBack = p.TotalHeightFront();
  Replace(h, p);
  c.check1->click();
  QVERIFY(h.project.waterOption);
  QCOMPARE(h.project.waterDepthFront, h.project.TotalHeightFront());
  QCOMPARE(h.project.waterDepthBack, h.project.TotalHeightFront());
}

void MainWindowTest::seismicOptionOffAndOnRestoresCoefficient() {
  WindowHarness h;
  ProjectData p = h.project;
  p.seismicCoefficient = 0.123f;
  Replace(h, p);
  const MainControls& c = h.window->Controls();
  QCOMPARE(c.label8->text(), QStringLiteral("0.123g"));

  c.check2->click();
  h.window->RefreshNow();
  QCOMPARE(h.project.seismicCoefficient, 0.0f);
  QVERIFY(!h.project.seismicOption);
  QVERIFY(!c.label8->isVisible());
  QVERIFY(!h.window->ViewEnabled()[static_cast<int>(ViewKind::Seismic)]);

  c.check2->click();
  h.window->RefreshNow();
  QCOMPARE(h.project.seismicCoefficient, 0.123f);
  QVERIFY(c.label8->isVisible());
  QVERIFY(h.window->Actions().optionSeismic->isChecked());
  QVERIFY(h.window->ViewEnabled()[static_cast<int>(ViewKind::Seismic)]);
}

void MainWindowTest::shearKeyOptionFromBoxAndMenu() {
  WindowHarness h;
  const MainActions& a = h.window->Actions();
  QVERIFY(!a.optionKey->isChecked());
  a.optionKey->trigger();
  QCOMPARE(h.project.shearKeyOption, true);
  QVERIFY(h.window->Controls().check3->isChecked());
  h.window->Controls().check3->click();
  h.window->RefreshNow();
  QCOMPARE(h.project.shearKeyOption, false);
  QVERIFY(!a.optionKey->isChecked());
}

void MainWindowTest::viewAvailabilityFollowsProject() {
  WindowHarness h;
  auto enabled = h.window->ViewEnabled();
  // Default wall: surcharge of case 2, water, seismic; no structural or impact loads.
  QVERIFY(enabled[0] && enabled[1] && enabled[2] && enabled[3] && enabled[4] && enabled[7]);
  QVERIFY(!enabled[5] && !enabled[6]);
  QVERIFY(enabled[8] && enabled[9]);
  QVERIFY(!h.window->Actions().view[5]->isEnabled());

  ProjectData p = h.project;
  p.lineLoadCount = 2;
  p.lineLoads[1] = LineLoad{0.0f, 3.0f, 10.0f, 180.0f, LoadCase::structural};  // a zero load shows nothing
  p.lineLoads[2] = LineLoad{2.0f, 3.0f, 10.0f, 180.0f, LoadCase::impact};
  p.surchargeLoadCase = LoadCase::soil;
  Replace(h, p);
  enabled = h.window->ViewEnabled();
  QVERIFY(!enabled[5]);
  QVERIFY(enabled[6]);
  QVERIFY(!enabled[2]);  // the surcharge moved to case 3
  QVERIFY(h.window->Actions().view[6]->isEnabled());
}

void MainWindowTest::unavailableViewFallsBackToDimensions() {
  WindowHarness h;
  const MainControls& c = h.window->Controls();
  c.optView[4]->click();
  QCOMPARE(h.window->CurrentView(), std::optional<ViewKind>(ViewKind::Water));
  QVERIFY(h.window->Actions().view[4]->isChecked());

  c.check1->click();  // no water left, no water line loads
  h.window->RefreshNow();
  QCOMPARE(h.window->CurrentView(), std::optional<ViewKind>(ViewKind::Dimensions));
  QVERIFY(c.optView[0]->isChecked());
  QVERIFY(!c.optView[4]->isChecked());
  QVERIFY(!c.optView[4]->isEnabled());
  QVERIFY(h.window->Actions().view[0]->isChecked());
  QVERIFY(!h.window->Actions().view[4]->isChecked());
}

void MainWindowTest::viewMenuOfSelectedViewOnlyClearsButton() {
  WindowHarness h;
  const MainControls& c = h.window->Controls();
  QVERIFY(!h.window->CurrentView().has_value());  // the wall only, at the start
  QCOMPARE(c.viewGroup->checkedButton(), nullptr);

  QAction* soil = h.window->Actions().view[3];
  soil->trigger();
  QCOMPARE(h.window->CurrentView(), std::optional<ViewKind>(ViewKind::Soil));
  QVERIFY(c.optView[3]->isChecked());
  QVERIFY(soil->isChecked());

  soil->trigger();
  QVERIFY(!c.optView[3]->isChecked());
  QCOMPARE(h.window->CurrentView(), std::optional<ViewKind>(ViewKind::Soil));
  QVERIFY(soil->isChecked());
}

void MainWindowTest::unitChangeConvertsAndRecomputes() {
  WindowHarness h;
  QComboBox* combo = h.window->Controls().combo1;
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  QCOMPARE(h.project.unitSystem, kSI);
  QCOMPARE(h.project.stemTopWidth, 0.83f);
  QCOMPARE(h.project.concreteUnitWeight, 23.54f);
  QVERIFY(h.window->Actions().unit[1]->isChecked());
  QVERIFY(!h.window->Actions().unit[0]->isChecked());

  h.window->Actions().unit[2]->trigger();  // the menu entry sets the selector
  QCOMPARE(combo->currentIndex(), 2);
  QCOMPARE(h.project.unitSystem, kBritish);
  QCOMPARE(h.project.stemTopWidth, 2.72f);
  h.window->RefreshNow();
  // The analysis ran again in the new system.
  QCOMPARE(h.results.stability.baseWidthUsed, h.project.baseWidth);
  QCOMPARE(h.window->Controls().label6->text().toStdString(),
           StabilityVerdictText(h.results.stability).detail);

  const ProjectData before = h.project;
  h.window->Actions().unit[2]->trigger();  // the system in force converts nothing
  QVERIFY(h.project == before);
  QVERIFY(h.window->Actions().unit[2]->isChecked());
}

void MainWindowTest::runTimeFaultIsShownAndProgramGoesOn() {
  WindowHarness h;
  ProjectData p = h.project;
  p.backfillFrictionAngle = 0;  // no slope can stand on frictionless backfill
  Replace(h, p);
  QCOMPARE(h.prompts.warnings.size(), 1);
  QCOMPARE(h.prompts.warnings.front(), QString::fromUtf8(kZeroFrictionSlopeError));
  QCOMPARE(h.window->Controls().label5->text(), QStringLiteral("NOT STABLE"));

  // The window still works: fixing the input gives a verdict again.
  h.window->Controls().check3->click();
  h.window->RefreshNow();
  QCOMPARE(h.prompts.warnings.size(), 2);
  p.backfillFrictionAngle = 30;
  Replace(h, p);
  QCOMPARE(h.prompts.warnings.size(), 2);
  QCOMPARE(h.window->Controls().label5->text(), QStringLiteral("STABLE"));
}

void MainWindowTest::notStableMessageOnceForReactionsView() {
  WindowHarness h;
  Replace(h, OverturnedWall());
  h.window->SelectView(ViewKind::Reactions);
  h.window->RefreshNow();
  QCOMPARE(h.prompts.warnings, QStringList{QStringLiteral("The structure is not stable.")});
  h.window->resize(h.window->width() + 40, h.window->height() + 30);
  QApplication::processEvents();
  QCOMPARE(h.prompts.warnings.size(), 1);  // a plain resize does not repeat it
  h.window->SelectView(ViewKind::Restraints);
  h.window->RefreshNow();
  QCOMPARE(h.prompts.warnings.back(),
           QStringLiteral("The structure is not stable.  Can't define base friction and cohesion restraints"));
}

void MainWindowTest::calculateStabilityRedrawsAfterSlopeRule() {
  WindowHarness h;
  int shown = 0;
  h.window->SetStabilityDialog([&shown](QWidget*) { ++shown; });
  h.window->Controls().command4->click();
  QCOMPARE(shown, 1);
  QVERIFY(h.prompts.warnings.isEmpty());

  // 45 degrees on earth of 30 degrees: both slope rules flatten it, each saying so once; the
  // redraw that follows finds nothing more to flatten.
  h.document.Apply(QStringLiteral("backfill slope"), [](ProjectData& p) { p.backfillSlope = 1.0f; });
  const int analyses = h.window->AnalysisCount();
  h.window->Actions().calculateStability->trigger();
  QCOMPARE(shown, 2);
  QCOMPARE(h.prompts.warnings,
           (QStringList{QString::fromUtf8(kSlopeRule1Message), QString::fromUtf8(kSlopeRule2Message)}));
  QVERIFY(h.project.backfillSlope > 1.0f);
  QCOMPARE(h.document.UndoName(), QStringLiteral("Backfill slope adjusted"));
  QCOMPARE(h.window->AnalysisCount(), analyses + 2);  // the steep slope, then the flattened one
  QCOMPARE(h.window->Controls().label6->text().toStdString(), StabilityVerdictText(h.results.stability).detail);
}

void MainWindowTest::menusStartFromTheProject() {
  WindowHarness h;
  const MainActions& a = h.window->Actions();
  QVERIFY(a.optionWater->isChecked() && a.optionSeismic->isChecked() && !a.optionKey->isChecked());
  QVERIFY(a.unit[0]->isChecked());
  // Nothing recent yet: the list and its separator are hidden.
  QVERIFY(!a.fileRecentSeparator->isVisible());
  for (int i = 1; i <= 4; ++i) QVERIFY(!a.fileRecent[i]->isVisible());
  QCOMPARE(h.window->windowTitle(), QStringLiteral("Kelvadrome "));
}

void MainWindowTest::toolBarLooks() {
  WindowHarness h;
  const ToolStrip& tools = h.window->Tools();
  ToolPanel* stability = tools.tools[6];
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(stability, &enter);
  QCOMPARE(stability->CurrentLook(), ToolPanel::Look::Raised);
  QTest::mousePress(stability, Qt::LeftButton);
  QCOMPARE(stability->CurrentLook(), ToolPanel::Look::Sunk);
  QTest::mouseMove(h.window->Controls().text1);
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(h.window->Controls().panel3D2, &move);
  QCOMPARE(stability->CurrentLook(), ToolPanel::Look::Flat);

  // A button whose command is not there yet does nothing.
  ToolPanel* loads = tools.tools[4];
  QVERIFY(!loads->isEnabled());
  QApplication::sendEvent(loads, &enter);
  QCOMPARE(loads->CurrentLook(), ToolPanel::Look::Flat);

  // The New button runs File New: an edited project is asked about.
  QTest::keyClicks(h.window->Controls().text1, QStringLiteral("x"));
  QTest::mouseClick(tools.tools[0], Qt::LeftButton);
  QCOMPARE(h.prompts.saveQuestions, 1);
}

void MainWindowTest::layoutKeepsOrderAndMinimumSize() {
  WindowHarness h;
  const TwipsScale scale = TwipsScale::ForScreen(h.window->screen());
  // The smallest size counts the window frame, as the classic window's size does.
  const QSize frame = h.window->frameGeometry().size() - h.window->geometry().size();
  QCOMPARE(h.window->minimumSize() + frame, QSize(scale.Px(kMinWindowWidthTwips), scale.Px(kMinWindowHeightTwips)));
  h.window->resize(100, 100);
  QApplication::processEvents();
  QCOMPARE(h.window->frameGeometry().size(), QSize(scale.Px(kMinWindowWidthTwips), scale.Px(kMinWindowHeightTwips)));

  for (const QSize size : {QSize(1200, 800), QSize(700, 560)}) {
    h.window->resize(size);
    QApplication::processEvents();
    const MainControls& c = h.window->Controls();
    const QWidget* client = h.window->centralWidget();
    QVERIFY(c.panel3D2->geometry().bottom() < c.panel3D1->geometry().top());
    QVERIFY(c.panel3D1->geometry().bottom() < c.panel3D3->geometry().top());
    QVERIFY(c.panel3D3->geometry().bottom() < client->height());
    QVERIFY(c.panel3D1->height() > 0);
    int previousRight = -1;
    for (QPushButton* b : {c.command2, c.command3, c.command6, c.command4, c.command5}) {
      QVERIFY(b->geometry().left() > previousRight);
      QVERIFY(std::abs(b->width() - c.command2->width()) <= 1);
      previousRight = b->geometry().right();
    }
    QVERIFY(c.command5->geometry().right() <= c.panel3D2->geometry().right() + 1);
    QVERIFY(c.combo1->geometry().left() > c.panel3D2->geometry().right());
    QVERIFY(c.check3->geometry().bottom() < client->height());
    QCOMPARE(c.picture1->parentWidget(), c.panel3D1);
    QVERIFY(c.picture1->width() > 0 && c.picture1->height() > 0);
  }
}

void MainWindowTest::helpWindowFollowsContext() {
  WindowHarness h;
  h.window->Actions().helpContents->trigger();
  auto* help = h.window->findChild<HelpWindow*>();
  QVERIFY(help != nullptr);
  QVERIFY(help->isVisible());
  QVERIFY(help->Browser()->source().toString().endsWith(QStringLiteral("index.html")));
  QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Kelvadrome")));
  QCOMPARE(HelpPageOfContext(100), QStringLiteral("index.html"));

  // F1 in an open menu opens that menu's page.
  auto* file = const_cast<QMenu*>(TopMenu(*h.window, "mnuFile"));
  file->popup(QPoint(0, 0));
  QTest::keyClick(file, Qt::Key_F1);
  QVERIFY(!file->isVisible());
  QVERIFY(help->Browser()->source().toString().endsWith(QStringLiteral("files.html")));
}

void MainWindowTest::aboutWindowShowsItsLicenceUncut() {
  WindowHarness h;
  frmAbout about(h.window.get());
  const auto* licence = about.findChild<QLabel*>(QStringLiteral("lblLicence"));
  QVERIFY(licence != nullptr);
  QVERIFY(licence->text().contains(QStringLiteral("GPL-3.0-or-later")));
  // The fixed size is taken after every text is laid out: none is cut off.
  about.show();
  QVERIFY(about.rect().contains(licence->geometry()));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
