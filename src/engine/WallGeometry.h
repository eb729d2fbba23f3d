// SPDX-License-Identifier: GPL-3.0-or-later
// The wall outline (points 1..49 computed from the dimensions) and the seventeen wall and soil
// polygons cut from it, with their areas, centroids, weights and seismic inertia forces.
#pragma once

#include <array>
#include <initializer_list>
#include <span>

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Outline points (x from the toe edge, y downward from the stem top):
//   1..8   concrete outline: 1 stem top front, 2 foot of the front face, 3 toe edge top,
//          4 toe edge bottom, 5 heel edge bottom, 6 heel edge top, 7 foot of the back face,
//          8 stem top back; 10 backfill surface above the heel edge
//   11, 12 / 15, 16   toe-side water lines;  13, 14 / 17, 18   back water lines
//   21..28, 31..36, 40..42   vertical and horizontal projections of the points above
//   43, 44 the stem-to-base section; 45, 46 the stem top edges projected down to it;
//   47, 48 above point 44 at the wall top and on the backfill surface; 49 the back water level
//          above point 44, never below the section.
struct WallOutline {
  OutlineArray x{};  // points 1..49, 0 unused
  OutlineArray y{};
};

// What a figure asks of the outline beyond what the analysis needs.
struct OutlineOptions {
  // The backfill surface (point 10, and the back water lines 14 and 18 that end under it) runs
  // on this far beyond the heel edge; point 40 stays on the surface above the heel edge.
  double backfillBeyondHeel = 0;
  // A wall the analysis refuses is still drawn: with this off, a zero divisor puts the point at
  // the start of its edge and a result too large for single precision is kept at the largest
  // value, so that nothing is thrown.
  bool throwOnFault = true;
};

// Every point from the project's dimensions, each stored in single precision; later points are
// computed from the stored ones. With the default options this is the analysis's outline, and
// it throws EngineError when the dimensions make a point impossible to compute (a zero stem
// height on both sides).
[[nodiscard]] WallOutline ComputeOutlinePoints(const ProjectData& project, const OutlineOptions& options = {});

// The analysis's outline (ComputeOutlinePoints with the default options) stored in results.
void ComputeWallOutline(const ProjectData& project, AnalysisResults& results);

// Vertex lists of the polygons 1..17 as outline point numbers. 1..9 are concrete, 10..12, 15
// and 16 moist backfill, 13, 14 and 17 submerged backfill.
struct PolygonVertices {
  int count = 0;                // 3 or 4
  std::array<int, 4> points{};  // outline point numbers, in drawing order
};
extern const std::array<PolygonVertices, kPolygonCount + 1> kPolygonVertices;  // 1..17

enum class PolygonMaterial { concrete, moistBackfill, submergedBackfill };
[[nodiscard]] PolygonMaterial PolygonMaterialOf(int polygon);

// Area, centroid, weight (dead-load factor) and inertia (seismic factor) of polygons 1..17,
// from the outline points and the load factors in results.
void ComputeWallPolygons(const ProjectData& project, AnalysisResults& results);

struct PlanePoint {
  double x = 0;
  double y = 0;
};

struct PolygonProperties {
  double area = 0;
  double centroidX = 0;
  double centroidY = 0;
};

// Area and exact centroid of a simple polygon, closed by repeating the first vertex.
// With y pointing down, vertices in the order of the polygon table give a positive area.
// A polygon of zero area has its centroid at its first vertex.
[[nodiscard]] PolygonProperties PolygonAreaCentroid(std::span<const PlanePoint> vertices);

// The same for a polygon given by outline point numbers, e.g. {8, 46, 45, 1}.
[[nodiscard]] PolygonProperties OutlinePolygonAreaCentroid(const AnalysisResults& results,
                                                           std::initializer_list<int> points);

}  // namespace kelvadrome
