#pragma once
// The catalogs of an installation's configuration folder, read in one pass: the planetary
// systems, spacecraft classes and station classes, the vessel classes of "Config\Vessels\",
// and the dock count of each station class and of each vessel class with a dock list. The
// editor's start-up and the check of scenario files both read them here.
#include "core/installation/class_catalogs.h"
#include "core/installation/dock_catalog.h"
#include "core/io/folder_walk.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct InstalledCatalogs {
    ClassCatalogs classes;
    // One entry per station class file, named by the file less ".cfg"; a file that cannot be
    // read counts as one without a dock list.
    std::vector<StationClassDock> docks;
    // One entry per vessel class whose file has a dock list, named by the class, in path order.
    std::vector<StationClassDock> vesselDocks;
    // The configuration files that could not be read, left out of the catalogs (a vessel file
    // by its path within the configuration folder).
    QStringList unreadable;
};

// The dock counts of every class the dock tree knows: the station classes, then the vessel
// classes, so that a vessel class file wins over a station class file of the same name.
std::vector<StationClassDock> AllClassDocks(const InstalledCatalogs& catalogs);

// The folder of the vessel classes within the configuration folder.
inline const QString kVesselFolder = QStringLiteral("Vessels\\");

// Reads the folder file by file, so that a caller can show its progress between two files.
class InstalledCatalogReader {
  public:
    // The folder text ends in a separator, as the configuration folder does.
    explicit InstalledCatalogReader(const QString& configFolder);
    qsizetype FileCount() const { return files_.size() + qsizetype(vessels_.size()); }
    // Reads the next file; false once every file was read.
    bool ReadNext();
    // The catalogs, once every file was read.
    InstalledCatalogs Finish();

  private:
    QString folder_;
    QString platformFolder_;
    QStringList files_;
    std::vector<FileBelow> vessels_;
    qsizetype next_ = 0;
    std::vector<StationClassDock> vesselDocks_;
    QStringList unreadable_;
    CatalogBuilder builder_;
    // Each file is read once for the three catalogs; the station class files are kept only
    // until their dock ports are counted.
    QHash<QString, QByteArray> stationClassFiles_;
};

// The whole folder at once.
InstalledCatalogs ReadInstalledCatalogs(const QString& configFolder);
