// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's picture (Picture1): the wall drawn to scale with the selected view, and the
// dimension values as clickable labels lblDim(0..15) and lblSlope laid over it.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"
#include "report/drawing/DrawPrimitives.h"
#include "report/drawing/ViewKind.h"

class QLabel;

namespace kelvadrome {

class GlobalSearch;

inline constexpr int kDimensionLabelCount = 16;

class WallPicture final : public QWidget {
  Q_OBJECT

 public:
  // The project and the results live as long as the program; the picture keeps references.
  WallPicture(ProjectData& project, AnalysisResults& results, QWidget* parent = nullptr);

  // Where the Global view gets its critical circle; without one it shows the search as running.
  void SetGlobalSearch(GlobalSearch* search);

  // The view drawn over the wall by the next Refresh (none: the wall only).
  void SetView(std::optional<ViewKind> view) { view_ = view; }
  [[nodiscard]] std::optional<ViewKind> View() const { return view_; }

  // Clears the picture and hides every label; runs the service analysis (all load factors 1,
  // outline, stability; when a slope rule flattened the backfill slope, once more with the new
  // slope, so the drawing already follows it, and results.slopeAdjusted stays set to say so);
  // fits the wall to the picture and draws the view;
  // shows the labels the view places. Engine messages and a fault of the analysis are sent
  // through EngineMessage; the reason a view cannot be drawn (an unstable wall) only when the
  // view was changed or the reason is new since the last Refresh.
  void Refresh();

  // lblDim(0..15) and lblSlope; hidden unless the Dimensions view placed them.
  [[nodiscard]] QLabel* DimensionLabel(int index) const;
  [[nodiscard]] QLabel* SlopeLabel() const { return slopeLabel_; }

  // False when the last analysis ended in a fault: only the outline, dimensions and line loads
  // were drawn.
  [[nodiscard]] bool AnalysisValid() const { return analysisValid_; }
  // The picture as last drawn (device pixels), without the labels.
  [[nodiscard]] const QImage& Image() const { return image_; }

 signals:
  // A dimension label was clicked: its index 0..15 and its rectangle in this widget.
  void DimensionLabelClicked(int index, QRect labelRectInWidget);
  // A message for the user (message box with the exclamation icon and the title "Kelvadrome").
  void EngineMessage(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Draws the last analysed state at the current size; returns the view's messages.
  std::vector<std::string> Redraw();
  void PlaceLabels(const std::vector<kelvadrome::DimensionLabel>& labels, double pixelsPerTwip);
  QLabel* MakeLabel(const QString& name, bool clickable);

  ProjectData& project_;
  AnalysisResults& results_;
  GlobalSearch* globalSearch_ = nullptr;
  std::optional<ViewKind> view_;

  // What was analysed at the last Refresh, so that a resize or repaint draws the same state even
  // when later analyses (the factored design cases) have overwritten the shared results.
  ProjectData shownProject_;
  AnalysisResults shownResults_;
  bool analysisValid_ = false;
  bool refreshed_ = false;
  // The view and its reasons for drawing nothing as last told, so they are not told again.
  std::optional<ViewKind> toldView_;
  std::vector<std::string> toldViewMessages_;

  QImage image_;
  std::array<QLabel*, kDimensionLabelCount> labels_{};
  QLabel* slopeLabel_ = nullptr;
};

}  // namespace kelvadrome
