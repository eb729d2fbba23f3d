// SPDX-License-Identifier: GPL-3.0-or-later
// The printing run: plans the sections, turns the pages (two half-page sections per sheet) and
// writes the footer of every page.
#include "report/ReportJob.h"

#include <QPainter>
#include <QPagedPaintDevice>
#include <QPrinter>

#include <optional>
#include <string>
#include <vector>

#include "engine/Analysis.h"
#include "engine/EngineError.h"
#include "engine/MessageSink.h"
#include "model/ProjectData.h"
#include "report/ReportSections.h"

namespace kelvadrome {
namespace {

// What the sections print, analysed once before the first page. The dimensions show the
// project as given; every later section shows the wall the analyses describe: with the slope
// the rules flattened and the bars the design chose.
struct ReportAnalyses {
  ProjectData analysed;
  std::optional<ServiceAnalysis> service;  // when a section needs it
  std::optional<DesignRun> design;         // likewise

  [[nodiscard]] bool ServiceStable() const { return service->results.stability.wallStable; }
  [[nodiscard]] bool DesignCompleted() const {
    return design->design.completed && design->results.stability.wallStable;
  }
};

bool NeedsService(const ReportSelection& s) { return s.loads || s.stability || s.reactions || s.global; }
bool NeedsDesignRun(const ReportSelection& s) { return s.concrete || s.quantities; }

// Throws the fault of a run the report needs.
void Check(const std::optional<std::string>& fault) {
  if (fault) throw EngineError(*fault);
}

ReportAnalyses AnalyseForReport(const ReportJob& job) {
  ReportAnalyses a{job.project, std::nullopt, std::nullopt};
  if (NeedsService(job.selection)) {
    a.service = AnalyseService(a.analysed);
    Check(a.service->fault);
    if (a.service->adjustedSlope) {
      // The run that flattened the slope drew its outline with the old one: the report shows
      // the flattened wall, so it is analysed once more (a flattened slope fires no rule).
      a.analysed = WithFindings(std::move(a.analysed), *a.service);
      ServiceAnalysis flattened = AnalyseService(a.analysed);
      Check(flattened.fault);
      a.service->results = flattened.results;
    }
  }
  if (NeedsDesignRun(job.selection)) {
    a.design = RunDesign(a.analysed);
    Check(a.design->fault);
    a.analysed = WithFindings(std::move(a.analysed), *a.design);
  }
  return a;
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

void PrintSection(ReportSection section, ReportSheet& sheet, const ReportJob& job, const ReportAnalyses& a) {
  const ProjectData& p = a.analysed;
  switch (section) {
    case ReportSection::dimensions: PrintDimensionsSection(sheet, job.project); break;
    case ReportSection::loads: PrintLoadsSection(sheet, p, a.service->results); break;
    case ReportSection::properties: PrintPropertiesSection(sheet, p); break;
    case ReportSection::stability: PrintStabilitySection(sheet, p, a.service->results); break;
    case ReportSection::reactions: PrintReactionsSection(sheet, p, a.service->results, job.sink); break;
    case ReportSection::global: PrintGlobalStabilitySection(sheet, p, a.service->results); break;
    case ReportSection::concreteMoments: PrintConcreteMomentsSection(sheet, p, a.design->design); break;
    case ReportSection::concreteShear: PrintConcreteShearSection(sheet, p, a.design->design); break;
    case ReportSection::concreteNormal: PrintConcreteNormalSection(sheet, p, a.design->design); break;
    case ReportSection::concreteDesign: PrintConcreteDesignSection(sheet, p, a.design->design); break;
    case ReportSection::quantities: PrintQuantitiesSection(sheet, p); break;
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

namespace {

std::vector<ReportSection> PlanSections(const ReportSelection& selection, const ReportAnalyses& a) {
  std::vector<ReportSection> plan;
  for (const ReportSection section : SelectedSections(selection)) {
    if (section == ReportSection::reactions && !a.ServiceStable()) continue;
    if (NeedsDesign(section, selection) && !a.DesignCompleted()) break;
    plan.push_back(section);
  }
  return plan;
}

}  // namespace

std::vector<ReportSection> PlanReport(const ReportJob& job) {
  return PlanSections(job.selection, AnalyseForReport(job));
}

ReportOutcome PrintReport(QPagedPaintDevice& device, ReportJob& job) {
  const ReportAnalyses analyses = AnalyseForReport(job);
  if (analyses.service) {
    for (const std::string& message : analyses.service->messages) job.sink.Warn(message);
  }
  const std::vector<ReportSection> plan = PlanSections(job.selection, analyses);
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
    if (section == ReportSection::reactions && !analyses.ServiceStable()) {
      job.sink.Warn(kReactionsCancelledMessage);
      continue;
    }
    if (NeedsDesign(section, job.selection)) {
      // An unstable wall skips the concrete sections without a message: the print dialog has
      // already said so when it ran the design.
      if (!analyses.DesignCompleted()) break;
      for (const std::string& message : analyses.design->messages) job.sink.Warn(message);
    }
    pages.BeforeSection();
    if (job.progress) job.progress(QString::fromLatin1(ProgressText(section)));
    PrintSection(section, sheet, job, analyses);
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
