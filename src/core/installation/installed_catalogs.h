#pragma once
// The catalogs of an installation's configuration folder, read in one pass: the planetary
// systems, spacecraft classes and station classes, and the dock count of each station class.
// The editor's start-up and the check of scenario files both read them here.
#include "core/installation/class_catalogs.h"
#include "core/installation/dock_catalog.h"

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
    // The configuration files that could not be read, left out of the catalogs.
    QStringList unreadable;
};

// Reads the folder file by file, so that a caller can show its progress between two files.
class InstalledCatalogReader {
  public:
    // The folder text ends in a separator, as the configuration folder does.
    explicit InstalledCatalogReader(const QString& configFolder);
    qsizetype FileCount() const { return files_.size(); }
    // Reads the next file; false once every file was read.
    bool ReadNext();
    // The catalogs, once every file was read.
    InstalledCatalogs Finish();

  private:
    QString folder_;
    QString platformFolder_;
    QStringList files_;
    qsizetype next_ = 0;
    QStringList unreadable_;
    CatalogBuilder builder_;
    // Each file is read once for the three catalogs; the station class files are kept only
    // until their dock ports are counted.
    QHash<QString, QByteArray> stationClassFiles_;
};

// The whole folder at once.
InstalledCatalogs ReadInstalledCatalogs(const QString& configFolder);
