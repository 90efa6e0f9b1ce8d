#pragma once
// The dock ports of a station class, counted from its class file.
#include <QByteArray>
#include <QString>

// The number of lines of the class file's dock list: every line strictly between
// "BEGIN_DOCKLIST" and "END_DOCKLIST" (blank and comment-only lines included), lists of the
// same file added up plus one for each list after the first; -1 for a file without a list.
int DockListCount(const QByteArray& classFile);

// The dock entry of one station class file.
struct StationClassDock {
    QString className;  // the class file name without ".cfg"
    int dockCount = -1; // lines of the dock list; -1 without one
};
