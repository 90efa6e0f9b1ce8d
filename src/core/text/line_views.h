#pragma once
// The text rules of the scenario reader, applied to views into the decoded file so that a
// large scenario is read without copying every line. Each function gives exactly what its
// namesake in text_rules.h gives, as a view into the same text.
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <type_traits>

QStringView TrimView(QStringView text);
QStringView ClearCommentsView(QStringView line);

// UCase(text) starts with / equals key; key is given upper-cased.
bool UpperStartsWith(QStringView text, QStringView upperKey);
bool UpperStartsWith(QStringView text, QLatin1StringView upperKey);
bool UpperEquals(QStringView text, QLatin1StringView upperKey);

// The text after the first count characters; empty when the text is shorter.
inline QStringView CutFront(QStringView text, qsizetype count) {
    return count >= text.size() ? QStringView() : text.mid(count);
}

// The text before and after the first occurrence of a separator; without it, the whole
// text comes first and the rest is empty.
struct SplitPair {
    QStringView before;
    QStringView after;
};
SplitPair SplitAtFirst(QStringView text, QChar separator);

// Calls f(line) for every line of the text. Lines end at CR LF, a lone CR or a lone LF; a
// final line end does not start another, empty line. An f that returns bool stops the walk
// by returning false.
template <class F> void ForEachLine(QStringView text, F&& f) {
    const QChar* data = text.data();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = data[i].unicode();
        if (c <= u'\r' && (c == u'\r' || c == u'\n')) {
            if constexpr (std::is_same_v<decltype(f(QStringView())), bool>) {
                if (!f(QStringView(data + start, i - start))) return;
            } else {
                f(QStringView(data + start, i - start));
            }
            if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) f(QStringView(data + start, n - start));
}
