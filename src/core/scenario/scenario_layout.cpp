#include "core/scenario/scenario_layout.h"

#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
// A marker's word upper-cased as UCase turns it, kept in place while it is short.
void AppendUpper(QVarLengthArray<QChar, 16>& out, QStringView word) {
    const bool ascii = std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        // An ASCII character upper-cases to one, as UCase would turn it.
        for (const QChar c : word)
            out.append(QChar((c >= u'a' && c <= u'z') ? c.unicode() - 32 : c.unicode()));
    } else {
        const QString upper = UCase(word.toString());
        out.append(upper.constData(), upper.size());
    }
}

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

qsizetype LineEnd(QStringView text, qsizetype lineBegin) {
    qsizetype lineEnd = lineBegin;
    while (lineEnd < text.size() && text[lineEnd] != u'\r' && text[lineEnd] != u'\n')
        ++lineEnd;
    return lineEnd;
}

// The line is END_<word> for the upper-cased word.
bool IsEndOf(QStringView marker, QStringView upperWord) {
    return marker.size() == upperWord.size() + 4 && UpperStartsWith(marker, QLatin1StringView("END_")) &&
           UpperStartsWith(marker.mid(4), upperWord);
}

QString Key(QStringView upperWord) {
    return upperWord.toString();
}
} // namespace

BeginMarker BeginMarkerOf(QStringView marker) {
    BeginMarker result;
    if (!UpperStartsWith(marker, QLatin1StringView("BEGIN_"))) return result;
    result.isBegin = true;
    AppendUpper(result.word, SplitAtFirst(marker.mid(6), u' ').before);
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

void SectionEnds::IndexMarkers() {
    indexed_ = true;
    ForEachLine(text_, [&](QStringView line) {
        const qsizetype at = line.data() - text_.data();
        if (at >= description_.begin && at < description_.end) return;
        const QStringView marker = TrimView(ClearCommentsView(line));
        if (marker.size() < 4) return;
        const BeginMarker begin = BeginMarkerOf(marker);
        if (begin.isBegin) {
            markers_[Key(begin.Word())].begins.push_back(line.data() - text_.data());
        } else if (UpperStartsWith(marker, QLatin1StringView("END_"))) {
            QVarLengthArray<QChar, 16> word;
            AppendUpper(word, marker.mid(4));
            markers_[Key(QStringView(word.constData(), word.size()))].ends.push_back(
                line.data() - text_.data() + line.size());
        }
    });
}

bool SectionEnds::HasEndLine(QStringView upperWord) {
    if (!indexed_) IndexMarkers();
    const auto it = markers_.constFind(Key(upperWord));
    return it != markers_.cend() && !it->ends.empty();
}

SectionEnds::Found SectionEnds::End(qsizetype lineBegin, QStringView upperWord) {
    const qsizetype lineEnd = LineEnd(text_, lineBegin);
    // Up to the next BEGIN_ line: the section's own END_ line most often, and what a section
    // without one keeps.
    qsizetype lastFilled = lineEnd;
    qsizetype bareEnd = -1;
    qsizetype found = -1;
    qsizetype nextBegin = -1; // the first BEGIN_ line after the section's own
    bool stopped = false;     // and it ends the search: a section of the same word, or the description
    ForEachLine(text_.mid(NextLine(text_, lineEnd)), [&](QStringView line) {
        const qsizetype end = line.data() - text_.data() + line.size();
        const QStringView marker = TrimView(ClearCommentsView(line));
        const BeginMarker begin = BeginMarkerOf(marker);
        if (begin.isBegin) {
            nextBegin = line.data() - text_.data();
            stopped = begin.Word() == upperWord || nextBegin == description_.begin;
            return false;
        }
        if (IsEndOf(marker, upperWord)) {
            found = end;
            return false;
        }
        if (bareEnd < 0 && UpperEquals(marker, QLatin1StringView("END"))) bareEnd = end;
        if (!TrimView(line).isEmpty()) lastFilled = end;
        return true;
    });
    if (found >= 0) return {found, true};
    if (nextBegin >= 0 && !stopped) {
        // Other markers stand before the section's end, if it has one: it is the first END_
        // line of its word after them, unless a BEGIN_ line of that word or the description
        // comes first.
        if (!indexed_) IndexMarkers();
        const auto it = markers_.constFind(Key(upperWord));
        if (it != markers_.cend()) {
            const auto end = std::upper_bound(it->ends.begin(), it->ends.end(), nextBegin);
            const auto reopened = std::upper_bound(it->begins.begin(), it->begins.end(), lineBegin);
            if (end != it->ends.end() && (reopened == it->begins.end() || *end < *reopened) &&
                (description_.begin < lineBegin || *end < description_.begin))
                return {*end, true};
        }
    }
    return {bareEnd >= 0 ? bareEnd : lastFilled, false};
}

qsizetype SectionEnd(QStringView text, qsizetype lineBegin, QStringView upperWord) {
    return SectionEnds(text).End(lineBegin, upperWord).end;
}

void LayoutRecorder::Known(KeptPlace place, int index) {
    after_ = place;
    index_ = index;
    joinStray_ = false;
}

LayoutRecorder::Section LayoutRecorder::Begin(qsizetype at, qsizetype lineSize, const BeginMarker& marker) {
    Section section;
    const SectionEnds::Found found = ends_.End(at, marker.Word());
    section.end = std::max(found.end, at + lineSize);
    if (!found.closed && ends_.HasEndLine(marker.Word())) {
        const QStringView begin = TrimView(ClearCommentsView(text_.mid(at, lineSize)));
        source_.closings.push_back(
            {section.end, QStringLiteral("END_") + SplitAtFirst(begin.mid(6), u' ').before.toString()});
    }
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
