// Properties of the readers of the simulator's own files (planetary systems, planets, bases,
// station classes, the catalog scan of a configuration folder).
#include "properties.h"

#include "core/installation/base_catalog.h"
#include "core/installation/class_catalogs.h"
#include "core/installation/dock_catalog.h"
#include "core/installation/planetary_system_data.h"
#include "core/text/codepage.h"
#include "core/text/text_rules.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
QString Show(const QString& text) {
    QString shown;
    for (QChar c : text.left(120)) {
        if (c.unicode() < 32 || c.unicode() > 126)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return u'"' + shown + u'"';
}

// Files of a fuzzed folder: the bytes between lines that read "@@".
QList<QByteArray> SplitFiles(const QByteArray& bytes) {
    QList<QByteArray> files;
    qsizetype start = 0;
    while (true) {
        const qsizetype at = bytes.indexOf("\n@@\n", start);
        if (at < 0) {
            files.append(bytes.mid(start));
            return files;
        }
        files.append(bytes.mid(start, at - start));
        start = at + 4;
    }
}

qsizetype LineCount(const QByteArray& bytes) {
    return SplitLines(DecodeText(bytes)).size();
}
} // namespace

QString CheckPlanetarySystem(const QByteArray& bytes) {
    for (const QString& body : BodyList(bytes)) {
        const bool planet = body == Trim(body);
        const bool moon = body.startsWith(QStringLiteral("   ")) && body.mid(3) == Trim(body.mid(3));
        if (!planet && !moon)
            return QStringLiteral("body list entry %1 is neither a planet nor a moon").arg(Show(body));
    }
    return {};
}

QString CheckPlanetData(const QByteArray& bytes) {
    static const QRegularExpression period(QStringLiteral("^[0-9]+h[0-9]+min[0-9]+sec$"));
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German),
                                      QLocale(QLocale::Hindi, QLocale::India)};
    for (const QLocale& locale : locales) {
        const PlanetDataTexts texts = PlanetData(bytes, locale);
        if (texts.mass != kNoBodyData && !texts.mass.endsWith(QStringLiteral(" kg")))
            return QStringLiteral("mass text %1").arg(Show(texts.mass));
        if (texts.meanRadius != kNoBodyData && !texts.meanRadius.endsWith(QStringLiteral(" m")))
            return QStringLiteral("mean radius text %1").arg(Show(texts.meanRadius));
        if (texts.atmosphereLimit != kNoBodyData && !texts.atmosphereLimit.endsWith(QStringLiteral(" m")))
            return QStringLiteral("atmosphere text %1").arg(Show(texts.atmosphereLimit));
        if (texts.rotationPeriod != kNoBodyData && !period.match(texts.rotationPeriod).hasMatch())
            return QStringLiteral("rotation period text %1").arg(Show(texts.rotationPeriod));
    }
    const PlanetDataTexts none = PlanetData(std::nullopt, QLocale::c());
    if (none.mass != kNoBodyData) return QStringLiteral("a body without a file has a mass");
    return {};
}

QString CheckBaseCatalog(const QByteArray& bytes) {
    const QList<QByteArray> files = SplitFiles(bytes);
    const QByteArray body = files.value(0);
    const QByteArray base = files.value(1);
    const QStringList names = BaseFilesOfBody(body);
    for (const QString& name : names) {
        if (name.contains(u' ')) return QStringLiteral("base file name %1 holds a blank").arg(Show(name));
    }
    const BaseFileContents contents = ReadBaseFile(base, QStringLiteral("BaseA"));
    if (contents.padCount < 0 || contents.padCount > LineCount(base))
        return QStringLiteral("pad count %1 for a file of %2 lines")
            .arg(contents.padCount)
            .arg(LineCount(base));

    // Every body is the fuzzed planet file, every base the fuzzed base file.
    const QStringList bodies = {QStringLiteral("Earth"), QStringLiteral("   Moon")};
    const QStringList catalog =
        BuildBaseCatalog(bodies, [&](const QString& fileName) -> std::optional<QByteArray> {
            if (fileName == QStringLiteral("Earth.cfg") || fileName == QStringLiteral("Moon.cfg"))
                return body;
            return base;
        });
    if (catalog.size() != 2 * names.size())
        return QStringLiteral("%1 catalog entries for %2 base lines on each of two bodies")
            .arg(catalog.size())
            .arg(names.size());
    for (const QString& entry : catalog) {
        if (!entry.endsWith(QStringLiteral(":Earth")) && !entry.endsWith(QStringLiteral(":Moon")))
            return QStringLiteral("catalog entry %1 does not end with its body").arg(Show(entry));
    }
    return {};
}

QString CheckDockCount(const QByteArray& bytes) {
    const int count = DockListCount(bytes);
    if (count < -1 || count > LineCount(bytes))
        return QStringLiteral("dock count %1 for a file of %2 lines").arg(count).arg(LineCount(bytes));
    return {};
}

QString CheckCatalogScan(const QByteArray& bytes) {
    // The one-pass builder and the plain key scans, over the same files in the same order.
    CatalogBuilder builder;
    KeyScan spacecraft, stations;
    const QList<QByteArray> parts = SplitFiles(bytes);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString name = QStringLiteral("f%1.cfg").arg(i, 3, 10, QLatin1Char('0'));
        builder.Add(name, parts[i]);
        AddToKeyScan(spacecraft, name,
                     KeysOfFile(parts[i], QStringLiteral("ClassName"), QStringLiteral("ClassName")));
        AddToKeyScan(stations, name,
                     KeysOfFile(parts[i], QStringLiteral("BEGIN_DOCKLIST"), QStringLiteral("Meshname")));
    }
    const ClassCatalogs c = builder.Take();
    if (c.planetarySystems.size() != c.planetarySystemFiles.size())
        return QStringLiteral("%1 planetary systems for %2 files")
            .arg(c.planetarySystems.size())
            .arg(c.planetarySystemFiles.size());
    if (c.stationClasses.size() != c.stationClassFiles.size())
        return QStringLiteral("%1 station classes for %2 files")
            .arg(c.stationClasses.size())
            .arg(c.stationClassFiles.size());
    for (qsizetype i = 0; i < c.stationClasses.size(); ++i) {
        if (c.stationClasses[i] + QStringLiteral(".cfg") != c.stationClassFiles[i])
            return QStringLiteral("station class %1 from file %2")
                .arg(Show(c.stationClasses[i]), Show(c.stationClassFiles[i]));
    }
    for (const QString& file : c.planetarySystemFiles) {
        if (!file.startsWith(u'f') || !file.endsWith(QStringLiteral(".cfg")))
            return QStringLiteral("planetary system file %1 is none of the folder's").arg(Show(file));
    }
    // The one-pass builder agrees with the plain key scans.
    if (spacecraft.values != c.spacecraftClasses)
        return QStringLiteral("the catalog holds %1 spacecraft classes, the key scan %2")
            .arg(c.spacecraftClasses.size())
            .arg(spacecraft.values.size());
    if (stations.files != c.stationClassFiles)
        return QStringLiteral("the catalog holds %1 station class files, the key scan %2")
            .arg(c.stationClassFiles.size())
            .arg(stations.files.size());
    return {};
}
