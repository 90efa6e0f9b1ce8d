#pragma once
// What the orbit insight needs of the planet an orbit goes round, taken from its planet file.
#include "core/installation/planet_file.h"
#include "core/orbit/orbit_insight.h"

#include <QString>

// The mass and the mean radius must be present and positive; a missing atmosphere limit
// counts as none.
PlanetOrbitData PlanetOrbitDataOf(const PlanetFile& planet);
// The same from the planet file of a body (PlanetFileName). No body or no readable file: not known.
PlanetOrbitData PlanetOrbitDataOfBody(const QString& cfgDir, const QString& body);
