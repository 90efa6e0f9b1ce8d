#include "core/editing/planet_orbit_data.h"

#include "core/io/file_access.h"
#include "core/text/text_rules.h"

#include <algorithm>
#include <cmath>

PlanetOrbitData PlanetOrbitDataOf(const PlanetFile& file) {
    PlanetOrbitData planet;
    planet.Mu = kGravitationalConstant * file.Mass();
    planet.MeanRadius = file.MeanRadius();
    planet.AtmosphereLimit = std::max(0.0, file.AtmosphereLimit());
    planet.Known = file.mass && file.size && planet.Mu > 0 && planet.MeanRadius > 0 &&
                   std::isfinite(planet.Mu) && std::isfinite(planet.MeanRadius);
    return planet;
}

PlanetOrbitData PlanetOrbitDataOfBody(const QString& cfgDir, const QString& body) {
    if (Trim(body).isEmpty()) return {};
    const std::optional<QByteArray> bytes = ReadWholeFile(PlanetFileName(cfgDir, body));
    return bytes ? PlanetOrbitDataOf(ReadPlanetFile(*bytes)) : PlanetOrbitData();
}
