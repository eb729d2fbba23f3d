// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print, Print Preview, Export PDF and Page Setup, and the calculator's Print button:
// the commands the main window calls. All of them print through PrintReport, so the paper, the
// preview and the PDF file show the same pages.
#pragma once

#include <QString>

#include "calculator/SoilPressureCalculator.h"
#include "report/ReportJob.h"

class QPrinter;
class QWidget;

namespace kelvadrome {

class Form1;
struct ReportFontChoice;

// What the print commands work on: a copy of the project, so that printing leaves the document
// and the analysis the picture draws alone (the report analyses it itself). selection is kept
// by the caller for the whole run (the print dialog's choices are not saved with the project).
struct PrintContext {
  QWidget* parent = nullptr;
  ProjectData& project;
  MessageSink& sink;
  QPrinter& printer;
  ReportSelection& selection;
  ReportFonts fonts;
  std::string filePath;  // the project's file for the footer, "" when it has none
};

// The print dialog (which runs the concrete design to know whether it can be chosen), then,
// when the user pressed Print, the printing window. Returns whether the job was printed.
// Engine faults propagate as exceptions.
bool RunPrintCommand(PrintContext& context);

// The print dialog, then the job in a preview window from which it can be printed.
bool RunPrintPreviewCommand(PrintContext& context);

// The print dialog, then a PDF file chosen by the user. Returns whether a file was written.
bool RunExportPdfCommand(PrintContext& context, const QString& suggestedPath);
// Writes the selected sections into a PDF file without asking; false when nothing was printed.
bool ExportReportPdf(PrintContext& context, const QString& path);

// The calculator's Print button, in two steps so that its window can tell when printing starts:
// the standard print dialog over parent (false when the user cancelled it), then the page, which
// throws with the same text as the report when the printer or the file cannot be painted on.
bool ChooseCalculatorPrinter(QWidget* parent, QPrinter& printer);
void PrintCalculatorSheet(QPrinter& printer, const ProjectData& project, const ReportFonts& fonts,
                          const CalculatorInputs& inputs, const CalculatorResults& results);

// Connects File > Print, Print Preview, Export PDF and Page Setup of the main window; the print
// dialog's choices are kept by the commands for the whole run. Page Setup goes through the
// document's changes, so that it can be undone like any other edit.
void ConnectPrintCommands(Form1& form, const ReportFontChoice& fonts);

}  // namespace kelvadrome
