// SPDX-License-Identifier: GPL-3.0-or-later
// The two backfill slope rules and the flattening they apply.
#include "engine/SlopeRules.h"

#include <cmath>

#include "engine/EarthPressure.h"
#include "engine/EngineError.h"
#include "engine/EngineNumerics.h"
#include "engine/PressureInputs.h"

namespace kelvadrome {

float FlattenedSlope(double limit) {
  return Single(std::ceil(10 / std::tan(limit)) / 10);
}

double ApplySlopeRule(const ProjectData& p, AnalysisResults& r, MessageSink& sink, double limit,
                      SlopeRule rule) {
  const double beta = BackfillSlopeAngle(SlopeInForce(p, r));
  if (!(beta > limit)) return beta;
  if (!(limit > 0)) {
    throw EngineError(rule == SlopeRule::frictionAngle ? kZeroFrictionSlopeError
                                                       : kSeismicTooLargeError);
  }
  sink.Warn(rule == SlopeRule::frictionAngle ? kSlopeRule1Message : kSlopeRule2Message);
  r.adjustedSlope = FlattenedSlope(limit);
  r.slopeAdjusted = true;
  return BackfillSlopeAngle(*r.adjustedSlope);
}

}  // namespace kelvadrome
