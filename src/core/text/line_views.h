#pragma once
// The text rules of the scenario reader, applied to views into the decoded file so that a
// large scenario is read without copying every line (run_bench_scenario times it). Trim,
// ClearComments and SplitLines on whole texts are made of these views, so that the rules are
// written once. The small ones are inline: the reader calls them several times on every line
// of a file.
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <QSysInfo>
#include <bit>
#include <cstring>
#include <type_traits>

// x86-64 processors all compare eight UTF-16 characters in one instruction (SSE2); elsewhere
// the searches below take four at a time in a 64-bit word.
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define SKELVAN_LINE_VIEWS_SSE2 1
#endif

namespace line_views_detail {
// Four UTF-16 characters read as one 64-bit word, each in its own 16-bit lane.
inline quint64 FourCharacters(const QChar* at) {
    quint64 word;
    std::memcpy(&word, at, sizeof word);
    return word;
}
inline constexpr quint64 kEveryLane = 0x0001000100010001ULL;
inline constexpr quint64 kLaneTops = 0x8000800080008000ULL;
// The lanes of the word below n (n at most 0x8000), marked by their top bit. Subtracting n
// from every lane sets a lane's top bit where it was below n; "& ~word" drops the lanes whose
// top bit was set already. A borrow runs only upward from a lane that was below n, so the
// lowest lane marked is always right, and the word has a mark exactly when a lane is below n.
constexpr quint64 LanesBelow(quint64 word, char16_t n) {
    return (word - kEveryLane * n) & ~word & kLaneTops;
}

// The place of the first character below limit from i on, n when there is none; several
// characters at a time, since the characters sought are few and far between.
inline qsizetype NextBelow(const QChar* data, qsizetype i, qsizetype n, char16_t limit) {
#ifdef SKELVAN_LINE_VIEWS_SSE2
    const __m128i limits = _mm_set1_epi16(short(limit));
    for (; i + 8 <= n; i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        // limit - c, saturated at zero, is zero exactly where c is not below the limit; the
        // mask holds two bits for each such character.
        const int notBelow =
            _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(limits, chars), _mm_setzero_si128()));
        if (notBelow != 0xFFFF) return i + std::countr_zero(unsigned(~notBelow)) / 2;
    }
#endif
    for (; i + 4 <= n; i += 4) {
        const quint64 lanes = LanesBelow(FourCharacters(data + i), limit);
        if (lanes == 0) continue;
        // The first character is the lowest lane only where the lowest byte comes first;
        // elsewhere the walk below finds it among these four.
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) return i + std::countr_zero(lanes) / 16;
        break;
    }
    for (; i < n; ++i) {
        if (data[i].unicode() < limit) return i;
    }
    return n;
}

// The first place of c in the text, -1 when it has none: a lane equal to c is zero after
// the XOR, the one place below 1.
inline qsizetype IndexOf(QStringView text, char16_t c) {
    const QChar* data = text.data();
    const qsizetype n = text.size();
    qsizetype i = 0;
#ifdef SKELVAN_LINE_VIEWS_SSE2
    const __m128i sought = _mm_set1_epi16(short(c));
    for (; i + 8 <= n; i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const int equal = _mm_movemask_epi8(_mm_cmpeq_epi16(chars, sought)); // two bits a character
        if (equal != 0) return i + std::countr_zero(unsigned(equal)) / 2;
    }
#endif
    for (; i + 4 <= n; i += 4) {
        const quint64 lanes = LanesBelow(FourCharacters(data + i) ^ (kEveryLane * c), 1);
        if (lanes == 0) continue;
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) return i + std::countr_zero(lanes) / 16;
        break; // the character is among these four: the walk below finds it
    }
    for (; i < n; ++i) {
        if (data[i].unicode() == c) return i;
    }
    return -1;
}

// The first byte c from p on, or end; sixteen bytes at a time where the processor can.
inline const char* NextByte(const char* p, const char* end, char c) {
#ifdef SKELVAN_LINE_VIEWS_SSE2
    const __m128i sought = _mm_set1_epi8(c);
    for (; end - p >= 16; p += 16) {
        const int equal =
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), sought));
        if (equal != 0) return p + std::countr_zero(unsigned(equal));
    }
