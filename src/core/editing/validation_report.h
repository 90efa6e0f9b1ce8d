#pragma once
// What the station and ship validations share: the rule for a rotation angle and the text of
// the message box that lists the failed checks.
#include <QString>
#include <QStringList>

// A rotation angle in degrees: a plain number (IsANumber) whose value lies strictly between
// -360 and 360.
bool IsAngle(const QString& text);

// The box text: every failed check's message followed by a carriage return, except the last
// one when it closes its group of checks (the ship validation writes none after those).
QString ValidationBoxText(const QStringList& messages, bool lastEndsGroup = false);
