#include "core/scenario/scenario_reader.h"

#include "core/scenario/block_estimate.h"
#include "core/scenario/dates.h"
#include "core/scenario/scenario_layout.h"
#include "core/scenario/scenario_sections.h"
#include "core/text/codepage.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <QStringBuilder>
#include <array>
#include <memory>

namespace {
// The environment keys are looked up record by record over the whole file, as the
// configuration files are: a record ends at a comma or a line end, a quoted record at its
// closing quote, and the last record that begins with the key (letter case ignored) wins.
// The focus ship and the system are names, and a name may hold a comma ("Kite, the first"):
// their records run to the end of the line, which is how the writer puts them, so that a
// saved name reads back whole; nothing after them on that line is a record.
class KeyRecords {
  public:
    static constexpr std::array<QLatin1StringView, 3> kKeys = {
        QLatin1StringView("DATE"), QLatin1StringView("SHIP"), QLatin1StringView("SYSTEM")};
    static constexpr std::size_t kShip = 1;
    static constexpr std::size_t kSystem = 2;
    std::array<QStringView, 3> found;
    std::array<bool, 3> has = {false, false, false};

    void Line(QStringView line) {
        // The camera's target line repeats the focus ship's name, commas and all: what follows
        // a comma there is part of the name, not a record of its own.
        if (UpperStartsWith(TrimView(line), QLatin1StringView("TARGET"))) return;
        qsizetype i = 0;
        const qsizetype n = line.size();
        while (true) {
            while (i < n && line[i] == u' ')
                ++i;
            qsizetype next = -1;
            QStringView record;
            // Only a record that begins with "S" can be a name (most records begin otherwise).
            if (i < n && (line[i] == u'S' || line[i] == u's')) {
                const QStringView rest = TrimView(line.mid(i));
                for (const std::size_t k : {kShip, kSystem}) {
                    if (UpperStartsWith(rest, kKeys[k])) {
                        found[k] = rest;
                        has[k] = true;
                        return; // the rest of the line is the name
                    }
                }
            }
            if (i < n && line[i] == u'"') {
                const qsizetype close = IndexOfChar(line, u'"', i + 1);
                record = close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1);
                if (close >= 0) {
                    const qsizetype comma = IndexOfChar(line, u',', close + 1);
                    next = comma < 0 ? -1 : comma + 1;
                }
            } else {
                const qsizetype comma = IndexOfChar(line, u',', i);
                record = comma < 0 ? line.mid(i) : line.mid(i, comma - i);
                next = comma < 0 ? -1 : comma + 1;
            }
            Record(TrimView(record));
            if (next < 0) return;
            i = next;
        }
    }

  private:
    void Record(QStringView t) {
        // Most records begin with a letter no key begins with.
        if (t.isEmpty()) return;
        const char16_t first = t[0].unicode();
        if (first < 0x80 && first != u'D' && first != u'd' && first != u'S' && first != u's') return;
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            if (UpperStartsWith(t, kKeys[k])) {
                found[k] = t;
                has[k] = true;
            }
        }
    }
};

// BEGIN_DESC .. END_DESC: the first such section, every line exactly as read. The section
// is free text: its lines are never taken as markers of other sections.
struct DescriptionSection {
    QString text;
    qsizetype begin = -1; // offset of the BEGIN_DESC line, -1 when the file has no section
    qsizetype end = -1;   // offset just after the END_DESC line
    bool Holds(qsizetype offset) const { return offset >= begin && offset < end; }
};

bool IsDescriptionBegin(QStringView line) {
    return TrimView(line) == u"BEGIN_DESC";
}

// The section whose BEGIN_DESC line starts at begin: its lines up to the next END_DESC line.
DescriptionSection DescriptionFrom(QStringView text, qsizetype begin) {
    DescriptionSection section;
    int lines = 0;
    QString collected;
    bool first = true;
    ForEachLine(text.mid(begin), [&](QStringView line) {
        if (first) { // the BEGIN_DESC line itself
            first = false;
            return true;
        }
        if (TrimView(line) == u"END_DESC") {
            section.begin = begin;
            section.end = line.data() - text.data() + line.size();
            section.text = collected;
            return false;
        }
        if (lines > 0) collected += QStringLiteral("\r\n");
        collected += line;
        ++lines;
        return true;
    });
    // A section that the file never closes is no description.
    return section;
}

DescriptionSection FindDescription(QStringView text) {
    DescriptionSection section;
    ForEachLine(text, [&](QStringView line) {
        if (!IsDescriptionBegin(line)) return true;
        section = DescriptionFrom(text, line.data() - text.data());
        return false;
    });
    return section;
}

// The lines whose records count only for a key no other line holds, as runs of whole lines.
// They are read only when a key is missing, which it seldom is.
class FallbackLines {
  public:
    void Add(QStringView line, qsizetype lineNumber) {
        const qsizetype at = line.data() - base_;
        if (!spans_.empty() && lastLine_ == lineNumber - 1)
            spans_.back().end = at + line.size();
        else
            spans_.push_back({at, at + line.size()});
        lastLine_ = lineNumber;
    }
    explicit FallbackLines(const QChar* base) : base_(base) {}
    void ReadInto(KeyRecords& keys) const {
        for (const TextSpan& span : spans_)
            ForEachLine(QStringView(base_ + span.begin, span.end - span.begin),
                        [&](QStringView line) { keys.Line(line); });
    }

