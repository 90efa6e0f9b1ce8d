#include "core/installation/class_catalogs.h"

#include "core/text/codepage.h"
#include "core/text/config_records.h"
#include "core/text/record_lookup.h"
#include "core/text/text_rules.h"

#include <cstring>

namespace {
// A record matches a key when its first characters, as many as the key has, are the key.
bool BeginsWith(const QString& record, const QString& key) {
    return record.left(key.size()) == Trim(key);
}

// What follows the key and " = ".
QString ValueAfter(const QString& record, const QString& key) {
    return record.mid(key.size() + 3);
}

QString LessExtension(const QString& fileName) {
    return fileName.left(qMax<qsizetype>(0, fileName.size() - 4));
}

void AppendRepeated(QStringList& list, const QString& entry, int times) {
    for (int i = 0; i < times; ++i)
        list.append(entry);
}
void AppendRepeated(QStringList& list, const QStringList& entries, int times) {
    for (int i = 0; i < times; ++i)
        list.append(entries);
}

struct ByteKey {
    const char* text;
    qsizetype size;
};
constexpr ByteKey kStarBytes{"Star1", 5};
constexpr ByteKey kNameBytes{"Name", 4};
constexpr ByteKey kClassBytes{"ClassName", 9};
constexpr ByteKey kDockBytes{"BEGIN_DOCKLIST", 14};
constexpr ByteKey kMeshBytes{"Meshname", 8};

bool BeginsWith(const char* b, const char* e, ByteKey key) {
    return e - b >= key.size && std::memcmp(b, key.text, key.size) == 0;
}

QString ValueAfter(const char* b, const char* e, ByteKey key) {
    const char* v = b + key.size + 3;
    return v < e ? DecodeText(QByteArray::fromRawData(v, e - v)) : QString();
}
} // namespace

FileKeys KeysOfFile(const QByteArray& bytes, const QString& key1, const QString& key2) {
    FileKeys keys;
    for (const QString& record : ReadConfigRecord(bytes)) {
        const QString t = Trim(record);
        if (BeginsWith(t, key1)) ++keys.key1Count;
        if (BeginsWith(t, key2)) keys.key2Values.append(ValueAfter(t, key2));
    }
    return keys;
}

void AddToKeyScan(KeyScan& scan, const QString& fileName, const FileKeys& keys) {
    // Each listing of the file reads it again for the second key, so the values repeat with it.
    AppendRepeated(scan.files, fileName, keys.key1Count);
    AppendRepeated(scan.values, keys.key2Values, keys.key1Count);
}

void CatalogBuilder::Add(const QString& fileName, const QByteArray& bytes) {
    int stars = 0, classRecords = 0, dockLists = 0;
    QString systemName;
    bool named = false;
    QStringList classNames, meshNames;
    ForEachConfigRecord(bytes.constData(), bytes.constData() + bytes.size(),
                        [&](const char* b, const char* e) {
                            while (b < e && *b == ' ')
                                ++b;
                            while (e > b && e[-1] == ' ')
                                --e;
                            if (e == b) return;
                            switch (*b) {
                            case 'S':
                                if (BeginsWith(b, e, kStarBytes)) ++stars;
                                break;
                            case 'N':
                                if (!named && BeginsWith(b, e, kNameBytes)) {
                                    systemName = ValueAfter(b, e, kNameBytes);
                                    named = true;
                                }
                                break;
                            case 'C':
                                if (BeginsWith(b, e, kClassBytes)) {
                                    ++classRecords;
                                    classNames.append(ValueAfter(b, e, kClassBytes));
                                }
                                break;
                            case 'B':
                                if (BeginsWith(b, e, kDockBytes)) ++dockLists;
                                break;
                            case 'M':
                                if (BeginsWith(b, e, kMeshBytes))
                                    meshNames.append(ValueAfter(b, e, kMeshBytes));
                                break;
                            default:
                                break;
                            }
                        });
    if (stars > 0) {
        catalogs_.planetarySystems.append(named ? systemName : LessExtension(fileName));
        catalogs_.planetarySystemFiles.append(fileName);
    }
    AppendRepeated(catalogs_.spacecraftClasses, classNames, classRecords);
    AppendRepeated(catalogs_.stationClassFiles, fileName, dockLists);
    AppendRepeated(catalogs_.stationMeshNames, meshNames, dockLists);
    AppendRepeated(catalogs_.stationClasses, LessExtension(fileName), dockLists);
    lastWasStationClass_ = dockLists > 0;
}

bool CatalogBuilder::AddVessel(const QString& relativePath) {
    lastWasStationClass_ = false;
    const QString name = VesselClassName(relativePath);
    const QString key = name.toCaseFolded();
    if (vesselKeys_.contains(key)) return false;
    vesselKeys_.insert(key);
    catalogs_.vesselClasses.append(name);
    return true;
}

ClassCatalogs CatalogBuilder::Take() {
    ClassCatalogs taken = std::move(catalogs_);
    catalogs_ = ClassCatalogs();
    vesselKeys_.clear();
    lastWasStationClass_ = false;
    return taken;
}

QStringList ShipClasses(const ClassCatalogs& catalogs) {
    QStringList classes = catalogs.spacecraftClasses;
    QSet<QString> named;
    for (const QString& name : catalogs.spacecraftClasses)
        named.insert(name.toCaseFolded());
    for (const QString& name : catalogs.vesselClasses) {
        if (!named.contains(name.toCaseFolded())) classes.append(name);
    }
    return classes;
}

QString VesselClassName(const QString& relativePath) {
    return LessExtension(relativePath);
}

bool HoldsDockList(const QByteArray& bytes) {
    // Most vessel files have no dock list: the bytes alone tell, without a walk of the records.
    if (!bytes.contains(kDockBytes.text)) return false;
    bool found = false;
    ForEachConfigRecord(bytes.constData(), bytes.constData() + bytes.size(),
                        [&](const char* b, const char* e) {
                            while (b < e && *b == ' ')
                                ++b;
                            if (!found && BeginsWith(b, e, kDockBytes)) found = true;
                        });
    return found;
}
