#pragma once
// The conic a position and velocity lie on, relative to the centre of a body of
// gravitational parameter mu (Vallado, Fundamentals of Astrodynamics and Applications,
// section 2.5, algorithm 9: the angular momentum, the node and the eccentricity vector).
//
// The vectors are in the frame of the maths (right-handed, the reference plane's pole third;
// see vector3.h). Angles in the orbit's plane are counted in the direction of motion from the
// ascending node, or from +X when the orbit lies in the reference plane; the periapsis of a
// circle is put at that starting line, so that the argument of periapsis is then 0. These
// are the rules of the scenario files' elements: with i = 0 the node is 0, with e = 0 the
// argument of periapsis is 0.
#include "core/orbit/vector3.h"

struct ConicOfState {
    double Radius = 0;              // m
    double Speed = 0;               // m/s
    double Energy = 0;              // v^2 / 2 - mu / r, J/kg
    double Eccentricity = 0;        // never 1 on the wrong side of the energy: see the source
    double SemiLatusRectum = 0;     // m
    bool HasPlane = false;          // false for a fall straight towards or away from the centre
    bool HasNode = false;           // false when the orbit lies in the reference plane
    double Inclination = 0;         // radians, 0 to pi
    double AscendingNode = 0;       // radians, (-pi, pi]
    double ArgumentOfPeriapsis = 0; // radians, (-pi, pi]
    double TrueAnomaly = 0;         // radians, (-pi, pi]
};

ConicOfState ConicFromState(const Vector3& position, const Vector3& velocity, double mu);
