// SPDX-License-Identifier: GPL-3.0-or-later
// The half-page sections of the printed report. Each draws its frame and title in the sheet's
// current half page (the printing run chooses the half) and computes what it shows.
#pragma once

namespace kelvadrome {

struct AnalysisResults;
struct DesignResults;
struct MessageSink;
struct ProjectData;
struct ReportSheet;

// Input data. The loads are those of the service analysis of the project (results).
void PrintDimensionsSection(ReportSheet& sheet, const ProjectData& project);
void PrintLoadsSection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results);
void PrintPropertiesSection(ReportSheet& sheet, const ProjectData& project);

// Service analysis: the results of the project's service analysis.
void PrintStabilitySection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results);
void PrintReactionsSection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results,
                           MessageSink& sink);
// The critical slip circle: searches it with the service results.
void PrintGlobalStabilitySection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results);

// Concrete design: the results of the project's design run.
void PrintConcreteMomentsSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
void PrintConcreteShearSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
void PrintConcreteNormalSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
void PrintConcreteDesignSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
// The quantities and cost of the wall with the bars in the project (those of its design run).
void PrintQuantitiesSection(ReportSheet& sheet, const ProjectData& project);

}  // namespace kelvadrome
