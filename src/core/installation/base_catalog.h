#pragma once
// The catalog of the surface bases of a planetary system: one entry per base,
// Name & ":" & NumberText(pad count) & ":" & body, bodies in the order of the body list and
// the bases of a body in the order of its file.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The base file names that a planet or moon file lists after its "NumBases" line.
QStringList BaseFilesOfBody(const QByteArray& bodyFile);

struct BaseFileContents {
    QString name; // the display name; the file name when the file has no "Name" line
    int padCount = 0;
};
// The name and the number of "LPAD" lines of a base file.
BaseFileContents ReadBaseFile(const QByteArray& baseFile, const QString& baseFileName);

QString BaseCatalogEntry(const QString& name, int padCount, const QString& body);

// Reads a file of the configuration folder by its name ("Earth.cfg"); nothing when it cannot.
using ConfigFileReader = std::function<std::optional<QByteArray>(const QString& fileName)>;

// The catalog of every body of the list; a body or base file that cannot be read is skipped.
QStringList BuildBaseCatalog(const QStringList& bodies, const ConfigFileReader& readFile);
