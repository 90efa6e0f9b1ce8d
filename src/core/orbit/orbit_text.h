#pragma once
// The texts in which the orbit insight shows its figures. They are written with "." as the
// decimal point whatever the user's regional settings, like every other number of the editor.
#include "core/orbit/orbit_insight.h"

#include <QString>
#include <QStringList>

// Metres shown in kilometres: two decimals below 100 km, one below 100 000 km, whole above.
QString DistanceText(double metres);
// Metres per second shown in kilometres per second with three decimals.
QString SpeedText(double metresPerSecond);
// Seconds shown as days, hours, minutes and seconds, the larger units only when needed.
QString DurationText(double seconds);
// The length of a scale bar (a round number of metres): whole kilometres from 1 km up,
// whole metres below.
QString ScaleBarText(double metres);
// Degrees with two decimals and the degree sign.
QString AngleText(double degrees);
// An eccentricity with at most six decimals, trailing zeros dropped.
QString EccentricityText(double eccentricity);
// A converted position or velocity as the boxes show it: a component below 1e-9 of the
// vector's length is the rounding of the conversion, and shows as 0.
Vector3 ShownVector(const Vector3& converted);

// What the orbit panel shows: one caption and one value per figure, a warning about the
// periapsis (empty when there is nothing to warn of) and a note that replaces the figures
// when none could be worked out.
struct OrbitPanelTexts {
    QStringList Captions;
    QStringList Values;
    QString Warning;
    PeriapsisPlace Place = PeriapsisPlace::Clear;
    QString Note;
};
// The captions of the two panels, in the order of their figures.
QStringList StationOrbitCaptions();
QStringList ShipOrbitCaptions();
// The station's figures: periapsis and apoapsis altitudes and the period.
OrbitPanelTexts StationOrbitTexts(const OrbitInsight& insight);
// The ship's figures: altitude, speed, semi-major axis, eccentricity, inclination,
// periapsis and apoapsis altitudes and the period, or "escape trajectory" for an open orbit.
OrbitPanelTexts ShipOrbitTexts(const OrbitInsight& insight);

inline const QString kOrbitNoPlanetData = QStringLiteral("No planet data");
inline const QString kOrbitEscapeTrajectory = QStringLiteral("escape trajectory");
