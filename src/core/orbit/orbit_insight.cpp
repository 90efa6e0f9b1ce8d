#include "core/orbit/orbit_insight.h"

#include "core/text/text_rules.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Below this the orbit is taken as circular and the periapsis direction as undefined.
constexpr double kCircular = 1e-9;

double Dot(const Vector3& a, const Vector3& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
double Norm(const Vector3& a) {
    return std::sqrt(Dot(a, a));
}
Vector3 Scaled(const Vector3& a, double k) {
    return {a.X * k, a.Y * k, a.Z * k};
}
Vector3 Minus(const Vector3& a, const Vector3& b) {
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}

// An angle in degrees brought into [0, 360).
double Degrees360(double degrees) {
    if (!std::isfinite(degrees)) return degrees;
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360;
    return d >= 360 ? 0 : d;
}

// The altitudes, period and periapsis place that follow from the radii and the axis.
void FinishFigures(OrbitFigures& f, const PlanetOrbitData& planet) {
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

PeriapsisPlace PlaceOfPeriapsis(double periapsisRadius, const PlanetOrbitData& planet) {
    if (periapsisRadius <= planet.MeanRadius) return PeriapsisPlace::BelowSurface;
    if (periapsisRadius <= planet.MeanRadius + planet.AtmosphereLimit)
        return PeriapsisPlace::InsideAtmosphere;
    return PeriapsisPlace::Clear;
}

double OrbitalPeriod(double semiMajorAxis, double mu) {
    if (!(semiMajorAxis > 0) || !(mu > 0)) return kInfinity;
    return 2 * kPi * std::sqrt(semiMajorAxis / mu) * semiMajorAxis;
}

double EccentricAnomaly(double meanAnomaly, double eccentricity) {
    // Kepler's equation E - e sin E = M, solved on [-pi, pi] where its left side only grows:
    // Newton's steps, kept inside a shrinking bracket so that no eccentricity can make it stray.
    double m = std::remainder(meanAnomaly, 2 * kPi);
    if (!std::isfinite(m)) return 0;
    const double e = eccentricity;
    double low = -kPi, high = kPi;
    double x = e < 0.8 ? m : (m < 0 ? -kPi : kPi);
    for (int i = 0; i < 100; ++i) {
        const double f = x - e * std::sin(x) - m;
        if (f == 0) break;
        if (f > 0)
            high = x;
        else
            low = x;
        const double slope = 1 - e * std::cos(x);
        double next = slope > 0 ? x - f / slope : (low + high) / 2;
        if (!(next > low && next < high)) next = (low + high) / 2;
        if (std::fabs(next - x) < 1e-15) return next + (meanAnomaly - m);
        x = next;
    }
    return x + (meanAnomaly - m);
}

OrbitFigures FiguresFromElements(double a, double e, double inclination, double ascendingNode,
                                 double periapsisLongitude, double meanLongitude,
                                 const PlanetOrbitData& planet) {
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

OrbitFigures FiguresFromState(const Vector3& r, const Vector3& v, const PlanetOrbitData& planet) {
    const double mu = planet.Mu;
    OrbitFigures f;
    f.Radius = Norm(r);
    f.Speed = Norm(v);
    const Vector3 h = Cross(r, v);
    const double hNorm = Norm(h);
    const double energy = f.Speed * f.Speed / 2 - mu / f.Radius;
    const Vector3 eVector =
        Scaled(Minus(Scaled(r, f.Speed * f.Speed - mu / f.Radius), Scaled(v, Dot(r, v))), 1 / mu);
    f.Eccentricity = Norm(eVector);
    f.SemiLatusRectum = hNorm * hNorm / mu;
    f.Closed = energy < 0;
    if (f.Closed) {
        f.SemiMajorAxis = -mu / (2 * energy);
        f.PeriapsisRadius = f.SemiMajorAxis * (1 - f.Eccentricity);
        f.ApoapsisRadius = f.SemiMajorAxis * (1 + f.Eccentricity);
    } else {
        f.SemiMajorAxis = energy == 0 ? kInfinity : -mu / (2 * energy);
        f.PeriapsisRadius = f.SemiLatusRectum / (1 + f.Eccentricity);
        f.ApoapsisRadius = kInfinity;
    }

    // Angles in the orbit's plane are measured, in the direction of motion, from the
    // ascending node, or from +X when the orbit lies in the reference plane.
    Vector3 p{1, 0, 0};
    Vector3 q{0, 1, 0};
    if (hNorm > 0) {
        const Vector3 w = Scaled(h, 1 / hNorm);
        f.Inclination = std::acos(std::clamp(w.Z, -1.0, 1.0)) / kDegree;
        const Vector3 node{-h.Y, h.X, 0};
        const double nodeNorm = Norm(node);
        if (nodeNorm > 1e-12 * hNorm) {
            p = Scaled(node, 1 / nodeNorm);
            f.AscendingNode = Degrees360(std::atan2(node.Y, node.X) / kDegree);
        }
        q = Cross(w, p);
    } else if (f.Radius > 0) {
        // A fall straight towards or away from the centre has no plane; its line will do.
        p = Scaled(r, 1 / f.Radius);
        q = std::fabs(p.Z) < 0.9 ? Cross(Vector3{0, 0, 1}, p) : Cross(Vector3{1, 0, 0}, p);
        q = Scaled(q, 1 / Norm(q));
    }
    const double bodyAngle = std::atan2(Dot(r, q), Dot(r, p));
    const double periapsisAngle =
        f.Eccentricity > kCircular ? std::atan2(Dot(eVector, q), Dot(eVector, p)) : 0.0;
    f.ArgumentOfPeriapsis = Degrees360(periapsisAngle / kDegree);
    f.TrueAnomaly = Degrees360((bodyAngle - periapsisAngle) / kDegree);
    FinishFigures(f, planet);
    return f;
}

Vector3 FromSimulatorFrame(double x, double y, double z) {
    return {x, z, y};
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

OrbitInsight StationOrbitInsight(const StationElementTexts& t, const PlanetOrbitData& planet) {
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

OrbitInsight ShipOrbitInsight(const ShipStateTexts& t, const PlanetOrbitData& planet) {
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
