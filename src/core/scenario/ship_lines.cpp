#include "core/scenario/ship_lines.h"

#include "core/text/line_views.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {
QStringView FirstWord(QStringView trimmed) {
    return SplitAtFirst(trimmed, u' ').before;
}

// The line-start keywords in the order they are tried, and the first-word ones after them.
constexpr std::array<std::pair<std::string_view, ShipLineKind>, 11> kPrefixes = {{
    {"STATUS", ShipLineKind::Status},
    {"BASE", ShipLineKind::Base},
    {"HEADING", ShipLineKind::Heading},
    {"RPOS", ShipLineKind::Rpos},
    {"RVEL", ShipLineKind::Rvel},
    {"AROT", ShipLineKind::Arot},
    {"VROT", ShipLineKind::Vrot},
    {"FUEL", ShipLineKind::Fuel},
    {"ENGINE_MAIN", ShipLineKind::MainEngine},
    {"ENGINE_HOVR", ShipLineKind::EngineHovr},
    {"HOVER_MAIN", ShipLineKind::HoverMain},
}};
constexpr std::array<std::pair<std::string_view, ShipLineKind>, 5> kWords = {{
    {"PRPLEVEL", ShipLineKind::Prplevel},
    {"ELEMENTS", ShipLineKind::Elements},
    {"POS", ShipLineKind::Pos},
    {"ALT", ShipLineKind::Alt},
    {"DOCKINFO", ShipLineKind::Dockinfo},
}};
// For each letter, one more than the longest keyword that begins with it: enough to tell
// "END" from "ENDS" and a word of eight letters from a longer one.
constexpr std::array<qsizetype, 26> kHeads = [] {
    std::array<qsizetype, 26> heads{};
    heads['E' - 'A'] = qsizetype(std::string_view("END").size()) + 1;
    for (const auto& [keyword, kind] : kPrefixes)
        heads[std::size_t(keyword[0] - 'A')] =
            std::max(heads[std::size_t(keyword[0] - 'A')], qsizetype(keyword.size()) + 1);
    for (const auto& [keyword, kind] : kWords)
        heads[std::size_t(keyword[0] - 'A')] =
            std::max(heads[std::size_t(keyword[0] - 'A')], qsizetype(keyword.size()) + 1);
    return heads;
}();
constexpr qsizetype kLongestHead = 16;
static_assert(std::ranges::max(kHeads) <= kLongestHead);

QLatin1StringView Latin1(std::string_view keyword) {
    return QLatin1StringView(keyword.data(), qsizetype(keyword.size()));
}

// The kind as the comparisons through UCase give it; for any line.
ShipLineKind KindThroughUCase(QStringView t, char16_t first, char16_t upper) {
    if (UpperEquals(t, QLatin1StringView("END"))) return ShipLineKind::End;
    for (const auto& [keyword, kind] : kPrefixes) {
        if (first < 0x80 && upper != char16_t(keyword[0])) continue; // cannot start with it
        if (UpperStartsWith(t, Latin1(keyword))) return kind;
    }
    const QStringView word = FirstWord(t);
    for (const auto& [keyword, kind] : kWords) {
        if (UpperEquals(word, Latin1(keyword))) {
            // A tank line without any pair gives no level: it is kept like any unknown line.
            if (kind == ShipLineKind::Prplevel && FirstTankLevel(t).isNull()) return ShipLineKind::Other;
            return kind;
        }
    }
    return ShipLineKind::Other;
}
} // namespace

ShipLineKind ShipLineKindOf(QStringView t) {
    // Every keyword begins with one of these letters; a line that begins with another ASCII
    // character is none of them, however it continues.
    if (t.isEmpty()) return ShipLineKind::Other;
    const char16_t first = t[0].unicode();
    const char16_t upper = (first >= u'a' && first <= u'z') ? char16_t(first - 32) : first;
    if (first < 0x80) {
        switch (upper) {
        case u'A':
        case u'B':
        case u'D':
        case u'E':
        case u'F':
        case u'H':
        case u'P':
        case u'R':
        case u'S':
        case u'V':
            break;
        default:
            return ShipLineKind::Other;
        }
    }
    // A line is compared only with the keywords of its first letter. Up to one character past
    // the longest of them an ASCII line upper-cases character by character, and what follows
    // cannot change a comparison: those characters, upper-cased once, answer every comparison
    // below as UCase would. A line with another character there takes the comparisons through
    // UCase.
    if (first >= 0x80) return KindThroughUCase(t, first, upper);
    char head[kLongestHead];
    const qsizetype headSize = std::min(t.size(), kHeads[upper - u'A']);
    for (qsizetype i = 0; i < headSize; ++i) {
        const char16_t c = t[i].unicode();
        if (c >= 0x80) return KindThroughUCase(t, first, upper);
        head[i] = char((c >= u'a' && c <= u'z') ? c - 32 : c);
    }
    const std::string_view line(head, std::size_t(headSize));
    if (t.size() == 3 && line == "END") return ShipLineKind::End;
    // The first letter passes over most keywords before any comparison of the rest.
    for (const auto& [keyword, kind] : kPrefixes) {
        if (keyword[0] == line[0] && line.starts_with(keyword)) return kind;
    }
    // The first word; a head without a blank holds the whole word only when it is the whole
    // line, and is otherwise longer than every keyword of its letter, as the word is.
    const std::string_view word = line.substr(0, line.find(' '));
    for (const auto& [keyword, kind] : kWords) {
        if (keyword[0] == line[0] && word == keyword) {
            // A tank line without any pair gives no level: it is kept like any unknown line.
            if (kind == ShipLineKind::Prplevel && FirstTankLevel(t).isNull()) return ShipLineKind::Other;
            return kind;
        }
    }
    return ShipLineKind::Other;
}

QStringView AfterFirstWord(QStringView trimmed) {
    return TrimView(SplitAtFirst(trimmed, u' ').after);
}

QStringView FirstTankLevel(QStringView trimmed) {
    QStringView rest = AfterFirstWord(trimmed);
    while (!rest.isEmpty()) {
        const SplitPair pair = SplitAtFirst(rest, u' ');
        const qsizetype colon = pair.before.indexOf(u':');
        if (colon >= 0) {
            const QStringView level = pair.before.mid(colon + 1);
            return level.isNull() ? QStringView(u"") : level;
        }
        rest = TrimView(pair.after);
    }
    return QStringView();
}
