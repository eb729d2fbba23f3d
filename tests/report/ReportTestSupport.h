// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the report tests: a default project with its results, printing a job to a real PDF
// through the same path as the desktop program, and reading the PDF back with poppler's tools.
#pragma once

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "engine/Analysis.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"
#include "report/ReportJob.h"

namespace kelvadrome::test {

// A project with everything the printing run needs beside it.
struct ReportFixture {
  ProjectData project;
  std::string filePath;  // "" for a project never saved
  RecordingSink sink;

  ReportFixture() { SetDefaults(project, "Arial"); }

  // The design the job prints from, made again for the checks.
  [[nodiscard]] DesignRun Design() const { return RunDesign(project); }

  // The footer's date and time are fixed so that the tests read the same text every day.
  [[nodiscard]] ReportJob Job(const ReportSelection& selection) {
    FooterContext footer;
    footer.date = QStringLiteral("1 January 2024");
    footer.time = QStringLiteral("12:00:00");
    footer.filePath = filePath;
    return ReportJob{project, sink, selection, ReportFonts{}, footer, {}};
  }
};

// A PDF printer writing to path: A4, high resolution, as the program sets it up.
inline std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  PrepareReportPrinter(*printer);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

// Runs one of poppler's tools and returns what it wrote; empty when it could not run.
inline QString RunTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, in reading order (pages separated by form feeds).
inline QStringList PdfPages(const QString& path, bool layout = false) {
  QStringList arguments;
  if (layout) arguments << QStringLiteral("-layout");
  arguments << path << QStringLiteral("-");
  QStringList pages = RunTool(QStringLiteral("pdftotext"), arguments).split(QChar(u'\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// Prints the job into a PDF in dir and returns its path.
inline QString PrintToPdf(ReportJob& job, const QTemporaryDir& dir, const QString& name, ReportOutcome* outcome = nullptr) {
  const QString path = dir.filePath(name);
  const auto printer = PdfPrinter(path);
  const ReportOutcome result = PrintReport(*printer, job);
  if (outcome != nullptr) *outcome = result;
  return path;
}

}  // namespace kelvadrome::test
