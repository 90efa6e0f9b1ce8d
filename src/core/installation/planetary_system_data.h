#pragma once
// The bodies of a planetary system and the physical data of one body, as the simulator's
// files give them.
#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

// The body list of a planetary system file: every planet, each followed by its moons written
// as three blanks and the moon's name. Read line by line, comments dropped; a moon line begins
// with the name of the planet read last.
QStringList BodyList(const QByteArray& systemFile);

struct PlanetData;

// The four texts shown for a body: its mass, mean radius, rotation period and atmosphere limit.
// A value whose record the body file lacks reads kNoBodyData, except the atmosphere limit,
// which is "0 m" for a body without atmosphere record; a body without a readable file of its
// own reads kNoBodyData everywhere.
QStringList PlanetDataTexts(const PlanetData& planet, const QLocale& locale);

inline const QString kNoBodyData = QStringLiteral("No data");

// A whole number, rounded half away from zero, with the locale's thousands grouping and at
// least one digit (the "##,##0" layout).
QString GroupedWholeNumber(double value, const QLocale& locale);
// Hours, minutes and whole seconds of a period, sign dropped: 725.5 gives "0h12min5sec".
QString RotationPeriodText(double seconds);
