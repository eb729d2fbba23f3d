// SPDX-License-Identifier: GPL-3.0-or-later
// Base pressure with full or partial contact and the reactions under toe, stem and heel.
#include "engine/BaseContact.h"

#include "engine/EngineNumerics.h"
#include "engine/TrapezoidResultant.h"

namespace kelvadrome {

namespace {

void StoreSegment(StabilityResults& s, size_t segment, const Resultant& reaction) {
  s.baseSegmentForce[segment] = Single(reaction.force);
  s.baseSegmentX[segment] = Single(reaction.position);
}

// A segment without pressure carries nothing; its zero force sits at the start of its range.
Resultant Empty(double start) { return {0, start}; }

}  // namespace

void ComputeBaseContact(const ProjectData& p, double x7, StabilityResults& s) {
  const double sumV = s.sumVertical, sumM = s.sumMoment, xBar = s.resultantX;
  const double B = p.baseWidth, T = p.toeLength, Lh = p.heelLength;
  // The boundaries are compared in the single precision they are stored in.
  const double toeSideWidth = Single(B - T);
  auto& q = s.basePressure;

  if (s.heelPressure < 0) {
    // Resultant in the toe third: the heel lifts, a triangle from the toe edge.
    s.toePressure = Single(Quotient(2 * sumV * sumV, 3 * sumM, "the base pressure at the toe"));
    s.heelPressure = 0;
    s.contactWidth = Single(Quotient(2 * sumV, s.toePressure, "the contact width"));
    const double W = s.contactWidth;
    q[0] = s.toePressure;
    if (W <= T) {
      q[1] = q[2] = q[3] = 0;
      StoreSegment(s, 1, TrapezoidResultant(0, W, q[0], 0));
      StoreSegment(s, 2, Empty(T));
      StoreSegment(s, 3, Empty(x7));
    } else if (W <= x7) {
      q[1] = Single((W - T) / W * q[0]);
      q[2] = q[3] = 0;
      StoreSegment(s, 1, TrapezoidResultant(0, T, q[0], q[1]));
      StoreSegment(s, 2, TrapezoidResultant(T, W, q[1], 0));
      StoreSegment(s, 3, Empty(x7));
    } else {
      q[1] = Single((W - T) / W * q[0]);
      q[2] = Single((W - x7) / W * q[0]);
      q[3] = 0;
      StoreSegment(s, 1, TrapezoidResultant(0, T, q[0], q[1]));
      StoreSegment(s, 2, TrapezoidResultant(T, x7, q[1], q[2]));
      StoreSegment(s, 3, TrapezoidResultant(x7, W, q[2], 0));
    }
  } else if (s.toePressure < 0) {
    // Resultant in the heel third: the toe lifts, a triangle from the heel edge.
    s.heelPressure = Single(Quotient(2.0 / 3.0 * sumV, B - xBar, "the base pressure at the heel"));
    s.toePressure = 0;
    s.contactWidth = Single(Quotient(2 * sumV, s.heelPressure, "the contact width"));
    const double W = s.contactWidth;
    q[3] = s.heelPressure;
    if (W <= Lh) {
      q[0] = q[1] = q[2] = 0;
      StoreSegment(s, 1, Empty(0));
      StoreSegment(s, 2, Empty(T));
      StoreSegment(s, 3, TrapezoidResultant(B - W, B, 0, q[3]));
    } else if (W <= toeSideWidth) {
      q[0] = q[1] = 0;
      q[2] = Single((W - Lh) / W * q[3]);
      StoreSegment(s, 1, Empty(0));
      StoreSegment(s, 2, TrapezoidResultant(B - W, x7, 0, q[2]));
      StoreSegment(s, 3, TrapezoidResultant(x7, B, q[2], q[3]));
    } else {
      q[0] = 0;
      q[1] = Single((W - toeSideWidth) / W * q[3]);
      q[2] = Single((W - Lh) / W * q[3]);
      StoreSegment(s, 1, TrapezoidResultant(B - W, T, 0, q[1]));
      StoreSegment(s, 2, TrapezoidResultant(T, x7, q[1], q[2]));
      StoreSegment(s, 3, TrapezoidResultant(x7, B, q[2], q[3]));
    }
  } else {
    // Full contact: linear between the two edge pressures.
    s.contactWidth = Single(B);
    q[0] = s.toePressure;
    q[3] = s.heelPressure;
    q[1] = Single(q[0] + (q[3] - q[0]) * T / B);
    q[2] = Single(q[3] + (q[0] - q[3]) * Lh / B);
    StoreSegment(s, 1, TrapezoidResultant(0, T, q[0], q[1]));
    StoreSegment(s, 2, TrapezoidResultant(T, x7, q[1], q[2]));
    StoreSegment(s, 3, TrapezoidResultant(x7, B, q[2], q[3]));
  }
}

}  // namespace kelvadrome
