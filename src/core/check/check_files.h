#pragma once
// The scenario files a check goes through: each file named, the ".scn" files of each folder
// named (the folders below it too when asked, without the links that lead back up), in the
// order named, each folder's files by name. A folder that cannot be read is an entry of its
// own, so that the check says it could not read it.
#include <QString>
#include <QStringList>
#include <vector>

struct ScenarioFileEntry {
    QString path;  // to open
    QString shown; // in the report: the path as the user named it, or the folder named and the name
    // A regular file that a folder listing has just given, by its platform path: it is opened
    // without being looked up again (a thousand files, a thousand look-ups saved).
    bool listed = false;
};

// Relative paths are taken from the working folder, and shown as named.
std::vector<ScenarioFileEntry> ScenarioFilesToCheck(const QStringList& paths, const QString& workingFolder,
                                                    bool recursive);
