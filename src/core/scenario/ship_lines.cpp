#include "core/scenario/ship_lines.h"

#include "core/text/line_views.h"

#include <array>
#include <utility>

namespace {
QStringView FirstWord(QStringView trimmed) {
    return SplitAtFirst(trimmed, u' ').before;
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
    if (UpperEquals(t, QLatin1StringView("END"))) return ShipLineKind::End;
    static const std::array<std::pair<QLatin1StringView, ShipLineKind>, 11> kPrefixes = {{
        {QLatin1StringView("STATUS"), ShipLineKind::Status},
        {QLatin1StringView("BASE"), ShipLineKind::Base},
        {QLatin1StringView("HEADING"), ShipLineKind::Heading},
        {QLatin1StringView("RPOS"), ShipLineKind::Rpos},
        {QLatin1StringView("RVEL"), ShipLineKind::Rvel},
        {QLatin1StringView("AROT"), ShipLineKind::Arot},
        {QLatin1StringView("VROT"), ShipLineKind::Vrot},
        {QLatin1StringView("FUEL"), ShipLineKind::Fuel},
        {QLatin1StringView("ENGINE_MAIN"), ShipLineKind::MainEngine},
        {QLatin1StringView("ENGINE_HOVR"), ShipLineKind::EngineHovr},
        {QLatin1StringView("HOVER_MAIN"), ShipLineKind::HoverMain},
    }};
    for (const auto& [keyword, kind] : kPrefixes) {
        if (first < 0x80 && upper != keyword[0].unicode()) continue; // cannot start with it
        if (UpperStartsWith(t, keyword)) return kind;
    }
    const QStringView word = FirstWord(t);
    static const std::array<std::pair<QLatin1StringView, ShipLineKind>, 5> kWords = {{
        {QLatin1StringView("PRPLEVEL"), ShipLineKind::Prplevel},
        {QLatin1StringView("ELEMENTS"), ShipLineKind::Elements},
        {QLatin1StringView("POS"), ShipLineKind::Pos},
        {QLatin1StringView("ALT"), ShipLineKind::Alt},
        {QLatin1StringView("DOCKINFO"), ShipLineKind::Dockinfo},
    }};
    for (const auto& [keyword, kind] : kWords) {
        if (UpperEquals(word, keyword)) {
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
