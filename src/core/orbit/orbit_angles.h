#pragma once
// Angles of the orbit maths: the constants and the one rule that brings degrees into
// [0, 360). Included by the orbit sources only, so that tests keep constants of their own.
#include <cmath>

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kDegree = kPi / 180;

// An angle in degrees brought into [0, 360); not finite stays as it is.
inline double Degrees360(double degrees) {
    if (!std::isfinite(degrees)) return degrees;
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360;
    return d >= 360 ? 0 : d;
}