#endif
    while (p < end && *p != c)
        ++p;
    return p;
}

// The slow roads of the comparisons below, through UCase.
bool UpperStartsWith(QStringView text, QStringView upperKey);
bool UpperStartsWith(QStringView text, QLatin1StringView upperKey);
bool UpperEquals(QStringView text, QLatin1StringView upperKey);

// False when the first characters alone show that UCase(text) cannot begin with the key's
// first letter: an ASCII character upper-cases to one character, the same for every text.
template <class Key> bool FirstMayMatch(QStringView text, Key upperKey) {
    if (text.isEmpty() || upperKey.isEmpty()) return true;
    const char16_t c = text.front().unicode();
    if (c >= 0x80) return true;
    const char16_t upper = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
    return upper == QChar(upperKey.front()).unicode();
}
} // namespace line_views_detail

// Removes blanks (code 32) only, never tabs or line ends.
inline QStringView TrimView(QStringView text) {
    const QChar* begin = text.data();
    const QChar* end = begin + text.size();
    while (begin < end && *begin == u' ')
        ++begin;
    while (end > begin && end[-1] == u' ')
        --end;
    return QStringView(begin, end - begin);
}

// Drops a ";" comment (and then the blanks around what is left) and trailing control characters.
inline QStringView ClearCommentsView(QStringView line) {
    const qsizetype semicolon = line_views_detail::IndexOf(line, u';');
    if (semicolon >= 0) line = TrimView(line.left(semicolon));
    while (!line.isEmpty() && line.back().unicode() < 32)
        line.chop(1);
    return line;
}

// The place of the first c in the text from `from` on (at most the text's size), -1 when
// there is none: what QStringView::indexOf gives, without its general search.
inline qsizetype IndexOfChar(QStringView text, QChar c, qsizetype from = 0) {
    const qsizetype at = line_views_detail::IndexOf(text.sliced(from), c.unicode());
    return at < 0 ? -1 : from + at;
}

// True when the text holds the character.
inline bool HoldsChar(QStringView text, QChar c) {
    return line_views_detail::IndexOf(text, c.unicode()) >= 0;
}

// UCase(text) starts with / equals key; key is given upper-cased. Most texts the reader asks
// about differ from the key in their first character, which settles it here.
inline bool UpperStartsWith(QStringView text, QStringView upperKey) {
    return line_views_detail::FirstMayMatch(text, upperKey) &&
           line_views_detail::UpperStartsWith(text, upperKey);
}
inline bool UpperStartsWith(QStringView text, QLatin1StringView upperKey) {
    return line_views_detail::FirstMayMatch(text, upperKey) &&
           line_views_detail::UpperStartsWith(text, upperKey);
}
inline bool UpperEquals(QStringView text, QLatin1StringView upperKey) {
    return line_views_detail::FirstMayMatch(text, upperKey) && line_views_detail::UpperEquals(text, upperKey);
}

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
inline SplitPair SplitAtFirst(QStringView text, QChar separator) {
    const qsizetype at = line_views_detail::IndexOf(text, separator.unicode());
    if (at < 0) return {text, QStringView()};
    return {QStringView(text.data(), at), QStringView(text.data() + at + 1, text.size() - at - 1)};
}

// Calls f(line) for every line of the text. Lines end at CR LF, a lone CR or a lone LF; a
// final line end does not start another, empty line. An f that returns bool stops the walk
// by returning false.
template <class F> void ForEachLine(QStringView text, F&& f) {
    const QChar* data = text.data();
    const qsizetype n = text.size();
    qsizetype start = 0;
    // From one character below 0x0E to the next: line ends are such, and little else is (a tab).
    for (qsizetype i = line_views_detail::NextBelow(data, 0, n, 0x0E); i < n;
         i = line_views_detail::NextBelow(data, i + 1, n, 0x0E)) {
        const char16_t c = data[i].unicode();
        if (c != u'\r' && c != u'\n') continue;
        if constexpr (std::is_same_v<decltype(f(QStringView())), bool>) {
            if (!f(QStringView(data + start, i - start))) return;
        } else {
            f(QStringView(data + start, i - start));
        }
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) f(QStringView(data + start, n - start));
}
