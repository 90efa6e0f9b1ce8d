#include "core/scenario/description_text.h"

QString DescriptionForDisplay(const QString& description) {
    QString text = description;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString DescriptionFromEditor(const QString& rawText) {
    QString text = rawText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}
