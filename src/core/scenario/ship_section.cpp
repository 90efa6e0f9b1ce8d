#include "core/scenario/scenario_sections.h"
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
        Header(trimmed);
        return true;
    }
    if (closes) {
        // The marker also closes a last block that lacks its END. Keeping the marker among
        // that ship's unknown lines would write it back inside the block, where it cuts the
        // ship section short the next time the file is read.
        inBlock_ = false;
        return false;
    }
    BlockLine(cleared, trimmed);
    return true;
}

void ShipSectionReader::Header(QStringView header) {
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
    // Lines that start with the ship's name are not kept. The name is tested as the writer
    // puts it in the header, without the blanks at its end: a name read as "D " would keep a
    // line "D" that the next load, of the name written as "D", drops.
    upperName_ = UCase(TrimView(ship.Name).toString());
    currentRow_ = row;
    inBlock_ = true;
}

void ShipSectionReader::BlockLine(QStringView cleared, QStringView t) {
    ShipRow& row = document_.ShipTable.back();
    if (UpperEquals(t, QLatin1StringView("END"))) {
        ++currentRow_;
        inBlock_ = false;
        return;
    }
    const auto is = [t](const char* keyword) { return UpperStartsWith(t, QLatin1StringView(keyword)); };
    if (is("STATUS")) {
        ReadStatus(row, t, pool_);
    } else if (is("BASE")) {
        const SplitPair pair = SplitAtFirst(TrimView(CutFront(t, 5)), u':');
        row.Base = pool_.Take(pair.before);
        row.Pad = pool_.Take(pair.after);
    } else if (is("HEADING")) {
        row.Heading = pool_.Take(SplitAtFirst(t, u' ').after);
    } else if (is("RPOS")) {
        SplitThree(TrimView(CutFront(t, 5)), row.RposX, row.RposY, row.RposZ, pool_);
    } else if (is("RVEL")) {
        SplitThree(TrimView(CutFront(t, 5)), row.RvelX, row.RvelY, row.RvelZ, pool_);
    } else if (is("AROT")) {
        SplitThree(TrimView(CutFront(t, 5)), row.ArotX, row.ArotY, row.ArotZ, pool_);
    } else if (is("VROT")) {
        row.Vrot = pool_.Take(CutFront(t, 5));
    } else if (is("FUEL")) {
        row.Fuel = TrimmedAfter(t, 5, pool_);
    } else if (is("ENGINE_MAIN")) {
        row.MainEngine = TrimmedAfter(t, 12, pool_);
    } else if (is("ENGINE_HOVR")) {
        row.HoverEngine = TrimmedAfter(t, 12, pool_);
    } else if (is("HOVER_MAIN")) {
        // What this program writes for the hover engine: read back as the same value, so
        // that it does not pile up among the unknown lines from one save to the next.
        row.HoverEngine = TrimmedAfter(t, 11, pool_);
    } else if (!UpperStartsWith(t, QStringView(upperName_))) {
        if (row.OtherLines.isEmpty()) {
            row.OtherLines = cleared.toString(); // unknown lines are seldom shared
        } else {
            row.OtherLines += kLineEnd;
            row.OtherLines += cleared;
        }
    }
}
