// SPDX-License-Identifier: GPL-3.0-or-later
// The Stability section of a stable and of an unstable wall, the Reactions section that only a
// stable wall gets, and the Global stability section after it, read back from real PDF files.
#include <QtTest>

#include "ReportTestSupport.h"
#include "engine/Stability.h"
#include "engine/StabilityTexts.h"
#include "format/NumberFormat.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {

ReportSelection StabilityOnly() {
  ReportSelection selection;
  selection.stability = true;
  return selection;
}

// A wall pushed over by a large line load towards the toe at its top.
void MakeUnstable(ProjectData& project) {
  project.lineLoadCount = 1;
  project.lineLoads[1] = LineLoad{500.0f, 3.0f, 10.0f, 270.0f, LoadCase::dead};
}

}  // namespace

class ReportStabilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void stableWall() {
    ReportFixture fixture;
    ReportJob job = fixture.Job(StabilityOnly());
    const QString text = PdfPages(PrintToPdf(job, dir_, QStringLiteral("stable.pdf")), true).constFirst();
    const AnalysisResults results = fixture.Service();
    QVERIFY(results.stability.wallStable);
    QVERIFY(!text.contains(QStringLiteral("N/A")));
    // Every value line of the engine's texts is printed with its value.
    for (const StabilityGroup& group :
         StabilityGroups(results.stability, fixture.project.unitSystem, StabilityTextStyle::report)) {
      QVERIFY2(text.contains(QString::fromStdString(group.caption)), group.caption.c_str());
      for (const StabilityLine& line : group.lines) {
        QVERIFY2(text.contains(QString::fromStdString(line.value)), line.value.c_str());
      }
    }
    QVERIFY(text.contains(QStringLiteral("»Per 1 m of wall length.")));
    QVERIFY(text.contains(QStringLiteral("»The bearing safety factor is less than unity.")));
    QVERIFY(!text.contains(QStringLiteral("not stable")));
    QVERIFY(fixture.sink.messages.empty());
  }

  void unstableWall() {
    ReportFixture fixture;
    MakeUnstable(fixture.project);
    ReportSelection selection = StabilityOnly();
    selection.reactions = true;
    selection.concrete = true;
    ReportJob job = fixture.Job(selection);
    // Reactions and the concrete sections drop out: one section on one page.
    QCOMPARE(static_cast<int>(PlanReport(job).size()), 1);
    ReportOutcome outcome;
    const QStringList pages = PdfPages(PrintToPdf(job, dir_, QStringLiteral("unstable.pdf"), &outcome), true);
    QCOMPARE(outcome.pages, 1);
    QVERIFY(!fixture.Service().stability.wallStable);
    const QString& text = pages.constFirst();
    // The forces and eccentricities are shown; the seven base and sliding values and the three
    // bearing values are not.
    QCOMPARE(text.count(QStringLiteral("N/A")), 10);
    QVERIFY(text.contains(QStringLiteral("Horizontal force")));
    QVERIFY(text.simplified().contains(QStringLiteral(
        "»The structure is not stable therefore the base, sliding and anchor values are not applicable.")));
    QVERIFY(!text.contains(QStringLiteral("Reactions, restraints")));
    // The reactions are refused with the message; the concrete sections go silently.
    QCOMPARE(fixture.sink.messages,
             std::vector<std::string>{"The structure is not stable, printing reactions cancelled."});
  }

  void reactionsOfStableWall() {
    ReportFixture fixture;
    ReportSelection selection;
    selection.reactions = true;
    ReportJob job = fixture.Job(selection);
    const QString text = PdfPages(PrintToPdf(job, dir_, QStringLiteral("reactions.pdf"))).constFirst();
    QVERIFY(text.contains(QStringLiteral("Reactions, restraints")));
    const AnalysisResults results = fixture.Service();
    const StabilityResults& s = results.stability;
    QVERIFY(text.contains(QString::fromStdString(FormatNumber(s.toePressure, "#0.#0"))));
    QVERIFY(text.contains(
        QString::fromStdString(FormatNumber(double(s.baseFriction) + s.baseCohesionResistance, "#0.#0"))));
    QVERIFY(text.contains(QStringLiteral("Distributed loads in T/m²")));
    QVERIFY(fixture.sink.messages.empty());
  }

  void globalStabilityFollowsTheReactions() {
    ReportFixture fixture;
    ReportSelection selection;
    selection.global = true;
    selection.reactions = true;
    ReportJob job = fixture.Job(selection);
    QCOMPARE(PlanReport(job), (std::vector<ReportSection>{ReportSection::reactions, ReportSection::global}));
    const QString text = PdfPages(PrintToPdf(job, dir_, QStringLiteral("global.pdf"))).constFirst().simplified();
    const qsizetype reactions = text.indexOf(QStringLiteral("Reactions, restraints"));
    QVERIFY(reactions >= 0 && text.indexOf(QStringLiteral("Global stability")) > reactions);
    QVERIFY(fixture.sink.messages.empty());
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(ReportStabilityTest)
#include "ReportStabilityTest.moc"
