// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report checked on real PDF files: page turning, footers and margins, and what the
// golden files' full reports do not show: sections dropped for a wall that is not stable, the
// Quantities section printed alone (it then runs the design itself), and the calculator's page.
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <tuple>

#include "calculator/SoilPressureCalculator.h"
#include "engine/Analysis.h"
#include "engine/MessageSink.h"
#include "engine/Quantities.h"
#include "engine/QuantityLines.h"
#include "format/NumberFormat.h"
#include "report/CalculatorPrintout.h"
#include "report/PageFooter.h"
#include "report/ReportJob.h"
#include "report/ReportSheet.h"

using namespace kelvadrome;

namespace {
// A project with everything the printing run needs beside it.
struct ReportFixture {
  ProjectData project;
  RecordingSink sink;

  ReportFixture() { SetDefaults(project, "Arial"); }

  [[nodiscard]] ReportJob Job(const ReportSelection& selection) {
    return ReportJob{project, sink, selection, ReportFonts{}, FooterContext{}, {}};
  }
};

// A PDF printer writing to path: A4, high resolution, as the program sets it up.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  PrepareReportPrinter(*printer);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

// What pdftotext writes for the file with the options given, page by page; nothing when it could not run.
QStringList PdfPages(const QString& path, const QStringList& options = {}) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QChar(u'\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

ReportOutcome PrintToPdf(ReportJob& job, const QString& path) { return PrintReport(*PdfPrinter(path), job); }

// The system locale is read once, when the application starts: an English one, whose short time
// format is "9:05 PM", must not reach the footer.
const bool kEnglishSystemLocale = [] { return qputenv("LC_ALL", "en_US.UTF-8"); }();

QString Number(double value) { return QString::fromStdString(FormatNumber(value, "#0.#0")); }
}  // namespace

class ReportPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void pageCounts() {
    // Two sections share a sheet.
    const std::tuple<ReportSelection, int, int> cases[]{{{.loads = true}, 1, 1},
                                                       {{.dimensions = true, .loads = true}, 1, 2},
                                                       {{.dimensions = true, .loads = true, .properties = true}, 2, 3},
                                                       {ReportSelection::All(), 6, 11}};
    for (const auto& [selection, pages, sections] : cases) {
      ReportFixture fixture;
      ReportJob job = fixture.Job(selection);
      QCOMPARE(static_cast<int>(PlanReport(job).size()), sections);
      const QString path = dir_.filePath(QStringLiteral("count.pdf"));
      QCOMPARE(PrintToPdf(job, path).pages, pages);
      const QStringList text = PdfPages(path);
      QCOMPARE(text.size(), pages);
      // Every page carries its footer, the last one too when only its upper half is used.
      for (int page = 1; page <= pages; ++page) {
        QVERIFY2(text[page - 1].contains(QStringLiteral("Page %1").arg(page)), qPrintable(text[page - 1]));
      }
    }
  }

