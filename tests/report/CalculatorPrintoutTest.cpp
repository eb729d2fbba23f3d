// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's printout: one page with the inputs, the five cases and the water results.
#include <QtTest>

#include "ReportTestSupport.h"
#include "calculator/SoilPressureCalculator.h"
#include "format/NumberFormat.h"
#include "report/CalculatorPrintout.h"

using namespace kelvadrome;
using namespace kelvadrome::test;

class CalculatorPrintoutTest : public QObject {
  Q_OBJECT

 private slots:
  void printsOnePage() {
    QTemporaryDir dir;
    ReportFixture fixture;
    const CalculatorInputs inputs = CalculatorInitialValues(fixture.project);
    const CalculatorResults results = ComputeSoilPressure(inputs, fixture.sink);
    const QString path = dir.filePath(QStringLiteral("calculator.pdf"));
    const auto printer = PdfPrinter(path);
    QVERIFY(PrintCalculatorPage(*printer, fixture.project, inputs, results, ReportFonts{}));
    const QStringList pages = PdfPages(path, true);
    QCOMPARE(pages.size(), 1);
    const QString& text = pages.constFirst();
    for (const char* caption : {"Calculator", "SOIL PRESSURE", "Active", "Passive", "At rest", "Seismic",
                                "- Wet density of soil (γ) =", "- Internal friction angle (φ) =",
                                "- Pressure coefficient (K) =", "- Pressure inclination (θ + δ) ="}) {
      QVERIFY2(text.contains(QString::fromUtf8(caption)), caption);
    }
    const auto has = [&text](double value, const char* pattern) {
      return text.contains(QString::fromStdString(FormatNumber(value, pattern)));
    };
    QVERIFY(has(results.cases[kCaseA1].K, "#0.##0"));
    QVERIFY(has(results.cases[kCaseR].F, "#0.#0"));
    QVERIFY(has(results.waterForce, "#0.#0"));
    // The seismic columns give both ordinates at the water table.
    const CalculatorCaseResult& seismic = results.cases[kCaseA2];
    QVERIFY(text.contains(QString::fromStdString(FormatNumber(seismic.pWt, "#0.#0") + "/" +
                                                 FormatNumber(seismic.pWt2, "#0.#0"))));
  }
};

QTEST_MAIN(CalculatorPrintoutTest)
#include "CalculatorPrintoutTest.moc"
