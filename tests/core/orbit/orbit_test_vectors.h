#pragma once
// What the orbit tests share: vectors as table columns, their distances, and the Earth's
// figures from outside this program.
#include "core/orbit/vector3.h"

#include <QMetaType>
#include <QString>
#include <cmath>

Q_DECLARE_METATYPE(Vector3)

namespace orbit_test {
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;
// The simulator's gravitational constant and the Earth's mass in its planet file.
constexpr double kSimulatorG = 6.67259e-11;
constexpr double kEarthMass = 5.973698968e24;
// GM of the Earth as geodesy gives it (WGS 84), m^3/s^2.
constexpr double kEarthGm = 3.986004418e14;
// The Earth's obliquity at J2000 in its planet file, radians, and its sidereal day, s.
constexpr double kEarthObliquity = 0.4090928023;
constexpr double kSiderealDay = 86164.09;

inline double Distance(const Vector3& a, const Vector3& b) {
    return Norm(a - b);
}
inline double Energy(const OrbitState& s, double mu) {
    return Dot(s.Velocity, s.Velocity) / 2 - mu / Norm(s.Position);
}
// The angular momentum; the cross product's formula serves in either frame, as long as both
// sides compared are in the same one.
inline Vector3 Momentum(const OrbitState& s) {
    return Cross(s.Position, s.Velocity);
}
inline QString Text(const Vector3& v) {
    return QStringLiteral("(%1, %2, %3)").arg(v.X, 0, 'g', 17).arg(v.Y, 0, 'g', 17).arg(v.Z, 0, 'g', 17);
}
// The difference of two angles in degrees, folded into [-180, 180].
inline double AngleGap(double a, double b) {
    return std::remainder(a - b, 360.0);
}
} // namespace orbit_test
