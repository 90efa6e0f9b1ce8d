#include "core/orbit/apsides_helper.h"

#include "core/orbit/orbit_text.h"
#include "core/text/text_rules.h"

#include <cmath>
#include <utility>

QString PlainNumberText(double value, int decimals) {
    // Fixed notation, never an exponent: the station checks accept only plain decimals.
    // QString::number ignores the regional settings, as the text boxes expect.
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.')) text.chop(1);
    }
    if (text == QStringLiteral("-0")) text = QStringLiteral("0");
    return text;
}

ApsidesElements ElementsFromApsides(const QString& periapsisKm, const QString& apoapsisKm,
                                    const PlanetData& planet) {
    ApsidesElements result;
    if (!planet.Known) {
        result.Problem = kOrbitNoPlanetData;
        return result;
    }
    double low = 0, high = 0;
    if (!InsightNumber(periapsisKm, &low) || !InsightNumber(apoapsisKm, &high)) {
        result.Problem = QStringLiteral("Enter both altitudes in km.");
        return result;
    }
    if (low > high) std::swap(low, high);
    const double periapsis = planet.MeanRadius + low * 1000;
    const double apoapsis = planet.MeanRadius + high * 1000;
    if (!(periapsis > 0) || !std::isfinite(apoapsis)) {
        result.Problem = QStringLiteral("The periapsis must lie above the planet's centre.");
        return result;
    }
    const double a = (periapsis + apoapsis) / 2;
    const double e = (apoapsis - periapsis) / (apoapsis + periapsis);
    // Millimetres and ten decimals keep the periapsis true to well under a metre.
    result.SemiMajorAxis = PlainNumberText(a, 3);
    result.Excentricity = PlainNumberText(e, 10);
    result.Ok = true;
    return result;
}
