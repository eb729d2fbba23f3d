// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the start of the desktop program (StartProgram: single-instance lock, settings,
// report fonts, defaults, main window) to the main window's first paint. The first run of the
// process pays for the font database as a real start does; later runs show the warm cost.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "ui/main/FileDialogs.h"
#include "ui/main/InstanceGuard.h"
#include "ui/main/ProjectDocument.h"
#include "ui/main/SessionState.h"
#include "ui/main/StartProgram.h"
#include "ui/main/UserPrompts.h"

namespace {

using namespace kelvadrome;

// Notes the first paint of a widget.
class PaintWatch final : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

struct Services final {
  QtFileDialogs dialogs;
  QtUserPrompts prompts;
};

void StartToFirstPaint(benchmark::State& state) {
  QTemporaryDir folder;
  Services services;
  for (auto _ : state) {
    ProjectDocument document;
    SessionState session;
    InstanceGuard instance(folder.filePath(QStringLiteral("bench.lock")));
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    StartContext context{document, session, instance, {services.dialogs, services.prompts, settings}, QString()};
    std::unique_ptr<Form1> window = StartProgram(context);
    PaintWatch watch;
    window->Controls().picture1->installEventFilter(&watch);
    while (!watch.painted) QApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    window->Controls().picture1->removeEventFilter(&watch);
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(StartToFirstPaint)->Name("StartToFirstPaint/cold (budget 400 ms)")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StartToFirstPaint)->Name("StartToFirstPaint/warm (budget 400 ms)")->Unit(benchmark::kMillisecond);
