#include "core/orbit/orbit_projection.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;

Vector3 Unit(const Vector3& v) {
    const double n = Norm(v);
    return n > 0 ? (1 / n) * v : Vector3{};
}

QPointF Seen(const Vector3& v) {
    return {v.X, v.Z};
}
} // namespace

ProjectedOrbit ProjectedOrbitOf(const OrbitState& state, double mu, double reach, int samples) {
    ProjectedOrbit o;
    const Vector3& r = state.Position;
    const Vector3& v = state.Velocity;
    o.AtStart = Seen(r);
    const double radius = Norm(r);
    // The cross product's component formula applied twice gives the direction of motion in the
    // orbit's plane whatever the handedness of the components.
    const Vector3 h = Cross(r, v);
    const double h2 = Dot(h, h);
    if (!(mu > 0) || !(radius > 0) || !(h2 > 1e-12 * radius * radius * Dot(v, v)) || !std::isfinite(h2))
        return o;
    const Vector3 eVector = (1 / mu) * ((Dot(v, v) - mu / radius) * r - Dot(r, v) * v);
    const double e = Norm(eVector);
    // A circle's periapsis is put at the start's position, so that its path starts there.
    const Vector3 p = e > 1e-9 ? Unit(eVector) : Unit(r);
    const Vector3 q = Unit(Cross(h, p));
    const double semiLatus = h2 / mu;
    o.Closed = e < 1;
    double limit = kPi;
    if (!o.Closed) {
        const double farthest = std::max(reach, 4 * std::max(semiLatus / (1 + e), radius));
        limit = std::acos(std::clamp((semiLatus / farthest - 1) / e, -1.0, 1.0));
    }
    samples = std::max(samples, 8);
    o.Path.reserve(samples + 1);
    for (int k = 0; k <= samples; ++k) {
        const double nu = -limit + 2 * limit * k / samples;
        const double at = semiLatus / (1 + e * std::cos(nu));
        o.Path.append(Seen(at * std::cos(nu) * p + at * std::sin(nu) * q));
    }
    if (o.Closed) o.Path.removeLast(); // the last point is the first again
    return o;
}
