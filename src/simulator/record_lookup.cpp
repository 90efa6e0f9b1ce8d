#include "simulator/record_lookup.h"

#include "document/codepage.h"
#include "document/text_rules.h"
#include "simulator/file_access.h"

namespace {
void RecordsOfLine(const QString& line, QStringList& out) {
    qsizetype i = 0;
    const qsizetype n = line.size();
    do {
        while (i < n && line.at(i) == u' ')
            ++i;
        if (i < n && line.at(i) == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0) {
                out.append(line.mid(i + 1));
                return;
            }
            out.append(line.mid(i + 1, close - i - 1));
            const qsizetype comma = line.indexOf(u',', close + 1);
            if (comma < 0)
                return;
            i = comma + 1;
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            if (comma < 0) {
                out.append(line.mid(i));
                return;
            }
            out.append(line.mid(i, comma - i));
            i = comma + 1;
        }
    } while (true);
}
} // namespace

QStringList ReadConfigRecord(const QByteArray& bytes) {
    QStringList records;
    for (const QString& line : SplitLines(DecodeText(bytes)))
        RecordsOfLine(line, records);
    return records;
}

QString GetData(const QByteArray& bytes, const QString& flag) {
    QString result = kNoData;
    const QString key = UCase(flag);
    for (const QString& record : ReadConfigRecord(bytes)) {
        const QString t = Trim(record);
        if (UCase(t.left(flag.size())) == key)
            result = t;
    }
    return result;
}

QStringList ExtractData(const QByteArray& bytes, const QString& startFlag, const QString& endFlag) {
    QStringList collected;
    bool collecting = false;
    for (const QString& record : ReadConfigRecord(bytes)) {
        const QString t = Trim(record);
        if (t == startFlag)
            collecting = true;
        if (t == endFlag)
            collecting = false;
        if (collecting && t != startFlag && t != endFlag)
            collected.append(t);
    }
    return collected;
}

QString GetDataFromFile(const QString& path, const QString& flag) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? GetData(*bytes, flag) : kNoData;
}

QStringList ExtractDataFromFile(const QString& path, const QString& startFlag, const QString& endFlag) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? ExtractData(*bytes, startFlag, endFlag) : QStringList();
}
