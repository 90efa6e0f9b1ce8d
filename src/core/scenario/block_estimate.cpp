#include "core/scenario/block_estimate.h"

#include "core/text/line_views.h"

#include <string_view>

namespace {
// True when the line, from p on, is the word (given upper-cased) in any letter case, followed
// by nothing but a blank, a comment or the line's end.
bool LineIsWord(const char* p, const char* end, std::string_view upperWord) {
    if (end - p < qsizetype(upperWord.size())) return false;
    for (const char c : upperWord) {
        const char upper = (*p >= 'a' && *p <= 'z') ? char(*p - 32) : *p;
        if (upper != c) return false;
        ++p;
    }
    return p == end || *p == ' ' || *p == ';' || *p == '\r' || *p == '\n';
}

// The start of the next line, after the line feed that ends the one at p; end for the last.
const char* NextLine(const char* p, const char* end) {
    const char* feed = line_views_detail::NextByte(p, end, '\n');
    return feed < end ? feed + 1 : end;
}

// The first line from p (the start of a line) on whose first character is the letter, in
// either case (OR-ing 0x20 lower-cases a letter, and makes no other byte a letter); end when
// there is none. Only lines that begin with B or E matter to the estimate, and in a table most
// lines begin otherwise: they are passed over here many bytes at a time.
const char* NextLineBeginning(const char* p, const char* end, char lowerLetter) {
    if (p < end && (*p | 0x20) == lowerLetter) return p;
#ifdef SKELVAN_LINE_VIEWS_SSE2
    // A line feed whose next byte is the letter, sixteen places at a time.
    const __m128i feeds = _mm_set1_epi8('\n');
    const __m128i letters = _mm_set1_epi8(lowerLetter);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; end - p > 16; p += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i next = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1)), caseBit);
        const int found =
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, feeds), _mm_cmpeq_epi8(next, letters)));
        if (found != 0) return p + std::countr_zero(unsigned(found)) + 1;
    }
#endif
    for (; end - p > 1; ++p) {
        if (*p == '\n' && (p[1] | 0x20) == lowerLetter) return p + 1;
    }
    return end;
}

bool IsTableEnd(const char* p, const char* end) {
    return LineIsWord(p, end, "END_STATIONS") || LineIsWord(p, end, "END_SHIPS");
}
} // namespace

BlockEstimate EstimateBlocks(const QByteArray& bytes) {
    BlockEstimate estimate;
    qsizetype* counted = nullptr; // the count of the table section the walk is in
    enum class Step { Outside, Header, Block } step = Step::Outside;
    // Line by line at the line feeds: a file with lone CR line ends is estimated as one line,
    // and its tables grow as they are read.
    const char* const end = bytes.constData() + bytes.size();
    for (const char* p = bytes.constData(); p < end; p = NextLine(p, end)) {
        switch (step) {
        case Step::Outside:
            // Only a line beginning with B can open a table section.
            p = NextLineBeginning(p, end, 'b');
            if (p == end) break;
            if (LineIsWord(p, end, "BEGIN_STATIONS")) counted = &estimate.stations;
            if (LineIsWord(p, end, "BEGIN_SHIPS")) counted = &estimate.ships;
            if (counted) step = Step::Header;
            break;
        case Step::Header: {
            // The first line with anything on it is the next block's header, or an END.
            const char* word = p;
            while (word < end && *word == ' ')
                ++word;
            if (word == end || *word == ';' || *word == '\r' || *word == '\n' || LineIsWord(word, end, "END"))
                break;
            if (IsTableEnd(word, end)) {
                step = Step::Outside;
                counted = nullptr;
                break;
            }
            ++*counted;
            step = Step::Block;
            break;
        }
        case Step::Block:
            // Only a line beginning with E can close a block or the section; the others, indented
            // or not, need no closer look.
            p = NextLineBeginning(p, end, 'e');
            if (p == end) break;
            if (LineIsWord(p, end, "END")) step = Step::Header;
            if (IsTableEnd(p, end)) {
                step = Step::Outside;
                counted = nullptr;
            }
            break;
        }
    }
    return estimate;
}
