#pragma once
// Where a path that the user gave (on the command line, by dropping a file) really leads, seen
// from the scenario folder. Only a file directly inside the folder may be opened: the editor
// reads and writes scenarios by their names within it.
#include <QString>

struct FileInFolder {
    bool inside = false; // the path leads directly into the folder
    QString name;        // the file's name within the folder, when inside
    QString shownPath;   // the path as a message names it: where it really leads
};

// A bare name is a file of the folder; any other path, relative to the working folder or
// absolute, is inside only when it still leads directly into the folder once ".", ".." and
// symbolic links are followed. A file that does not exist is judged by the folder it would be
// in. The folder and the working folder are platform paths.
FileInFolder LocateInFolder(const QString& path, const QString& folder, const QString& workingFolder);
