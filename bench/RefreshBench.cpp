// SPDX-License-Identifier: GPL-3.0-or-later
// One redraw of the main window's picture: the default wall in the Soil view at 1600 × 1000
// pixels, drawn into an image, with and without the service analysis that precedes it.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "engine/Analysis.h"
#include "model/ProjectData.h"
#include "report/drawing/DrawStyle.h"
#include "report/drawing/WallView.h"

namespace {

using namespace kelvadrome;

// Text needs the screen's font substitutes, as the program installs them at start.
void EnsureScreenFonts() {
  static const bool installed = (InstallScreenFontSubstitutes(), true);
  (void)installed;
}

struct SoilPicture {
  ProjectData project;
  AnalysisResults results;
  QImage image{1600, 1000, QImage::Format_ARGB32_Premultiplied};
  SoilPicture() {
    EnsureScreenFonts();
    SetDefaults(project);
    results = AnalyseService(project).results;
  }
  void Draw() {
    QPainter painter(&image);
    const WallViewOutput out = PaintWallPicture(painter, QSizeF(image.size()), image.logicalDpiX() / 1440.0, project,
                                                results, ViewKind::Soil);
    benchmark::DoNotOptimize(out.messages.size());
  }
};

void BM_DrawSoilView(benchmark::State& state) {
  SoilPicture picture;
  for (auto _ : state) picture.Draw();
}
BENCHMARK(BM_DrawSoilView)->Name("DrawSoilView/1600x1000 (within the 10 ms refresh)")->Unit(benchmark::kMillisecond);

void BM_RefreshSoilView(benchmark::State& state) {
  SoilPicture picture;
  for (auto _ : state) {
    picture.results = AnalyseService(picture.project).results;
    picture.Draw();
  }
}
BENCHMARK(BM_RefreshSoilView)->Name("RefreshView/Soil/1600x1000 (budget 10 ms)")->Unit(benchmark::kMillisecond);

}  // namespace
