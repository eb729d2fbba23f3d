// SPDX-License-Identifier: GPL-3.0-or-later
// The stability window: its texts for a stable wall and for a wall that is not stable.

#include "EditorTestSupport.h"
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
    ProjectData project = test::DefaultProject();
    const AnalysisResults results = Analyse(project);
    QVERIFY(results.stability.wallStable);
    const GlobalStabilityResults global = ComputeGlobalStability(project, results);
    QVERIFY(global.HasCircle());
    frmStability dialog(results.stability, global, project.unitSystem);
    for (const char* name : kStableOnly)
      QVERIFY2(TextOf(dialog, name) != "N/A" && !TextOf(dialog, name).startsWith("<missing"), name);
    // The default wall's deep circle is critical (F below 1.5): its value and its note.
    QCOMPARE(TextOf(dialog, "lblGlobal0"), QString::fromStdString(FormatNumber(global.safetyFactor, "#0.#0")));
    QVERIFY(TextOf(dialog, "lblNote").endsWith(QString::fromUtf8("»The global stability safety factor is less than 1.5.")));

    // Without an admissible circle the value reads N/A and no note is given.
    GlobalStabilityResults none;
    none.status = GlobalStabilityResults::Status::noCircle;
    frmStability withoutCircle(results.stability, none, project.unitSystem);
    QCOMPARE(TextOf(withoutCircle, "lblGlobal0"), QStringLiteral("N/A"));
    QVERIFY(!TextOf(withoutCircle, "lblNote").contains("global"));

    // The default wall's bearing factor is far below 1.
    QVERIFY(TextOf(dialog, "lblNote").contains(QStringLiteral("The bearing safety factor is less than unity.")));
  }

  void unstableWallShowsNotApplicable() {
    ProjectData project = test::PushedOver(test::DefaultProject());
    const AnalysisResults results = Analyse(project);
    QVERIFY(!results.stability.wallStable);
    // A factor from an earlier, stable state is neither shown nor noted.
    GlobalStabilityResults earlier;
    earlier.status = GlobalStabilityResults::Status::found;
    earlier.safetyFactor = 0.8f;
    frmStability dialog(results.stability, earlier, project.unitSystem);
    for (const char* name : kStableOnly) QCOMPARE(TextOf(dialog, name), QStringLiteral("N/A"));
    QVERIFY(TextOf(dialog, "lblForce0") != "N/A" && TextOf(dialog, "lblExcen0") != "N/A");
    QVERIFY(TextOf(dialog, "lblNote").contains(
        QString::fromUtf8("»The structure is not stable therefore the base and sliding are not applicable.")));
    QVERIFY(!TextOf(dialog, "lblNote").contains("global"));
  }

};

QTEST_MAIN(StabilityDialogTest)
#include "StabilityDialogTest.moc"
