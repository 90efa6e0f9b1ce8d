#pragma once
// The catalogs found in the configuration folder at start-up. A file of the folder itself is
// recognised by a key record it holds, never by its name: "Star1" marks a planetary system,
// "ClassName" a spacecraft class, "BEGIN_DOCKLIST" a station class. The files below
// "Config\Vessels\", as today's installation keeps its vessel classes, are classes by their
// path alone.
#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

// What a key scan finds: every file holding a record that begins with the first key, once per
// such record (Buffer), and for each of those entries every value of the second key (NBuffer):
// what follows the key and " = ".
struct KeyScan {
    QStringList files;
    QStringList values;
};

// The matches of one file: how many records begin with key1, and the values of key2.
struct FileKeys {
    int key1Count = 0;
    QStringList key2Values;
};
FileKeys KeysOfFile(const QByteArray& bytes, const QString& key1, const QString& key2);
// Appends what one file contributes to a key scan; the scan goes over the files in the
// order of the folder listing.
void AddToKeyScan(KeyScan& scan, const QString& fileName, const FileKeys& keys);

struct ClassCatalogs {
    // One entry per planetary system file, whatever number of "Star1" or "Name" records it
    // holds, so that entry i of both lists describes the same file. The name is the value of the
    // file's first "Name" record, or the file name less ".cfg" when it has none.
    QStringList planetarySystems;
    QStringList planetarySystemFiles;
    // The values of the "ClassName" scan, repeats included.
    QStringList spacecraftClasses;
    // The files of the "BEGIN_DOCKLIST" scan (one entry per dock list marker) and the
    // "Meshname" values gathered with them.
    QStringList stationClassFiles;
    QStringList stationMeshNames;
    // The station class files less their last 4 characters.
    QStringList stationClasses;
    // The vessel classes: the path of each file below "Config\Vessels\" less ".cfg", folders
    // joined by "\", in path order; names equal but for letter case are one class, the first.
    QStringList vesselClasses;
};

// The classes a ship may have: the "ClassName" values, then each vessel class that none of
// them names already (letter case ignored).
QStringList ShipClasses(const ClassCatalogs& catalogs);

// The class a file below "Config\Vessels\" makes: its path there ("Haulers\Ox.cfg") less ".cfg".
QString VesselClassName(const QString& relativePath);

// Whether the file holds a record that begins with "BEGIN_DOCKLIST", as a station class file
// does; a vessel class file that holds one has dock ports.
bool HoldsDockList(const QByteArray& bytes);

// Builds the three catalogs in one pass, each file read once, in the order the files are added
// (the folder listing, sorted by name).
class CatalogBuilder {
  public:
    void Add(const QString& fileName, const QByteArray& bytes);
    // A file below "Config\Vessels\", by its path there; false when its class is one already
    // added in other letter case, which the simulator cannot tell from it.
    bool AddVessel(const QString& relativePath);
    // True when the file last added is a station class file (its dock list is read again later).
    bool LastWasStationClass() const { return lastWasStationClass_; }
    ClassCatalogs Take();

  private:
    ClassCatalogs catalogs_;
    QSet<QString> vesselKeys_; // the vessel classes, case-folded
    bool lastWasStationClass_ = false;
};
