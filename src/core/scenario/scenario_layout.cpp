#include "core/scenario/scenario_layout.h"

#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>
#include <array>
#include <utility>

BeginMarker BeginMarkerOf(QStringView marker) {
    BeginMarker result;
    if (!UpperStartsWith(marker, QLatin1StringView("BEGIN_"))) return result;
    result.isBegin = true;
    const QStringView word = SplitAtFirst(marker.mid(6), u' ').before;
    const bool ascii = std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        // An ASCII character upper-cases to one, as UCase would turn it.
        for (const QChar c : word)
            result.word.append(QChar((c >= u'a' && c <= u'z') ? c.unicode() - 32 : c.unicode()));
    } else {
        const QString upper = UCase(word.toString());
        result.word.append(upper.constData(), upper.size());
    }
    static const std::array<std::pair<QLatin1StringView, SectionWord>, 8> kWords = {{
        {QLatin1StringView("DESC"), SectionWord::Desc},
        {QLatin1StringView("ENVIRONMENT"), SectionWord::Environment},
        {QLatin1StringView("FOCUS"), SectionWord::Focus},
        {QLatin1StringView("CAMERA"), SectionWord::Camera},
        {QLatin1StringView("HUD"), SectionWord::Hud},
        {QLatin1StringView("MFD"), SectionWord::Mfd},
        {QLatin1StringView("STATIONS"), SectionWord::Stations},
        {QLatin1StringView("SHIPS"), SectionWord::Ships},
    }};
    for (const auto& [known, kind] : kWords) {
        if (result.Word() == known) result.kind = kind;
    }
    return result;
}

namespace {
// The start of the line after the one that ends at end.
qsizetype NextLine(QStringView text, qsizetype end) {
    if (end < text.size() && text[end] == u'\r') {
        ++end;
        if (end < text.size() && text[end] == u'\n') ++end;
    } else if (end < text.size() && text[end] == u'\n') {
        ++end;
    }
    return end;
}
} // namespace

qsizetype SectionEnd(QStringView text, qsizetype lineBegin, QStringView upperWord) {
    qsizetype lineEnd = lineBegin;
    while (lineEnd < text.size() && text[lineEnd] != u'\r' && text[lineEnd] != u'\n')
        ++lineEnd;
    QVarLengthArray<QChar, 32> endMarker; // in place while short, as the marker of every section is
    const QStringView prefix = u"END_";
    endMarker.append(prefix.data(), prefix.size());
    endMarker.append(upperWord.data(), upperWord.size());
    qsizetype lastFilled = lineEnd;
    qsizetype bareEnd = -1;
    qsizetype found = -1;
    bool otherBegin = false;
    ForEachLine(text.mid(NextLine(text, lineEnd)), [&](QStringView line) {
        const qsizetype end = line.data() - text.data() + line.size();
        const QStringView marker = TrimView(ClearCommentsView(line));
        const BeginMarker begin = BeginMarkerOf(marker);
        if (begin.isBegin) {
            if (begin.kind != SectionWord::Other) return false;
            otherBegin = true;
        }
        if (UpperStartsWith(marker, QStringView(endMarker.constData(), endMarker.size())) &&
            marker.size() == endMarker.size()) {
            found = end;
            return false;
        }
        if (!otherBegin) {
            if (bareEnd < 0 && UpperEquals(marker, QLatin1StringView("END"))) bareEnd = end;
            if (!TrimView(line).isEmpty()) lastFilled = end;
        }
        return true;
    });
    if (found >= 0) return found;
    if (bareEnd >= 0) return bareEnd;
    return lastFilled;
}

void LayoutRecorder::Known(KeptPlace place, int index) {
    after_ = place;
    index_ = index;
    joinStray_ = false;
}

LayoutRecorder::Section LayoutRecorder::Begin(QStringView text, qsizetype at, qsizetype lineSize,
                                              const BeginMarker& marker) {
    Section section;
    section.end = SectionEnd(text, at, marker.Word());
    if (section.end < at + lineSize) section.end = at + lineSize;
    const TextSpan span{at, section.end};
    switch (marker.kind) {
    case SectionWord::Environment:
        source_.environment.push_back(span);
        Known(KeptPlace::Environment, static_cast<int>(source_.environment.size()) - 1);
        section.known = true;
        break;
    case SectionWord::Focus:
        source_.focus.push_back(span);
        Known(KeptPlace::Focus, static_cast<int>(source_.focus.size()) - 1);
        section.known = true;
        break;
    case SectionWord::Camera:
    case SectionWord::Hud:
    case SectionWord::Mfd:
        source_.views.push_back(span);
        Known(KeptPlace::View, static_cast<int>(source_.views.size()) - 1);
        section.known = true;
        break;
    default:
        // A section the editor does not write, a second description among them.
        source_.kept.push_back(KeptText{span, after_, index_});
        joinStray_ = false;
        break;
    }
    return section;
}

void LayoutRecorder::Stray(qsizetype at, qsizetype lineSize) {
    if (joinStray_ && !source_.kept.empty()) {
        source_.kept.back().span.end = at + lineSize;
        return;
    }
    source_.kept.push_back(KeptText{{at, at + lineSize}, after_, index_});
    joinStray_ = true;
}
