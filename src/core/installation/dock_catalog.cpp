#include "core/installation/dock_catalog.h"

#include <cstring>

namespace {
// The line without its ";" comment and the blanks around what is left, without the control
// characters at its end, and without blanks: ClearComments, then Trim, on the bytes. The code
// page maps every byte below 128 to itself, so the bytes give what the decoded text gives.
void Clean(const char*& b, const char*& e) {
    if (const void* semicolon = std::memchr(b, ';', std::size_t(e - b))) {
        e = static_cast<const char*>(semicolon);
        while (b < e && *b == ' ')
            ++b;
        while (e > b && e[-1] == ' ')
            --e;
    }
    while (e > b && static_cast<unsigned char>(e[-1]) < 32)
        --e;
    while (b < e && *b == ' ')
        ++b;
    while (e > b && e[-1] == ' ')
        --e;
}

// Whether the upper-cased line is the marker. Of the code page's letters only the ASCII ones
// upper-case to ASCII letters, so a byte at or above 128 never matches.
bool IsMarker(const char* b, const char* e, const char* marker) {
    const std::size_t size = std::strlen(marker);
    if (std::size_t(e - b) != size) return false;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = b[i];
        if ((c >= 'a' && c <= 'z' ? char(c - 32) : c) != marker[i]) return false;
    }
    return true;
}
} // namespace

int DockListCount(const QByteArray& classFile) {
    // The line is counted before the markers are looked at, so the closing marker is counted
    // and taken off again at the end. Lines end at CR LF, a lone CR or a lone LF; a final line
    // end starts no other line.
    int lines = 0;
    int inside = 0;
    const char* p = classFile.constData();
    const char* const end = p + classFile.size();
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        const char* b = p;
        const char* e = lineEnd;
        Clean(b, e);
        lines += inside;
        if (IsMarker(b, e, "BEGIN_DOCKLIST")) inside = 1;
        if (IsMarker(b, e, "END_DOCKLIST")) inside = 0;
        p = lineEnd;
        if (p < end && *p == '\r' && p + 1 < end && p[1] == '\n') ++p;
        if (p < end) ++p;
    }
    return lines - 1;
}
