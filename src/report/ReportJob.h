// SPDX-License-Identifier: GPL-3.0-or-later
// The print job: which sections to print and the project they describe, and the one function
// that renders the job onto any paged device (printer, print preview, PDF file), so that
// printing, preview, PDF export and the command line share one path. The job analyses the
// project itself, once, before the first page.
#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "report/PageFooter.h"
#include "report/ReportSheet.h"

class QPagedPaintDevice;
class QPrinter;

namespace kelvadrome {

struct MessageSink;
struct ProjectData;

// The eight choices of the print dialog, in the order of its check boxes.
struct ReportSelection {
  bool dimensions = false;
  bool loads = false;
  bool properties = false;
  bool stability = false;
  bool concrete = false;
  bool reactions = false;
  bool global = false;  // the critical slip circle
  bool quantities = false;

  [[nodiscard]] static ReportSelection All() { return {true, true, true, true, true, true, true, true}; }
  bool operator==(const ReportSelection&) const = default;
};

// The half-page sections in printing order.
enum class ReportSection {
  dimensions,
  loads,
  properties,
  stability,
  reactions,
  global,
  concreteMoments,
  concreteShear,
  concreteNormal,
  concreteDesign,
  quantities,  // needs a completed design, like the concrete sections
};

struct ReportJob {
  const ProjectData& project;
  MessageSink& sink;  // the engine's messages and why a section was left out
  ReportSelection selection;
  ReportFonts fonts;
  FooterContext footer;  // date, time and file; page numbers are filled in while printing
  std::function<void(const QString&)> progress;  // "Printing dimensions", ... (may be empty)
};

inline constexpr const char* kReactionsCancelledMessage =
    "The structure is not stable, printing reactions cancelled.";

// The sections the job will print, in order, from the analyses the printing run makes (no
// message is raised). Throws EngineError when an analysis the selection needs faults.
[[nodiscard]] std::vector<ReportSection> PlanReport(const ReportJob& job);

struct ReportOutcome {
  int pages = 0;              // 0 when no section was printable: the device is not touched
  bool deviceOpened = true;   // false when the device refused to be painted on (file not writable)
};

// Prints the job: two sections per sheet, a footer on every page, &NPages counted beforehand.
// Engine faults propagate as EngineError before the device is touched.
ReportOutcome PrintReport(QPagedPaintDevice& device, ReportJob& job);

// A4 portrait with no device margins (the report sets its own), for printers and PDF files.
void PrepareReportPrinter(QPrinter& printer);

}  // namespace kelvadrome
