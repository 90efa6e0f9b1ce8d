#pragma once
// Deleting a file the way the desktop does: into the user's trash where there is one, so
// that a mistake can be undone, and for good where there is none.
#include <QString>

struct RemovalResult {
    bool removed = false; // the file is no longer where it was
    bool inTrash = false; // it went to a trash (else it was deleted)
    // Why the file is still there; empty when it was removed.
    QString error;
};

// The trash folders a file of that path may go to on this system: the user's own trash
// inside the data folder (which must exist already; its Trash folder may be made), and a trash
// that the file's volume already has. Empty where there is none.
QStringList TrashFolders(const QString& platformPath);

// Moves the file to one of its trash folders, or deletes it when there is none. A file that
// the move left anywhere else is put back and reported as not removed.
RemovalResult RemoveToTrash(const QString& platformPath);
