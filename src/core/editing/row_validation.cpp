#include "core/editing/row_validation.h"

#include "core/installation/planet_data.h"
#include "core/text/text_rules.h"

PlanetLookup PlanetFilesOnDisk(const QString& configFolder) {
    return
        [configFolder](const QString& body) { return PlanetDataOfFile(PlanetFileName(configFolder, body)); };
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

QStringList ValidateStationRow(const StationControlTexts& texts, const PlanetLookup& planets,
                               const QStringList& otherNames) {
    // Without a planet chosen no file is read, and none is named.
    const PlanetData planet = Trim(texts.refPlanet).isEmpty() ? PlanetData{} : planets(texts.refPlanet);
    return StationValidationMessages(texts, planet, otherNames);
}

ShipValidation ValidateShipRow(const ShipEditorTexts& texts, const PlanetLookup& planets,
                               const QStringList& otherNames) {
    const bool orbiting = texts.status == ShipStatusChoice::Orbiting && !Trim(texts.orbitingPlanet).isEmpty();
    return ValidateShip(texts, orbiting ? planets(texts.orbitingPlanet) : PlanetData{}, otherNames);
}
