#include "core/editing/row_validation.h"

#include "core/installation/planet_file.h"
#include "core/io/file_access.h"
#include "core/text/text_rules.h"

PlanetSizeLookup PlanetFilesOnDisk(const QString& configFolder) {
    return [configFolder](const QString& body) -> std::optional<PlanetSize> {
        const auto bytes = ReadWholeFile(PlanetFileName(configFolder, body));
        if (!bytes) return std::nullopt;
        return ReadPlanetSize(*bytes);
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

QStringList ValidateStationRow(const StationControlTexts& texts, const QString& configFolder,
                               const PlanetSizeLookup& planetSize, const QStringList& otherNames) {
    const QString planetFile = PlanetFileName(configFolder, texts.refPlanet);
    std::optional<PlanetSize> planet;
    if (!Trim(texts.refPlanet).isEmpty()) planet = planetSize(texts.refPlanet);
    return StationValidationMessages(texts, planet, planetFile, otherNames);
}

ShipValidation ValidateShipRow(const ShipEditorTexts& texts, const QString& configFolder,
                               const PlanetSizeLookup& planetSize, const QStringList& otherNames) {
    ShipPlanetData planet;
    if (texts.status == ShipStatusChoice::Orbiting && !Trim(texts.orbitingPlanet).isEmpty()) {
        planet.planetFile = PlanetFileName(configFolder, texts.orbitingPlanet);
        const std::optional<PlanetSize> size = planetSize(texts.orbitingPlanet);
        planet.readable = size.has_value();
        planet.meanRadius = size ? size->meanRadius : 0;
    }
    return ValidateShip(texts, planet, otherNames);
}
