#include "core/installation/base_catalog.h"

#include "core/io/file_access.h"
#include "core/io/folder_walk.h"
#include "core/text/codepage.h"
#include "core/text/text_rules.h"

#include <QSet>
#include <algorithm>
#include <memory>

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

namespace {
QString UpperTrim(const QString& text) {
    return UCase(Trim(text));
}

// The word before the "=" of a "key = value" line, upper-cased, and the value, both trimmed;
// an empty key for a line without "=".
struct KeyValue {
    QString key;
    QString value;
};
KeyValue KeyValueOf(const QString& cleared) {
    const qsizetype equals = cleared.indexOf(u'=');
    if (equals < 0) return {};
    return {UpperTrim(cleared.left(equals)), Trim(cleared.mid(equals + 1))};
}

// The older form: every "LPAD" line a pad, the name cut from the last "Name" line.
BaseFileContents ReadOlderBaseFile(const QStringList& lines, const QString& baseFileName) {
    BaseFileContents contents{baseFileName, 0, std::nullopt};
    for (const QString& line : lines) {
        const QString cleared = ClearComments(line);
        const QString trimmed = Trim(cleared);
        const QString key = UCase(trimmed).left(4);
        if (key == u"LPAD") ++contents.padCount;
        if (key == u"NAME") {
            // The name is cut by the length of the whole line less "Name =": one blank before
            // the name on an unindented line. A line too short for that gives an empty name.
            const qsizetype keep = cleared.size() - 6;
            contents.name = keep > 0 ? trimmed.right(keep) : QString();
        }
    }
    return contents;
}

// Today's form: the pads are the objects of the object list whose type begins with "LPAD";
// an object's own lines are indented below its type line, so only unindented lines are types.
BaseFileContents ReadTodaysBaseFile(const QStringList& lines, const QString& baseFileName) {
    BaseFileContents contents{baseFileName, 0, std::nullopt};
    bool inObjects = false;
    for (const QString& line : lines) {
        const QString cleared = ClearComments(line);
        const QString upper = UpperTrim(cleared);
        if (upper == u"BEGIN_OBJECTLIST") {
            inObjects = true;
            continue;
        }
        if (upper == u"END_OBJECTLIST") {
            inObjects = false;
            continue;
        }
        if (inObjects) {
            // The indentation is that of the line as written: dropping a comment trims the line.
            const bool indented = line.isEmpty() || line.front() == u' ' || line.front() == u'\t';
            if (!indented && upper.startsWith(u"LPAD")) ++contents.padCount;
            continue;
        }
        const KeyValue pair = KeyValueOf(cleared);
        if (pair.key == u"NAME") {
            // Shown as the older files' names are, after one blank.
            contents.name = u' ' + pair.value;
        } else if (pair.key == u"LOCATION") {
            const QStringList numbers = pair.value.split(u' ', Qt::SkipEmptyParts);
            if (numbers.size() >= 2)
                contents.location = BaseLocation{numbers[0], numbers[1]};
            else
                contents.location.reset();
        }
    }
    return contents;
}

QString LessExtension(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".cfg"), Qt::CaseInsensitive) ? fileName.left(fileName.size() - 4)
                                                                          : fileName;
}
} // namespace

bool IsTodaysBaseFile(const QByteArray& baseFile) {
    const qsizetype end = baseFile.indexOf('\n');
    const qsizetype cr = baseFile.indexOf('\r');
    const qsizetype first = end < 0 ? (cr < 0 ? baseFile.size() : cr) : (cr < 0 ? end : std::min(end, cr));
    return UpperTrim(ClearComments(DecodeText(baseFile.left(first)))) == u"BASE-V2.0";
}

BaseFileContents ReadBaseFile(const QByteArray& baseFile, const QString& baseFileName) {
    const QStringList lines = SplitLines(DecodeText(baseFile));
    return IsTodaysBaseFile(baseFile) ? ReadTodaysBaseFile(lines, baseFileName)
                                      : ReadOlderBaseFile(lines, baseFileName);
}

QString BaseCatalogEntry(const QString& name, int padCount, const QString& body) {
    return name + u':' + NumberText(padCount) + u':' + body;
}

ConfigFolderLister ConfigFoldersOnDisk(const QString& configFolder) {
    auto index = std::make_shared<std::unique_ptr<FolderIndex>>();
    return [configFolder, index](const QString& folder) {
        if (!*index) *index = std::make_unique<FolderIndex>(configFolder);
        const QString found = (*index)->Find(folder);
        return found.isEmpty() ? QStringList() : ListFiles(found, QStringLiteral("*.cfg"));
    };
}

QString BaseFolderOf(const QString& body) {
    return Trim(body) + QStringLiteral("\\Base\\");
}

std::vector<InstalledBase> ReadInstalledBases(const QStringList& bodies, const ConfigFileReader& readFile,
                                              const ConfigFolderLister& listFolder) {
    std::vector<InstalledBase> bases;
    for (const QString& entry : bodies) {
        const QString body = Trim(entry);
        auto read = [&](const QString& file, const QString& name) -> std::optional<InstalledBase> {
            const std::optional<QByteArray> bytes = readFile(file);
            if (!bytes) return std::nullopt;
            BaseFileContents base = ReadBaseFile(*bytes, name);
            return InstalledBase{base.name, base.padCount, body, file, std::move(base.location)};
        };
        std::vector<InstalledBase> listed;
        if (const std::optional<QByteArray> bodyFile = readFile(body + ".cfg")) {
            for (const QString& baseFileName : BaseFilesOfBody(*bodyFile)) {
                if (auto base = read(baseFileName + ".cfg", baseFileName)) listed.push_back(std::move(*base));
            }
        }
        std::vector<InstalledBase> inFolder;
        QSet<QString> folderNames;
        if (listFolder) {
            const QString folder = BaseFolderOf(body);
            for (const QString& fileName : listFolder(folder)) {
                auto base = read(folder + fileName, LessExtension(fileName));
                if (!base || folderNames.contains(UpperTrim(base->name))) continue;
                folderNames.insert(UpperTrim(base->name));
                inFolder.push_back(std::move(*base));
            }
        }
        QSet<QString> seen = folderNames;
        for (InstalledBase& base : listed) {
            const QString key = UpperTrim(base.name);
            if (seen.contains(key)) continue;
            seen.insert(key);
            bases.push_back(std::move(base));
        }
        for (InstalledBase& base : inFolder)
            bases.push_back(std::move(base));
    }
    return bases;
}

QStringList BaseCatalogEntries(const std::vector<InstalledBase>& bases) {
    QStringList entries;
    entries.reserve(qsizetype(bases.size()));
    for (const InstalledBase& base : bases)
        entries << BaseCatalogEntry(base.name, base.padCount, base.body);
    return entries;
}

QStringList BuildBaseCatalog(const QStringList& bodies, const ConfigFileReader& readFile,
                             const ConfigFolderLister& listFolder) {
    return BaseCatalogEntries(ReadInstalledBases(bodies, readFile, listFolder));
}
