#pragma once
// Builds a large simulator installation for the start-up benchmark: planetary systems with
// their bodies, spacecraft classes, station classes with dock lists, and other configuration
// files of the sizes a real installation holds.
#include <QString>

struct GeneratedFolderSizes {
    int systems = 20;
    int bodiesPerSystem = 100; // planets with three moons each
    int spacecraftClasses = 1500;
    int stationClasses = 500;
    int fillerFiles = 980;
};

struct GeneratedFolder {
    int files = 0;
    qint64 bytes = 0;
};

// Writes simulatorFolder/skelvan.cfg and simulatorFolder/Config/*.cfg (CR LF, ";" comments).
GeneratedFolder GenerateConfigFolder(const QString& simulatorFolder, const GeneratedFolderSizes& sizes = {});
