// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's picture (Picture1): the document's current analysis drawn to scale with the
// selected view, and the dimension values as clickable labels lblDim(0..15) and lblSlope laid
// over it.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "report/drawing/DrawPrimitives.h"
#include "report/drawing/ViewKind.h"

class QLabel;

namespace kelvadrome {

class GlobalSearch;
class ProjectDocument;

inline constexpr int kDimensionLabelCount = 16;

class WallPicture final : public QWidget {
  Q_OBJECT

 public:
  // The document lives as long as the picture.
  explicit WallPicture(const ProjectDocument& document, QWidget* parent = nullptr);

  // Where the Global view gets its critical circle; without one it shows the search as running.
  void SetGlobalSearch(GlobalSearch* search);

  // The view drawn over the wall by the next Refresh (none: the wall only).
  void SetView(std::optional<ViewKind> view) { view_ = view; }
  [[nodiscard]] std::optional<ViewKind> View() const { return view_; }

  // Draws the document's current analysis afresh: clears the picture and hides every label,
  // fits the wall to the picture, draws the view and shows the labels the view places. Returns
  // the reasons the view cannot be drawn (an unstable wall), but only when the view was changed
  // or the reasons are new since the last Refresh: while they stay, the results panel says so.
  std::vector<std::string> Refresh();

  // lblDim(0..15) and lblSlope; hidden unless the Dimensions view placed them.
  [[nodiscard]] QLabel* DimensionLabel(int index) const;
  [[nodiscard]] QLabel* SlopeLabel() const { return slopeLabel_; }

  // The picture as last drawn (device pixels), without the labels.
  [[nodiscard]] const QImage& Image() const { return image_; }

 signals:
  // A dimension label was clicked: its index 0..15 and its rectangle in this widget.
  void DimensionLabelClicked(int index, QRect labelRectInWidget);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Draws the document's analysis at the current size; returns the view's messages.
  std::vector<std::string> Redraw();
  void PlaceLabels(const std::vector<kelvadrome::DimensionLabel>& labels, double pixelsPerTwip);
  QLabel* MakeLabel(const QString& name, bool clickable);

  const ProjectDocument& document_;
  GlobalSearch* globalSearch_ = nullptr;
  std::optional<ViewKind> view_;
  bool refreshed_ = false;
  // The view and its reasons for drawing nothing as last told, so they are not told again.
  std::optional<ViewKind> toldView_;
  std::vector<std::string> toldViewMessages_;

  QImage image_;
  std::array<QLabel*, kDimensionLabelCount> labels_{};
  QLabel* slopeLabel_ = nullptr;
};

}  // namespace kelvadrome
