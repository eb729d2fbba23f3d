// SPDX-License-Identifier: GPL-3.0-or-later
// Contributions to the stem section: self-weight, static earth pressure with its vertical
// components, seismic inertia and earth-pressure increment, hydrodynamic thrust and the water
// on both faces. Horizontal pushes towards the toe give negative moment and shear.
#include <array>
#include <cmath>
#include <optional>

#include "engine/BackfillSlope.h"
#include "engine/InternalEarthCoefficient.h"
#include "engine/InternalForcesTerms.h"
#include "engine/WallGeometry.h"

namespace kelvadrome {

namespace {

// The stem above its section in three pieces. Their vertex orders run against the outline
// polygons, so their signed areas come out negative: the magnitude is the piece.
using StemPieces = std::array<PolygonProperties, 3>;

[[nodiscard]] StemPieces StemPiecesOf(const AnalysisResults& r) {
  return {OutlinePolygonAreaCentroid(r, {8, 46, 45, 1}), OutlinePolygonAreaCentroid(r, {45, 43, 1}),
          OutlinePolygonAreaCentroid(r, {44, 46, 8})};
}

[[nodiscard]] double Coefficient(std::optional<double> k, const char* what) {
  if (!k) throw EngineError(std::string("Square root of a negative number: ") + what);
  return *k;
}

struct StemEarth {
  double alpha = 0;     // back face angle from the vertical
  double friction = 0;  // α + δ, direction of the earth thrust from the horizontal
  double ka = 0;
  double seismicIncrement = 0;  // ΔK, never below 0
};

[[nodiscard]] StemEarth StemEarthCoefficients(const ProjectData& p, float backfillSlope) {
  StemEarth e;
  const double phi = Radians(p.backfillFrictionAngle);
  const double delta = Radians(p.wallFrictionConcrete);
  const double beta = BackfillSlopeAngle(backfillSlope);
  const double psi = std::atan(double(p.seismicCoefficient));
  // A stem without back height has nothing above its section for the earth to push on.
  e.alpha = p.stemBackHeight == 0 ? 0.0 : std::atan(double(p.stemBackBatter) / p.stemBackHeight);
  e.friction = e.alpha + delta;
  e.ka = Coefficient(InclinedFaceEarthCoefficient(EarthState::active, phi, beta, delta, e.alpha, 0),
                     "the earth pressure coefficient on the stem.");
  const double kae = Coefficient(InclinedFaceEarthCoefficient(EarthState::active, phi, beta, delta, e.alpha, psi),
                                 "the seismic earth pressure coefficient on the stem.");
  e.seismicIncrement = std::max(kae - e.ka, 0.0);
  return e;
}

class StemTerms {
 public:
  StemTerms(const FactoredCase& c, SectionSums stem) : c_(c), p_(c.project), g_(c.g), stem_(stem) {}

  void SelfWeight(const StemPieces& pieces) {
    for (const PolygonProperties& pp : pieces) {
      const double weight = std::fabs(pp.area) * p_.concreteUnitWeight * c_.dead;
      stem_.Moment(weight * (pp.centroidX - g_.stemCentreX));
      stem_.Normal(weight);
    }
  }

  void StaticEarth(const StemEarth& e) {
    const double y8 = c_.Y(8), y43 = g_.stemSectionY, qw = p_.waterDepthBack;
    const double dry = std::min(qw, y43);
    const double submerged = std::max(y43 - qw, 0.0);
    const double scale = c_.soil * std::cos(e.friction) * e.ka;
    const double beta = BackfillSlopeAngle(SlopeInForce(p_, c_.results));
    const double p0 = scale * p_.surchargeLoad * std::cos(e.alpha) / std::cos(e.alpha - beta);
    const double p1 = p0 + scale * p_.backfillUnitWeight * dry;
    const double p2 = p1 + scale * (double(p_.backfillSaturatedDensity) - p_.waterUnitWeight) * submerged;
    const Resultant upper = TrapezoidResultant(y8, y8 + dry, p0, p1);
    const Resultant lower = TrapezoidResultant(y8 + dry, y43, p1, p2);
    for (const Resultant& f : {upper, lower}) {
      stem_.Moment(-f.force * (y43 - f.position));
      stem_.Shear(-f.force);
    }
    for (const Resultant& f : {upper, lower}) VerticalComponent(f, e.friction);
  }

