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
