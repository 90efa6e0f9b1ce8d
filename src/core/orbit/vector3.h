#pragma once
// Vectors of the orbit maths, and the one place that turns the simulator's frame into the
// frame of the textbook formulas and back.
//
// The simulator gives positions and velocities in its ecliptic frame: x towards the vernal
// equinox, y towards the ecliptic north, z completing a left-handed set, so that a direction
// at ecliptic longitude l in the ecliptic plane is (cos l, 0, sin l). Its (x, z, y) is a
// right-handed frame with the pole third, the frame in which the textbooks write their
// formulas. The component formulas below (Dot, Cross) act on the numbers as given; only the
// orbit functions decide which frame those numbers are in.
#include <cmath>

struct Vector3 {
    double X = 0, Y = 0, Z = 0;
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
inline Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}
inline Vector3 operator*(double k, const Vector3& a) {
    return {k * a.X, k * a.Y, k * a.Z};
}
inline double Dot(const Vector3& a, const Vector3& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
inline Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
inline double Norm(const Vector3& a) {
    return std::sqrt(Dot(a, a));
}

// Where a body is and how it moves, relative to the centre of the body it goes round:
// metres and metres per second.
struct OrbitState {
    Vector3 Position, Velocity;
};

// A vector given in the simulator's frame (x, y, z as a scenario holds them) in the frame of
// the maths: (x, z, y). The swap is its own inverse; ToSimulatorFrame says which way is meant.
inline Vector3 FromSimulatorFrame(double x, double y, double z) {
    return {x, z, y};
}
inline Vector3 FromSimulatorFrame(const Vector3& v) {
    return {v.X, v.Z, v.Y};
}
inline Vector3 ToSimulatorFrame(const Vector3& v) {
    return {v.X, v.Z, v.Y};
}
