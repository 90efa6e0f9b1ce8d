#pragma once
// The Earth as geodesy gives it, for the orbit tests: GM 398600.4418 km^3/s^2, equatorial
// radius 6378.137 km, and an atmosphere of the height a test asks for.
#include "core/orbit/orbit_insight.h"

inline PlanetData Earth(double atmosphere = 0) {
    PlanetData p;
    p.Known = true;
    p.Mu = 3.986004418e14;
    p.MeanRadius = 6378137;
    p.AtmosphereLimit = atmosphere;
    return p;
}

// The Earth of the simulator's own files, for the tests of its equator and rotation: its mass
// with the editor's G, its mean radius, the obliquity of its axis at J2000 (no precession) and
// its sidereal day.
inline constexpr double kEarthObliquity = 0.4090928023;
inline constexpr double kEarthSiderealDay = 86164.0905;
inline PlanetData TiltedEarth() {
    PlanetData p;
    p.readable = p.Known = true;
    p.Mu = 6.67259e-11 * 5.973698968e24;
    p.MeanRadius = 6.371e6;
    p.rotation.Obliquity = kEarthObliquity;
    p.rotation.LanMjd = 51544.5;
    p.rotation.SidRotPeriod = kEarthSiderealDay;
    return p;
}
