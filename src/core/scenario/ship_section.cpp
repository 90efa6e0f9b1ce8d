#include "core/scenario/scenario_sections.h"
#include "core/scenario/ship_lines.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>

namespace {
// The unknown lines of a block joined by CR LF, in one allocation. They were once appended one
// by one, where an empty text took the next line in its place; empty lines before the first
// line with anything on it still leave nothing, so that the row reads as it always has.
QString JoinedLines(const std::vector<QStringView>& lines) {
    std::size_t first = 0;
    while (first + 1 < lines.size() && lines[first].isEmpty())
        ++first;
    qsizetype size = 0;
    for (std::size_t i = first; i < lines.size(); ++i)
        size += (i > first ? 2 : 0) + lines[i].size();
    if (size == 0) return lines.back().toString();
    QString joined(size, Qt::Uninitialized);
    QChar* out = joined.data();
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (i > first) {
            *out++ = u'\r';
            *out++ = u'\n';
        }
        out = std::copy(lines[i].begin(), lines[i].end(), out);
    }
    return joined;
}
} // namespace

bool ShipSectionReader::Line(QStringView line) {
    const QStringView cleared = ClearCommentsView(line);
    const QStringView trimmed = TrimView(cleared);
    const bool closes = cleared == u"END_SHIPS";
    if (!inBlock_) {
        // Between blocks: the first line with anything on it is the next ship's header,
        // indented or not, with a class or not, so that every ship gets its own row. A
        // stray END or a closing marker in another spelling is no ship.
        if (closes) return false;
        if (trimmed.isEmpty() || UpperEquals(trimmed, QLatin1StringView("END")) ||
            UpperEquals(trimmed, QLatin1StringView("END_SHIPS")))
            return true;
        Header(line, trimmed);
        return true;
    }
    if (closes) {
        // The marker also closes a last block that lacks its END. Keeping the marker among
        // that ship's unknown lines would write it back inside the block, where it cuts the
        // ship section short the next time the file is read.
        CloseBlock();
        return false;
    }
    BlockLine(line, cleared, trimmed);
    return true;
}

void ShipSectionReader::Header(QStringView line, QStringView header) {
    std::vector<ShipRow>& table = document_.ShipTable;
    const int row = static_cast<int>(table.size());
    table.emplace_back();
    if (row > 0) // the first row keeps empty values, every later row starts from the blanks
        document_.ShipTableBlanking(row);
    ShipSource& block = blocks_.emplace_back();
    table.back().ReadBlock = static_cast<int>(blocks_.size()) - 1;
    block.header = {At(line), At(line) + line.size()};
    block.blanked = row > 0;
    const SplitPair pair = SplitAtFirst(header, u':');
    Set(ShipColumn::Name, pair.before);
    // Without a class the simulator takes the ship's name as its class; naming it keeps the
    // saved file meaning the same.
    Set(ShipColumn::ClassName, HoldsChar(header, u':') ? pair.after : pair.before);
    header_ = header;
    currentRow_ = row;
    inBlock_ = true;
}

void ShipSectionReader::CloseBlock() {
    if (inBlock_ && !blocks_.empty()) {
        // Beside a position and velocity of its own the block's elements do not place the ship:
        // it is shown, and written, by its state.
        const ShipBlockFacts& facts = blocks_.back().facts;
        if (facts.elements && (facts.rpos || facts.rvel))
            for (int c = int(ShipColumn::ElementsSemiMajorAxis); c <= int(ShipColumn::ElementsEpoch); ++c)
                Set(ShipColumn(c), QStringView());
    }
    inBlock_ = false;
    if (otherLines_.empty()) return;
    document_.ShipTable.back().OtherLines = JoinedLines(otherLines_);
    otherLines_.clear();
}

void ShipSectionReader::Set(ShipColumn column, QStringView value) {
    document_.ShipTable.back().*ShipColumnMember(column) = pool_.Take(value);
    ReadValue& read = blocks_.back().values[int(column)];
    if (value.isEmpty()) {
        read = {ReadValue::kEmpty, 0};
    } else {
        read = {qint32(At(value)), qint32(value.size())};
    }
}

// Three values at single blanks, the last one the whole rest.
void ShipSectionReader::SetThree(ShipColumn first, QStringView text) {
    const SplitPair x = SplitAtFirst(text, u' ');
    const SplitPair y = SplitAtFirst(x.after, u' ');
    Set(first, x.before);
    Set(ShipColumn(int(first) + 1), y.before);
    Set(ShipColumn(int(first) + 2), y.after);
}

