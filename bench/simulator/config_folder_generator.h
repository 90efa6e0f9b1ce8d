#pragma once
// Builds a large simulator installation for the start-up benchmark: planetary systems with
// their bodies, spacecraft classes, station classes with dock lists, and other configuration
// files of the sizes a real installation holds. In the older layout every file lies in the
// configuration folder itself and the bodies list their bases; in today's the classes lie
// below "Config\Vessels\" (stations among them, by their dock lists) and the bases in the
// bodies' base folders, in the form "BASE-V2.0".
#include <QString>

struct GeneratedFolderSizes {
    int systems = 20;
    int bodiesPerSystem = 100; // planets with three moons each
    int spacecraftClasses = 1500;
    int stationClasses = 500;
    int fillerFiles = 980; // base files and other settings; in today's layout base files
    bool today = false;
};

struct GeneratedFolder {
    int files = 0;
    qint64 bytes = 0;
};

// Writes simulatorFolder/skelvan.cfg and the configuration folder (CR LF, ";" comments).
GeneratedFolder GenerateConfigFolder(const QString& simulatorFolder, const GeneratedFolderSizes& sizes = {});
