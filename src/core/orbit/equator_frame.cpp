#include "core/orbit/equator_frame.h"

#include "core/orbit/orbit_angles.h"

#include <cmath>
#include <limits>

namespace {
// The construction's turn: by the obliquity e about x, which tips the north towards
// longitude 90 degrees, then by L in longitude, so that y goes to
// (-sin e sin L, cos e, sin e cos L) and x to the node (cos L, 0, sin L).
struct Turn {
    Vector3 X, Y, Z; // images of the ecliptic axes
    Vector3 Of(const Vector3& v) const { return v.X * X + v.Y * Y + v.Z * Z; }
};
Turn TurnOf(double obliquity, double longitude) {
    const double ce = std::cos(obliquity), se = std::sin(obliquity);
    const double cl = std::cos(longitude), sl = std::sin(longitude);
    return {{cl, 0, sl}, {-se * sl, ce, se * cl}, {-ce * sl, -se, ce * cl}};
}
} // namespace

EquatorFrame EquatorFrameAt(const BodyRotation& b, double mjd) {
    double longitude = b.Lan;
    if (b.PrecessionPeriod != 0) longitude += 2 * kPi * (mjd - b.LanMjd) / b.PrecessionPeriod;
    const Turn local = TurnOf(b.Obliquity, longitude);
    const Turn reference = TurnOf(b.PrecessionObliquity, b.PrecessionLan);
    EquatorFrame f;
    f.Y = reference.Of(local.Y);
    const Vector3 north{0, 1, 0};
    const Vector3 x = Cross(north, f.Y);
    const double length = Norm(x);
    // An axis on the ecliptic north has no node; the construction's own x, the limit of the
    // node as the axis comes upright, takes its place.
    f.X = length > 1e-12 ? (1 / length) * x : reference.Of(local.X);
    f.Z = Cross(f.X, f.Y);
    return f;
}

Vector3 EclipticToEquator(const Vector3& v, const EquatorFrame& f) {
    return {Dot(v, f.X), Dot(v, f.Y), Dot(v, f.Z)};
}

Vector3 EquatorToEcliptic(const Vector3& v, const EquatorFrame& f) {
    return v.X * f.X + v.Y * f.Y + v.Z * f.Z;
}

OrbitState EclipticToEquator(const OrbitState& s, const EquatorFrame& f) {
    return {EclipticToEquator(s.Position, f), EclipticToEquator(s.Velocity, f)};
}

OrbitState EquatorToEcliptic(const OrbitState& s, const EquatorFrame& f) {
    return {EquatorToEcliptic(s.Position, f), EquatorToEcliptic(s.Velocity, f)};
}

double InclinationToEquator(const OrbitState& s, const EquatorFrame& f) {
    const Vector3 h = Cross(FromSimulatorFrame(s.Position), FromSimulatorFrame(s.Velocity));
    const Vector3 pole = FromSimulatorFrame(f.Y);
    if (Norm(h) == 0) return std::numeric_limits<double>::quiet_NaN();
    return std::atan2(Norm(Cross(h, pole)), Dot(h, pole)) / kDegree;
}

double InclinationToEquator(const OrbitFigures& f, const EquatorFrame& frame) {
    const double i = f.Inclination * kDegree, node = f.AscendingNode * kDegree;
    const Vector3 h{std::sin(i) * std::sin(node), -std::sin(i) * std::cos(node), std::cos(i)};
    const Vector3 pole = FromSimulatorFrame(frame.Y);
    return std::atan2(Norm(Cross(h, pole)), Dot(h, pole)) / kDegree;
}