  void footerTokensAndTime() {
    FooterContext context{.pageNumber = 2};
    // Without a counted total the pages token disappears.
    for (const auto& [text, expanded] : {std::pair{"&input", "[Unnamed]"}, {"&Pages", "2s"}, {"&&Page", "&2"},
                                         {"&X & a&", "&X & a&"}, {"of &NPages.", "of ."}}) {
      QCOMPARE(ExpandFooterTokens(QString::fromUtf8(text), context), QString::fromUtf8(expanded));
    }
    context.totalPages = 5;
    QCOMPARE(ExpandFooterTokens(QStringLiteral("of &npages."), context), QStringLiteral("of 5."));
    // The time has its seconds whatever the locale.
    QVERIFY(kEnglishSystemLocale);
    QCOMPARE(FooterContextAt(QDateTime(QDate(2024, 1, 1), QTime(21, 5, 7)), {}).time, QStringLiteral("21:05:07"));
    QCOMPARE(FooterTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
  }

  void overWideFooterIsCut() {
    ReportFixture fixture;
    const QString longText = QStringLiteral("Kelvadrome footer text ").repeated(20);
    auto& texts = fixture.project.headerFooterTexts;
    texts[1] = longText.toStdString();
    texts[2] = texts[3] = "";
    ReportJob job = fixture.Job({.properties = true});
    const QString path = dir_.filePath(QStringLiteral("wide.pdf"));
    PrintToPdf(job, path);
    const QString footer = PdfPages(path).constFirst().trimmed().split(u'\n').constLast().simplified();
    QVERIFY2(footer.size() >= 22 && footer.size() < longText.simplified().size() && longText.startsWith(footer),
             qPrintable(footer));
    // The cut text still lies inside the page: its right end is left of the paper's edge.
    const QString bbox = PdfPages(path, {QStringLiteral("-bbox")}).join(QString());
    static const QRegularExpression kWord(QStringLiteral("xMax=\"([0-9.]+)\""));
    double right = 0;
    for (auto match = kWord.globalMatch(bbox); match.hasNext();) right = std::max(right, match.next().captured(1).toDouble());
    QVERIFY2(right > 0 && right <= 595.0 - 20 / 25.4 * 72 + 1, qPrintable(QString::number(right)));
  }

  // Wider margins: the width limits the scale (110 mm of 165 mm) and the layout keeps its width in
  // report units; taller ones: the height does (177 mm of 257 mm) and the layout keeps its height.
  void largerMarginsShrinkUniformly() {
    ReportFixture fixture;
    ProjectData& p = fixture.project;
    const auto printer = PdfPrinter(dir_.filePath(QStringLiteral("margins.pdf")));
    QPainter painter(printer.get());
    ReportSheet sheet(painter, *printer, ReportFonts{});
    const std::tuple<int16_t, int16_t, float> cases[]{{25, 20, 1.0f}, {50, 20, 110.0f / 165}, {20, 60, 177.0f / 257}};
    for (const auto& [sides, topAndBottom, scale] : cases) {
      p.pageMarginA = sides;
      p.pageMarginB = sides == 25 ? 20 : sides;
      p.pageMarginC = p.pageMarginD = topAndBottom;
      BeginReport(sheet, p);
      QVERIFY2(qAbs(sheet.reportScale - scale) < 1e-3f, qPrintable(QString::number(sheet.reportScale)));
      QCOMPARE(painter.transform().m11(), painter.transform().m22());
      QVERIFY(sheet.pageWidth >= 9355 - 1 && sheet.pageHeight >= 14571 - 1);
      QVERIFY(qAbs(sheet.pageWidth - 9355) <= 1 || qAbs(sheet.pageHeight - 14571) <= 1);
    }
    painter.end();
  }

  void aWallThatIsNotStableKeepsOnlyItsStability() {
    ReportFixture fixture;
    fixture.project.lineLoadCount = 1;
    fixture.project.lineLoads[1] = LineLoad{500.0f, 3.0f, 10.0f, 270.0f, LoadCase::dead};
    ReportJob job = fixture.Job({.stability = true, .concrete = true, .reactions = true, .quantities = true});
    QCOMPARE(PlanReport(job), std::vector<ReportSection>{ReportSection::stability});
    QCOMPARE(PrintToPdf(job, dir_.filePath(QStringLiteral("unstable.pdf"))).pages, 1);
    // The reactions are refused with the message; the concrete sections and quantities go silently.
    QCOMPARE(fixture.sink.messages,
             std::vector<std::string>{"The structure is not stable, printing reactions cancelled."});
  }

  void quantitiesPrintedAlone() {
    ReportFixture fixture;
    ReportJob job = fixture.Job({.quantities = true});
    const QString path = dir_.filePath(QStringLiteral("quantities.pdf"));
    PrintToPdf(job, path);
    const QStringList pages = PdfPages(path, {QStringLiteral("-layout")});
    QCOMPARE(pages.size(), 1);
    // The quantities of the wall with the bars its design chose.
    const DesignRun run = RunDesign(fixture.project);
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
    const QStringList pages = PdfPages(path, {QStringLiteral("-layout")});
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

QTEST_MAIN(ReportPagesTest)
#include "ReportPagesTest.moc"
