// Speed of the printed report: the nine sections of the default project written to a PDF file
// through the printing path of the desktop program (budget: 500 ms).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

#include "engine/AnalysisResults.h"
#include "engine/DesignResults.h"
#include "engine/MessageSink.h"
#include "engine/WallGeometry.h"
#include "model/ProjectData.h"
#include "report/ReportJob.h"

namespace kelvadrome {
namespace {

// Fonts and the paint engine need a GUI application; without a display it runs offscreen.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kelvadrome-bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

void BM_PrintReport_NineSections_DefaultProject_Budget500ms(benchmark::State& state) {
  EnsureGuiApplication();
  QTemporaryDir dir;
  ProjectData project;
  SetDefaults(project);
  auto results = std::make_unique<AnalysisResults>();
  auto design = std::make_unique<DesignResults>();
  RecordingSink sink;
  ComputeWallOutline(project, *results);
  int pages = 0;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    ReportJob job{project, *results, *design, sink, ReportSelection::All(), ReportFonts{},
                  FooterContextNow(project.currentFilePath), {}};
    pages = PrintReport(printer, job).pages;
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintReport_NineSections_DefaultProject_Budget500ms)
    ->Name("PrintReport/NineSections/DefaultProject (budget 500 ms)")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvadrome
