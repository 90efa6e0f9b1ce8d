#include "core/orbit/orbit_text.h"

#include <cmath>

namespace {
const QString kNone = QStringLiteral("\u2014"); // a dash where a figure does not exist

// Fixed notation with "." whatever the regional settings; a rounded -0 loses its sign.
QString Fixed(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-')) {
        bool zero = true;
        for (QChar c : QStringView(text).mid(1))
            zero = zero && (c == u'0' || c == u'.');
        if (zero) text.remove(0, 1);
    }
    return text;
}

QString NoteOf(OrbitInsightProblem problem, bool ship) {
    switch (problem) {
    case OrbitInsightProblem::NoPlanetData:
        return kOrbitNoPlanetData;
    case OrbitInsightProblem::NotANumber:
        return ship ? QStringLiteral("Enter the position and velocity as numbers.")
                    : QStringLiteral("Enter the semi-major axis and the excentricity as numbers.");
    case OrbitInsightProblem::OutOfRange:
        return ship ? QStringLiteral("These figures give no orbit.")
                    : QStringLiteral("A closed orbit needs a positive semi-major axis and an excentricity "
                                     "from 0 to below 1.");
    case OrbitInsightProblem::AtCentre:
        return QStringLiteral("The position is the planet's centre.");
    case OrbitInsightProblem::None:
    case OrbitInsightProblem::Blank:
        break;
    }
    return QString();
}

void Warn(OrbitPanelTexts& t, const OrbitFigures& f) {
    t.Place = f.Periapsis;
    if (f.Periapsis == PeriapsisPlace::BelowSurface)
        t.Warning = QStringLiteral("The periapsis lies below the surface.");
    else if (f.Periapsis == PeriapsisPlace::InsideAtmosphere)
        t.Warning = QStringLiteral("The periapsis lies inside the atmosphere.");
}

QString PeriodText(const OrbitFigures& f) {
    return f.Closed ? DurationText(f.Period) : kOrbitEscapeTrajectory;
}
} // namespace

QString DistanceText(double metres) {
    if (!std::isfinite(metres)) return kNone;
    const double km = metres / 1000;
    const double size = std::fabs(km);
    if (size >= 1e12) return QString::number(km, 'e', 3) + QStringLiteral(" km");
    const int decimals = size < 99.995 ? 2 : size < 99999.95 ? 1 : 0;
    return Fixed(km, decimals) + QStringLiteral(" km");
}

QString ScaleBarText(double metres) {
    if (!std::isfinite(metres) || metres < 0) return kNone;
    if (metres >= 1000) return Fixed(metres / 1000, 0) + QStringLiteral(" km");
    if (metres >= 1) return Fixed(metres, 0) + QStringLiteral(" m");
    return QString::number(metres, 'g', 3) + QStringLiteral(" m");
}

QString SpeedText(double metresPerSecond) {
    if (!std::isfinite(metresPerSecond)) return kNone;
    if (std::fabs(metresPerSecond) >= 1e15)
        return QString::number(metresPerSecond / 1000, 'e', 3) + QStringLiteral(" km/s");
    return Fixed(metresPerSecond / 1000, 3) + QStringLiteral(" km/s");
}

QString DurationText(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0 || seconds > 1e15) return kNone;
    const double total = std::round(seconds);
    const double days = std::floor(total / 86400);
    const double rest = total - days * 86400;
    const int hours = int(rest / 3600);
    const int minutes = int((rest - hours * 3600) / 60);
    const int secs = int(rest - hours * 3600 - minutes * 60);
    if (days >= 1) return QStringLiteral("%1 d %2 h %3 min").arg(Fixed(days, 0)).arg(hours).arg(minutes);
    if (hours >= 1) return QStringLiteral("%1 h %2 min %3 s").arg(hours).arg(minutes).arg(secs);
    return QStringLiteral("%1 min %2 s").arg(minutes).arg(secs);
}

QString AngleText(double degrees) {
    if (!std::isfinite(degrees)) return kNone;
    return Fixed(degrees, 2) + QChar(0x00B0);
}

QString EccentricityText(double eccentricity) {
    if (!std::isfinite(eccentricity)) return kNone;
    QString text = Fixed(eccentricity, 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

QStringList StationOrbitCaptions() {
    return {QStringLiteral("Periapsis altitude"), QStringLiteral("Apoapsis altitude"),
            QStringLiteral("Period")};
}

QStringList ShipOrbitCaptions() {
    return {QStringLiteral("Altitude"),
            QStringLiteral("Speed"),
            QStringLiteral("Semi-major axis"),
            QStringLiteral("Excentricity"),
            QStringLiteral("Inclination"),
            QStringLiteral("Inclination to the equator"),
            QStringLiteral("Periapsis altitude"),
            QStringLiteral("Apoapsis altitude"),
            QStringLiteral("Period")};
}

namespace {
// The note of a problem, or the captions, the values that values(figures) gives and the warning.
template <class Values> OrbitPanelTexts PanelTexts(const OrbitInsight& insight, bool ship, Values values) {
    OrbitPanelTexts t;
    t.Note = NoteOf(insight.Problem, ship);
    if (insight.Problem != OrbitInsightProblem::None) return t;
    t.Captions = ship ? ShipOrbitCaptions() : StationOrbitCaptions();
    t.Values = values(insight.Figures);
    Warn(t, insight.Figures);
    return t;
}
} // namespace

OrbitPanelTexts StationOrbitTexts(const OrbitInsight& insight) {
    return PanelTexts(insight, false, [](const OrbitFigures& f) {
        return QStringList{DistanceText(f.PeriapsisAltitude), DistanceText(f.ApoapsisAltitude),
                           PeriodText(f)};
    });
}

OrbitPanelTexts ShipOrbitTexts(const OrbitInsight& insight) {
    return PanelTexts(insight, true, [](const OrbitFigures& f) {
        return QStringList{DistanceText(f.Altitude),
                           SpeedText(f.Speed),
                           DistanceText(f.SemiMajorAxis),
                           EccentricityText(f.Eccentricity),
                           AngleText(f.Inclination),
                           std::isnan(f.EquatorInclination) ? QStringLiteral("\u2014")
                                                            : AngleText(f.EquatorInclination),
                           DistanceText(f.PeriapsisAltitude),
                           f.Closed ? DistanceText(f.ApoapsisAltitude) : kOrbitEscapeTrajectory,
                           PeriodText(f)};
    });
}

Vector3 ShownVector(const Vector3& v) {
    const double limit = 1e-9 * Norm(v);
    const auto shown = [limit](double c) { return std::fabs(c) < limit ? 0.0 : c; };
    return {shown(v.X), shown(v.Y), shown(v.Z)};
}
