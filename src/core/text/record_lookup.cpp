#include "core/text/record_lookup.h"

#include "core/text/codepage.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

namespace {
// Calls visit(record) for every record of one line, in order.
template <class Visit> void RecordsOfLine(QStringView line, Visit&& visit) {
    qsizetype i = 0;
    const qsizetype n = line.size();
    do {
        while (i < n && line.at(i) == u' ')
            ++i;
        if (i < n && line.at(i) == u'"') {
            const qsizetype close = line.indexOf(u'"', i + 1);
            if (close < 0) {
                visit(line.mid(i + 1));
                return;
            }
            visit(line.mid(i + 1, close - i - 1));
            const qsizetype comma = line.indexOf(u',', close + 1);
            if (comma < 0) return;
            i = comma + 1;
        } else {
            const qsizetype comma = line.indexOf(u',', i);
            if (comma < 0) {
                visit(line.mid(i));
                return;
            }
            visit(line.mid(i, comma - i));
            i = comma + 1;
        }
    } while (true);
}

// Walks the records of a whole file without holding its lines or records: a file of a
// million lines or of one enormous line costs little more than its text.
template <class Visit> void ForEachRecord(const QByteArray& bytes, Visit&& visit) {
    const QString text = DecodeText(bytes);
    const QStringView all(text);
    // The lines as SplitLines gives them: CR LF, CR and LF end a line; a final line end
    // starts no further line.
    qsizetype start = 0;
    const qsizetype n = all.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = all.at(i);
        if (c == u'\r' || c == u'\n') {
            RecordsOfLine(all.mid(start, i - start), visit);
            if (c == u'\r' && i + 1 < n && all.at(i + 1) == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) RecordsOfLine(all.mid(start), visit);
}
} // namespace

QStringList ReadConfigRecord(const QByteArray& bytes) {
    QStringList records;
    ForEachRecord(bytes, [&](QStringView record) { records.append(record.toString()); });
    return records;
}

QString GetData(const QByteArray& bytes, const QString& flag) {
    QString result = kNoData;
    const QString key = UCase(flag);
    ForEachRecord(bytes, [&](QStringView record) {
        const QStringView t = TrimView(record);
        if (UCase(t.left(flag.size()).toString()) == key) result = t.toString();
    });
    return result;
}
