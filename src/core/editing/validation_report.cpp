#include "core/editing/validation_report.h"

#include "core/text/text_rules.h"

#include <cmath>

bool IsAngle(const QString& text) {
    return IsANumber(text) && std::fabs(LeadingNumber(text)) < 360;
}

bool NameIsTaken(const QString& name, const QStringList& otherNames) {
    const QString key = UCase(Trim(name));
    for (const QString& other : otherNames) {
        if (UCase(Trim(other)) == key) return true;
    }
    return false;
}

QString ValidationBoxText(const QStringList& messages, bool lastEndsGroup) {
    QString text;
    for (const QString& message : messages)
        text += message + u'\r';
    if (lastEndsGroup && !messages.isEmpty()) text.chop(1);
    return text;
}
