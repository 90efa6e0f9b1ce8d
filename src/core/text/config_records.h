#pragma once
// The one way the records of a configuration file are split. A record ends at a comma or at a
// line end (CR LF, a lone CR or a lone LF); a record that begins with a double quote runs to
// the next double quote on its line, and what follows that quote up to the next comma is
// dropped. Blanks before a record are skipped; a final line end starts no further line.
//
// The walk works on the decoded text and on the file's bytes alike: the code page maps every
// ASCII byte to itself, so blanks, commas, quotes and line ends are found without decoding, and
// a reader looking for a few keys decodes only the records that hold them. Nothing is copied:
// a file of a million lines or of one enormous line costs little more than its text.
#include <QChar>
#include <QStringView>
#include <cstring>

namespace config_records {
// The first c in [p, end), or end.
inline const char* Find(const char* p, const char* end, char c) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    return found ? static_cast<const char*>(found) : end;
}
inline const QChar* Find(const QChar* p, const QChar* end, char c) {
    const qsizetype at = QStringView(p, end - p).indexOf(QLatin1Char(c));
    return at < 0 ? end : p + at;
}

// The next CR or LF at or after a position, or the end. The positions found are kept, so that
// every character is searched once whatever the length of the lines.
template <class Char> class LineEnds {
  public:
    LineEnds(const Char* begin, const Char* end)
        : end_(end), cr_(Find(begin, end, '\r')), lf_(Find(begin, end, '\n')) {}
    const Char* From(const Char* p) {
        if (cr_ < p) cr_ = Find(p, end_, '\r');
        if (lf_ < p) lf_ = Find(p, end_, '\n');
        return cr_ < lf_ ? cr_ : lf_;
    }

  private:
    const Char* end_;
    const Char* cr_;
    const Char* lf_;
};

// Calls visit(begin, end) for every record of one line, in order.
template <class Char, class Visit>
void ForEachRecordOfLine(const Char* i, const Char* lineEnd, Visit& visit) {
    for (;;) {
        while (i < lineEnd && *i == ' ')
            ++i;
        if (i < lineEnd && *i == '"') {
            const Char* close = Find(i + 1, lineEnd, '"');
            visit(i + 1, close);
            if (close == lineEnd) return;
            const Char* comma = Find(close + 1, lineEnd, ',');
            if (comma == lineEnd) return;
            i = comma + 1;
        } else {
            const Char* comma = Find(i, lineEnd, ',');
            visit(i, comma);
            if (comma == lineEnd) return;
            i = comma + 1;
        }
    }
}
} // namespace config_records

// Calls visit(begin, end) for every record of the text [p, end), in file order. Char is char
// (the file's bytes) or QChar (the decoded text).
template <class Char, class Visit> void ForEachConfigRecord(const Char* p, const Char* end, Visit&& visit) {
    config_records::LineEnds<Char> lineEnds(p, end);
    while (p < end) {
        const Char* lineEnd = lineEnds.From(p);
        config_records::ForEachRecordOfLine(p, lineEnd, visit);
        if (lineEnd == end) return;
        p = lineEnd + ((*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n') ? 2 : 1);
    }
}
