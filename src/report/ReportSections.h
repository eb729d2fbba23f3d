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

// Input data.
void PrintDimensionsSection(ReportSheet& sheet, ProjectData& project, AnalysisResults& results);
void PrintLoadsSection(ReportSheet& sheet, ProjectData& project, AnalysisResults& results, MessageSink& sink);
void PrintPropertiesSection(ReportSheet& sheet, const ProjectData& project);

// Service analysis: the results of the last RunServiceAnalysis.
void PrintStabilitySection(ReportSheet& sheet, const ProjectData& project, const AnalysisResults& results);
void PrintReactionsSection(ReportSheet& sheet, ProjectData& project, AnalysisResults& results, MessageSink& sink);
// The critical slip circle: runs the service analysis and the search itself.
void PrintGlobalStabilitySection(ReportSheet& sheet, ProjectData& project, AnalysisResults& results,
                                 MessageSink& sink);

// Concrete design: the results of the last RunConcreteDesign.
void PrintConcreteMomentsSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
void PrintConcreteShearSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
void PrintConcreteNormalSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
void PrintConcreteDesignSection(ReportSheet& sheet, const ProjectData& project, const DesignResults& design);
// The quantities and cost of the wall with the bars of the last RunConcreteDesign.
void PrintQuantitiesSection(ReportSheet& sheet, const ProjectData& project);

}  // namespace kelvadrome