  void Inertia(const StemPieces& pieces) {
    const double kh = p_.seismicCoefficient;
    for (const PolygonProperties& pp : pieces) {
      const double force = std::fabs(pp.area) * p_.concreteUnitWeight * c_.seismic * kh;
      stem_.Moment(-force * (g_.stemSectionY - pp.centroidY));
      stem_.Shear(-force);
    }
  }

  void SeismicIncrement(const StemEarth& e) {
    const double y44 = c_.Y(44);
    const double scale = e.seismicIncrement * std::cos(e.friction) * c_.seismic;
    const double top = scale * p_.backfillUnitWeight * p_.stemBackHeight;
    Thrust(TrapezoidResultant(c_.Y(8), y44, top, 0), e.friction);
    if (g_.stemSectionY > p_.waterDepthBack) {
      const double wet = scale * (double(p_.backfillSaturatedDensity) - p_.backfillUnitWeight) *
                         (double(p_.stemBackHeight) - p_.waterDepthBack);
      Thrust(TrapezoidResultant(c_.Y(49), y44, wet, 0), e.friction);
    }
  }

  void Hydrodynamic() {
    if (!(g_.stemSectionY > p_.waterDepthFront)) return;
    const double hw = g_.stemSectionY - p_.waterDepthFront;
    const double force = 7.0 / 12 * p_.waterUnitWeight * p_.seismicCoefficient * hw * hw * c_.seismic;
    const double depth = p_.waterDepthFront + 0.6 * hw;
    stem_.Moment(-force * (g_.stemSectionY - depth));
    stem_.Shear(-force);
  }

  void WaterBehind() {
    if (!(g_.stemSectionY > p_.waterDepthBack)) return;
    const double pw = p_.waterUnitWeight * (g_.stemSectionY - p_.waterDepthBack) * c_.water;
    const Resultant f = TrapezoidResultant(c_.Y(13), c_.Y(44), 0, pw);
    stem_.Moment(-f.force * (g_.stemSectionY - f.position));
    stem_.Shear(-f.force);
    const Resultant v = TrapezoidResultant(c_.X(13), c_.X(44), 0, pw);
    stem_.Moment(v.force * (v.position - g_.stemCentreX));
    stem_.Normal(v.force);
  }

  void WaterInFront() {
    if (!(g_.stemSectionY > p_.waterDepthFront)) return;
    const double pw = p_.waterUnitWeight * (g_.stemSectionY - p_.waterDepthFront) * c_.water;
    const Resultant f = TrapezoidResultant(c_.Y(12), g_.stemSectionY, 0, pw);
    stem_.Moment(f.force * (g_.stemSectionY - f.position));
    stem_.Shear(f.force);
    const Resultant v = TrapezoidResultant(c_.X(12), c_.X(43), 0, pw);
    stem_.Moment(v.force * (v.position - g_.stemCentreX));
    stem_.Normal(v.force);
  }

 private:
  // x of the stem's back face at depth y.
  [[nodiscard]] double BackFaceX(double y) const {
    if (p_.stemBackHeight == 0) return c_.X(8);
    return c_.X(8) + p_.stemBackBatter * y / p_.stemBackHeight;
  }

  void VerticalComponent(const Resultant& f, double friction) {
    const double vertical = f.force * std::tan(friction);
    stem_.Moment(vertical * (BackFaceX(f.position) - g_.stemCentreX));
    stem_.Normal(vertical);
  }

  void Thrust(const Resultant& f, double friction) {
    stem_.Moment(-f.force * (g_.stemSectionY - f.position));
    stem_.Shear(-f.force);
    VerticalComponent(f, friction);
  }

  const FactoredCase& c_;
  const ProjectData& p_;
  const SectionGeometry& g_;
  SectionSums stem_;
};

}  // namespace

void AddStemTerms(const FactoredCase& c, SectionSums stem) {
  const StemEarth earth = StemEarthCoefficients(c.project, SlopeInForce(c.project, c.results));
  const StemPieces pieces = StemPiecesOf(c.results);
  StemTerms t(c, stem);
  t.SelfWeight(pieces);
  t.StaticEarth(earth);
  t.Inertia(pieces);
  t.SeismicIncrement(earth);
  t.Hydrodynamic();
  t.WaterBehind();
  t.WaterInFront();
}

}  // namespace kelvadrome
