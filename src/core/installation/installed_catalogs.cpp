#include "core/installation/installed_catalogs.h"

#include "core/io/file_access.h"

#include <QDir>

#include <algorithm>
#include <optional>

InstalledCatalogReader::InstalledCatalogReader(const QString& configFolder)
    : folder_(configFolder), platformFolder_(PlatformPath(configFolder)) {
    FolderListing listing = ListFolder(configFolder, QStringLiteral(".cfg"));
    files_ = std::move(listing.files);
    // The vessel folder is found in the same listing: an installation of the older layout has
    // none, and a search by name would list its thousands of files once more.
    const QString vessels = NameIgnoringCase(listing.folders, kVesselFolder.chopped(1));
    if (!vessels.isEmpty())
        vessels_ = ListFilesBelow(QDir(platformFolder_).filePath(vessels), QStringLiteral(".cfg"));
}

bool InstalledCatalogReader::ReadNext() {
    if (next_ >= FileCount()) return false;
    if (next_ >= files_.size()) {
        // A vessel class: named by its path, its file read only for a dock list.
        const FileBelow& vessel = vessels_[std::size_t(next_++ - files_.size())];
        const auto bytes = ReadListedPath(vessel.platformPath);
        if (!bytes) {
            unreadable_.append(kVesselFolder + vessel.relative);
        } else if (builder_.AddVessel(vessel.relative) && HoldsDockList(*bytes)) {
            vesselDocks_.push_back(StationClassDock{VesselClassName(vessel.relative), DockListCount(*bytes)});
        }
        return true;
    }
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
    catalogs.vesselDocks = std::move(vesselDocks_);
    vesselDocks_.clear();
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

std::vector<StationClassDock> AllClassDocks(const InstalledCatalogs& catalogs) {
    std::vector<StationClassDock> all = catalogs.docks;
    all.insert(all.end(), catalogs.vesselDocks.begin(), catalogs.vesselDocks.end());
    return all;
}

InstalledCatalogs ReadInstalledCatalogs(const QString& configFolder) {
    return InstalledCatalogReader(configFolder).Finish();
}
