#pragma once
// The frame of a body's equator at a given time, from the body's rotation (BodyRotation, read
// with its planet data), in the simulator's ecliptic frame (see vector3.h).
//
// The north axis P at the time t (MJD): with L = LAN + 2 pi (t - LAN_MJD) / PrecessionPeriod
// (L = LAN without precession) and the obliquity e, P = (-sin e sin L, cos e, sin e cos L),
// the direction at ecliptic longitude L + 90 degrees and latitude 90 degrees - e. With
// precession angles, the same construction is made about the precession reference axis,
// itself at longitude PrecessionLAN + 90 degrees and latitude 90 degrees - PrecessionObliquity.
// The frame's y axis is P, its x axis N x P normalised (N the ecliptic north, the component
// formula of the cross product; for the Earth the vernal equinox), and z = x x y completes
// the left-handed set as the ecliptic's own z completes x and y. So the frame is the
// ecliptic frame turned, and a state in it reads as one in the ecliptic frame does: its
// (x, z, y) is right-handed, and longitudes count eastward from x towards z.
#include "core/installation/planet_data.h"
#include "core/orbit/orbit_insight.h"
#include "core/orbit/vector3.h"

// The equator frame's axes as ecliptic vectors (simulator's components); Y is the north axis.
struct EquatorFrame {
    Vector3 X{1, 0, 0}, Y{0, 1, 0}, Z{0, 0, 1};
};
EquatorFrame EquatorFrameAt(const BodyRotation& rotation, double mjd);

// A vector turned between the ecliptic frame and the equator frame, both ways.
Vector3 EclipticToEquator(const Vector3& ecliptic, const EquatorFrame& frame);
Vector3 EquatorToEcliptic(const Vector3& equator, const EquatorFrame& frame);
OrbitState EclipticToEquator(const OrbitState& ecliptic, const EquatorFrame& frame);
OrbitState EquatorToEcliptic(const OrbitState& equator, const EquatorFrame& frame);

// The inclination (degrees, 0 to 180) of the orbit of an ecliptic state to the equator: the
// angle between its angular momentum and the north axis. Not a number for a state whose
// position and velocity lie on one line.
double InclinationToEquator(const OrbitState& ecliptic, const EquatorFrame& frame);
// The same from an orbit's figures, whose inclination and node are measured in the ecliptic
// (the frame of the maths): the orbit's pole is (sin i sin node, -sin i cos node, cos i) there.
double InclinationToEquator(const OrbitFigures& figures, const EquatorFrame& frame);
