// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of the older line-load records, using the wall dimensions read before them.
#include "model/OldLineLoads.h"

#include <cmath>
#include <limits>

#include "model/BinaryCodec.h"

namespace kelvadrome {

namespace {

double Divide(double numerator, float denominator, const char* name) {
  if (denominator == 0.0f) {
    throw FileFormatFault(std::string("an old line load cannot be placed: division by zero (") +
                          name + " is 0)");
  }
  return numerator / denominator;
}

// Stores a result as single precision. A damaged file may place a load beyond its range: such a
// file is refused like one holding an infinity, since the project could not be saved again.
float ToFloat(double value, const char* what) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (!(std::fabs(value) <= kMax)) {
    throw FileFormatFault(std::string("an old line load cannot be placed: its ") + what +
                          " is beyond the range of a number");
  }
  return static_cast<float>(value);
}

}  // namespace

LineLoad ConvertOldFrontLoad(const ProjectData& w, const OldLoadRecord& r) {
  const double p = r.position;
  const double h0 = w.toeEdgeThickness;
  const double h1 = h0 + w.toeTaper;
  double x = 0;
  if (p < h0) {
    x = 0;
  } else if (p < h1) {
    x = Divide(p - h0, w.toeTaper, "toeTaper") * w.toeLength;
  } else {
    x = Divide(p - h1, w.stemFrontHeight, "stemFrontHeight") * w.stemFrontBatter + w.toeLength;
  }
  return LineLoad{std::fabs(r.signedLoad), ToFloat(x, "x"), r.position,
                  r.signedLoad < 0 ? 270.0f : 90.0f, r.loadCase};
}

LineLoad ConvertOldVerticalLoad(const ProjectData& w, const OldLoadRecord& r) {
  const double p = r.position;
  const double x1 = w.toeLength;
  const double x2 = x1 + w.stemFrontBatter;
  const double x3 = x2 + w.stemTopWidth;
  const double x4 = x3 + w.stemBackBatter;
  const double h0 = w.toeEdgeThickness;
  const double h1 = h0 + w.toeTaper;
  const double total = double(w.stemFrontHeight) + w.toeTaper + w.toeEdgeThickness;
  double y = 0;
  if (p < x1) {
    y = Divide(p, w.toeLength, "toeLength") * w.toeTaper + h0;
  } else if (p < x2) {
    y = Divide(p - x1, w.stemFrontBatter, "stemFrontBatter") * w.stemFrontHeight + h1;
  } else if (p < x3) {
    y = total;
  } else if (p < x4) {
    y = total - Divide(p - x3, w.stemBackBatter, "stemBackBatter") * w.stemBackHeight;
  } else {
    y = double(w.heelTaper) + w.heelEdgeThickness -
        Divide(p - x4, w.heelLength, "heelLength") * w.heelTaper;
  }
  return LineLoad{std::fabs(r.signedLoad), r.position, ToFloat(y, "y"),
                  r.signedLoad < 0 ? 0.0f : 180.0f, r.loadCase};
}

}  // namespace kelvadrome
