#include "core/text/line_views.h"

#include "core/text/text_rules.h"

#include <algorithm>

namespace {
// Characters outside ASCII can change length or meet a keyword letter when upper-cased
// (a dotless i becomes "I"); those texts take the slow road through UCase itself.
template <class Key> bool StartsWith(QStringView text, Key upperKey) {
    const qsizetype n = upperKey.size();
    const qsizetype common = std::min(n, text.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80) return UCase(text.toString()).startsWith(upperKey);
        const char16_t upper = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
        if (upper != QChar(upperKey[i]).unicode()) return false;
    }
    if (text.size() >= n) return true;
    for (qsizetype i = common; i < text.size(); ++i) {
        if (text[i].unicode() >= 0x80) return UCase(text.toString()).startsWith(upperKey);
    }
    return false;
}
} // namespace

namespace line_views_detail {
bool UpperStartsWith(QStringView text, QStringView upperKey) {
    return StartsWith(text, upperKey);
}
bool UpperStartsWith(QStringView text, QLatin1StringView upperKey) {
    return StartsWith(text, upperKey);
}

bool UpperEquals(QStringView text, QLatin1StringView upperKey) {
    // Up to the first character outside ASCII each character upper-cases to one: a differing
    // one there decides, whatever follows it.
    const qsizetype n = upperKey.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80) return UCase(text.toString()) == upperKey;
        if (i >= n) return false;
        const char16_t upper = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
        if (upper != QChar(upperKey[i]).unicode()) return false;
    }
    return text.size() == n;
}
} // namespace line_views_detail
