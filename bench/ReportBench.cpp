// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the printed report: the nine sections of the default project written to a PDF file
// through the printing path of the desktop program (budget: 500 ms).
#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>


#include "engine/MessageSink.h"
#include "model/ProjectData.h"
#include "report/ReportJob.h"

namespace kelvadrome {
namespace {

void BM_PrintReport_NineSections_DefaultProject_Budget500ms(benchmark::State& state) {
  QTemporaryDir dir;
  ProjectData project;
  SetDefaults(project);
  RecordingSink sink;
  int pages = 0;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    ReportJob job{project, sink, ReportSelection::All(), ReportFonts{}, FooterContextNow(std::string()), {}};
    pages = PrintReport(printer, job).pages;
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintReport_NineSections_DefaultProject_Budget500ms)
    ->Name("PrintReport/NineSections/DefaultProject (budget 500 ms)")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvadrome
