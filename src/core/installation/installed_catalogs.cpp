#include "core/installation/installed_catalogs.h"

#include "core/io/file_access.h"

#include <algorithm>
#include <optional>

InstalledCatalogReader::InstalledCatalogReader(const QString& configFolder)
    : folder_(configFolder), platformFolder_(PlatformPath(configFolder)),
      files_(ListFiles(configFolder, QStringLiteral("*.cfg"))) {}

bool InstalledCatalogReader::ReadNext() {
    if (next_ >= files_.size()) return false;
    const QString& name = files_[next_++];
    const auto bytes = ReadListedFile(platformFolder_, name);
    if (bytes) {
        builder_.Add(name, *bytes);
        if (builder_.LastWasStationClass()) stationClassFiles_.insert(name, *bytes);
    } else {
        unreadable_.append(name);
    }
    return true;
}

InstalledCatalogs InstalledCatalogReader::Finish() {
    while (ReadNext()) {
    }
    InstalledCatalogs catalogs;
    catalogs.classes = builder_.Take();
    catalogs.unreadable = unreadable_;
    for (const QString& file : catalogs.classes.stationClassFiles) {
        const auto kept = stationClassFiles_.constFind(file);
        const auto bytes =
            kept != stationClassFiles_.constEnd() ? std::optional(*kept) : ReadWholeFile(folder_ + file);
        catalogs.docks.push_back(StationClassDock{file.left(std::max<qsizetype>(file.size() - 4, 0)),
                                                  bytes ? DockListCount(*bytes) : -1});
    }
    stationClassFiles_.clear();
    return catalogs;
}

InstalledCatalogs ReadInstalledCatalogs(const QString& configFolder) {
    return InstalledCatalogReader(configFolder).Finish();
}
