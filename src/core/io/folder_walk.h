#pragma once
// The files below a folder at any depth, as today's installation keeps its vessel classes in
// sub-folders of "Config\Vessels\".
#include <QString>
#include <QStringList>
#include <vector>

// A file found below a folder: its path within the folder as the simulator writes paths
// (folders joined by "\"), and the platform path to read it by.
struct FileBelow {
    QString relative;
    QString platformPath;
};

// The regular files below the folder (its own files and those of every folder inside it) whose
// names end in the suffix, letter case ignored, sorted by relative path without regard to case.
// The folder is a simulator path text; a missing folder gives none. Links to folders are not
// followed, so a link that leads back up cannot make the walk endless.
std::vector<FileBelow> ListFilesBelow(const QString& folder, const QString& suffix);
