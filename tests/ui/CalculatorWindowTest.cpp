// SPDX-License-Identifier: GPL-3.0-or-later
// The soil-pressure calculator window driven through its real widgets: inputs from the project,
// results after each accepted input, refused entries, the slope rule and printing.
#include <QPrinter>

#include "calculator/SoilPressureCalculator.h"
#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "format/NumberFormat.h"
#include "model/ProjectData.h"
#include "ui/calculator/CalculatorWindow.h"
#include "ui/calculator/NumericEntry.h"
#include "ui/print/PrintCommands.h"
#include "ui/print/frmPrint.h"
#include "EditorTestSupport.h"

using namespace kelvadrome;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct Harness {
  ProjectData project = test::DefaultProject();
  RecordingSink sink;
  int beeps = 0;
  std::unique_ptr<frmCalculator> window;

  Harness() {
    window = std::make_unique<frmCalculator>(project, nullptr, &sink, [this] { ++beeps; });
    QVERIFY(test::ShowActive(*window));
  }

  // Replaces the text of box i as a user would, and presses Enter.
  void Enter(int i, const QString& text) { test::Enter(window->txtValue(i), text); }
};

// Every value label of the window against an independent computation of the same inputs.
void CompareWithEngine(const frmCalculator& w) {
  RecordingSink quiet;
  const CalculatorResults expected = ComputeSoilPressure(w.Inputs(), quiet);
  for (int c = 0; c < kCalculatorCaseCount; ++c) {
    const auto texts = CalculatorCaseTexts(expected.cases[c], IsSeismicCase(c));
    for (int row = 0; row < kCalculatorResultRows; ++row)
      QCOMPARE(w.lblCaseResult(c, row)->text(), Q(texts[row]));
  }
  QCOMPARE(w.lblResult(0)->text(), Q(FormatNumber(expected.inclination, "#0.#0")));
  QCOMPARE(w.lblResult(1)->text(), Q(FormatNumber(expected.waterPressure, "#0.#0")));
  QCOMPARE(w.lblResult(2)->text(), Q(FormatNumber(expected.waterForce, "#0.#0")));
  QCOMPARE(w.lblResult(3)->text(), Q(FormatNumber(expected.waterDepth, "#0.#0")));
}

}  // namespace

class CalculatorWindowTest : public QObject {
  Q_OBJECT
 private slots:
  // Each input in turn, as typed and as shown; the cohesion enters no formula, every other input
  // changes something shown.
  void everyInputRecomputesEverything() {
    Harness h;
    QCOMPARE(h.window->Inputs(), CalculatorInitialValues(h.project));
    const auto results = [&h] {
      return h.window->lblCaseResult(kCaseA1, 9)->text() + h.window->lblCaseResult(kCaseP2, 8)->text() +
             h.window->lblResult(0)->text() + h.window->lblResult(2)->text();
    };
    const std::tuple<int, const char*, const char*> entries[] = {
        {0, "1.8", "1.80"}, {1, "2.15", "2.15"}, {2, "1.03", "1.03"}, {3, "35", "35.00"}, {4, "0.5", "0.50"},
        {5, "20", "20.00"}, {6, "20", "20.00"},  {7, "10", "10.00"},  {8, "6.5", "6.50"}, {9, "3", "3.00"},
        {9, "0", "0.00"},   {10, "2.5", "2.50"}, {11, "0.2", "0.20"}};
    for (const auto& [index, typed, shown] : entries) {
      const QString before = results();
      h.Enter(index, QString::fromLatin1(typed));
      QCOMPARE(h.window->txtValue(index)->text(), QString::fromLatin1(shown));
      QCOMPARE(h.window->Inputs()[index], QString::fromLatin1(typed).toFloat());
      CompareWithEngine(*h.window);
      QVERIFY2((results() == before) == (index == kCalcCohesion), typed);
    }
    QCOMPARE(h.beeps, 0);
  }

  void refusedEntriesBeepAndKeepTheFocus() {
    Harness h;
    const CalculatorInputs before = h.window->Inputs();
    const QString resultBefore = h.window->lblCaseResult(kCaseA1, 8)->text();
    QLineEdit* box = h.window->txtValue(kCalcWetDensity);
    int beeps = 0;
    for (const char* typed : {"-1", "12x"}) {
      test::Enter(box, QString::fromLatin1(typed));
      QCOMPARE(h.beeps, ++beeps);
      QCOMPARE(box->text(), QString::fromLatin1(typed));
      QCOMPARE(h.window->Inputs(), before);
      QCOMPARE(h.window->lblCaseResult(kCaseA1, 8)->text(), resultBefore);
    }
    // Leaving the box does not get past the refusal either.
    h.window->txtValue(kCalcCohesion)->setFocus();
    QCOMPARE(h.beeps, 3);
    QTRY_COMPARE(QApplication::focusWidget(), box);
  }

