// SPDX-License-Identifier: GPL-3.0-or-later
// What the golden files' full reports do not show: sections dropped for a wall that is not
// stable, the Quantities section printed alone (it then runs the design itself), and the
// calculator's one-page printout; read back from real PDF files.
#include <QtTest>

#include "ReportTestSupport.h"
#include "calculator/SoilPressureCalculator.h"
#include "engine/Quantities.h"
#include "engine/QuantityLines.h"
#include "format/NumberFormat.h"
#include "report/CalculatorPrintout.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

namespace {
QString Number(double value) { return QString::fromStdString(FormatNumber(value, "#0.#0")); }
}  // namespace

class ReportSectionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void aWallThatIsNotStableKeepsOnlyItsStability() {
    ReportFixture fixture;
    fixture.project.lineLoadCount = 1;
    fixture.project.lineLoads[1] = LineLoad{500.0f, 3.0f, 10.0f, 270.0f, LoadCase::dead};
    ReportSelection selection;
    selection.stability = selection.reactions = selection.concrete = selection.quantities = true;
    ReportJob job = fixture.Job(selection);
    QCOMPARE(PlanReport(job), std::vector<ReportSection>{ReportSection::stability});
    ReportOutcome outcome;
    PrintToPdf(job, dir_, QStringLiteral("unstable.pdf"), &outcome);
    QCOMPARE(outcome.pages, 1);
    // The reactions are refused with the message; the concrete sections and quantities go silently.
    QCOMPARE(fixture.sink.messages,
             std::vector<std::string>{"The structure is not stable, printing reactions cancelled."});
  }

  void quantitiesPrintedAlone() {
    ReportFixture fixture;
    ReportSelection selection;
    selection.quantities = true;
    ReportJob job = fixture.Job(selection);
    const QStringList pages = PdfPages(PrintToPdf(job, dir_, QStringLiteral("quantities.pdf")), true);
    QCOMPARE(pages.size(), 1);
    // The quantities of the wall with the bars its design chose.
    const DesignRun run = fixture.Design();
    QVERIFY(run.design.completed);
    const ProjectData designed = WithFindings(fixture.project, run);
    for (const QuantityLine& line : QuantityLines(ComputeQuantities(designed, run.results), kMetric)) {
      QVERIFY2(pages[0].contains(Number(line.value)), line.caption.c_str());
    }
  }

  void calculatorPrintsOnePage() {
    ReportFixture fixture;
    const CalculatorInputs inputs = CalculatorInitialValues(fixture.project);
    const CalculatorResults results = ComputeSoilPressure(inputs, fixture.sink);
    const QString path = dir_.filePath(QStringLiteral("calculator.pdf"));
    QVERIFY(PrintCalculatorPage(*PdfPrinter(path), fixture.project, inputs, results, ReportFonts{}));
    const QStringList pages = PdfPages(path, true);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].contains(Number(results.cases[kCaseR].F)));
    QVERIFY(pages[0].contains(Number(results.waterForce)));
    // The seismic columns give both ordinates at the water table.
    const CalculatorCaseResult& seismic = results.cases[kCaseA2];
    QVERIFY(pages[0].contains(Number(seismic.pWt) + "/" + Number(seismic.pWt2)));
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(ReportSectionsTest)
#include "ReportSectionsTest.moc"
