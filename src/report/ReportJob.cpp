// SPDX-License-Identifier: GPL-3.0-or-later
// The printing run: plans the sections, turns the pages (two half-page sections per sheet) and
// writes the footer of every page.
#include "report/ReportJob.h"

#include <QPainter>
#include <QPagedPaintDevice>
#include <QPrinter>

#include <algorithm>
#include <memory>

#include "engine/AnalysisResults.h"
#include "engine/ConcreteDesign.h"
#include "engine/DesignResults.h"
#include "engine/MessageSink.h"
#include "engine/Stability.h"
#include "engine/WallGeometry.h"
#include "model/ProjectData.h"
#include "report/ReportSections.h"

namespace kelvadrome {
namespace {

bool ServiceStable(ProjectData& project, AnalysisResults& results, MessageSink& sink) {
  RunServiceAnalysis(project, results, sink);
  return results.stability.wallStable;
}

bool DesignCompleted(ProjectData& project, AnalysisResults& results, DesignResults& design, MessageSink& sink) {
  ComputeWallOutline(project, results);
  RunConcreteDesign(project, results, design, sink);
  return design.completed && results.stability.wallStable;
}

const char* ProgressText(ReportSection section) {
  switch (section) {
    case ReportSection::dimensions: return "Printing dimensions";
    case ReportSection::loads: return "Printing loads";
    case ReportSection::properties: return "Printing properties";
    case ReportSection::stability: return "Printing stability";
    case ReportSection::reactions: return "Printing reactions";
    case ReportSection::global: return "Printing global stability";
    case ReportSection::quantities: return "Printing quantities";
    default: return "Printing concrete design";
  }
}

void PrintSection(ReportSection section, ReportSheet& sheet, ReportJob& job) {
  switch (section) {
    case ReportSection::dimensions: PrintDimensionsSection(sheet, job.project, job.results); break;
    case ReportSection::loads: PrintLoadsSection(sheet, job.project, job.results, job.sink); break;
    case ReportSection::properties: PrintPropertiesSection(sheet, job.project); break;
    case ReportSection::stability: PrintStabilitySection(sheet, job.project, job.results); break;
    case ReportSection::reactions: PrintReactionsSection(sheet, job.project, job.results, job.sink); break;
    case ReportSection::global: PrintGlobalStabilitySection(sheet, job.project, job.results, job.sink); break;
    case ReportSection::concreteMoments: PrintConcreteMomentsSection(sheet, job.project, job.design); break;
    case ReportSection::concreteShear: PrintConcreteShearSection(sheet, job.project, job.design); break;
    case ReportSection::concreteNormal: PrintConcreteNormalSection(sheet, job.project, job.design); break;
    case ReportSection::concreteDesign: PrintConcreteDesignSection(sheet, job.project, job.design); break;
    case ReportSection::quantities: PrintQuantitiesSection(sheet, job.project); break;
  }
}

// Turns pages lazily, so that a page that would stay empty is never started.
class PageTurner {
 public:
  PageTurner(ReportSheet& sheet, ReportJob& job, int totalPages) : sheet_(sheet), job_(job) {
    job_.footer.totalPages = totalPages;
  }

  void BeforeSection() {
    if (pageFinished_) {
      sheet_.device.newPage();
      ++sheet_.pageNumber;
      pageFinished_ = false;
    }
    if (sheet_.pageHalf == -1) sheet_.pageHalf = 0;
  }

  void AfterSection() {
    const int filled = sheet_.pageHalf;
    sheet_.pageHalf = 1 - sheet_.pageHalf;
    if (filled == 1) FinishPage();
  }

  void AfterLastSection() {
    if (sheet_.pageHalf == 1) FinishPage();
  }

 private:
  void FinishPage() {
    job_.footer.pageNumber = sheet_.pageNumber;
    PrintPageFooter(sheet_, job_.project, job_.footer);
    pageFinished_ = true;
  }

  ReportSheet& sheet_;
  ReportJob& job_;
  bool pageFinished_ = false;
};

}  // namespace

namespace {

// The first section that needs the design runs it: the concrete sections' first, or the
// quantities when they are printed without them.
bool NeedsDesign(ReportSection section, const ReportSelection& s) {
  return section == ReportSection::concreteMoments || (section == ReportSection::quantities && !s.concrete);
}

std::vector<ReportSection> SelectedSections(const ReportSelection& s) {
  std::vector<ReportSection> sections;
  if (s.dimensions) sections.push_back(ReportSection::dimensions);
  if (s.loads) sections.push_back(ReportSection::loads);
  if (s.properties) sections.push_back(ReportSection::properties);
  if (s.stability) sections.push_back(ReportSection::stability);
  if (s.reactions) sections.push_back(ReportSection::reactions);
  if (s.global) sections.push_back(ReportSection::global);
  if (s.concrete) {
    sections.insert(sections.end(), {ReportSection::concreteMoments, ReportSection::concreteShear,
                                     ReportSection::concreteNormal, ReportSection::concreteDesign});
  }
  if (s.quantities) sections.push_back(ReportSection::quantities);
  return sections;
}

}  // namespace

std::vector<ReportSection> PlanReport(const ReportJob& job) {
  ProjectData project = job.project;
  auto results = std::make_unique<AnalysisResults>(job.results);
  auto design = std::make_unique<DesignResults>(job.design);
  RecordingSink quiet;
  std::vector<ReportSection> plan;
  for (const ReportSection section : SelectedSections(job.selection)) {
    // The loads section may flatten the backfill slope; these analyses apply the same rules.
    if (section == ReportSection::reactions && !ServiceStable(project, *results, quiet)) continue;
    if (NeedsDesign(section, job.selection) && !DesignCompleted(project, *results, *design, quiet)) break;
    plan.push_back(section);
  }
  return plan;
}

ReportOutcome PrintReport(QPagedPaintDevice& device, ReportJob& job) {
  const std::vector<ReportSection> plan = PlanReport(job);
  if (plan.empty()) {
    if (job.selection.reactions) job.sink.Warn(kReactionsCancelledMessage);
    return {};
  }
  QPainter painter;
  if (!painter.begin(&device)) return {0, false};
  ReportSheet sheet(painter, device, job.fonts);
  BeginReport(sheet, job.project);
  PageTurner pages(sheet, job, static_cast<int>((plan.size() + 1) / 2));

  for (const ReportSection section : SelectedSections(job.selection)) {
    if (section == ReportSection::stability) RunServiceAnalysis(job.project, job.results, job.sink);
    if (section == ReportSection::reactions && !ServiceStable(job.project, job.results, job.sink)) {
      job.sink.Warn(kReactionsCancelledMessage);
      continue;
    }
    // An unstable wall skips the concrete sections without a message: the dialog said so.
    if (NeedsDesign(section, job.selection)) {
      // An unstable wall skips the concrete sections without a message: the print dialog has
      // already said so when it ran the design.
      RecordingSink designMessages;
      const bool completed = DesignCompleted(job.project, job.results, job.design, designMessages);
      if (!completed) break;
      for (const std::string& message : designMessages.messages) job.sink.Warn(message);
    }
    pages.BeforeSection();
    if (job.progress) job.progress(QString::fromLatin1(ProgressText(section)));
    PrintSection(section, sheet, job);
    pages.AfterSection();
  }
  pages.AfterLastSection();
  painter.end();
  return {sheet.pageNumber, true};
}

void PrepareReportPrinter(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace kelvadrome
