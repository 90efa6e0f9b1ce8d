#include "core/installation/planetary_system_data.h"

#include "core/installation/planet_data.h"
#include "core/text/codepage.h"
#include "core/text/text_rules.h"

#include <cmath>

namespace {
const QString kNitchevo = QStringLiteral("Nitchevo");

// The trimmed text after the first "=", or the whole line trimmed when it has none.
QString NameAfterEquals(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return Trim(equals < 0 ? line : line.mid(equals + 1));
}

// A whole number as plain digits. NumberText turns to exponent form from 1E15 on, which
// would make "5E+304h" of an absurd period; past that the digits are written out in full.
QString WholeText(double value) {
    if (std::fabs(value) < 1e15) return Trim(NumberText(value));
    return QString::number(value, 'f', 0);
}
} // namespace

QStringList BodyList(const QByteArray& systemFile) {
    QStringList bodies;
    QString planet = kNitchevo;
    for (const QString& raw : SplitLines(DecodeText(systemFile))) {
        const QString line = ClearComments(raw);
        if (line.left(6) == u"Planet") {
            planet = NameAfterEquals(line);
            bodies.append(planet);
        }
        // A planet line whose own beginning is the planet's name counts as a moon line too. A
        // planet without a name would make every later line a moon, so it has none.
        if (!planet.isEmpty() && line.startsWith(planet))
            bodies.append(QStringLiteral("   ") + NameAfterEquals(line));
    }
    return bodies;
}

QString GroupedWholeNumber(double value, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    double rounded = std::round(value);
    if (rounded == 0) rounded = 0; // no "-0"
    if (std::fabs(rounded) < 1e18) return grouped.toString(static_cast<qlonglong>(rounded));
    return grouped.toString(rounded, 'f', 0);
}

QString RotationPeriodText(double seconds) {
    // Through the number text once, so that the period carries at most 15 significant digits.
    const double s = LeadingNumber(NumberText(std::fabs(seconds)));
    // The remainder taken exactly: hours × 3600 subtracted from a huge period loses its low
    // digits and could leave a negative rest (negative minutes in the text).
    const double r = std::fmod(s, 3600);
    const double hours = std::round((s - r) / 3600);
    const double minutes = std::floor(r / 60);
    const double wholeSeconds = std::floor(r - minutes * 60);
    return WholeText(hours) + u'h' + WholeText(minutes) + QStringLiteral("min") + WholeText(wholeSeconds) +
           QStringLiteral("sec");
}

QStringList PlanetDataTexts(const PlanetData& planet, const QLocale& locale) {
    if (!planet.readable) return {kNoBodyData, kNoBodyData, kNoBodyData, kNoBodyData};
    // The mass is shown as the file writes it.
    return {planet.mass ? *planet.mass + QStringLiteral(" kg") : kNoBodyData,
            planet.size ? GroupedWholeNumber(planet.MeanRadius, locale) + QStringLiteral(" m") : kNoBodyData,
            planet.rotationPeriod ? RotationPeriodText(planet.RotationPeriod()) : kNoBodyData,
            planet.atmosphereLimit
                ? GroupedWholeNumber(planet.AtmosphereAsWritten(), locale) + QStringLiteral(" m")
                : QStringLiteral("0 m")};
}
