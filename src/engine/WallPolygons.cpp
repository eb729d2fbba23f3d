// SPDX-License-Identifier: GPL-3.0-or-later
// The seventeen wall and soil polygons: area and centroid from the outline, weight and inertia
// from the unit weights and the load factors.
#include "engine/EngineNumerics.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

const std::array<PolygonVertices, kPolygonCount + 1> kPolygonVertices{{
    {0, {}},
    {4, {1, 26, 27, 8}},    // stem core
    {3, {1, 2, 21}},        // front batter wedge
    {3, {8, 22, 7}},        // back batter wedge
    {4, {2, 25, 26, 21}},   // block under the front batter
    {4, {22, 27, 28, 7}},   // block under the back batter
    {3, {2, 3, 23}},        // toe top wedge
    {3, {7, 24, 6}},        // heel top wedge
    {4, {3, 4, 25, 23}},    // toe block
    {4, {24, 28, 5, 6}},    // heel block
    {3, {40, 8, 32}},       // sloping backfill above the wall top
    {3, {8, 13, 31}},       // backfill on the back batter above the back water
    {4, {31, 13, 41, 32}},  // backfill behind the stem above the back water
    {3, {13, 7, 33}},       // backfill on the back batter below the back water
    {4, {33, 7, 35, 41}},   // backfill behind the stem below the back water
    {3, {7, 17, 34}},       // backfill over the sloping heel top above the water (wedge)
    {4, {34, 17, 42, 35}},  // backfill over the sloping heel top above the water (block)
    {3, {17, 6, 42}},       // backfill over the sloping heel top below the water
}};

PolygonMaterial PolygonMaterialOf(int polygon) {
  if (polygon <= 9) return PolygonMaterial::concrete;
  if (polygon == 13 || polygon == 14 || polygon == 17) return PolygonMaterial::submergedBackfill;
  return PolygonMaterial::moistBackfill;
}

PolygonProperties PolygonAreaCentroid(std::span<const PlanePoint> vertices) {
  // Each edge, with the x axis (y = 0), bounds a trapezoid: a rectangle of height y1 plus a
  // triangle of height y2 - y1. Their signed areas and first moments add up to the polygon's.
  double area = 0, momentX = 0, momentY = 0;
  const size_t count = vertices.size();
  for (size_t i = 0; i < count; ++i) {
    const PlanePoint& a = vertices[i];
    const PlanePoint& b = vertices[(i + 1) % count];
    const double dx = b.x - a.x;
    area += dx * (a.y + b.y) / 2;
    const double rectangle = dx * a.y;
    const double triangle = dx * (b.y - a.y) / 2;
    momentX += rectangle * (a.x + b.x) / 2 + triangle * (a.x + 2 * b.x) / 3;
    momentY += rectangle * a.y / 2 + triangle * (2 * a.y + b.y) / 3;
  }
  if (area == 0 || count == 0) {
    return {0, count ? vertices[0].x : 0, count ? vertices[0].y : 0};
  }
  return {area, momentX / area, momentY / area};
}

PolygonProperties OutlinePolygonAreaCentroid(const AnalysisResults& results,
                                             std::initializer_list<int> points) {
  std::array<PlanePoint, 4> vertices{};
  size_t count = 0;
  for (const int point : points) {
    if (count == vertices.size()) break;
    const auto index = static_cast<size_t>(point);
    vertices[count++] = {results.wallOutlineX.at(index), results.wallOutlineY.at(index)};
  }
  return PolygonAreaCentroid(std::span<const PlanePoint>(vertices.data(), count));
}

void ComputeWallPolygons(const ProjectData& p, AnalysisResults& r) {
  const double concrete = p.concreteUnitWeight;
  const double moist = p.backfillUnitWeight;
  const double submerged = double(p.backfillSaturatedDensity) - p.waterUnitWeight;
  const double dead = r.loadFactor[LoadCaseIndex(LoadCase::dead)];
  const double seismic = r.loadFactor[LoadCaseIndex(LoadCase::seismic)];
  const double kh = p.seismicCoefficient;

  for (size_t i = 1; i <= kPolygonCount; ++i) {
    const PolygonVertices& polygon = kPolygonVertices[i];
    std::array<PlanePoint, 4> vertices{};
    for (int k = 0; k < polygon.count; ++k) {
      const auto point = static_cast<size_t>(polygon.points[static_cast<size_t>(k)]);
      vertices[static_cast<size_t>(k)] = {r.wallOutlineX[point], r.wallOutlineY[point]};
    }
    const PolygonProperties props = PolygonAreaCentroid(
        std::span<const PlanePoint>(vertices.data(), static_cast<size_t>(polygon.count)));
    r.polygonArea[i] = Single(props.area);
    r.polygonCentroidX[i] = Single(props.centroidX);
    r.polygonCentroidY[i] = Single(props.centroidY);

    double unitWeight = concrete;
    switch (PolygonMaterialOf(static_cast<int>(i))) {
      case PolygonMaterial::concrete: unitWeight = concrete; break;
      case PolygonMaterial::moistBackfill: unitWeight = moist; break;
      case PolygonMaterial::submergedBackfill: unitWeight = submerged; break;
    }
    r.polygonWeight[i] = Single(unitWeight * r.polygonArea[i] * dead);
    r.polygonInertia[i] = Single(unitWeight * r.polygonArea[i] * kh * seismic);
  }
}

}  // namespace kelvadrome