  void slopeSteeperThanFrictionIsFlattenedWithAMessage() {
    Harness h;
    h.Enter(kCalcSoilSlope, QStringLiteral("40"));
    QCOMPARE(h.sink.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(h.sink.messages[0]), QString::fromUtf8(kCalculatorSlopeMessage));
    QCOMPARE(h.window->txtValue(kCalcSoilSlope)->text(), QStringLiteral("30.00"));
    CompareWithEngine(*h.window);
    // The adjusted slope is what is held now: another input does not raise the message again.
    h.Enter(kCalcSurcharge, QStringLiteral("2"));
    QCOMPARE(h.sink.messages.size(), std::size_t{1});
    // A slope equal to the friction angle is allowed.
    h.Enter(kCalcSoilSlope, QStringLiteral("30"));
    QCOMPARE(h.sink.messages.size(), std::size_t{1});
  }

  void seismicColumnsShowNotAvailable() {
    Harness h;
    // A seismic angle larger than the friction angle less the slope leaves no Mononobe-Okabe root.
    h.Enter(kCalcSeismicCoefficient, QStringLiteral("0.6"));
    CompareWithEngine(*h.window);
    QCOMPARE(h.window->lblCaseResult(kCaseP2, 0)->text(), QStringLiteral("N/A"));
    h.Enter(kCalcSeismicCoefficient, QStringLiteral("0"));  // and back again
    QCOMPARE(h.window->lblCaseResult(kCaseA2, 0)->text(), h.window->lblCaseResult(kCaseA1, 0)->text());
  }

  void printAsksForThePrinterThenPrintsTheShownValues() {
    Harness h;
    QVERIFY(!h.window->Command2()->isEnabled());
    bool accept = false;
    int printed = 0;
    CalculatorInputs printedInputs{};
    QString caption;
    h.window->SetPrinting({[&](QWidget*) { return accept; },
                           [&](const CalculatorInputs& in, const CalculatorResults&) {
                             ++printed;
                             printedInputs = in;
                             caption = h.window->windowTitle();
                           }});
    h.Enter(kCalcSurcharge, QStringLiteral("4"));
    QTest::mouseClick(h.window->Command2(), Qt::LeftButton);  // the printer dialog cancelled
    QCOMPARE(printed, 0);
    accept = true;
    QTest::mouseClick(h.window->Command2(), Qt::LeftButton);
    QCOMPARE(printed, 1);
    QCOMPARE(printedInputs[kCalcSurcharge], 4.0f);
    QCOMPARE(caption, QStringLiteral("Kelvadrome: Soil pressure calculator (Printing .....)"));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Kelvadrome: Soil pressure calculator"));
  }

  // A printer or file that refuses the page is told, by the calculator, the report's PDF export
  // and File > Print alike, instead of ending as if something had been printed.
  void aPrinterThatCannotPrintIsToldLikeThePdfExport() {
    Harness h;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/calculator.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    h.window->SetPrinting({[](QWidget*) { return true; },
                           [&](const CalculatorInputs& in, const CalculatorResults& out) {
                             PrintCalculatorSheet(printer, h.project, ReportFonts{}, in, out);
                           }});
    QTest::mouseClick(h.window->Command2(), Qt::LeftButton);
    QCOMPARE(h.sink.messages.size(), std::size_t{1});
    const QString told = Q(h.sink.messages[0]);
    QCOMPARE(told, QStringLiteral("The file ") + path + QStringLiteral(" cannot be written."));

    RecordingSink sink;
    ReportSelection selection;
    selection.dimensions = true;
    PrintContext context{nullptr, h.project, sink, printer, selection, ReportFonts{}, {}};
    const auto errorOf = [](const std::function<void()>& command) {
      try {
        command();
      } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
      }
      return QString();
    };
    QCOMPARE(errorOf([&] { (void)ExportReportPdf(context, path); }), told);
    // File > Print: the print dialog's Print button, then the printing window.
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    });
    QCOMPARE(errorOf([&] { (void)RunPrintCommand(context); }), told);
  }

  void parsesTypedNumbers() {
    QCOMPARE(ParseEnteredNumber(" 2.5 ").value_or(-1), 2.5);
    for (const auto& [text, value] : {std::pair{"+3", 3.0}, {"1e2", 100.0}, {".5", 0.5}})
      QCOMPARE(ParseEnteredNumber(text).value_or(-1), value);
    for (const char* text : {"+-3", "1,5", "inf", "nan", "   "}) QVERIFY2(!ParseEnteredNumber(text), text);
  }
};

QTEST_MAIN(CalculatorWindowTest)
#include "CalculatorWindowTest.moc"
