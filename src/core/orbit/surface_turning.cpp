#include "core/orbit/surface_turning.h"

#include "core/orbit/orbit_angles.h"

#include <cmath>

namespace {
// Eastward by the angle in the equator frame: longitudes count from x towards z.
Vector3 TurnedEast(const Vector3& v, double c, double s) {
    return {c * v.X - s * v.Z, v.Y, s * v.X + c * v.Z};
}
} // namespace

OrbitState TurnedWithSurface(const OrbitState& ecliptic, const EquatorFrame& frame, double siderealPeriod,
                             double seconds) {
    if (siderealPeriod == 0 || !std::isfinite(siderealPeriod) || !std::isfinite(seconds)) return ecliptic;
    // Whole turns first, so that a date years away keeps the angle's digits.
    const double angle = 2 * kPi * (std::remainder(seconds, siderealPeriod) / siderealPeriod);
    const double c = std::cos(angle), s = std::sin(angle);
    const OrbitState equator = EclipticToEquator(ecliptic, frame);
    return EquatorToEcliptic(
        OrbitState{TurnedEast(equator.Position, c, s), TurnedEast(equator.Velocity, c, s)}, frame);
}
