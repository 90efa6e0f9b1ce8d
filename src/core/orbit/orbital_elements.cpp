#include "core/orbit/orbital_elements.h"

#include "core/orbit/conic_of_state.h"
#include "core/orbit/kepler_equation.h"
#include "core/orbit/orbit_angles.h"

#include <cmath>
#include <initializer_list>

namespace {
constexpr double kSecondsPerDay = 86400;

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

ElementsProblem ProblemOf(const OrbitalElements& el, double mu, double mjd) {
    if (!Finite({el.SemiMajorAxis, el.Eccentricity, el.Inclination, el.AscendingNode, el.PeriapsisLongitude,
                 el.MeanLongitude, el.Epoch, mu, mjd}))
        return ElementsProblem::NotFinite;
    if (!(mu > 0)) return ElementsProblem::NoGravity;
    const double a = el.SemiMajorAxis, e = el.Eccentricity;
    if (e < 0) return ElementsProblem::NegativeEccentricity;
    if (e == 1) return ElementsProblem::Parabola;
    if ((e < 1 && !(a > 0)) || (e > 1 && !(a < 0))) return ElementsProblem::AxisAgainstShape;
    return ElementsProblem::None;
}

// The 3-1-3 turn of a vector of the orbit's plane (x to the periapsis, y a quarter turn on in
// the direction of motion) by the argument of periapsis w, the inclination i and the node n.
Vector3 FromOrbitPlane(double x, double y, double w, double i, double n) {
    const double cw = std::cos(w), sw = std::sin(w), ci = std::cos(i), si = std::sin(i);
    const double cn = std::cos(n), sn = std::sin(n);
    const Vector3 p{cn * cw - sn * sw * ci, sn * cw + cn * sw * ci, sw * si};
    const Vector3 q{-cn * sw - sn * cw * ci, -sn * sw + cn * cw * ci, cw * si};
    return x * p + y * q;
}
} // namespace

StateAtTime StateFromElements(const OrbitalElements& el, double mu, double mjd) {
    StateAtTime result;
    result.Problem = ProblemOf(el, mu, mjd);
    if (result.Problem != ElementsProblem::None) return result;
    const double a = el.SemiMajorAxis, e = el.Eccentricity;
    const double n = std::sqrt(mu / std::fabs(a)) / std::fabs(a); // mean motion, rad/s
    const double meanAnomaly =
        (el.MeanLongitude - el.PeriapsisLongitude) * kDegree + n * (mjd - el.Epoch) * kSecondsPerDay;
    double x = 0, y = 0, vx = 0, vy = 0;
    if (e < 1) {
        const double bigE = EccentricAnomaly(meanAnomaly, e);
        const double b = a * std::sqrt((1 - e) * (1 + e));
        const double rate = n / (1 - e * std::cos(bigE)); // dE/dt
        x = a * (std::cos(bigE) - e);
        y = b * std::sin(bigE);
        vx = -a * std::sin(bigE) * rate;
        vy = b * std::cos(bigE) * rate;
    } else {
        const double h = HyperbolicAnomaly(meanAnomaly, e);
        const double aa = -a, b = aa * std::sqrt((e - 1) * (e + 1));
        const double rate = n / (e * std::cosh(h) - 1); // dH/dt
        x = aa * (e - std::cosh(h));
        y = b * std::sinh(h);
        vx = -aa * std::sinh(h) * rate;
        vy = b * std::cosh(h) * rate;
    }
    const double w = (el.PeriapsisLongitude - el.AscendingNode) * kDegree;
    const double i = el.Inclination * kDegree, node = el.AscendingNode * kDegree;
    result.State.Position = ToSimulatorFrame(FromOrbitPlane(x, y, w, i, node));
    result.State.Velocity = ToSimulatorFrame(FromOrbitPlane(vx, vy, w, i, node));
    if (!Finite({result.State.Position.X, result.State.Position.Y, result.State.Position.Z,
                 result.State.Velocity.X, result.State.Velocity.Y, result.State.Velocity.Z}))
        result.Problem = ElementsProblem::NotFinite;
    return result;
}

ElementsAtTime ElementsFromState(const OrbitState& state, double mu, double mjd) {
    ElementsAtTime result;
    const Vector3 r = FromSimulatorFrame(state.Position), v = FromSimulatorFrame(state.Velocity);
    if (!Finite({r.X, r.Y, r.Z, v.X, v.Y, v.Z, mu, mjd})) {
        result.Problem = ElementsProblem::NotFinite;
        return result;
    }
    if (!(mu > 0)) {
        result.Problem = ElementsProblem::NoGravity;
        return result;
    }
    if (Norm(r) == 0) {
        result.Problem = ElementsProblem::AtCentre;
        return result;
    }
    const ConicOfState c = ConicFromState(r, v, mu);
    if (!c.HasPlane) {
        result.Problem = ElementsProblem::NoPlane;
        return result;
    }
    // 1 / a = 2 / r - v^2 / mu: exactly 0 only on the escape speed. So near it that the
    // rounding of the axis and of the eccentricity disagree, the state counts as a parabola.
    const double alpha = 2 / c.Radius - c.Speed * c.Speed / mu;
    if (alpha == 0 || !std::isfinite(1 / alpha) || (alpha > 0) != (c.Eccentricity < 1)) {
        result.Problem = ElementsProblem::Parabola;
        return result;
    }
    const double e = c.Eccentricity, nu = c.TrueAnomaly;
    double meanAnomaly = 0;
    if (e < 1) {
        const double bigE =
            2 * std::atan2(std::sqrt(1 - e) * std::sin(nu / 2), std::sqrt(1 + e) * std::cos(nu / 2));
        meanAnomaly = bigE - e * std::sin(bigE);
    } else {
        // sinh H = sin nu sqrt(e^2 - 1) / (1 + e cos nu): no tangent of half angles that
        // grows without bound near the asymptotes.
        const double h = std::asinh(std::sin(nu) * std::sqrt((e - 1) * (e + 1)) / (1 + e * std::cos(nu)));
        meanAnomaly = e * std::sinh(h) - h;
    }
    OrbitalElements& el = result.Elements;
    el.SemiMajorAxis = 1 / alpha;
    el.Eccentricity = e;
    el.Inclination = c.Inclination / kDegree;
    el.AscendingNode = Degrees360(c.AscendingNode / kDegree);
    el.PeriapsisLongitude = Degrees360((c.AscendingNode + c.ArgumentOfPeriapsis) / kDegree);
    el.MeanLongitude = el.PeriapsisLongitude + meanAnomaly / kDegree;
    if (e < 1) el.MeanLongitude = Degrees360(el.MeanLongitude);
    el.Epoch = mjd;
    return result;
}
