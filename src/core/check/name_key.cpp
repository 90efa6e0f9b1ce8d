#include "core/check/name_key.h"

#include "core/check/check_context.h"
#include "core/text/line_views.h"

#include <algorithm>

NameKey::NameKey(QStringView name) {
    const QStringView trimmed = TrimView(name);
    // Nearly every name is short ASCII: upper-cased here without a copy on the heap.
    if (trimmed.size() <= kInline) {
        bool ascii = true;
        for (qsizetype i = 0; i < trimmed.size() && ascii; ++i) {
            const char16_t c = trimmed[i].unicode();
            ascii = c < 0x80;
            inline_[std::size_t(i)] = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
        }
        if (ascii) {
            size_ = trimmed.size();
            hash_ = ShortTextHash(QStringView(inline_.data(), size_));
            return;
        }
        inline_.fill(0);
    }
    // Any other letter follows the general rule, whose result may be short again.
    const QString key = CheckKey(name.toString());
    size_ = key.size();
    if (size_ <= kInline)
        std::copy(key.utf16(), key.utf16() + size_, inline_.begin());
    else
        long_ = key;
    hash_ = ShortTextHash(key);
}

std::size_t ShortTextHash(QStringView text) {
    quint64 hash = 14695981039346656037ull;
    for (const QChar c : text) {
        hash ^= c.unicode();
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}
