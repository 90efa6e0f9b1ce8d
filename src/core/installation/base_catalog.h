#pragma once
// The catalog of the surface bases of a planetary system: one entry per base,
// Name & ":" & NumberText(pad count) & ":" & body, bodies in the order of the body list.
// A body's bases are those its file lists after "NumBases", in the order of its lines, then the
// base files of its folder "<Body>\Base\" in name order, as today's installation keeps them.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The base file names that a planet or moon file lists after its "NumBases" line.
QStringList BaseFilesOfBody(const QByteArray& bodyFile);

// Where a base lies, in degrees, as its file writes the numbers.
struct BaseLocation {
    QString longitude;
    QString latitude;
    bool operator==(const BaseLocation&) const = default;
};

struct BaseFileContents {
    QString name; // the display name; the file name when the file has no "Name" line
    int padCount = 0;
    std::optional<BaseLocation> location; // from the "Location" line of a file of today's form
};

// Whether the base file is in today's form: its first line reads "BASE-V2.0".
bool IsTodaysBaseFile(const QByteArray& baseFile);

// The name and the pads of a base file. A file of today's form names the base in its line
// "Name = <name>" (shown, as the older files' names are, after one blank) and lists its pads
// as objects: every unindented line of its object list that begins with "LPAD" is one pad.
// An older file counts its "LPAD" lines and takes its name as the catalog always has.
BaseFileContents ReadBaseFile(const QByteArray& baseFile, const QString& baseFileName);

QString BaseCatalogEntry(const QString& name, int padCount, const QString& body);

// A base as the catalog knows it.
struct InstalledBase {
    QString name; // as the catalog entry holds it
    int padCount = 0;
    QString body; // the trimmed body name
    QString file; // within the configuration folder: "Harbour.cfg", "Tarn\Base\Harbour.cfg"
    std::optional<BaseLocation> location;
    bool operator==(const InstalledBase&) const = default;
};

// Reads a file of the configuration folder by its path there ("Earth.cfg", "Tarn\Base\Harbour.cfg");
// nothing when it cannot.
using ConfigFileReader = std::function<std::optional<QByteArray>(const QString& fileName)>;
// The names of the ".cfg" files of a folder of the configuration folder ("Tarn\Base\"), in
// name order; none for a folder that is not there. Folder names match without regard to case.
using ConfigFolderLister = std::function<QStringList(const QString& folder)>;

// The folders of a configuration folder on disk (a simulator path text, ending in a separator),
// its sub-folders listed once at the first call, whatever the number of bodies.
ConfigFolderLister ConfigFoldersOnDisk(const QString& configFolder);

// The folder of a body's base files within the configuration folder: "<Body>\Base\".
QString BaseFolderOf(const QString& body);

// The bases of every body of the list; a body or base file that cannot be read is skipped.
// Bases of one body whose trimmed names are equal, letter case ignored, count once: a base of
// the base folder wins over one that "NumBases" lists, and otherwise the first one stands.
// Without a lister no base folder is read.
std::vector<InstalledBase> ReadInstalledBases(const QStringList& bodies, const ConfigFileReader& readFile,
                                              const ConfigFolderLister& listFolder = {});
QStringList BaseCatalogEntries(const std::vector<InstalledBase>& bases);

// The catalog entries of every body of the list.
QStringList BuildBaseCatalog(const QStringList& bodies, const ConfigFileReader& readFile,
                             const ConfigFolderLister& listFolder = {});
