// SPDX-License-Identifier: GPL-3.0-or-later
// The base pressure under a wall whose resultant lies within the base: full contact, or
// partial contact from the toe edge or from the heel edge, and the reaction under each part of
// the base (toe, stem, heel).
#pragma once

#include "engine/AnalysisResults.h"
#include "model/ProjectData.h"

namespace kelvadrome {

// Reads sumMoment, sumVertical, resultantX and the full-contact toePressure and heelPressure of
// results.stability; writes the final toePressure, heelPressure, contactWidth, basePressure,
// baseSegmentForce and baseSegmentX. x7 is the stored foot of the stem back face.
void ComputeBaseContact(const ProjectData& project, double x7, StabilityResults& stability);

}  // namespace kelvadrome
