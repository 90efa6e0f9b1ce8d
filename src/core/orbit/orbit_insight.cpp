#include "core/orbit/orbit_insight.h"

#include "core/orbit/conic_of_state.h"
#include "core/orbit/kepler_equation.h"
#include "core/orbit/orbit_angles.h"
#include "core/text/text_rules.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The altitudes, period and periapsis place that follow from the radii and the axis.
void FinishFigures(OrbitFigures& f, const PlanetData& planet) {
    f.PeriapsisAltitude = f.PeriapsisRadius - planet.MeanRadius;
    f.ApoapsisAltitude = f.Closed ? f.ApoapsisRadius - planet.MeanRadius : kInfinity;
    f.Altitude = f.Radius - planet.MeanRadius;
    f.Period = f.Closed ? OrbitalPeriod(f.SemiMajorAxis, planet.Mu) : kInfinity;
    f.Periapsis = PlaceOfPeriapsis(f.PeriapsisRadius, planet);
}

bool Sound(const OrbitFigures& f) {
    // Absurd inputs (a number too large for a double, say) must give a problem, not NaN figures.
    return std::isfinite(f.PeriapsisRadius) && std::isfinite(f.Eccentricity) && std::isfinite(f.Radius) &&
           std::isfinite(f.SemiLatusRectum) && !std::isnan(f.Speed) && !std::isnan(f.SemiMajorAxis) &&
           !std::isnan(f.Period) && (!f.Closed || std::isfinite(f.Period));
}
} // namespace

PeriapsisPlace PlaceOfPeriapsis(double periapsisRadius, const PlanetData& planet) {
    if (periapsisRadius <= planet.MeanRadius) return PeriapsisPlace::BelowSurface;
    if (periapsisRadius <= planet.MeanRadius + planet.AtmosphereLimit)
        return PeriapsisPlace::InsideAtmosphere;
    return PeriapsisPlace::Clear;
}

double OrbitalPeriod(double semiMajorAxis, double mu) {
    if (!(semiMajorAxis > 0) || !(mu > 0)) return kInfinity;
    return 2 * kPi * std::sqrt(semiMajorAxis / mu) * semiMajorAxis;
}

OrbitFigures FiguresFromElements(double a, double e, double inclination, double ascendingNode,
                                 double periapsisLongitude, double meanLongitude, const PlanetData& planet) {
    OrbitFigures f;
    f.Closed = true;
    f.SemiMajorAxis = a;
    f.Eccentricity = e;
    f.SemiLatusRectum = a * (1 - e * e);
    f.Inclination = inclination;
    f.AscendingNode = Degrees360(ascendingNode);
    // The periapsis longitude is the node longitude plus the argument of periapsis, and the
    // mean longitude is the periapsis longitude plus the mean anomaly.
    f.ArgumentOfPeriapsis = Degrees360(periapsisLongitude - ascendingNode);
    const double meanAnomaly = (meanLongitude - periapsisLongitude) * kDegree;
    const double bigE = EccentricAnomaly(meanAnomaly, e);
    const double nu =
        2 * std::atan2(std::sqrt(1 + e) * std::sin(bigE / 2), std::sqrt(1 - e) * std::cos(bigE / 2));
    f.TrueAnomaly = Degrees360(nu / kDegree);
    f.PeriapsisRadius = a * (1 - e);
    f.ApoapsisRadius = a * (1 + e);
    f.Radius = a * (1 - e * std::cos(bigE));
    f.Speed = std::sqrt(std::max(0.0, planet.Mu * (2 / f.Radius - 1 / a)));
    FinishFigures(f, planet);
    return f;
}

OrbitFigures FiguresFromState(const Vector3& r, const Vector3& v, const PlanetData& planet) {
    const double mu = planet.Mu;
    const ConicOfState c = ConicFromState(r, v, mu);
    OrbitFigures f;
    f.Radius = c.Radius;
    f.Speed = c.Speed;
    f.Eccentricity = c.Eccentricity;
    f.SemiLatusRectum = c.SemiLatusRectum;
    f.Closed = c.Energy < 0;
    if (f.Closed) {
        f.SemiMajorAxis = -mu / (2 * c.Energy);
        f.PeriapsisRadius = f.SemiMajorAxis * (1 - f.Eccentricity);
        f.ApoapsisRadius = f.SemiMajorAxis * (1 + f.Eccentricity);
    } else {
        f.SemiMajorAxis = c.Energy == 0 ? kInfinity : -mu / (2 * c.Energy);
        f.PeriapsisRadius = f.SemiLatusRectum / (1 + f.Eccentricity);
        f.ApoapsisRadius = kInfinity;
    }
    f.Inclination = c.Inclination / kDegree;
    f.AscendingNode = Degrees360(c.AscendingNode / kDegree);
    f.ArgumentOfPeriapsis = Degrees360(c.ArgumentOfPeriapsis / kDegree);
    f.TrueAnomaly = Degrees360(c.TrueAnomaly / kDegree);
    FinishFigures(f, planet);
    return f;
}

