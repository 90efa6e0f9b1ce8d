#include "core/installation/class_catalogs.h"

#include "core/text/codepage.h"
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

// The records of a file walked on its bytes, as ReadConfigRecord reads them: the code page
// maps every ASCII byte to itself, so blanks, commas, quotes and line ends are found without
// decoding, and only the few records that begin with a key are decoded.
// The next CR or LF at or after p, or end; the positions found are kept, so that every byte is
// searched once whatever the length of the lines.
class LineEnds {
  public:
    LineEnds(const char* begin, const char* end)
        : end_(end), cr_(Find(begin, '\r')), lf_(Find(begin, '\n')) {}
    const char* From(const char* p) {
        if (cr_ < p) cr_ = Find(p, '\r');
        if (lf_ < p) lf_ = Find(p, '\n');
        return cr_ < lf_ ? cr_ : lf_;
    }

  private:
    const char* Find(const char* p, char c) const {
        const void* found = std::memchr(p, c, static_cast<size_t>(end_ - p));
        return found ? static_cast<const char*>(found) : end_;
    }
    const char* end_;
    const char* cr_;
    const char* lf_;
};

template <class Visit> void ForEachRecord(const char* p, const char* end, Visit&& visit) {
    LineEnds lineEnds(p, end);
    for (;;) {
        const char* lineEnd = lineEnds.From(p);
        const char* i = p;
        for (;;) {
            while (i < lineEnd && *i == ' ')
                ++i;
            if (i < lineEnd && *i == '"') {
                const char* close = static_cast<const char*>(std::memchr(i + 1, '"', lineEnd - i - 1));
                if (!close) {
                    visit(i + 1, lineEnd);
                    break;
                }
                visit(i + 1, close);
                const char* comma =
                    static_cast<const char*>(std::memchr(close + 1, ',', lineEnd - close - 1));
                if (!comma) break;
                i = comma + 1;
            } else {
                const char* comma = static_cast<const char*>(std::memchr(i, ',', lineEnd - i));
                if (!comma) {
                    visit(i, lineEnd);
                    break;
                }
                visit(i, comma);
                i = comma + 1;
            }
        }
        if (lineEnd == end) return;
        p = lineEnd + ((*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n') ? 2 : 1);
        if (p == end) return; // a final line end does not start another line
    }
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
    ForEachRecord(bytes.constData(), bytes.constData() + bytes.size(), [&](const char* b, const char* e) {
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
            if (BeginsWith(b, e, kMeshBytes)) meshNames.append(ValueAfter(b, e, kMeshBytes));
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

ClassCatalogs CatalogBuilder::Take() {
    ClassCatalogs taken = std::move(catalogs_);
    catalogs_ = ClassCatalogs();
    lastWasStationClass_ = false;
    return taken;
}
