#include "core/editing/row_validation.h"

#include "core/installation/planet_file.h"
#include "core/io/file_access.h"
#include "core/text/text_rules.h"

PlanetSizeLookup PlanetFilesOnDisk(const QString& configFolder) {
    return [configFolder](const QString& body) {
        PlanetFound planet{PlanetFileName(configFolder, body), std::nullopt};
        if (const auto bytes = ReadWholeFile(planet.file)) planet.size = ReadPlanetSize(*bytes);
        return planet;
    };
}

namespace {
template <class Row> QStringList OtherNames(const std::vector<Row>& table, int count, int self) {
    QStringList names;
    for (int k = 0; k < count && k < static_cast<int>(table.size()); ++k) {
        if (k != self) names.append(table[std::size_t(k)].Name);
    }
    return names;
}
} // namespace

QStringList OtherStationNames(const std::vector<StationRow>& table, int count, int self) {
    return OtherNames(table, count, self);
}

QStringList OtherShipNames(const std::vector<ShipRow>& table, int count, int self) {
    return OtherNames(table, count, self);
}

QStringList ValidateStationRow(const StationControlTexts& texts, const PlanetSizeLookup& planetSize,
                               const QStringList& otherNames) {
    // Without a planet chosen no file is read, and none is named.
    const PlanetFound planet = Trim(texts.refPlanet).isEmpty() ? PlanetFound{} : planetSize(texts.refPlanet);
    return StationValidationMessages(texts, planet.size, planet.file, otherNames);
}

ShipValidation ValidateShipRow(const ShipEditorTexts& texts, const PlanetSizeLookup& planetSize,
                               const QStringList& otherNames) {
    ShipPlanetData planet;
    if (texts.status == ShipStatusChoice::Orbiting && !Trim(texts.orbitingPlanet).isEmpty()) {
        const PlanetFound found = planetSize(texts.orbitingPlanet);
        planet.planetFile = found.file;
        planet.readable = found.size.has_value();
        planet.meanRadius = found.size ? found.size->meanRadius : 0;
    }
    return ValidateShip(texts, planet, otherNames);
}
