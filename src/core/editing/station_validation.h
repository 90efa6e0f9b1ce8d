#pragma once
// The checks of the station tab before a station is stored: a function of the texts of the
// tab's controls and of the reference planet's data to the messages of the failed checks.
#include "core/editing/validation_report.h"
#include "core/installation/planet_data.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct StationControlTexts {
    QString name;               // the edit text of the station list
    bool classRotation = false; // "Refered to station class" ticked
    QString rotationFrequency;
    QString xAngle, yAngle, zAngle;
    QString semiMajorAxis, excentricity, inclination;
    QString ascendingNodeLongitude, periapsisLongitude, meanLongitude;
    QString refPlanet; // the caption, moons with their leading blanks
};

// The planet file's name in the configuration folder: the trimmed planet and ".cfg".
QString StationPlanetFileName(const QString& refPlanet);

// The failed checks' messages in check order; empty when the station may be stored. The name
// is checked against otherNames, the names of the list's other stations. Without a planet
// chosen, or without its data (its file could not be read), the orbit is not checked against
// the planet and a message says so, naming the file that could not be read. The orbit is
// checked against the mean radius and the atmosphere limit as written.
QStringList StationValidationMessages(const StationControlTexts& texts, const PlanetData& planet,
                                      const QStringList& otherNames);

inline const QString kStationValidationTitle = QStringLiteral("Station parameter validation not accepted !");

// The messages of the orbit against the planet: a periapsis in the atmosphere or below the
// surface, and a semi-major axis below the mean radius (this one goes on with the figures).
inline const QString kStationOrbitCrossesPlanet = QStringLiteral(
    "The station orbit crosses the planet atmosphere or the planet surface; check the excentricity or "
    "the semi-major axis.");
inline const QString kStationAxisBelowRadius =
    QStringLiteral("The station orbit semi-major axis is equal to ");
