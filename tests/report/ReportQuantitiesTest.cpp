// SPDX-License-Identifier: GPL-3.0-or-later
// The Quantities section read back from real PDF files: printed after the concrete sections or
// alone (it then runs the design itself), with the values of the design's bars, and left out for
// a wall the factored loads overturn.
#include <QtTest>

#include "ReportTestSupport.h"
#include "engine/Quantities.h"
#include "engine/QuantityLines.h"
#include "format/NumberFormat.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

class ReportQuantitiesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void printedAloneAndAfterTheConcreteSections() {
    for (const bool withConcrete : {false, true}) {
      ReportFixture fixture;
      fixture.project.prices.steelPrice = 2.5f;
      ReportSelection selection;
      selection.quantities = true;
      selection.concrete = withConcrete;
      ReportJob job = fixture.Job(selection);
      const QStringList pages = PdfPages(PrintToPdf(job, dir_, QStringLiteral("quantities.pdf")), true);
      QCOMPARE(pages.size(), withConcrete ? 3 : 1);
      const QString& text = pages.constLast();
      QVERIFY(text.contains(QStringLiteral("Quantities")));
      // The quantities of the wall with the bars its design chose.
      const DesignRun run = fixture.Design();
      QVERIFY(run.design.completed);
      const ProjectData designed = WithFindings(fixture.project, run);
      for (const QuantityLine& line : QuantityLines(ComputeQuantities(designed, run.results), kMetric)) {
        QVERIFY2(text.contains(QString::fromStdString(FormatNumber(line.value, "#0.#0"))), line.caption.c_str());
      }
      QVERIFY(text.contains(QStringLiteral("2.50")));  // the steel price
    }
  }

  void leftOutForAWallTheFactoredLoadsOverturn() {
    ReportFixture fixture;
    fixture.project.lineLoadCount = 1;
    fixture.project.lineLoads[1] = LineLoad{500.0f, 3.0f, 10.0f, 270.0f, LoadCase::dead};
    ReportSelection selection;
    selection.properties = true;
    selection.quantities = true;
    ReportJob job = fixture.Job(selection);
    QCOMPARE(static_cast<int>(PlanReport(job).size()), 1);
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(ReportQuantitiesTest)
#include "ReportQuantitiesTest.moc"
