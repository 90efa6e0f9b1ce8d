#include "core/text/record_lookup.h"

#include "core/text/codepage.h"
#include "core/text/config_records.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

namespace {
// Walks the records of the decoded file, each as a view into its text.
template <class Visit> void ForEachRecord(const QByteArray& bytes, Visit&& visit) {
    const QString text = DecodeText(bytes);
    ForEachConfigRecord(text.constData(), text.constData() + text.size(),
                        [&](const QChar* begin, const QChar* end) { visit(QStringView(begin, end)); });
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
