#include "core/check/check_context.h"

#include "core/editing/location_trees.h"
#include "core/installation/base_catalog.h"
#include "core/installation/planetary_system_data.h"
#include "core/io/file_access.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>
#include <cmath>

QString CheckKey(const QString& name) {
    // Names are nearly always ASCII: upper-cased here in one go, the rest by the general rule.
    const QStringView trimmed = TrimView(name);
    QString key(trimmed.size(), Qt::Uninitialized);
    QChar* out = key.data();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c >= 0x80) return UCase(Trim(name));
        out[i] = QChar((c >= u'a' && c <= u'z') ? char16_t(c - 32) : c);
    }
    return key;
}

CheckContext::CheckContext(const QString& configFolder, const InstalledCatalogs& catalogs)
    : configFolder_(configFolder) {
    for (const QString& name : ShipClasses(catalogs.classes))
        spacecraftClasses_.insert(NameKey(name));
    for (const StationClassDock& dock : AllClassDocks(catalogs))
        classDocks_.Add(dock.className, dock.dockCount);
    for (const QString& name : catalogs.classes.stationClasses)
        stationClasses_.insert(NameKey(name));
    const ClassCatalogs& classes = catalogs.classes;
    for (qsizetype i = 0; i < classes.planetarySystems.size() && i < classes.planetarySystemFiles.size();
         ++i) {
        const QString& file = classes.planetarySystemFiles[i];
        systemFiles_.insert(NameKey(classes.planetarySystems[i]), file);
        // The simulator finds a system by its file's name too.
        const NameKey byFile(QStringView(file).left(std::max<qsizetype>(file.size() - 4, 0)));
        if (!systemFiles_.contains(byFile)) systemFiles_.insert(byFile, file);
    }
}

bool CheckContext::SpacecraftClassInstalled(const QString& className) {
    const NameKey key(className);
    if (spacecraftClasses_.contains(key)) return true;
    const auto known = classFiles_.constFind(key);
    if (known != classFiles_.constEnd()) return *known;
    // The class names its file within the folder ("Haulers\Ox" is "Haulers\Ox.cfg"), found as
    // any file of the installation is, letter case ignored.
    const bool there = FileExists(configFolder_ + Trim(className) + QStringLiteral(".cfg"));
    classFiles_.insert(key, there);
    return there;
}

bool CheckContext::StationClassInstalled(const QString& className) const {
    return stationClasses_.contains(NameKey(className));
}

bool CheckContext::SystemInstalled(const QString& systemName) const {
    return systemFiles_.contains(NameKey(systemName));
}

const SystemBases& CheckContext::Bases(const QString& systemName) {
    const NameKey key(systemName);
    const auto found = bases_.constFind(key);
    if (found != bases_.constEnd()) return *found;

    SystemBases bases;
    const QString file = systemFiles_.value(key, systemName + QStringLiteral(".cfg"));
    if (const auto bytes = ReadWholeFile(configFolder_ + file)) {
        bases.readable = true;
        const QString folder = configFolder_;
        const QStringList catalog = BuildBaseCatalog(
            BodyList(*bytes), [&folder](const QString& name) { return ReadWholeFile(folder + name); },
            ConfigFoldersOnDisk(folder));
        for (const QString& entry : catalog) {
            const BaseCatalogParts parts = SplitBaseCatalogEntry(entry);
            const double pads = LeadingNumber(parts.pads);
            int& count = bases.padsByBody[NameKey(parts.body)][NameKey(parts.name)];
            // Bases of one name count once in the catalog; the largest count is kept all the same.
            count = std::max(count, pads > 0 ? static_cast<int>(std::min(std::floor(pads), 32767.0)) : 0);
        }
    }
    return *bases_.insert(key, bases);
}

const PlanetData& CheckContext::Planet(const QString& body) {
    const auto found = planets_.constFind(body);
    if (found != planets_.constEnd()) return *found;
    return *planets_.insert(body, PlanetDataOfFile(PlanetFileName(configFolder_, body)));
}

PlanetLookup CheckContext::Planets() {
    return [this](const QString& body) { return Planet(body); };
}
