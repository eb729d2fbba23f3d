// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli report: the printed report (or the calculator's printout) as a PDF file,
// through the same printing code as the desktop program, without a display.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>

#include <memory>
#include <ostream>
#include <sstream>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#ifdef KELVADROME_WITH_REPORT
#include "calculator/SoilPressureCalculator.h"
#include "engine/EngineError.h"
#include "report/CalculatorPrintout.h"
#include "report/PageFooter.h"
#include "report/ReportJob.h"
#endif

namespace kelvadrome {
namespace {

const CommandSyntax kSyntax{
    "report",
    "report FILE|--default -o OUT.pdf [--sections LIST] [--calculator]",
    "Writes the printed report of the project as a PDF file, two sections per A4 sheet.\n"
    "LIST is a comma-separated choice of dimensions, loads, properties, stability, reactions,\n"
    "global, concrete (the four design sections), quantities or all (the default). With --calculator the soil\n"
    "pressure calculator's printout for the project's values is written instead.\n"
    "The footer's date and time are those of the run; KELVADROME_FIXED_TIME=2026-01-01T12:00:00\n"
    "in the environment prints that moment instead, so that two reports can be compared.",
    {"-o", "--sections"},
    {"--calculator"},
    1,
    1};

#ifdef KELVADROME_WITH_REPORT

// Engine messages go to the error stream; the PDF still comes out.
struct StreamSink final : MessageSink {
  explicit StreamSink(std::ostream& stream) : err(stream) {}
  void Warn(std::string_view text) override { err << "kelvadrome-cli report: " << text << '\n'; }
  std::ostream& err;
};

std::optional<ReportSelection> ParseSections(const std::string& list) {
  ReportSelection selection;
  std::stringstream words(list);
  std::string word;
  bool any = false;
  while (std::getline(words, word, ',')) {
    if (word == "all") {
      selection = ReportSelection::All();
    } else if (word == "dimensions") {
      selection.dimensions = true;
    } else if (word == "loads") {
      selection.loads = true;
    } else if (word == "properties") {
      selection.properties = true;
    } else if (word == "stability") {
      selection.stability = true;
    } else if (word == "reactions") {
      selection.reactions = true;
    } else if (word == "global") {
      selection.global = true;
    } else if (word == "concrete") {
      selection.concrete = true;
    } else if (word == "quantities") {
      selection.quantities = true;
    } else {
      return std::nullopt;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  return selection;
}

// The footer's moment: the clock, or the fixed one of the environment. A value not in the one
// accepted form is reported and the clock is used, so the report still comes out.
FooterContext FooterForRun(const std::string& filePath, std::ostream& err) {
  const QString fixed = qEnvironmentVariable(kFixedTimeVariable);
  if (fixed.isEmpty()) return FooterContextNow(filePath);
  if (const auto moment = ParseFixedTime(fixed)) return FooterContextAt(*moment, filePath);
  err << "kelvadrome-cli report: " << kFixedTimeVariable << " '" << fixed.toStdString()
      << "' is not a date and time like " << kFixedTimeExample << "; the clock's time is printed\n";
  return FooterContextNow(filePath);
}

// The report needs fonts and a paint engine, hence a QGuiApplication; without a display it runs
// on the offscreen platform.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kelvadrome-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int WriteReport(const CommandLine& line, ProjectData& project, const std::string& filePath, std::ostream& out,
                std::ostream& err) {
  ReportSelection selection = ReportSelection::All();
  if (const std::string* list = line.Value("--sections")) {
    const auto parsed = ParseSections(*list);
    if (!parsed) return UsageError(kSyntax, "unknown section list '" + *list + "'", err);
    selection = *parsed;
  }
  const auto app = EnsureGuiApplication();
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPrinter(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const std::string& path = *line.Value("-o");
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setDocName(QStringLiteral("Kelvadrome report"));

  StreamSink sink(err);
  const ReportFonts fonts{project.reportFontName.empty() ? "Arial" : project.reportFontName, "Arial"};
  try {
    if (line.Has("--calculator")) {
      const CalculatorResults results = ComputeSoilPressure(CalculatorInitialValues(project), sink);
      if (!PrintCalculatorPage(printer, project, CalculatorInitialValues(project), results, fonts)) {
        return CommandFailure(kSyntax.name, "cannot write " + path, err);
      }
      out << "Wrote the calculator printout to " << path << '\n';
      return kExitOk;
    }
    ReportJob job{project, sink, selection, fonts, FooterForRun(filePath, err), {}};
    const ReportOutcome outcome = PrintReport(printer, job);
    if (!outcome.deviceOpened) return CommandFailure(kSyntax.name, "cannot write " + path, err);
    if (outcome.pages == 0) return CommandFailure(kSyntax.name, "no section of the selection can be printed", err);
    out << "Wrote " << outcome.pages << (outcome.pages == 1 ? " page" : " pages") << " to " << path << '\n';
    return kExitOk;
  } catch (const EngineError& error) {
    return CommandFailure(kSyntax.name, error.what(), err);
  }
}

#endif

}  // namespace

int RunReport(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  const auto line = ParseCommandLine(args, kSyntax, err);
  if (!line) return kExitUsage;
  if (line->help) {
    PrintCommandHelp(kSyntax, out);
    return kExitOk;
  }
  if (line->Value("-o") == nullptr) return UsageError(kSyntax, "an output file is needed: -o OUT.pdf", err);
#ifdef KELVADROME_WITH_REPORT
  auto project = LoadProjectForCommand(kSyntax.name, line->positionals.front(), err);
  if (!project) return kExitFailure;
  return WriteReport(*line, *project, ProjectFilePath(line->positionals.front()), out, err);
#else
  return CommandFailure(kSyntax.name, "this build has no report printing", err);
#endif
}

}  // namespace kelvadrome
