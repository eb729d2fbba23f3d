// SPDX-License-Identifier: GPL-3.0-or-later
// The stability window: its texts for a stable wall and for a wall that is not stable, and its
// place over the main window.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "engine/GlobalStability.h"
#include "engine/Analysis.h"
#include "format/NumberFormat.h"
#include "model/ProjectData.h"
#include "ui/main/StabilityDialog.h"

using namespace kelvadrome;

namespace {

QString TextOf(const frmStability& dialog, const QString& name) {
  const auto* label = dialog.findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

// The labels that need a stable wall to mean anything.
const char* const kStableOnly[] = {"lblPress0", "lblPress1", "lblPress2", "lblPress3",
                                   "lblSlide0", "lblSlide1", "lblSlide2", "lblOverturn0",
                                   "lblBearing0", "lblBearing1", "lblBearing2", "lblGlobal0"};

AnalysisResults Analyse(ProjectData& project) {
  const ServiceAnalysis run = AnalyseService(project);
  project = WithFindings(std::move(project), run);
  return run.results;
}

}  // namespace

class StabilityDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void stableWallShowsEveryValue() {
    ProjectData project;
    SetDefaults(project);
    const AnalysisResults results = Analyse(project);
    QVERIFY(results.stability.wallStable);
    const GlobalStabilityResults global = ComputeGlobalStability(project, results);
    QVERIFY(global.HasCircle());
    frmStability dialog(results.stability, global, project.unitSystem);
    for (const char* name : kStableOnly) {
      QVERIFY2(TextOf(dialog, name) != "N/A" && !TextOf(dialog, name).startsWith("<missing"), name);
    }
    QVERIFY(TextOf(dialog, "lblExcen2").contains("7.20/6 = 1.20, "));
    QVERIFY(TextOf(dialog, "lblExcen2").endsWith("7.20/3 = 2.40"));
    QVERIFY(TextOf(dialog, "lblNote").startsWith(QString::fromUtf8("»Per 1 m of wall length.")));
    QVERIFY(!TextOf(dialog, "lblNote").contains("not stable"));
    // The default wall's deep circle is critical (F below 1.5): its value and its note.
    QCOMPARE(TextOf(dialog, "lblGlobal0"), QString::fromStdString(FormatNumber(global.safetyFactor, "#0.#0")));
    QVERIFY(TextOf(dialog, "lblNote").endsWith(QString::fromUtf8("»The global stability safety factor is less than 1.5.")));

    // Without an admissible circle the value reads N/A and no note is given.
    GlobalStabilityResults none;
    none.status = GlobalStabilityResults::Status::noCircle;
    frmStability withoutCircle(results.stability, none, project.unitSystem);
    QCOMPARE(TextOf(withoutCircle, "lblGlobal0"), QStringLiteral("N/A"));
    QVERIFY(!TextOf(withoutCircle, "lblNote").contains("global"));

    // The bearing group sits under the eccentricities, beside the base pressures, with the
    // units of its neighbours; the default wall's bearing factor is far below 1.
    QCOMPARE(TextOf(dialog, "lblUnitBearing0"), QStringLiteral("m"));
    QCOMPARE(TextOf(dialog, "lblUnitBearing1"), TextOf(dialog, "lblUnitPress0"));
    dialog.adjustSize();
    QVERIFY(dialog.findChild<QLabel*>("lblBearing0")->x() < dialog.findChild<QLabel*>("lblPress0")->x());
    QVERIFY(dialog.findChild<QLabel*>("lblBearing0")->y() > dialog.findChild<QLabel*>("lblExcen2")->y());
    QVERIFY(TextOf(dialog, "lblNote").contains(QStringLiteral("The bearing safety factor is less than unity.")));
  }

  void unstableWallShowsNotApplicable() {
    ProjectData project;
    SetDefaults(project);
    project.lineLoadCount = 1;
    project.lineLoads[1] = LineLoad{500.0f, 2.5f, 10.0f, 270.0f, LoadCase::dead};
    const AnalysisResults results = Analyse(project);
    QVERIFY(!results.stability.wallStable);
    // A factor from an earlier, stable state is neither shown nor noted.
    GlobalStabilityResults earlier;
    earlier.status = GlobalStabilityResults::Status::found;
    earlier.safetyFactor = 0.8f;
    frmStability dialog(results.stability, earlier, project.unitSystem);
    for (const char* name : kStableOnly) {
      QCOMPARE(TextOf(dialog, name), QStringLiteral("N/A"));
    }
    QVERIFY(TextOf(dialog, "lblForce0") != "N/A");
    QVERIFY(TextOf(dialog, "lblExcen0") != "N/A");
    QVERIFY(TextOf(dialog, "lblNote").contains(
        QString::fromUtf8("»The structure is not stable therefore the base and sliding are not applicable.")));
    QVERIFY(!TextOf(dialog, "lblNote").contains("global"));
  }

  void centredOverTheMainWindow() {
    QCOMPARE(frmStability::CentredOver(QRect(100, 100, 800, 600), QSize(300, 200)), QPoint(350, 300));
    QCOMPARE(frmStability::CentredOver(QRect(0, 0, 200, 100), QSize(300, 200)), QPoint(0, 0));

    QWidget main;
    main.setGeometry(200, 150, 1000, 800);
    main.show();
    StabilityResults s;
    frmStability dialog(s, {}, kMetric, &main);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.pos(), frmStability::CentredOver(main.frameGeometry(), dialog.frameGeometry().size()));
    QVERIFY(dialog.pos().x() > 200 && dialog.pos().y() > 150);
  }

  void okCloses() {
    StabilityResults s;
    frmStability dialog(s, {}, kMetric);
    dialog.show();
    auto* ok = dialog.findChild<QPushButton*>("Command1");
    QVERIFY(ok != nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
  }
};

QTEST_MAIN(StabilityDialogTest)
#include "StabilityDialogTest.moc"
