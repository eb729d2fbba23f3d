// SPDX-License-Identifier: GPL-3.0-or-later
// The "service" object of `analyse --json`, with the key names of the JSON contract.
#include "cli/ServiceJson.h"

#include <span>

#include "cli/JsonWriter.h"

namespace kelvadrome {

namespace {

template <std::size_t N>
void Member(JsonWriter& json, const char* name, const std::array<float, N>& values) {
  json.Key(name).Array(std::span<const float>(values));
}

void Member(JsonWriter& json, const char* name, float value) { json.Key(name).Value(value); }

void Member(JsonWriter& json, const char* name, bool value) { json.Key(name).Value(value); }

void WritePressures(const AnalysisResults& r, JsonWriter& json) {
  const PressureResults& s = r.pressure;
  Member(json, "activeCoefficient", s.activeCoefficient);
  Member(json, "seismicIncrementCoefficient", s.seismicIncrementCoefficient);
  Member(json, "activePressure", s.activePressure);
  Member(json, "activeBottomPressure", s.activeBottomPressure);
  Member(json, "activeForce", s.activeForce);
  Member(json, "activeForceDepth", s.activeForceDepth);
  Member(json, "activeForceX", s.activeForceX);
  Member(json, "seismicPressure", s.seismicPressure);
  Member(json, "seismicForce", s.seismicForce);
  Member(json, "seismicForceDepth", s.seismicForceDepth);
  Member(json, "seismicForceX", s.seismicForceX);
  Member(json, "hydrodynamicForce", s.hydrodynamicForce);
  Member(json, "hydrodynamicBasePressure", s.hydrodynamicBasePressure);
  Member(json, "hydrodynamicDepth", s.hydrodynamicDepth);
  Member(json, "passivePressure", s.passivePressure);
  Member(json, "passiveForce", s.passiveForce);
  Member(json, "passiveForceDepth", s.passiveForceDepth);
  Member(json, "waterPressure", s.waterPressure);
  Member(json, "waterForce", s.waterForce);
  Member(json, "waterForceDepth", s.waterForceDepth);
  Member(json, "waterForceX", s.waterForceX);
  Member(json, "maxWaterPressure", s.maxWaterPressure);
  Member(json, "slopeAdjusted", r.slopeAdjusted);
}

void WriteStability(const StabilityResults& s, JsonWriter& json) {
  Member(json, "sumMoment", s.sumMoment);
  Member(json, "sumVertical", s.sumVertical);
  Member(json, "sumHorizontal", s.sumHorizontal);
  Member(json, "baseWidthUsed", s.baseWidthUsed);
  Member(json, "resultantX", s.resultantX);
  Member(json, "eccentricity", s.eccentricity);
  Member(json, "eccentricMoment", s.eccentricMoment);
  Member(json, "toePressure", s.toePressure);
  Member(json, "heelPressure", s.heelPressure);
  Member(json, "contactWidth", s.contactWidth);
  Member(json, "basePressure", s.basePressure);
  Member(json, "baseSegmentForce", s.baseSegmentForce);
  Member(json, "baseSegmentX", s.baseSegmentX);
  Member(json, "pressureSafetyFactor", s.pressureSafetyFactor);
  Member(json, "slidingForce", s.slidingForce);
  Member(json, "baseFriction", s.baseFriction);
  Member(json, "baseCohesionResistance", s.baseCohesionResistance);
  Member(json, "resistingForce", s.resistingForce);
  Member(json, "slidingSafetyFactor", s.slidingSafetyFactor);
  Member(json, "wallStable", s.wallStable);
  Member(json, "resistingMoment", s.resistingMoment);
  Member(json, "overturningMoment", s.overturningMoment);
  Member(json, "overturningSafetyFactor", s.overturningSafetyFactor);
}

// The bearing resistance as one object: every key always there, null when not computed (and the
// inclination factors null when the base carries nothing).
void WriteBearing(const BearingResults& b, JsonWriter& json) {
  json.Key("bearing").BeginObject();
  const auto member = [&json](const char* name, float value, bool available) {
    if (available) {
      json.Key(name).Value(value);
    } else {
      json.Key(name).Null();
    }
  };
  const bool computed = b.computed;
  const bool inclined = b.computed && b.hasResistance;
  member("effectiveWidth", b.effectiveWidth, computed);
  member("eccentricity", b.eccentricity, computed);
  member("horizontalLoad", b.horizontalLoad, computed);
  member("overburden", b.overburden, computed);
  member("effectiveUnitWeight", b.effectiveUnitWeight, computed);
  member("Nq", b.Nq, computed);
  member("Nc", b.Nc, computed);
  member("Ngamma", b.Ngamma, computed);
  member("iq", b.iq, inclined);
  member("ic", b.ic, inclined);
  member("igamma", b.igamma, inclined);
  member("ultimatePressure", b.ultimatePressure, computed);
  member("resistance", b.resistance, computed);
  member("safetyFactor", b.safetyFactor, computed);
  json.EndObject();
}

}  // namespace

void WriteServiceJson(const AnalysisResults& r, JsonWriter& json) {
  Member(json, "wallOutlineX", r.wallOutlineX);
  Member(json, "wallOutlineY", r.wallOutlineY);
  Member(json, "polygonArea", r.polygonArea);
  Member(json, "polygonCentroidX", r.polygonCentroidX);
  Member(json, "polygonCentroidY", r.polygonCentroidY);
  Member(json, "polygonWeight", r.polygonWeight);
  Member(json, "polygonInertia", r.polygonInertia);
  WritePressures(r, json);
  WriteStability(r.stability, json);
  WriteBearing(r.stability.bearing, json);
}

void WriteGlobalStabilityJson(const GlobalStabilityResults& g, JsonWriter& json) {
  const auto optional = [&json](const char* name, bool present, auto value) {
    json.Key(name);
    if (present) {
      json.Value(value);
    } else {
      json.Null();
    }
  };
  json.Key("global").BeginObject();
  optional("safetyFactor", g.HasFactor(), g.safetyFactor);
  optional("centreX", g.HasCircle(), g.centreX);
  optional("centreY", g.HasCircle(), g.centreY);
  optional("radius", g.HasCircle(), g.radius);
  optional("exitX", g.HasCircle(), g.exitX);
  optional("entryX", g.HasCircle(), g.entryX);
  optional("circlesTried", g.Computed(), g.circlesTried);
  optional("circlesAdmissible", g.Computed(), g.circlesAdmissible);
  json.EndObject();
}

void WriteMessagesJson(const std::vector<std::string>& messages, JsonWriter& json) {
  json.BeginArray();
  for (const std::string& text : messages) json.Value(text);
  json.EndArray();
}

}  // namespace kelvadrome
