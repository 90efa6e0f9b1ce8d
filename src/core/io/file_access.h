#pragma once
// File access at the edge of the program. Paths are built as the simulator writes them: a
// folder text followed by a file name, with "\" as separator. They are mapped to the
// platform here, and a name that differs only in letter case is taken when no file has
// the exact name, as on the simulator's home platform.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The platform path for a simulator path text, letter case resolved where needed.
QString PlatformPath(const QString& path);
// A path as a message shows it: the platform's separators throughout, "\" and "/" alike,
// and the names as written (the file may not be there).
QString DisplayPath(const QString& path);

bool FileExists(const QString& path);
std::optional<QByteArray> ReadWholeFile(const QString& path);
// Writes the whole file or nothing: the old file stays as it was when writing fails.
// On failure, error gets a text the user can read.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// A file that ListFiles has just given, read by the platform path of its folder
// (PlatformPath(folder)) without looking the name up again.
std::optional<QByteArray> ReadListedFile(const QString& platformFolder, const QString& name);
// The same by the listed file's whole platform path.
std::optional<QByteArray> ReadListedPath(const QString& platformPath);

// The names of the files of a folder that match a wildcard pattern (letter case ignored),
// sorted by name without regard to case.
QStringList ListFiles(const QString& folder, const QString& pattern);