  private:
    const QChar* base_;
    std::vector<TextSpan> spans_;
    qsizetype lastLine_ = -2;
};

// How many lines with nothing on them stand right before the line that starts at `at`, up to 2.
int BlankLinesBefore(QStringView text, qsizetype at) {
    int blank = 0;
    while (blank < 2 && at > 0) {
        qsizetype end = at - 1; // the line end before `at`: CR LF, a lone CR or a lone LF
        if (text[end] == u'\n' && end > 0 && text[end - 1] == u'\r') --end;
        qsizetype start = end;
        while (start > 0 && text[start - 1] != u'\r' && text[start - 1] != u'\n')
            --start;
        if (!TrimView(text.mid(start, end - start)).isEmpty()) break;
        ++blank;
        at = start;
    }
    return blank;
}

// Hours and minutes as decimal text, one shared copy of each.
QString WholeNumberText(int n) {
    static const std::array<QString, 60> kTexts = [] {
        std::array<QString, 60> texts;
        for (int i = 0; i < 60; ++i)
            texts[std::size_t(i)] = QString::number(i);
        return texts;
    }();
    return n >= 0 && n < 60 ? kTexts[std::size_t(n)] : QString::number(n);
}

// Returns the start as an MJD, exactly as the record gives it.
double ReadStartTime(ScenarioDocument& document, QStringView dateRecord) {
    // "Date", a blank, a form of two or three letters, and the number from the ninth
    // character: "Date MJD 51981.5", "Date JD 2451545.0", "Date JE 2001.5".
    const QString form = TrimView(dateRecord.mid(5, 3)).toString();
    const double value = LeadingNumber(CutFront(dateRecord, 8));
    const double mjd = MjdFromTimeForm(form, value);
    const CalendarTime start = CalendarFromMjd(mjd);
    document.StartDate = start.day;
    document.StartHour = start.hour;
    document.StartMinute = start.minute;
    return mjd;
}
} // namespace

