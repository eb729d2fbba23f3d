// SPDX-License-Identifier: GPL-3.0-or-later
// The print commands of the main window and the calculator.
#include "ui/print/PrintCommands.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>
#include <stdexcept>

#include "engine/Analysis.h"
#include "engine/EngineError.h"
#include "report/CalculatorPrintout.h"
#include "ui/calculator/WarningBoxSink.h"
#include "ui/main/Form1.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/ReportFonts.h"
#include "ui/print/PageSetupDialog.h"
#include "ui/print/frmPrint.h"
#include "ui/print/frmPrinting.h"

namespace kelvadrome {
namespace {

ReportJob JobOf(PrintContext& c) {
  return ReportJob{c.project, c.sink, c.selection, c.fonts, FooterContextNow(c.filePath), {}};
}

// The print dialog: runs the concrete design first, so that a wall that is not stable under the
// factored loads cannot choose the concrete sections. True when the user pressed Print.
bool ChooseSections(PrintContext& c) {
  const DesignRun run = RunDesign(c.project);
  for (const std::string& message : run.messages) c.sink.Warn(message);
  c.project = WithFindings(std::move(c.project), run);
  if (run.fault) throw EngineError(*run.fault);
  const bool concreteAvailable = run.design.completed && run.results.stability.wallStable;
  frmPrint dialog(c.printer, c.selection, concreteAvailable, c.parent);
  dialog.exec();
  c.selection = dialog.Selection();
  return dialog.PrintConfirmed();
}

// What the user reads when the printer or the PDF file refused to be painted on: nothing was
// printed, and saying nothing would look like success.
std::runtime_error DeviceRefused(const QPrinter& printer) {
  const QString file = printer.outputFileName();
  if (!file.isEmpty()) return std::runtime_error("The file " + file.toStdString() + " cannot be written.");
  return std::runtime_error("The printer " + printer.printerName().toStdString() + " cannot print.");
}

void RunPrintingWindow(PrintContext& c, QPrinter& printer) {
  ReportJob job = JobOf(c);
  frmPrinting printing(printer, job, c.parent);
  printing.exec();
  if (printing.Fault()) std::rethrow_exception(printing.Fault());
  if (!printing.Outcome().deviceOpened) throw DeviceRefused(printer);
}

}  // namespace

bool RunPrintCommand(PrintContext& context) {
  if (!ChooseSections(context)) return false;
  RunPrintingWindow(context, context.printer);
  return true;
}

bool RunPrintPreviewCommand(PrintContext& context) {
  if (!ChooseSections(context)) return false;
  QPrintPreviewDialog preview(&context.printer, context.parent);
  preview.setWindowTitle(QStringLiteral("Kelvadrome: Print preview"));
  std::exception_ptr fault;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&context, &fault](QPrinter* printer) {
    ReportJob job = JobOf(context);
    try {
      (void)PrintReport(*printer, job);
    } catch (...) {
      fault = std::current_exception();
    }
  });
  preview.exec();
  if (fault) std::rethrow_exception(fault);
  return true;
}

bool ExportReportPdf(PrintContext& context, const QString& path) {
  QPrinter pdf(QPrinter::HighResolution);
  PrepareReportPrinter(pdf);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(path);
  pdf.setDocName(QStringLiteral("Kelvadrome report"));
  ReportJob job = JobOf(context);
  const ReportOutcome outcome = PrintReport(pdf, job);
  if (!outcome.deviceOpened) throw DeviceRefused(pdf);
  return outcome.pages > 0;
}

bool RunExportPdfCommand(PrintContext& context, const QString& suggestedPath) {
  if (!ChooseSections(context)) return false;
  QString path = QFileDialog::getSaveFileName(context.parent, QStringLiteral("Kelvadrome: Export PDF"), suggestedPath,
                                              QStringLiteral("PDF files (*.pdf)"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  return ExportReportPdf(context, path);
}

bool ChooseCalculatorPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Kelvadrome"));
  return dialog.exec() == QDialog::Accepted;
}

void PrintCalculatorSheet(QPrinter& printer, const ProjectData& project, const ReportFonts& fonts,
                          const CalculatorInputs& inputs, const CalculatorResults& results) {
  if (!PrintCalculatorPage(printer, project, inputs, results, fonts)) throw DeviceRefused(printer);
}

// A copy of the document's project, for one print command.
struct PrintRun {
  ProjectData project;
  WarningBoxSink sink;
  PrintRun(const ProjectDocument& document, QWidget* parent) : project(document.Project()), sink(parent) {}
};

void ConnectPrintCommands(Form1& form, const ReportFontChoice& fonts) {
  // All off when the program starts, kept while it runs, never saved.
  auto selection = std::make_shared<ReportSelection>();
  const ReportFonts reportFonts{fonts.defaultReportFont, fonts.symbolFontName};
  // The Greek letters are real characters: a font called "Symbol" would print them blank.
  const ReportFonts safeFonts{reportFonts.defaultReportFont,
                              reportFonts.symbolFontName == "Symbol" ? reportFonts.defaultReportFont
                                                                     : reportFonts.symbolFontName};
  const auto context = [&form, selection, safeFonts](PrintRun& run) {
    return PrintContext{&form,     run.project, run.sink, form.Printer(), *selection,
                        safeFonts, form.Document().FilePath().toStdString()};
  };
  const MainActions& a = form.Actions();
  form.ConnectCommand(a.filePrint, [&form, context] {
    const auto run = std::make_unique<PrintRun>(form.Document(), &form);
    PrintContext c = context(*run);
    (void)RunPrintCommand(c);
  });
  form.ConnectCommand(a.filePrintPreview, [&form, context] {
    const auto run = std::make_unique<PrintRun>(form.Document(), &form);
    PrintContext c = context(*run);
    (void)RunPrintPreviewCommand(c);
  });
  form.ConnectCommand(a.fileExportPdf, [&form, context] {
    const auto run = std::make_unique<PrintRun>(form.Document(), &form);
    PrintContext c = context(*run);
    const QFileInfo file(QString::fromStdString(c.filePath));
    const QString suggested = c.filePath.empty() ? QStringLiteral("report.pdf")
                                                 : file.path() + u'/' + file.completeBaseName() + ".pdf";
    (void)RunExportPdfCommand(c, suggested);
  });
  form.ConnectCommand(a.filePageSetup, [&form] {
    const auto edited = RunPageSetupDialog(&form, PageSetupOf(form.Document().Project()));
    if (!edited) return;
    form.Document().Apply(QStringLiteral("Page Setup"),
                          [values = *edited](ProjectData& project) { ApplyPageSetup(project, values); });
  });
}

}  // namespace kelvadrome
