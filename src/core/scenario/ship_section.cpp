#include "core/scenario/scenario_sections.h"
#include "core/scenario/ship_lines.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

void SplitThree(QStringView text, QString& x, QString& y, QString& z, ValuePool& pool) {
    SplitPair first = SplitAtFirst(text, u' ');
    x = pool.Take(first.before);
    SplitPair second = SplitAtFirst(first.after, u' ');
    y = pool.Take(second.before);
    z = pool.Take(second.after);
}

QString TrimmedAfter(QStringView text, qsizetype count, ValuePool& pool) {
    return pool.Take(TrimView(CutFront(text, count)));
}

void ReadStatus(ShipRow& row, QStringView trimmed, ValuePool& pool) {
    const SplitPair words = SplitAtFirst(TrimView(CutFront(trimmed, 7)), u' ');
    row.Status = pool.Take(words.before);
    if (UpperEquals(words.before, QLatin1StringView("LANDED")) ||
        UpperEquals(words.before, QLatin1StringView("ORBITING"))) {
        row.StatusRef = pool.Take(words.after);
    } else if (UpperEquals(words.before, QLatin1StringView("DOCKED"))) {
        const SplitPair planet = SplitAtFirst(words.after, u':');
        const SplitPair station = SplitAtFirst(planet.after, u':');
        row.StatusRef = pool.Take(planet.before);
        row.DockedStation = pool.Take(station.before);
        row.DockedPort = pool.Take(station.after);
    }
}

void KeepOtherLine(ShipRow& row, QStringView cleared) {
    if (row.OtherLines.isEmpty()) {
        row.OtherLines = cleared.toString(); // unknown lines are seldom shared
    } else {
        row.OtherLines += kLineEnd;
        row.OtherLines += cleared;
    }
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
    ShipRow& ship = table.back();
    const SplitPair pair = SplitAtFirst(header, u':');
    ship.Name = pool_.Take(pair.before);
    // Without a class the simulator takes the ship's name as its class; naming it keeps the
    // saved file meaning the same.
    ship.ClassName = header.contains(u':') ? pool_.Take(pair.after) : ship.Name;
    ship.ReadBlock = static_cast<int>(blocks_.size());
    ShipSource& block = blocks_.emplace_back();
    block.header = {At(line), At(line) + line.size()};
    block.body = {-1, -1};
    header_ = header.toString();
    currentRow_ = row;
    inBlock_ = true;
}

void ShipSectionReader::CloseBlock() {
    if (!inBlock_) return;
    inBlock_ = false;
    blocks_.back().read = document_.ShipTable.back();
}

void ShipSectionReader::BlockLine(QStringView line, QStringView cleared, QStringView t) {
    ShipRow& row = document_.ShipTable.back();
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
    case ShipLineKind::Status:
        facts.status = true;
        ReadStatus(row, t, pool_);
        break;
    case ShipLineKind::Base: {
        facts.base = true;
        const SplitPair pair = SplitAtFirst(TrimView(CutFront(t, 5)), u':');
        row.Base = pool_.Take(pair.before);
        row.Pad = pool_.Take(pair.after);
        break;
    }
    case ShipLineKind::Heading:
        facts.heading = true;
        row.Heading = pool_.Take(SplitAtFirst(t, u' ').after);
        break;
    case ShipLineKind::Rpos:
        facts.rpos = true;
        SplitThree(TrimView(CutFront(t, 5)), row.RposX, row.RposY, row.RposZ, pool_);
        break;
    case ShipLineKind::Rvel:
        facts.rvel = true;
        SplitThree(TrimView(CutFront(t, 5)), row.RvelX, row.RvelY, row.RvelZ, pool_);
        break;
    case ShipLineKind::Arot:
        facts.arot = true;
        SplitThree(TrimView(CutFront(t, 5)), row.ArotX, row.ArotY, row.ArotZ, pool_);
        break;
    case ShipLineKind::Vrot:
        facts.vrot = true;
        row.Vrot = pool_.Take(CutFront(t, 5));
        break;
    case ShipLineKind::Fuel:
        // A level per tank, wherever it stands in the block, is the one the editor shows.
        facts.fuel = true;
        if (!facts.prplevel) row.Fuel = TrimmedAfter(t, 5, pool_);
        break;
    case ShipLineKind::Prplevel:
        facts.prplevel = true;
        row.Fuel = pool_.Take(FirstTankLevel(t));
        KeepOtherLine(row, cleared);
        break;
    case ShipLineKind::MainEngine:
        facts.mainEngine = true;
        row.MainEngine = TrimmedAfter(t, 12, pool_);
        break;
    case ShipLineKind::EngineHovr:
        facts.engineHovr = true;
        row.HoverEngine = TrimmedAfter(t, 12, pool_);
        break;
    case ShipLineKind::HoverMain:
        // What this program once wrote for the hover engine: read as the same value unless
        // the block also has the simulator's own keyword, which then holds the value.
        facts.hoverMain = true;
        if (!facts.engineHovr) row.HoverEngine = TrimmedAfter(t, 11, pool_);
        break;
    case ShipLineKind::Elements:
        facts.elements = true;
        KeepOtherLine(row, cleared);
        break;
    case ShipLineKind::Pos:
        facts.pos = true;
        KeepOtherLine(row, cleared);
        break;
    default:
        // Only a repeat of the header is no line of the ship; a line that merely begins
        // with the ship's name ("N" and its NAVFREQ line) is one.
        if (t != QStringView(header_)) KeepOtherLine(row, cleared);
        break;
    }
}
