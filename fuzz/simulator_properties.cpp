// Properties of the readers of the simulator's own files (planetary systems, planets, bases,
// station classes, the catalog scan of a configuration folder).
#include "properties.h"

#include "core/editing/ship_docks.h"
#include "core/installation/base_catalog.h"
#include "core/installation/class_catalogs.h"
#include "core/installation/dock_catalog.h"
#include "core/installation/planet_data.h"
#include "core/installation/planetary_system_data.h"
#include "core/scenario/scenario_document.h"
#include "core/text/codepage.h"
#include "core/text/text_rules.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>

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
    static const QRegularExpression periodForm(QStringLiteral("^[0-9]+h[0-9]+min[0-9]+sec$"));
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German),
                                      QLocale(QLocale::Hindi, QLocale::India)};
    for (const QLocale& locale : locales) {
        const QStringList texts = PlanetDataTexts(ReadPlanetData(bytes), locale);
        const QString &mass = texts[0], &meanRadius = texts[1], &period = texts[2], &atmosphere = texts[3];
        if (mass != kNoBodyData && !mass.endsWith(QStringLiteral(" kg")))
            return QStringLiteral("mass text %1").arg(Show(mass));
        if (meanRadius != kNoBodyData && !meanRadius.endsWith(QStringLiteral(" m")))
            return QStringLiteral("mean radius text %1").arg(Show(meanRadius));
        if (atmosphere != kNoBodyData && !atmosphere.endsWith(QStringLiteral(" m")))
            return QStringLiteral("atmosphere text %1").arg(Show(atmosphere));
        if (period != kNoBodyData && !periodForm.match(period).hasMatch())
            return QStringLiteral("rotation period text %1").arg(Show(period));
    }
    if (PlanetDataTexts(PlanetData(), QLocale::c())[0] != kNoBodyData)
        return QStringLiteral("a body without a file has a mass");
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

    // The same base file in today's form: its pads are objects of its object list.
    const QByteArray todays = "BASE-V2.0\r\n" + base;
    const BaseFileContents today = ReadBaseFile(todays, QStringLiteral("BaseA"));
    if (!IsTodaysBaseFile(todays))
        return QStringLiteral("a file beginning with BASE-V2.0 is not of today's form");
    if (today.padCount < 0 || today.padCount > LineCount(todays))
        return QStringLiteral("pad count %1 for a file of today's form of %2 lines")
            .arg(today.padCount)
            .arg(LineCount(todays));
    if (today.location &&
        (today.location->longitude.isEmpty() || today.location->latitude.isEmpty() ||
         today.location->longitude.contains(u' ') || today.location->latitude.contains(u' ')))
        return QStringLiteral("location %1 %2")
            .arg(Show(today.location->longitude), Show(today.location->latitude));

    // Every body is the fuzzed planet file, every listed base the fuzzed base file, and the
    // base folder of each body holds the files after it, in their order.
    const QStringList bodies = {QStringLiteral("Earth"), QStringLiteral("   Moon")};
    const QList<QByteArray> folderFiles = files.mid(2);
    const auto readFile = [&](const QString& fileName) -> std::optional<QByteArray> {
        if (fileName == QStringLiteral("Earth.cfg") || fileName == QStringLiteral("Moon.cfg")) return body;
        for (qsizetype i = 0; i < folderFiles.size(); ++i) {
            if (fileName.endsWith(QStringLiteral("\\Base\\F%1.cfg").arg(i))) return folderFiles[i];
        }
        return base;
    };
    const ConfigFolderLister listFolder = [&](const QString& folder) {
        QStringList names;
        if (folder == QStringLiteral("Earth\\Base\\") || folder == QStringLiteral("Moon\\Base\\"))
            for (qsizetype i = 0; i < folderFiles.size(); ++i)
                names << QStringLiteral("F%1.cfg").arg(i);
        return names;
    };
    // Without a base folder the listed bases of a body read one base file (or a body file, for a
    // base named like a body): at most one entry per base line, at least one when there is one.
    const QStringList catalog = BuildBaseCatalog(bodies, readFile);
    if (catalog.size() > 2 * names.size() || (!names.isEmpty() && catalog.size() < 2))
        return QStringLiteral("%1 catalog entries for %2 base lines on each of two bodies")
            .arg(catalog.size())
            .arg(names.size());
    const std::vector<InstalledBase> bases = ReadInstalledBases(bodies, readFile, listFolder);
    QSet<QString> seen;
    for (const InstalledBase& each : bases) {
        if (each.body != QStringLiteral("Earth") && each.body != QStringLiteral("Moon"))
            return QStringLiteral("base %1 on the body %2").arg(Show(each.name), Show(each.body));
        const QString key = each.body + u':' + UCase(Trim(each.name));
        if (seen.contains(key)) return QStringLiteral("two bases %1 on one body").arg(Show(key));
        seen.insert(key);
        if (each.padCount < 0) return QStringLiteral("a negative pad count");
    }
    // Each base of a folder is in the catalog, as the folder's file gives it.
    for (qsizetype i = 0; i < folderFiles.size(); ++i) {
        const BaseFileContents inFolder = ReadBaseFile(folderFiles[i], QStringLiteral("F%1").arg(i));
        if (!seen.contains(QStringLiteral("Earth:") + UCase(Trim(inFolder.name))))
            return QStringLiteral("the base %1 of the base folder is left out").arg(Show(inFolder.name));
    }
    for (const QString& entry : BaseCatalogEntries(bases)) {
        if (!entry.endsWith(QStringLiteral(":Earth")) && !entry.endsWith(QStringLiteral(":Moon")))
            return QStringLiteral("catalog entry %1 does not end with its body").arg(Show(entry));
    }
    return {};
}

