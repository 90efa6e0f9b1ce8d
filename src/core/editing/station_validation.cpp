#include "core/editing/station_validation.h"

#include "core/io/file_access.h"
#include "core/scenario/scenario_document.h"
#include "core/text/text_rules.h"

QString StationPlanetFileName(const QString& refPlanet) {
    return PlanetFileName(QString(), refPlanet);
}

QStringList StationValidationMessages(const StationControlTexts& texts, const PlanetData& chosen,
                                      const QStringList& otherNames) {
    QStringList messages;
    // The header line of a station block is "<name>:<class>": a name holding ":" would come
    // back from the saved file cut there, with the rest glued to the class.
    if (texts.name.contains(u':')) messages << kNameWithColon.arg(QStringLiteral("station"));
    if (NameIsTaken(texts.name, otherNames)) messages << kNameTaken.arg(QStringLiteral("station"));
    if (!texts.classRotation && !IsANumber(texts.rotationFrequency))
        messages << "The station rotation frequency is not correct.";
    if (!IsAngle(texts.xAngle)) messages << "The station frame rotation angle around X axis is not correct.";
    if (!IsAngle(texts.yAngle)) messages << "The station frame rotation angle around Y axis is not correct.";
    if (!IsAngle(texts.zAngle)) messages << "The station frame rotation angle around Z axis is not correct.";
    // A station not yet given a planet has no file to read: whatever ".cfg" holds is no planet.
    const bool planetChosen = !Trim(texts.refPlanet).isEmpty();
    const PlanetData* planet = planetChosen && chosen.readable ? &chosen : nullptr;
    if (!planetChosen)
        messages << kNoPlanetChosen;
    else if (!planet)
        messages << "The planet file \"" + DisplayPath(chosen.file) + "\" cannot be read.";

    const bool axisIsNumber = IsANumber(texts.semiMajorAxis);
    const bool excentricityIsNumber = IsANumber(texts.excentricity);
    const double a = LeadingNumber(texts.semiMajorAxis);
    const double e = LeadingNumber(texts.excentricity);
    if (planet) {
        // The periapsis must stay above the atmosphere; touching its upper limit is refused.
        const double floor = planet->MeanRadius + planet->AtmosphereAsWritten();
        if (excentricityIsNumber && axisIsNumber && e < 1 && a > floor && a * (1 - e) <= floor)
            messages << kStationOrbitCrossesPlanet;
    }
    if (!axisIsNumber) messages << "The station orbit semi-major axis is not correct.";
    if (planet && axisIsNumber && a < planet->MeanRadius)
        messages << kStationAxisBelowRadius + NumberText(a) + " m although the mean radius of " +
                        texts.refPlanet + " is equal to " + NumberText(planet->MeanRadius) + "m";
    if (!excentricityIsNumber || e >= 1 || e < 0) messages << "The station excentricity is not correct.";
    if (!IsANumber(texts.inclination)) messages << "The station orbit inclination is not correct.";
    if (!IsANumber(texts.ascendingNodeLongitude))
        messages << "The station orbit ascending node longitude is not correct.";
    if (!IsANumber(texts.periapsisLongitude))
        messages << "The station orbit periapsis longitude is not correct.";
    if (!IsANumber(texts.meanLongitude)) messages << "The station orbit mean longitude is not correct.";
    return messages;
}