bool InsightNumber(const QString& text, double* value) {
    const QString t = Trim(text);
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == u'-' || t.at(i) == u'+')) ++i;
    if (i < t.size() && t.at(i) == u'.') ++i;
    if (i >= t.size() || t.at(i) < u'0' || t.at(i) > u'9') return false;
    *value = LeadingNumber(t);
    return std::isfinite(*value);
}

namespace {
bool Blank(std::initializer_list<QString> texts) {
    for (const QString& text : texts) {
        if (!Trim(text).isEmpty()) return false;
    }
    return true;
}

double AngleOrZero(const QString& text) {
    double value = 0;
    return InsightNumber(text, &value) ? value : 0.0;
}
} // namespace

OrbitInsight StationOrbitInsight(const StationElementTexts& t, const PlanetData& planet) {
    OrbitInsight insight;
    if (Blank({t.SemiMajorAxis, t.Excentricity})) {
        insight.Problem = OrbitInsightProblem::Blank;
        return insight;
    }
    if (!planet.Known) {
        insight.Problem = OrbitInsightProblem::NoPlanetData;
        return insight;
    }
    double a = 0, e = 0;
    if (!InsightNumber(t.SemiMajorAxis, &a) || !InsightNumber(t.Excentricity, &e)) {
        insight.Problem = OrbitInsightProblem::NotANumber;
        return insight;
    }
    if (!(a > 0) || !(e >= 0) || !(e < 1)) {
        insight.Problem = OrbitInsightProblem::OutOfRange;
        return insight;
    }
    // The angles only place the orbit; one still being typed counts as 0 meanwhile.
    const double i = AngleOrZero(t.Inclination);
    const double node = AngleOrZero(t.AscendingNodeLongitude);
    const double periapsis = AngleOrZero(t.PeriapsisLongitude);
    const double mean = AngleOrZero(t.MeanLongitude);
    insight.Figures = FiguresFromElements(a, e, i, node, periapsis, mean, planet);
    if (!Sound(insight.Figures)) insight.Problem = OrbitInsightProblem::OutOfRange;
    return insight;
}

OrbitInsight ShipOrbitInsight(const ShipStateTexts& t, const PlanetData& planet) {
    OrbitInsight insight;
    if (Blank({t.RposX, t.RposY, t.RposZ, t.RvelX, t.RvelY, t.RvelZ})) {
        insight.Problem = OrbitInsightProblem::Blank;
        return insight;
    }
    if (!planet.Known) {
        insight.Problem = OrbitInsightProblem::NoPlanetData;
        return insight;
    }
    double rx = 0, ry = 0, rz = 0, vx = 0, vy = 0, vz = 0;
    if (!InsightNumber(t.RposX, &rx) || !InsightNumber(t.RposY, &ry) || !InsightNumber(t.RposZ, &rz) ||
        !InsightNumber(t.RvelX, &vx) || !InsightNumber(t.RvelY, &vy) || !InsightNumber(t.RvelZ, &vz)) {
        insight.Problem = OrbitInsightProblem::NotANumber;
        return insight;
    }
    // The inclination and the node are measured against the ecliptic, whose pole is the
    // simulator's +y.
    const Vector3 r = FromSimulatorFrame(rx, ry, rz);
    const Vector3 v = FromSimulatorFrame(vx, vy, vz);
    if (Norm(r) == 0) {
        insight.Problem = OrbitInsightProblem::AtCentre;
        return insight;
    }
    insight.Figures = FiguresFromState(r, v, planet);
    if (!Sound(insight.Figures)) insight.Problem = OrbitInsightProblem::OutOfRange;
    return insight;
}
