// SPDX-License-Identifier: GPL-3.0-or-later
// Greedy placement of the value labels over candidate boxes around the asked one.
#include "report/drawing/LabelLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace kelvadrome {
namespace {

// Candidates lie on a grid of half a text height around the asked box, up to this many steps
// away in each direction: 24 text heights, far enough to clear the densest figure.
constexpr int kSearchSteps = 48;
// A moved label keeps this fraction of its height clear of other labels and barriers, so that it
// does not touch them; a label where it asked to be only has to stay off them.
constexpr double kClearance = 0.15;
// Cost of one drawn-on grid cell under a moved label, in candidate steps: a hatching line under
// a whole label costs about as much as moving it three text heights away.
constexpr double kInkCost = 0.4;

struct Offset {
  int i, j;
  double distance;
};

std::vector<Offset> SortedOffsets() {
  std::vector<Offset> offsets;
  offsets.reserve(static_cast<std::size_t>((2 * kSearchSteps + 1) * (2 * kSearchSteps + 1)));
  for (int i = -kSearchSteps; i <= kSearchSteps; ++i) {
    for (int j = -kSearchSteps; j <= kSearchSteps; ++j) {
      if (i != 0 || j != 0) offsets.push_back({i, j, std::hypot(i, j)});
    }
  }
  // Stable order among equal distances, so that the same figure always comes out the same.
  std::stable_sort(offsets.begin(), offsets.end(),
                   [](const Offset& a, const Offset& b) { return a.distance < b.distance; });
  return offsets;
}

// The drawn lines as marked cells of a grid, to count how much of the figure a box would cover.
class InkGrid {
 public:
  InkGrid(const QRectF& area, double cell, const std::vector<QLineF>& lines)
      : area_(area), cell_(cell),
        columns_(std::max(1, static_cast<int>(std::ceil(area.width() / cell)))),
        rows_(std::max(1, static_cast<int>(std::ceil(area.height() / cell)))),
        marked_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0) {
    for (const QLineF& line : lines) {
      const int samples = std::max(1, static_cast<int>(std::ceil(line.length() / (cell / 2))));
      for (int k = 0; k <= samples; ++k) Mark(line.pointAt(static_cast<double>(k) / samples));
    }
  }

  [[nodiscard]] int Count(const QRectF& box) const {
    const int c0 = Column(box.left()), c1 = Column(box.right());
    const int r0 = Row(box.top()), r1 = Row(box.bottom());
    int count = 0;
    for (int r = r0; r <= r1; ++r) {
      for (int c = c0; c <= c1; ++c) count += marked_[Index(c, r)];
    }
    return count;
  }

 private:
  [[nodiscard]] int Column(double x) const {
    return std::clamp(static_cast<int>(std::floor((x - area_.left()) / cell_)), 0, columns_ - 1);
  }
  [[nodiscard]] int Row(double y) const {
    return std::clamp(static_cast<int>(std::floor((y - area_.top()) / cell_)), 0, rows_ - 1);
  }
  [[nodiscard]] std::size_t Index(int c, int r) const {
    return static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(c);
  }
  void Mark(QPointF p) {
    if (!area_.contains(p)) return;
    marked_[Index(Column(p.x()), Row(p.y()))] = 1;
  }

  QRectF area_;
  double cell_;
  int columns_, rows_;
  std::vector<std::uint8_t> marked_;
};

QRectF Grown(const QRectF& box, double by) { return box.adjusted(-by, -by, by, by); }

}  // namespace

bool SegmentCrossesBox(const QLineF& segment, const QRectF& box) {
  // Liang-Barsky clipping against the open box: a segment that only runs along an edge or
  // touches a corner is outside.
  constexpr double kEdge = 1e-6;
  const double left = box.left() + kEdge, right = box.right() - kEdge;
  const double top = box.top() + kEdge, bottom = box.bottom() - kEdge;
  if (left >= right || top >= bottom) return false;
  const double dx = segment.dx(), dy = segment.dy();
  double t0 = 0, t1 = 1;
  const auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  const QPointF a = segment.p1();
  return clip(-dx, a.x() - left) && clip(dx, right - a.x()) && clip(-dy, a.y() - top) &&
         clip(dy, bottom - a.y()) && t0 <= t1;
}

bool AreaOverlapsBox(const QPolygonF& area, const QRectF& box) {
  if (area.size() < 3 || !BoxesOverlap(area.boundingRect(), box)) return false;
  for (qsizetype k = 0; k < area.size(); ++k) {
    if (SegmentCrossesBox(QLineF(area[k], area[(k + 1) % area.size()]), box)) return true;
  }
  // No edge enters the box: either the box lies wholly inside the area or wholly outside it.
  return area.containsPoint(box.center(), Qt::OddEvenFill);
}

bool BoxesOverlap(const QRectF& a, const QRectF& b) {
  constexpr double kEdge = 1e-6;
  return a.left() < b.right() - kEdge && b.left() < a.right() - kEdge && a.top() < b.bottom() - kEdge &&
         b.top() < a.bottom() - kEdge;
}

std::vector<QRectF> LabelLayout::Place(const std::vector<LabelRequest>& requests) const {
  std::vector<QRectF> placed(requests.size());
  std::vector<QRectF> taken;
  taken.reserve(requests.size());
  for (std::size_t k = 0; k < requests.size(); ++k) {
    if (!requests[k].fixed) continue;
    placed[k] = requests[k].box;
    taken.push_back(requests[k].box);
  }

  const auto free = [&](const QRectF& box, double clearance, int ownArea) {
    const QRectF grown = Grown(box, clearance);
    const auto hits = [&](const QRectF& other) { return BoxesOverlap(grown, other); };
    const auto crosses = [&](const QLineF& line) { return SegmentCrossesBox(line, grown); };
    if (std::any_of(taken.begin(), taken.end(), hits) || std::any_of(barriers_.begin(), barriers_.end(), crosses)) {
      return false;
    }
    for (std::size_t a = 0; a < areas_.size(); ++a) {
      if (static_cast<int>(a) != ownArea && AreaOverlapsBox(areas_[a], grown)) return false;
    }
    return true;
  };

  std::vector<Offset> offsets;
  std::optional<InkGrid> ink;
  for (std::size_t k = 0; k < requests.size(); ++k) {
    if (requests[k].fixed) continue;
    const QRectF asked = requests[k].box;
    QRectF best = asked;
    const int own = requests[k].area;
    if (!free(asked, 0, own) && asked.height() > 0) {
      const double step = asked.height() / 2;
      if (offsets.empty()) offsets = SortedOffsets();
      if (!ink) {
        QRectF area = bounds_;
        for (const QLineF& line : ink_) area |= QRectF(line.p1(), line.p2()).normalized();
        area |= asked;
        ink.emplace(area, asked.height() / 3, ink_);
      }
      double bestCost = std::numeric_limits<double>::infinity();
      for (const Offset& offset : offsets) {
        if (offset.distance >= bestCost) break;
        const QRectF candidate = asked.translated(offset.i * step, offset.j * step);
        if (!bounds_.isEmpty() && !bounds_.contains(candidate)) continue;
        if (!free(candidate, kClearance * asked.height(), own)) continue;
        const double cost = offset.distance + kInkCost * ink->Count(candidate);
        if (cost < bestCost) {
          bestCost = cost;
          best = candidate;
        }
      }
    }
    placed[k] = best;
    taken.push_back(best);
  }
  return placed;
}

}  // namespace kelvadrome
