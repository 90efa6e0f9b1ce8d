#pragma once
// What the checks of the rows need from the installation, each file of it read once for all
// the scenarios checked: the installed classes and planetary systems, the bodies and bases of
// a system, and the planet files.
#include "core/check/name_key.h"
#include "core/editing/location_trees.h"
#include "core/editing/row_validation.h"
#include "core/installation/installed_catalogs.h"
#include "core/installation/planet_data.h"
#include "core/orbit/orbit_insight.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// The bases of a planetary system's bodies, as the pad tree is built from them.
struct SystemBases {
    bool readable = false; // false: the system file could not be read, so no body is known
    // Pad counts by body and base name.
    QHash<NameKey, QHash<NameKey, int>> padsByBody;
};

class CheckContext {
  public:
    // The configuration folder text ends in a separator.
    CheckContext(const QString& configFolder, const InstalledCatalogs& catalogs);

    const QString& ConfigFolder() const { return configFolder_; }
    // A ship class is installed when a catalog names it (letter case ignored) or when the
    // configuration folder has its file "<class>.cfg", where the simulator looks for it too.
    bool SpacecraftClassInstalled(const QString& className);
    bool StationClassInstalled(const QString& className) const;
    bool SystemInstalled(const QString& systemName) const;
    // The bases of the system the scenario names, read from its file (the installed one, or the
    // file its name would have, as the editor reads it).
    const SystemBases& Bases(const QString& systemName);
    // The planet file of a body, as a row names it: the configuration folder's file of that
    // name. Kept by the name as written, so that a row costs no path of its own.
    const PlanetData& Planet(const QString& body);
    // The planet data the validations need, from the planet files kept.
    PlanetLookup Planets();
    // The dock ports of the station classes and of the vessel classes with a dock list.
    const DockCounts& ClassDocks() const { return classDocks_; }

  private:
    QString configFolder_;
    QSet<NameKey> spacecraftClasses_;
    QHash<NameKey, bool> classFiles_; // whether "<class>.cfg" is there, by class
    DockCounts classDocks_;
    QSet<NameKey> stationClasses_;
    QHash<NameKey, QString> systemFiles_;
    QHash<NameKey, SystemBases> bases_;
    QHash<QString, PlanetData> planets_; // by the body's name as a row writes it
};

// The form in which names are compared: blanks at both ends removed, letter case ignored, as
// the location trees compare stations and bases.
QString CheckKey(const QString& name);