void ShipSectionReader::BlockLine(QStringView line, QStringView cleared, QStringView t) {
    ShipSource& block = blocks_.back();
    const ShipLineKind kind = ShipLineKindOf(t);
    if (kind == ShipLineKind::End) {
        CloseBlock();
        ++currentRow_;
        return;
    }
    if (block.body.begin < 0) block.body.begin = At(line);
    block.body.end = At(line) + line.size();
    ShipBlockFacts& facts = block.facts;
    switch (kind) {
    case ShipLineKind::Status: {
        facts.status = true;
        const SplitPair words = SplitAtFirst(TrimView(CutFront(t, 7)), u' ');
        Set(ShipColumn::Status, words.before);
        if (UpperEquals(words.before, QLatin1StringView("LANDED")) ||
            UpperEquals(words.before, QLatin1StringView("ORBITING"))) {
            Set(ShipColumn::StatusRef, words.after);
        } else if (UpperEquals(words.before, QLatin1StringView("DOCKED"))) {
            const SplitPair planet = SplitAtFirst(words.after, u':');
            const SplitPair station = SplitAtFirst(planet.after, u':');
            Set(ShipColumn::StatusRef, planet.before);
            Set(ShipColumn::DockedStation, station.before);
            Set(ShipColumn::DockedPort, station.after);
        }
        break;
    }
    case ShipLineKind::Base: {
        facts.base = true;
        const SplitPair pair = SplitAtFirst(TrimView(CutFront(t, 5)), u':');
        Set(ShipColumn::Base, pair.before);
        Set(ShipColumn::Pad, pair.after);
        break;
    }
    case ShipLineKind::Heading:
        facts.heading = true;
        Set(ShipColumn::Heading, SplitAtFirst(t, u' ').after);
        break;
    case ShipLineKind::Rpos:
        facts.rpos = true;
        SetThree(ShipColumn::RposX, TrimView(CutFront(t, 5)));
        break;
    case ShipLineKind::Rvel:
        facts.rvel = true;
        SetThree(ShipColumn::RvelX, TrimView(CutFront(t, 5)));
        break;
    case ShipLineKind::Arot:
        facts.arot = true;
        SetThree(ShipColumn::ArotX, TrimView(CutFront(t, 5)));
        break;
    case ShipLineKind::Vrot:
        facts.vrot = true;
        Set(ShipColumn::Vrot, CutFront(t, 5));
        break;
    case ShipLineKind::Fuel:
        // A level per tank, wherever it stands in the block, is the one the editor shows.
        facts.fuel = true;
        if (!facts.prplevel) Set(ShipColumn::Fuel, TrimView(CutFront(t, 5)));
        break;
    case ShipLineKind::Prplevel:
        facts.prplevel = true;
        Set(ShipColumn::Fuel, FirstTankLevel(t));
        // The table shows every tank; the line stays among the unknown ones, where the pairs
        // the user does not change are written back from.
        Set(ShipColumn::TankLevels, AfterFirstWord(t));
        otherLines_.push_back(cleared);
        break;
    case ShipLineKind::MainEngine:
        facts.mainEngine = true;
        Set(ShipColumn::MainEngine, TrimView(CutFront(t, 12)));
        break;
    case ShipLineKind::EngineHovr:
        facts.engineHovr = true;
        Set(ShipColumn::HoverEngine, TrimView(CutFront(t, 12)));
        break;
    case ShipLineKind::HoverMain:
        // What this program once wrote for the hover engine: read as the same value unless
        // the block also has the simulator's own keyword, which then holds the value.
        facts.hoverMain = true;
        if (!facts.engineHovr) Set(ShipColumn::HoverEngine, TrimView(CutFront(t, 11)));
        break;
    case ShipLineKind::Elements: {
        facts.elements = true;
        // Seven values apart by blanks, the epoch last; a line of six leaves the epoch empty.
        QStringView rest = AfterFirstWord(t);
        for (int c = int(ShipColumn::ElementsSemiMajorAxis); c <= int(ShipColumn::ElementsEpoch); ++c) {
            const SplitPair value = SplitAtFirst(rest, u' ');
            Set(ShipColumn(c), value.before);
            rest = TrimView(value.after);
        }
        otherLines_.push_back(cleared);
        break;
    }
    case ShipLineKind::Pos: {
        // The line stays among the unknown lines too, where the editor has always kept it.
        facts.pos = true;
        const SplitPair degrees = SplitAtFirst(AfterFirstWord(t), u' ');
        Set(ShipColumn::Longitude, degrees.before);
        Set(ShipColumn::Latitude, TrimView(degrees.after));
        otherLines_.push_back(cleared);
        break;
    }
    case ShipLineKind::Dockinfo:
        if (t == header_) break;
        facts.dockinfo = true;
        otherLines_.push_back(cleared);
        break;
    default:
        // Only a repeat of the header is no line of the ship; a line that merely begins
        // with the ship's name ("N" and its NAVFREQ line) is one.
        if (t != header_) otherLines_.push_back(cleared);
        break;
    }
}
