#include "core/scenario/section_writers.h"

#include "core/scenario/dates.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>

KeptSlots::KeptSlots(const ScenarioSource* source) : source_(source) {
    if (!source) return;
    environments_ = std::max<int>(int(source->environment.size()), 1);
    focuses_ = std::max<int>(int(source->focus.size()), 1);
    views_ = std::max<int>(int(source->views.size()), 1);
    const auto within = [](int index, int count) { return std::clamp(index, 0, count - 1); };
    slots_.reserve(source->kept.size());
    for (const KeptText& kept : source->kept) {
        switch (kept.after) {
        case KeptPlace::Top:
            slots_.push_back(kTop);
            break;
        case KeptPlace::Description:
            slots_.push_back(kDescription);
            break;
        case KeptPlace::Environment:
            slots_.push_back(environment(within(kept.index, environments_)));
            break;
        case KeptPlace::Focus:
            slots_.push_back(focus(within(kept.index, focuses_)));
            break;
        case KeptPlace::View:
            slots_.push_back(view(within(kept.index, views_)));
            break;
        case KeptPlace::Stations:
            slots_.push_back(stations());
            break;
        case KeptPlace::Ships:
            slots_.push_back(ships());
            break;
        }
    }
}

bool KeptSlots::Has(int slot) const {
    return std::find(slots_.begin(), slots_.end(), slot) != slots_.end();
}

void AddClosing(WrittenLines& out, const ScenarioSource& source, TextSpan span) {
    const QStringView closing = source.ClosingOf(span);
    if (!closing.isEmpty()) out.Add(closing);
}

void AddKept(WrittenLines& out, const KeptSlots& places, int slot) {
    const ScenarioSource* source = places.source();
    if (!source || !places.Has(slot)) return;
    for (std::size_t k = 0; k < source->kept.size(); ++k) {
        if (places.SlotOf(k) != slot) continue;
        out.AddAsRead(source->bytes, source->kept[k].span);
        AddClosing(out, *source, source->kept[k].span);
    }
    out.Add("");
}

namespace {
// The lines of a section as read, each with its view into the decoded text.
template <class F> void ForEachSourceLine(const ScenarioSource& source, TextSpan span, F&& f) {
    const QString text = DecodeText(source.bytes.mid(span.begin, span.end - span.begin));
    ForEachLineOfSpan(QStringView(text), f);
}

QStringView Marker(QStringView line) {
    return TrimView(ClearCommentsView(line));
}

bool StartsWithKey(QStringView line, const char* key) {
    return UpperStartsWith(Marker(line), QLatin1StringView(key));
}

// Sections of one kind, a key of which the editor writes itself: every line as read but
// those of the key, which are written as read while the value is the one read and otherwise
// give the value now. A key that no line gave is added after the first BEGIN line when its
// value changed; without any section, a section is made for it.
template <class After>
void AddKeyedSections(WrittenLines& out, const std::vector<TextSpan>& sections, const ScenarioSource& source,
                      const char* begin, const char* end,
                      const std::vector<std::pair<const char*, QString>>& changedLines, After after) {
    // changedLines: key -> the line to write, null text while the value is unchanged.
    std::vector<bool> present(changedLines.size(), false);
    for (const TextSpan& span : sections) {
        ForEachSourceLine(source, span, [&](QStringView line) {
            for (std::size_t k = 0; k < changedLines.size(); ++k)
                if (StartsWithKey(line, changedLines[k].first)) present[k] = true;
        });
    }
    if (sections.empty()) {
        bool any = false;
        for (const auto& [key, line] : changedLines)
            any = any || !line.isNull();
        if (!any) return;
        out.Add(begin);
        for (const auto& [key, line] : changedLines)
            if (!line.isNull()) out.Add(line);
        out.Add(end);
        out.Add("");
        return;
    }
    bool first = true;
    int index = 0;
    for (const TextSpan& span : sections) {
        bool beginLine = true;
        ForEachSourceLine(source, span, [&](QStringView line) {
            bool written = false;
            if (!beginLine) {
                for (const auto& [key, changed] : changedLines) {
                    if (!written && !changed.isNull() && StartsWithKey(line, key)) {
                        out.Add(changed);
                        written = true;
                    }
                }
            }
            if (!written) out.Add(line);
            if (beginLine && first) {
                for (std::size_t k = 0; k < changedLines.size(); ++k)
                    if (!present[k] && !changedLines[k].second.isNull()) out.Add(changedLines[k].second);
            }
            beginLine = false;
        });
        first = false;
        AddClosing(out, source, span);
        out.Add("");
        after(index++);
    }
}
} // namespace

void AddEnvironment(WrittenLines& out, const ScenarioDocument& document, const KeptSlots& places) {
    const ScenarioSource& source = *places.source();
    QString system;
    if (Trim(document.SystemName) != Trim(source.systemName))
        system = QStringLiteral("  System ") + WrittenLast(document.SystemName).toString();
    QString date;
    const CalendarTime start{document.StartDate, document.StartHour, document.StartMinute};
    if (start != source.start && start != document.ShownStart)
        date = QStringLiteral("  Date MJD ") +
               MjdText(document.StartDate, document.StartHour, document.StartMinute);
    AddKeyedSections(out, source.environment, source, "BEGIN_ENVIRONMENT", "END_ENVIRONMENT",
                     {{"SYSTEM", system}, {"DATE", date}},
                     [&](int i) { AddKept(out, places, places.environment(i)); });
}

void AddFocus(WrittenLines& out, const ScenarioDocument& document, const KeptSlots& places) {
    const ScenarioSource& source = *places.source();
    QString ship;
    if (Trim(document.FocusShip) != Trim(source.focusShip))
        ship = QStringLiteral("  Ship ") + WrittenLast(document.FocusShip).toString();
    AddKeyedSections(out, source.focus, source, "BEGIN_FOCUS", "END_FOCUS", {{"SHIP", ship}},
                     [&](int i) { AddKept(out, places, places.focus(i)); });
}

void AddView(WrittenLines& out, const ScenarioDocument& document, const ScenarioSource& source,
             TextSpan view) {
    const QString focus = Trim(document.FocusShip);
    const QString focusRead = Trim(source.focusShip);
    bool camera = false;
    bool beginLine = true;
    int depth = 0; // inside a nested block such as a camera preset
    ForEachSourceLine(source, view, [&](QStringView line) {
        const QStringView marker = Marker(line);
        if (beginLine) {
            camera = UpperStartsWith(marker, QLatin1StringView("BEGIN_CAMERA"));
            beginLine = false;
            out.Add(line);
            return;
        }
        if (UpperStartsWith(marker, QLatin1StringView("BEGIN_"))) ++depth;
        if (UpperStartsWith(marker, QLatin1StringView("END_")) && depth > 0) --depth;
        // The camera follows the user's ship: a target that named the focus ship read names
        // the focus ship now. Any other target, and the targets of the MFDs, stay.
        if (camera && depth == 0 && focus != focusRead &&
            UpperEquals(SplitAtFirst(marker, u' ').before, QLatin1StringView("TARGET")) &&
            TrimView(SplitAtFirst(marker, u' ').after) == QStringView(focusRead)) {
            const QStringView keyword = SplitAtFirst(marker, u' ').before;
            qsizetype blanks = 0;
            while (blanks < line.size() && line[blanks] == u' ')
                ++blanks;
            const QStringView leading = line.left(blanks);
            out.Add(leading, keyword, " ", WrittenLast(document.FocusShip));
            return;
        }
        out.Add(line);
    });
    AddClosing(out, source, view);
    out.Add("");
}
