#pragma once
// The checks of "Ship parameter validation": which fields of the selected status are wrong,
// as the messages the user reads, in check order.
#include "core/editing/ship_editor_texts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// What the orbiting checks need from the planet's configuration file.
struct ShipPlanetData {
    QString planetFile;    // the file the data come from
    bool readable = true;  // false: the file is missing or could not be read
    double meanRadius = 0; // metres; 0 when the file has no "Size" record
};

// The planet file of an orbiting ship: the configuration folder text, the trimmed planet
// caption and ".cfg" (a moon's leading blanks do not belong to its file name).
QString PlanetFileName(const QString& cfgDir, const QString& orbitingPlanet);
// The mean radius from the bytes of a planet file, or the planet file marked unreadable.
ShipPlanetData PlanetDataFromFile(const QString& planetFile, const std::optional<QByteArray>& bytes);

struct ShipValidation {
    QStringList failed; // the messages of the failed checks, in check order
    QString Messages;   // the text of the message box, separators included
    bool Valid() const { return failed.isEmpty(); }
};

ShipValidation ValidateShip(const ShipEditorTexts& texts, const ShipPlanetData& planet);

inline const QString kShipValidationTitle = QStringLiteral("Ship parameter validation not accepted !");
