#include "core/installation/base_catalog.h"

#include "core/text/codepage.h"
#include "core/text/text_rules.h"

namespace {
QStringList CleanLines(const QByteArray& bytes) {
    QStringList lines = SplitLines(DecodeText(bytes));
    for (QString& line : lines)
        line = ClearComments(line);
    return lines;
}

// "key = file more words" gives the file; a line without "=" is taken whole.
QString BaseFileOfLine(const QString& line) {
    QString value = Trim(line);
    const qsizetype equals = value.indexOf(u'=');
    if (equals >= 0) value = value.mid(equals + 1);
    value = Trim(value);
    const qsizetype blank = value.indexOf(u' ');
    return blank < 0 ? value : value.left(blank);
}
} // namespace

QStringList BaseFilesOfBody(const QByteArray& bodyFile) {
    QStringList files;
    bool inBaseList = false;
    for (const QString& line : CleanLines(bodyFile)) {
        if (inBaseList && !Trim(line).isEmpty()) files << BaseFileOfLine(line);
        // Only the first eight characters count, so an indented "NumBases" is not seen.
        if (UCase(Trim(line.left(8))) == u"NUMBASES") inBaseList = true;
    }
    return files;
}

BaseFileContents ReadBaseFile(const QByteArray& baseFile, const QString& baseFileName) {
    BaseFileContents contents{baseFileName, 0};
    for (const QString& line : CleanLines(baseFile)) {
        const QString trimmed = Trim(line);
        const QString key = UCase(trimmed).left(4);
        if (key == u"LPAD") ++contents.padCount;
        if (key == u"NAME") {
            // The name is cut by the length of the whole line less "Name =": one blank before
            // the name on an unindented line. A line too short for that gives an empty name.
            const qsizetype keep = line.size() - 6;
            contents.name = keep > 0 ? trimmed.right(keep) : QString();
        }
    }
    return contents;
}

QString BaseCatalogEntry(const QString& name, int padCount, const QString& body) {
    return name + u':' + NumberText(padCount) + u':' + body;
}

QStringList BuildBaseCatalog(const QStringList& bodies, const ConfigFileReader& readFile) {
    QStringList catalog;
    for (const QString& entry : bodies) {
        const QString body = Trim(entry);
        const std::optional<QByteArray> bodyFile = readFile(body + ".cfg");
        if (!bodyFile) continue;
        for (const QString& baseFileName : BaseFilesOfBody(*bodyFile)) {
            const std::optional<QByteArray> baseFile = readFile(baseFileName + ".cfg");
            if (!baseFile) continue;
            const BaseFileContents base = ReadBaseFile(*baseFile, baseFileName);
            catalog << BaseCatalogEntry(base.name, base.padCount, body);
        }
    }
    return catalog;
}