ScenarioReadResult ReadScenario(const QByteArray& bytes) {
    ScenarioReadResult result;
    ScenarioDocument& document = result.document;
    const QString text = DecodeText(bytes);

    // The station and ship sections and the description hold the user's names and words: a
    // ship called "Shipwright" or "Dateline", or a description line "System failure", must
    // not replace the focus ship, the start date or the system that the file states
    // elsewhere. Their records count only for a key that no other line of the file holds.
    KeyRecords keys;
    FallbackLines fallback(text.constData());
    qsizetype lineNumber = -1;
    // Found first: no section of the file reaches into it.
    const DescriptionSection description = FindDescription(text);
    auto source = std::make_shared<ScenarioSource>();
    source->bytes = bytes;
    LayoutRecorder layout(*source, text, {description.begin, description.end});
    ValuePool pool(text.size());
    StationSectionReader stations(document.StationTable, pool);
    ShipSectionReader ships(document, pool, text.constData(), source->ships);
    // Each table at its final size from the start, the spare row after the last included.
    const BlockEstimate blocks = EstimateBlocks(bytes);
    stations.Reserve(std::size_t(blocks.stations) + 1);
    document.ShipTable.reserve(std::size_t(blocks.ships) + 1);
    source->ships.reserve(std::size_t(blocks.ships));
    enum class Section { Outside, Stations, Ships } section = Section::Outside;
    // The lines of a section other than the stations and the ships, up to its end.
    qsizetype sectionEnd = -1;
    bool sectionKeys = false;

    ForEachLine(QStringView(text), [&](QStringView line) {
        const qsizetype at = line.data() - text.data();
        ++lineNumber;
        if (description.Holds(at)) {
            fallback.Add(line, lineNumber);
            layout.Description();
            return;
        }
        if (at < sectionEnd) {
            // Sections the editor does not write hold the data of other programs, whose
            // words are no keys of the environment.
            if (sectionKeys)
                keys.Line(line);
            else
                fallback.Add(line, lineNumber);
            return;
        }
        switch (section) {
        case Section::Outside: {
            const QStringView marker = TrimView(ClearCommentsView(line));
            const BeginMarker begin = BeginMarkerOf(marker);
            if (begin.kind == SectionWord::Stations) {
                section = Section::Stations;
                source->stationsSection = true;
                stations.Begin();
                keys.Line(line);
            } else if (begin.kind == SectionWord::Ships) {
                section = Section::Ships;
                if (!source->shipsSection)
                    source->blankLinesBeforeShips = BlankLinesBefore(QStringView(text), at);
                source->shipsSection = true;
                ships.Begin();
                keys.Line(line);
            } else if (begin.isBegin) {
                const LayoutRecorder::Section found = layout.Begin(at, line.size(), begin);
                sectionEnd = found.end;
                sectionKeys = found.known;
                if (sectionKeys)
                    keys.Line(line);
                else
                    fallback.Add(line, lineNumber);
            } else {
                keys.Line(line);
                if (marker.isEmpty())
                    layout.Gap();
                else
                    layout.Stray(at, line.size());
            }
            break;
        }
        case Section::Stations:
            fallback.Add(line, lineNumber);
            if (!stations.Line(line)) {
                section = Section::Outside;
                layout.StationsEnd();
            }
            break;
        case Section::Ships:
            fallback.Add(line, lineNumber);
            if (!ships.Line(line)) {
                section = Section::Outside;
                layout.ShipsEnd();
            }
            break;
        }
    });
    source->hasDescription = description.begin >= 0;
    source->description = {description.begin, description.end};
    ships.Finish();
    source->ships.shrink_to_fit();

    document.Description = description.text;
    KeyRecords fallbackKeys;
    if (!keys.has[0] || !keys.has[1] || !keys.has[2]) fallback.ReadInto(fallbackKeys);
    for (std::size_t k = 0; k < keys.kKeys.size(); ++k) {
        if (!keys.has[k] && fallbackKeys.has[k]) {
            keys.has[k] = true;
            keys.found[k] = fallbackKeys.found[k];
        }
    }

    // A key the file lacks leaves its value empty (the start at MJD 0, as a date without
    // a number gives); the flags let the window tell that from a value.
    result.hasDate = keys.has[0];
    result.hasFocusShip = keys.has[1];
    result.hasSystem = keys.has[2];
    source->startMjd = ReadStartTime(document, result.hasDate ? keys.found[0] : QStringView());
    if (result.hasFocusShip) document.FocusShip = TrimView(CutFront(keys.found[1], 4)).toString();
    if (result.hasSystem) document.SystemName = TrimView(CutFront(keys.found[2], 7)).toString();
    source->systemName = document.SystemName;
    source->focusShip = document.FocusShip;
    source->hasDate = result.hasDate;
    source->start = {document.StartDate, document.StartHour, document.StartMinute};
    document.ShownStart = source->start;

    // Stations: one spare row after the last, and the epochs as day, hour and minute.
    std::vector<StationRow>& stationRows = document.StationTable;
    const auto& epochs = stations.EpochTexts();
    result.stationNames.reserve(static_cast<qsizetype>(stationRows.size()));
    for (std::size_t r = 0; r < stationRows.size(); ++r) {
        StationRow& row = stationRows[r];
        const CalendarTime epoch = CalendarFromMjd(LeadingNumber(epochs[r]));
        row.EpochDate = epoch.day;
        row.EpochHour = WholeNumberText(epoch.hour);
        row.EpochMinute = WholeNumberText(epoch.minute);
        result.stationNames.append(row.Name);
    }
    stationRows.emplace_back();
    stationRows.shrink_to_fit(); // the growth reserve of a large table is dead weight

    // Ships: one spare row, blanked when the last block was closed by END as every row
    // after the first is.
    std::vector<ShipRow>& shipRows = document.ShipTable;
    const int shipCount = static_cast<int>(shipRows.size());
    result.hasShips = shipCount > 0;
    result.shipNames.reserve(shipCount);
    result.possibleShipFocus.reserve(shipCount);
    for (const ShipRow& row : shipRows) {
        result.shipNames.append(row.Name);
        // Built at its final size: "+" would allocate the text twice, once for each part.
        result.possibleShipFocus.append(QString(row.Name % u':' % row.ClassName));
    }
    shipRows.emplace_back();
    shipRows.shrink_to_fit();
    if (shipCount > 0 && ships.CurrentRow() == shipCount) document.ShipTableBlanking(shipCount);
    result.shipIndexText = NumberText(ships.CurrentRow()) + u':' + NumberText(shipCount);
    document.Source = std::move(source);
    return result;
}

QString ScenarioDescription(const QByteArray& bytes) {
    return FindDescription(DecodeText(bytes)).text;
}

QString ScenarioHyperDescription(const QByteArray& bytes) {
    const QString text = DecodeText(bytes);
    QString html;
    bool found = false;
    ForEachLine(QStringView(text), [&](QStringView line) {
        if (found) return false;
        const qsizetype at = line.data() - text.data();
        if (!UpperEquals(TrimView(ClearCommentsView(line)), QLatin1StringView("BEGIN_HYPERDESC")))
            return true;
        found = true;
        const qsizetype end = SectionEnd(QStringView(text), at, u"HYPERDESC");
        QStringList lines;
        ForEachLine(QStringView(text).mid(at, end - at),
                    [&](QStringView inside) { lines.append(inside.toString()); });
        lines.removeFirst();
        if (!lines.isEmpty() &&
            UpperEquals(TrimView(ClearCommentsView(lines.last())), QLatin1StringView("END_HYPERDESC")))
            lines.removeLast();
        html = lines.join(u'\n');
        return false;
    });
    return html;
}
