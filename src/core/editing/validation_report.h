#pragma once
// What the station and ship validations share: the rule for a rotation angle, the rule for a
// name already taken, and the text of the message box that lists the failed checks.
#include <QString>
#include <QStringList>

// A rotation angle in degrees: a plain number (IsANumber) whose value lies strictly between
// -360 and 360.
bool IsAngle(const QString& text);

// True when the name equals one of the other names, blanks at both ends removed and letter
// case ignored: the focus list and the simulator could not tell the two apart.
bool NameIsTaken(const QString& name, const QStringList& otherNames);

// The message for a name already taken; %1 is "station" or "ship".
inline const QString kNameTaken = QStringLiteral("The %1 name is already used by another %1.");
// The message for an orbit or station without its planet.
inline const QString kNoPlanetChosen = QStringLiteral("No planet is chosen.");

// The box text: every failed check's message followed by a carriage return, except the last
// one when it closes its group of checks (the ship validation writes none after those).
QString ValidationBoxText(const QStringList& messages, bool lastEndsGroup = false);
