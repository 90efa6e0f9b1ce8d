#include "core/text/codepage.h"

#include "core/text/line_views.h"

#include <array>
#include <cstring>

namespace {
// 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 control of the
// same value so that they survive a round trip.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QString DecodeText(const QByteArray& bytes) {
    // Every byte outside 0x80..0x9F is the Latin-1 character of the same value: the whole text
    // is widened at once, and only the few bytes of that range are looked up afterwards.
    QString text = QString::fromLatin1(bytes);
    const char* in = bytes.constData();
    const qsizetype n = bytes.size();
    QChar* out = nullptr;
    for (qsizetype i = 0; i < n; ++i) {
        if ((i & 31) == 0 && i + 32 <= n) {
            // Thirty-two bytes at once: most text has no byte above 0x7F at all.
            quint64 words[4];
            std::memcpy(words, in + i, sizeof words);
            if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080ULL) == 0) {
                i += 31;
                continue;
            }
        }
        const unsigned char b = static_cast<unsigned char>(in[i]);
        if (b >= 0x80 && b <= 0x9F) {
            if (!out) out = text.data();
            out[i] = QChar(kHigh[b - 0x80]);
        }
    }
    return text;
}

namespace {
char EncodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t k = 0; k < kHigh.size(); ++k) {
        if (kHigh[k] == c) return static_cast<char>(0x80 + k);
    }
    return '?';
}
} // namespace

QByteArray EncodeText(const QString& text) {
    QByteArray bytes;
    AppendEncoded(bytes, text);
    return bytes;
}

void AppendEncoded(QByteArray& out, QStringView text) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dest = out.data() + start;
    const QChar* source = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = source[i].unicode();
        dest[i] = c < 0x80 ? static_cast<char>(c) : EncodeChar(c);
    }
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    ForEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}
