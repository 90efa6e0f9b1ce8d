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

// The trash (the folder that holds files/ and info/) that Qt's move to the trash would take
// for the file, provided that the move makes no folder but files/ and info/ inside it, or
// Trash inside the user's existing data folder: the home trash for a file on the home's
// volume, a trash that the file's volume already has for a file elsewhere. Empty where the
// move would have to make any other folder, and on systems with a trash of their own.
QString TrashFolder(const QString& platformPath);

// Where the move to the trash took the file (movedTo): inside trashFolder's files/ it stays;
// anywhere else it is put back at platformPath and reported as not removed.
RemovalResult SettleTrashedFile(const QString& platformPath, const QString& movedTo,
                                const QString& trashFolder);

// Moves the file to its trash, or deletes it when it has none. A file that the move left
// anywhere else is put back and reported as not removed.
RemovalResult RemoveToTrash(const QString& platformPath);
