// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser window: a run fills the table of ten walls and draws the selected one, Apply
// hands back that wall as "optimise" through the main window's undo, Cancel stops a slow
// run at once and keeps what was found, and boxes without a valid number stop the start.
#include <QElapsedTimer>
#include <QTableWidget>

#include "engine/Optimiser.h"
#include "ui/editors/EditorWiring.h"
#include "ui/main/ConcreteCommand.h"
#include "ui/main/MainControls.h"
#include "ui/main/OptimiserWindow.h"
#include "MainWindowTestSupport.h"

using namespace kelvadrome;

namespace {

struct Change {
  QString description;
  ProjectData project;
};

// The default wall with a quick search: heel and shear key only.
ProjectData QuickSearch() {
  ProjectData p = test::DefaultProject();
  for (OptimiserVariable& v : p.optimiserVariables) v.vary = false;
  p.optimiserVariables[0] = {true, 3.5f, 3.5f};  // a toe on which the base bears the wall
  p.optimiserVariables[1] = {true, 10.0f, 11.5f};
  p.optimiserVariables[7] = {true, 1.5f, 2.0f};
  return p;
}

}  // namespace

class OptimiserWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // Boxes without a valid number stop the start; changed settings are stored with the run, once;
  // the run fills the table and Apply hands back the selected wall.
  void runFillsTheTableAndApplyHandsBackTheSelectedWall() {
    int beeps = 0;
    std::vector<Change> changes;
    frmOptimise window(QuickSearch(), nullptr, [&] { ++beeps; },
                       [&](const QString& d, const ProjectData& q) { changes.push_back({d, q}); });
    window.show();
    window.MinimumBox(1)->setText(QStringLiteral("x"));
    QVERIFY(!window.StartRun());
    QCOMPARE(window.Status()->text(), QStringLiteral("Enter a number of 0 or more."));
    window.MinimumBox(1)->setText(QStringLiteral("12"));
    QVERIFY(!window.StartRun());
    QCOMPARE(window.Status()->text(), QStringLiteral("The minimum of Heel length is above its maximum."));
    QCOMPARE(beeps, 2);
    QVERIFY(changes.empty());

    window.MinimumBox(1)->setText(QStringLiteral("10.5"));
    window.PriceBox(2)->setText(QStringLiteral("2"));
    QVERIFY(window.StartRun());
    window.WaitForRun();
    QCOMPARE(changes.size(), std::size_t(1));
    QCOMPARE(changes[0].description, QStringLiteral("optimiser settings"));
    QCOMPARE(changes[0].project.optimiserVariables[1].minimum, 10.5f);
    QCOMPARE(changes[0].project.prices.steelPrice, 2.0f);

    QVERIFY(window.Result().has_value());
    const OptimiserResult& r = *window.Result();
    QCOMPARE(r.walls.size(), std::size_t(10));
    QCOMPARE(window.Table()->item(0, kOptimisedDimensionCount)->text(),
             QString::number(r.walls[0].evaluation.quantities.cost, 'f', 2));
    window.Table()->selectRow(2);
    window.ApplyButton()->click();
    QCOMPARE(changes.size(), std::size_t(2));
    QCOMPARE(changes[1].description, QStringLiteral("optimise"));
    QCOMPARE(changes[1].project.heelLength, r.walls[2].dimensions[1]);
    QCOMPARE(changes[1].project.shearKeyOption, true);
    QCOMPARE(beeps, 2);
  }

  void cancelStopsASlowRunAndKeepsTheBestSoFar() {
    ProjectData p = QuickSearch();
    p.optimiserTargets.globalCheck = true;  // the slow check: the run lasts
    std::vector<Change> changes;
    frmOptimise window(p, nullptr, [] {}, [&](const QString& d, const ProjectData& q) { changes.push_back({d, q}); });
    QVERIFY(window.StartRun());
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 400) {
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QVERIFY(window.IsRunning());
    QElapsedTimer stopping;
    stopping.start();
    window.CancelButton()->click();
    window.WaitForRun();
    QVERIFY2(stopping.elapsed() < 500, qPrintable(QString::number(stopping.elapsed())));
    QVERIFY(window.Result()->cancelled);
    QVERIFY(window.Status()->text().contains(QStringLiteral("Cancelled")));
    QVERIFY(changes.empty());
  }

  void menuCommandAppliesAsOneUndoStep() {
    test::WindowHarness h;
    InstallProjectUndo(*h.window);
    ConnectResultCommands(*h.window, h.session.fonts);
    h.Replace(QuickSearch());
    const ProjectData before = h.project;
    QTimer::singleShot(0, [] {
      auto* window = qobject_cast<frmOptimise*>(QApplication::activeModalWidget());
      QVERIFY(window != nullptr);
      QVERIFY(window->StartRun());
      window->WaitForRun();
      // A search that found nothing leaves Apply disabled: close the window so the test fails
      // on its checks instead of waiting for ever.
      if (!window->ApplyButton()->isEnabled()) static_cast<QDialog*>(window)->reject();
      window->ApplyButton()->click();
    });
    h.window->Actions().calculateOptimise->trigger();
    h.window->RefreshNow();
    QVERIFY(h.project.heelLength != before.heelLength || h.project.shearKeyDepth != before.shearKeyDepth);
    QVERIFY(h.window->Controls().check3->isChecked());
    QCOMPARE(h.window->Actions().editUndo->text(), QStringLiteral("&Undo optimise"));
    h.window->Actions().editUndo->trigger();
    QVERIFY(h.project == before);
    QCOMPARE(h.window->Actions().editUndo->text(), QStringLiteral("&Undo"));
  }

};

QTEST_MAIN(OptimiserWindowTest)
#include "OptimiserWindowTest.moc"
