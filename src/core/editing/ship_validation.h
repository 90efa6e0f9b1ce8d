#pragma once
// The checks of "Ship parameter validation": which fields of the selected status are wrong,
// as the messages the user reads, in check order.
#include "core/editing/ship_editor_texts.h"
#include "core/installation/planet_data.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct ShipValidation {
    QStringList failed; // the messages of the failed checks, in check order
    QString Messages;   // the text of the message box, separators included
    bool Valid() const { return failed.isEmpty(); }
};

// The checks of the selected status; the name is checked against otherNames, the names of the
// list's other ships, and each tank's level (a number from 0 to 100), whatever the status.
// The orbiting checks read the planet's file name, whether it could be read and its mean radius.
ShipValidation ValidateShip(const ShipEditorTexts& texts, const PlanetData& planet,
                            const QStringList& otherNames);

inline const QString kShipValidationTitle = QStringLiteral("Ship parameter validation not accepted !");

// The message of an orbiting ship placed inside its planet.
inline const QString kShipInsidePlanet = QStringLiteral(
    "The ship is located inside the planet; adjust the position parameters relative to reference.");

// The messages of a landed ship's position: a longitude from -180 to 180 degrees, a latitude
// from -90 to 90.
inline const QString kLandedLongitudeWrong = QStringLiteral("The landed ship longitude is not correct.");
inline const QString kLandedLatitudeWrong = QStringLiteral("The landed ship latitude is not correct.");
