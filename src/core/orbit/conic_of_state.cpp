#include "core/orbit/conic_of_state.h"

#include "core/orbit/orbit_angles.h"

#include <cmath>

namespace {
// Below this the orbit is taken as a circle: the periapsis direction is noise. A circle read
// back from elements then lies within about twice this of the state it came from.
constexpr double kCircular = 1e-11;
// Below this sine of the inclination the node direction is noise.
constexpr double kInPlane = 1e-12;
} // namespace

ConicOfState ConicFromState(const Vector3& r, const Vector3& v, double mu) {
    ConicOfState c;
    c.Radius = Norm(r);
    c.Speed = Norm(v);
    const Vector3 h = Cross(r, v);
    const double hNorm = Norm(h);
    c.Energy = c.Speed * c.Speed / 2 - mu / c.Radius;
    const Vector3 eVector = (1 / mu) * ((c.Speed * c.Speed - mu / c.Radius) * r - Dot(r, v) * v);
    c.Eccentricity = Norm(eVector);
    // The eccentricity vector and the energy are worked out apart; near 1 their rounding may
    // disagree about the kind of conic, and the energy decides.
    if (c.Energy < 0 && c.Eccentricity >= 1) c.Eccentricity = std::nextafter(1.0, 0.0);
    if (c.Energy > 0 && c.Eccentricity <= 1) c.Eccentricity = std::nextafter(1.0, 2.0);
    c.SemiLatusRectum = hNorm * hNorm / mu;
    c.HasPlane = hNorm > 0;

    Vector3 p{1, 0, 0};
    Vector3 q{0, 1, 0};
    if (c.HasPlane) {
        const Vector3 w = (1 / hNorm) * h;
        // atan2 keeps the inclination exact near 0 and 180 degrees, where acos loses it.
        c.Inclination = std::atan2(std::hypot(w.X, w.Y), w.Z);
        const Vector3 node{-h.Y, h.X, 0};
        const double nodeNorm = Norm(node);
        c.HasNode = nodeNorm > kInPlane * hNorm;
        if (c.HasNode) {
            p = (1 / nodeNorm) * node;
            c.AscendingNode = std::atan2(node.Y, node.X);
        }
        q = Cross(w, p);
    } else if (c.Radius > 0) {
        // A fall straight towards or away from the centre has no plane; its line will do.
        p = (1 / c.Radius) * r;
        q = std::fabs(p.Z) < 0.9 ? Cross(Vector3{0, 0, 1}, p) : Cross(Vector3{1, 0, 0}, p);
        q = (1 / Norm(q)) * q;
    }
    const double bodyAngle = std::atan2(Dot(r, q), Dot(r, p));
    const double periapsisAngle =
        c.Eccentricity > kCircular ? std::atan2(Dot(eVector, q), Dot(eVector, p)) : 0.0;
    c.ArgumentOfPeriapsis = periapsisAngle;
    c.TrueAnomaly = std::remainder(bodyAngle - periapsisAngle, 2 * kPi);
    return c;
}
