// SPDX-License-Identifier: GPL-3.0-or-later
// Where the value labels of a figure go. Every label asks for the box it takes beside its arrow
// or ordinate. It keeps that box unless the box would overlap a label placed before it or cross
// a barrier (the shaft of a labelled arrow, the wall's outline); then it takes the nearest free
// box around the asked one, preferring places with few drawn lines under them, so that it does
// not sink into a diagram's hatching. A label also moves out of the hatched area of a pressure diagram other than its own.
// Legend lines are fixed: they are placed first and never move.
#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>

#include <vector>

namespace kelvadrome {

struct LabelRequest {
  QRectF box;          // the box the label asks for
  bool fixed = false;  // placed where asked, whatever it meets
  int area = -1;       // the hatched area it labels (AddArea), which it may touch; -1: none
};

class LabelLayout {
 public:
  // Moved labels stay inside bounds (an empty rectangle: anywhere).
  void SetBounds(const QRectF& bounds) { bounds_ = bounds; }
  // A line no label may cross: the shaft of an arrow that carries a value, the wall's outline.
  void AddBarrier(const QLineF& line) { barriers_.push_back(line); }
  // The hatched area of a pressure diagram: no label but its own may lie in it. Returns the
  // number its labels give as their area.
  int AddArea(const QPolygonF& area) {
    areas_.push_back(area);
    return static_cast<int>(areas_.size()) - 1;
  }
  // Any other line of the figure: a moved label avoids it where it can.
  void AddInk(const QLineF& line) { ink_.push_back(line); }

  // The placed box of every request, in the order given: fixed requests first, then the others
  // in their order, each checked against those placed before it.
  [[nodiscard]] std::vector<QRectF> Place(const std::vector<LabelRequest>& requests) const;

 private:
  QRectF bounds_;
  std::vector<QLineF> barriers_;
  std::vector<QPolygonF> areas_;
  std::vector<QLineF> ink_;
};

// True when the segment passes through the inside of the box (touching its edge does not count).
[[nodiscard]] bool SegmentCrossesBox(const QLineF& segment, const QRectF& box);

// True when the inside of the box and the inside of the polygon overlap.
[[nodiscard]] bool AreaOverlapsBox(const QPolygonF& area, const QRectF& box);

// True when the insides of two boxes overlap (sharing an edge does not count).
[[nodiscard]] bool BoxesOverlap(const QRectF& a, const QRectF& b);

}  // namespace kelvadrome