namespace {
// The dock count as the text rules give it, line by line on the decoded file: the byte-wise
// count must agree with it on every file.
int DecodedDockListCount(const QByteArray& classFile) {
    int lines = 0;
    int inside = 0;
    for (const QString& raw : SplitLines(DecodeText(classFile))) {
        const QString line = UCase(Trim(ClearComments(raw)));
        lines += inside;
        if (line == u"BEGIN_DOCKLIST") inside = 1;
        if (line == u"END_DOCKLIST") inside = 0;
    }
    return lines - 1;
}
} // namespace

QString CheckDockCount(const QByteArray& bytes) {
    const int count = DockListCount(bytes);
    if (count < -1 || count > LineCount(bytes))
        return QStringLiteral("dock count %1 for a file of %2 lines").arg(count).arg(LineCount(bytes));
    if (count != DecodedDockListCount(bytes))
        return QStringLiteral("dock count %1 where the text rules count %2")
            .arg(count)
            .arg(DecodedDockListCount(bytes));

    // The same bytes as the DOCKINFO lines of ships: each part between "@@" lines is the
    // unknown lines of one ship, the ships named A, B, C and so on.
    const QList<QByteArray> parts = SplitFiles(bytes);
    ScenarioDocument document;
    for (qsizetype i = 0; i < parts.size() && i < 26; ++i) {
        ShipRow row;
        row.Name = QString(QChar(char16_t(u'A' + i)));
        row.StatusRef = QStringLiteral("Earth");
        row.OtherLines = DecodeText(parts[i]);
        for (const DockPair& pair : DockPairsOf(row.OtherLines)) {
            if (pair.ownPort < 0 || pair.otherPort < 0 || pair.other.isEmpty() || pair.other.contains(u' ') ||
                !pair.text.endsWith(u',' + pair.other))
                return QStringLiteral("pair %1 gives %2:%3,%4")
                    .arg(Show(pair.text))
                    .arg(pair.ownPort)
                    .arg(pair.otherPort)
                    .arg(Show(pair.other));
        }
        document.ShipTable.push_back(row);
    }
    const int ships = static_cast<int>(document.ShipTable.size());
    const ShipDocks docks(document, ships);
    DockCounts classes;
    for (int r = 0; r < ships; ++r) {
        // Without the block a row was read from, the row alone tells (a ship docked in the editor).
        if (docks.PlacedByDock(r) != RowPlacedByDock(document.ShipTable[std::size_t(r)]))
            return QStringLiteral("a ship without a block is placed by its dock against its row");
        const ShipDockedAt at = docks.DockedAt(r);
        if (!docks.Pairs(r).empty() && (at.station.isEmpty() || LeadingNumber(at.port) < 1))
            return QStringLiteral("ship %1 shown docked at %2 port %3")
                .arg(r)
                .arg(Show(at.station), Show(at.port));
    }
    for (const ShipStationPlace& station : ShipStations(docks, document, classes)) {
        int last = 0;
        for (const ShipDockPort& port : station.ports) {
            if (port.number <= last)
                return QStringLiteral("ports of %1 out of order").arg(Show(station.name));
            last = port.number;
            if (port.ships.isEmpty())
                return QStringLiteral("a port without ship of %1").arg(Show(station.name));
        }
    }
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
    // The same files as vessel classes of today's layout, named by their paths: each name once
    // whatever its letter case, and a dock list where the key scan finds one.
    CatalogBuilder vessels;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString path =
            (i % 2 ? QStringLiteral("Sub\\F%1.cfg") : QStringLiteral("sub\\f%1.CFG")).arg(i % 3);
        vessels.AddVessel(path);
        const bool holds =
            KeysOfFile(parts[i], QStringLiteral("BEGIN_DOCKLIST"), QStringLiteral("Meshname")).key1Count > 0;
        if (HoldsDockList(parts[i]) != holds)
            return QStringLiteral("file %1 holds a dock list for one scan and not for the other").arg(i);
    }
    ClassCatalogs withVessels = vessels.Take();
    QSet<QString> folded;
    for (const QString& name : withVessels.vesselClasses) {
        if (folded.contains(name.toCaseFolded()))
            return QStringLiteral("vessel class %1 twice").arg(Show(name));
        folded.insert(name.toCaseFolded());
    }
    if (withVessels.vesselClasses.size() > std::min<qsizetype>(parts.size(), 3))
        return QStringLiteral("%1 vessel classes of three names").arg(withVessels.vesselClasses.size());
    withVessels.spacecraftClasses = c.spacecraftClasses;
    const QStringList shipClasses = ShipClasses(withVessels);
    if (shipClasses.mid(0, c.spacecraftClasses.size()) != c.spacecraftClasses)
        return QStringLiteral("the ship classes do not begin with the ClassName values");

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
