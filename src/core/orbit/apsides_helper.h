#pragma once
// The station tab's "From periapsis and apoapsis" helper: two altitudes above the mean
// radius, in km, give the semi-major axis (m) and eccentricity texts the user would type.
#include "core/orbit/orbit_insight.h"

#include <QString>

struct ApsidesElements {
    bool Ok = false;
    QString Problem;       // a short text for the user when not Ok
    QString SemiMajorAxis; // metres, "." as decimal point, no leading blank
    QString Excentricity;
};
// The two altitudes may come in either order. The planet must be known and both
// altitudes must keep the orbit off the planet's centre.
ApsidesElements ElementsFromApsides(const QString& periapsisKm, const QString& apoapsisKm,
                                    const PlanetData& planet);

// A number as the user would type it: "." as the decimal point, no leading blank, a zero
// before the point of a number below one, at most the given number of decimals.
QString PlainNumberText(double value, int decimals);
