#pragma once
// Where a path that the user gave (on the command line, by dropping a file) really leads, seen
// from the scenario folder. A file in the folder or in any folder below it may be opened: the
// editor reads and writes scenarios by their names within the folder.
#include <QString>

struct FileInFolder {
    bool inside = false; // the path leads into the folder or a folder below it
    // The file's name within the folder, when inside: its path below the folder with "\"
    // between the folders, as the simulator writes it ("Glider\Docked.scn").
    QString name;
    QString shownPath; // the path as a message names it: where it really leads
};

// A path that exists (relative to the working folder, or absolute) is inside only when it still
// leads into the folder once ".", ".." and symbolic links are followed. Any other relative text
// without "." or ".." in it is a name within the folder, "\" and "/" both separating folders,
// letter case matched as the simulator's home platform matches it; it is inside unless a link
// on its way leads out. A bare name is always a name within the folder. A file that does not
// exist is judged by the folder it would be in. The folder and the working folder are platform
// paths.
FileInFolder LocateInFolder(const QString& path, const QString& folder, const QString& workingFolder);
