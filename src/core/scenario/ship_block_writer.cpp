// Ship blocks as the writer puts them: a ship the user added in the editor's own form, a ship
// read from a file as read while its row holds what was read, and otherwise line by line.
#include "core/scenario/dockinfo_lines.h"
#include "core/scenario/section_writers.h"
#include "core/scenario/ship_lines.h"
#include "core/scenario/tank_pairs.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

namespace {
enum class Status { Landed, Orbiting, Docked, Other };

// An orbiting ship with a semi-major axis is given by its elements, and then by nothing else.
bool ByElements(const ShipRow& row) {
    return !TrimView(row.ElementsSemiMajorAxis).isEmpty();
}

Status StatusOf(const QString& status) {
    const QStringView s = TrimView(status);
    if (UpperEquals(s, QLatin1StringView("LANDED"))) return Status::Landed;
    if (UpperEquals(s, QLatin1StringView("ORBITING"))) return Status::Orbiting;
    if (UpperEquals(s, QLatin1StringView("DOCKED"))) return Status::Docked;
    return Status::Other;
}

// The lines of a row in the editor's own form.
class RowLines {
  public:
    RowLines(WrittenLines& out, const ShipRow& row, NumberTexts& numbers)
        : out_(out), row_(row), numbers_(numbers) {}
    void Status() {
        const QStringView status = Written(row_.Status);
        if (StatusOf(row_.Status) == ::Status::Docked)
            out_.Add("  STATUS ", status, " ", Written(row_.StatusRef), ":", Written(row_.DockedStation), ":",
                     WrittenLast(row_.DockedPort));
        else
            out_.Add("  STATUS ", status, " ", WrittenLast(row_.StatusRef));
    }
    void Base() { out_.Add("  BASE ", Written(row_.Base), ":", WrittenLast(row_.Pad)); }
    // A ship at a position may stand without a heading; one on a pad always has its line.
    void Heading() {
        if (LandedAtPosition(row_) && TrimView(row_.Heading).isEmpty()) return;
        out_.Add("  HEADING ", WrittenLast(row_.Heading));
    }
    void Pos() { out_.Add("  POS ", Written(row_.Longitude), " ", WrittenLast(row_.Latitude)); }
    void Fuel() { out_.Add("  FUEL ", WrittenLast(row_.Fuel)); }
    void Rpos() { Three("  RPOS ", row_.RposX, row_.RposY, row_.RposZ); }
    void Rvel() { Three("  RVEL ", row_.RvelX, row_.RvelY, row_.RvelZ); }
    void Arot() { Three("  AROT ", row_.ArotX, row_.ArotY, row_.ArotZ); }
    // Seven values; six while the epoch is left to the start, which a missing one means.
    void Elements() {
        if (TrimView(row_.ElementsEpoch).isEmpty())
            out_.Add("  ELEMENTS ", Written(row_.ElementsSemiMajorAxis), " ",
                     Written(row_.ElementsExcentricity), " ", Written(row_.ElementsInclination), " ",
                     Written(row_.ElementsAscendingNode), " ", Written(row_.ElementsPeriapsisLongitude), " ",
                     WrittenLast(row_.ElementsMeanLongitude));
        else
            out_.Add("  ELEMENTS ", Written(row_.ElementsSemiMajorAxis), " ",
                     Written(row_.ElementsExcentricity), " ", Written(row_.ElementsInclination), " ",
                     Written(row_.ElementsAscendingNode), " ", Written(row_.ElementsPeriapsisLongitude), " ",
                     Written(row_.ElementsMeanLongitude), " ", WrittenLast(row_.ElementsEpoch));
    }
    // The angular velocity the editor shows is the first number of the line; the numbers
    // after it in the file (one per axis) stay.
    void Vrot(QStringView restRead = QStringView()) {
        if (restRead.isEmpty())
            out_.Add("  VROT ", numbers_(row_.Vrot));
        else
            out_.Add("  VROT ", numbers_(row_.Vrot), " ", restRead);
    }
    void MainEngine() { out_.Add("  ENGINE_MAIN ", numbers_(row_.MainEngine)); }
    // The hover level under the keyword the simulator reads.
    void HoverEngine() { out_.Add("  ENGINE_HOVR ", numbers_(row_.HoverEngine)); }

  private:
    void Three(const char* keyword, const QString& x, const QString& y, const QString& z) {
        out_.Add(keyword, Written(x), " ", Written(y), " ", WrittenLast(z));
    }
    WrittenLines& out_;
    const ShipRow& row_;
    NumberTexts& numbers_;
};

void AddEditorShip(WrittenLines& out, const ShipRow& row, NumberTexts& numbers) {
    RowLines lines(out, row, numbers);
    switch (StatusOf(row.Status)) {
    case Status::Landed:
        lines.Status();
        if (LandedAtPosition(row))
            lines.Pos();
        else
            lines.Base();
        lines.Heading();
        lines.Fuel();
        break;
    case Status::Orbiting:
        lines.Status();
        lines.Fuel();
        if (PlacedByItsDock(row)) {
            // Its dock places it.
        } else if (ByElements(row)) {
            lines.Elements();
        } else {
            lines.Rpos();
            lines.Rvel();
        }
        lines.Arot();
        lines.Vrot();
        lines.MainEngine();
        lines.HoverEngine();
        break;
    case Status::Docked:
        lines.Status();
        lines.Fuel();
        break;
    case Status::Other:
        break;
    }
    if (!row.OtherLines.isEmpty()) out.Add(row.OtherLines);
}

// Whether a value is still the one read, or the one the editor showed for it: texts without
// the blanks around them, numbers also by value ("0.5" is " .5").
class Compare {
  public:
    Compare(const ShipRow& now, const ShipRow& read, const ShipRow& shown)
        : now_(now), read_(read), shown_(shown) {}
    bool Text(QString ShipRow::*column) const {
        const QStringView n = TrimView(now_.*column);
        return n == TrimView(read_.*column) || n == TrimView(shown_.*column);
    }
    bool Number(QString ShipRow::*column) const {
        if (Text(column)) return true;
        double n = 0;
        double other = 0;
        if (!IsWholeNumber(now_.*column, &n)) return false;
        return (IsWholeNumber(read_.*column, &other) && other == n) ||
               (IsWholeNumber(shown_.*column, &other) && other == n);
    }
    bool Numbers(std::initializer_list<QString ShipRow::*> columns) const {
        for (QString ShipRow::*column : columns)
            if (!Number(column)) return false;
        return true;
    }
    bool Status() const {
        const QString n = UCase(Trim(now_.Status));
        return n == UCase(Trim(read_.Status)) || n == UCase(Trim(shown_.Status));
    }

  private:
    const ShipRow& now_;
    const ShipRow& read_;
    const ShipRow& shown_;
};

// The row's DOCKINFO lines in the block's indentation.
void AddDockinfoLines(WrittenLines& out, const QStringList& lines) {
    for (const QString& line : lines)
        out.Add("  ", line);
}

// The old hover keyword under the simulator's, the rest of the line as read.
void AddAsEngineHovr(WrittenLines& out, QStringView line) {
    qsizetype blanks = 0;
    while (blanks < line.size() && line[blanks] == u' ')
        ++blanks;
    out.Add(line.left(blanks), "ENGINE_HOVR", line.mid(blanks + 10));
}

void AddChangedShip(WrittenLines& out, const ShipRow& row, NumberTexts& numbers, const ScenarioSource& source,
                    const ShipSource& block, const ShownShipRow& shown) {
    const ShipRow read = ShipRowAsRead(source, block, row.OtherLines);
    const ShipRow shownRow = shown ? shown(read, block.facts) : read;
    const Compare same(row, read, shownRow);
    const ShipBlockFacts& facts = block.facts;
    const Status now = StatusOf(row.Status);
    const bool landed = now == Status::Landed;
    // A landed ship stands at a position or on a pad, never both.
    const bool atPosition = LandedAtPosition(row);
    const bool atPad = landed && !atPosition;
    const bool orbiting = now == Status::Orbiting;
    const bool docked = now == Status::Docked;
    const bool sameStatus = same.Status();
    const bool sameRef = same.Text(&ShipRow::StatusRef);
    const bool sameBase = same.Text(&ShipRow::Base) && same.Text(&ShipRow::Pad);
    const bool samePos = same.Numbers({&ShipRow::Longitude, &ShipRow::Latitude});
    const bool sameDock = same.Text(&ShipRow::DockedStation) && same.Text(&ShipRow::DockedPort);
    const bool sameRpos = same.Numbers({&ShipRow::RposX, &ShipRow::RposY, &ShipRow::RposZ});
    const bool sameRvel = same.Numbers({&ShipRow::RvelX, &ShipRow::RvelY, &ShipRow::RvelZ});
    const bool sameArot = same.Numbers({&ShipRow::ArotX, &ShipRow::ArotY, &ShipRow::ArotZ});
    const bool sameElements = same.Numbers({&ShipRow::ElementsSemiMajorAxis, &ShipRow::ElementsExcentricity,
                                            &ShipRow::ElementsInclination, &ShipRow::ElementsAscendingNode,
                                            &ShipRow::ElementsPeriapsisLongitude,
                                            &ShipRow::ElementsMeanLongitude, &ShipRow::ElementsEpoch});
    const bool byElements = orbiting && ByElements(row);
    // Nor is a ship its dock places given a position when its other lines change.
    const bool byDock = orbiting && PlacedByItsDock(row);
    const bool sameHeading = same.Number(&ShipRow::Heading);
    const bool sameFuel = same.Number(&ShipRow::Fuel);
    const bool sameVrot = same.Number(&ShipRow::Vrot);
    const bool sameMain = same.Number(&ShipRow::MainEngine);
    const bool sameHover = same.Number(&ShipRow::HoverEngine);
    const bool sameStatusLine = sameStatus && sameRef && (!docked || sameDock);
    // The place of the ship: its status, planet and where on or around it.
    const bool samePlace = sameStatus && sameRef &&
                           (atPosition ? samePos
                            : landed   ? sameBase
                            : docked   ? sameDock
                            : orbiting ? (byElements ? sameElements : sameRpos && sameRvel)
                                       : true);
    const bool placed = landed || orbiting || docked;
    RowLines lines(out, row, numbers);
    // The DOCKINFO lines stay as read while the row's pairs are the block's; otherwise the row's
    // are written in the place of the first one, or before the END of a block that had none.
    // A ship moved to a station's port in the older form docks there alone.
    const QStringList rowDocks = docked && !samePlace ? QStringList() : RowDockinfoLines(row);
    const bool sameDocks = rowDocks == BlockDockinfoLines(source, block);
    bool docksWritten = false;

    const QByteArray bytes = source.bytes.mid(block.body.begin, block.body.end - block.body.begin);
    const QString body = block.body.begin < 0 ? QString() : DecodeText(bytes);
    if (block.body.begin >= 0) {
        ForEachLineOfSpan(QStringView(body), [&](QStringView line) {
            // The description may stand among the lines of a block; they are not the ship's.
            const qsizetype at = block.body.begin + (line.data() - body.constData());
            if (at >= source.description.begin && at <= source.description.end) return;
            const QStringView t = TrimView(ClearCommentsView(line));
            // Lines of another status, and the placement lines of this one, go when the ship
            // is moved; a value the user changed is written from the row.
            const auto keep = [&](bool asRead, bool ofThisStatus, auto fromRow) {
                if (asRead)
                    out.Add(line);
                else if (ofThisStatus)
                    fromRow();
            };
            switch (ShipLineKindOf(t)) {
            case ShipLineKind::Status:
                keep(sameStatusLine || !placed, placed, [&] { lines.Status(); });
                break;
            case ShipLineKind::Base:
                // A ship moved from the pad to a position gets its position in the pad's place.
                if (atPosition) {
                    if (!facts.pos) lines.Pos();
                } else {
                    keep(atPad ? sameBase : samePlace, atPad, [&] { lines.Base(); });
                }
                break;
            case ShipLineKind::Heading:
                keep(landed ? sameHeading : samePlace, landed, [&] { lines.Heading(); });
                break;
            // A ship given by its elements keeps its state lines only while its place is as read.
            case ShipLineKind::Rpos:
                keep(!byDock && (orbiting && !byElements ? sameRpos : samePlace),
                     orbiting && !byElements && !byDock, [&] { lines.Rpos(); });
                break;
            case ShipLineKind::Rvel:
                keep(!byDock && (orbiting && !byElements ? sameRvel : samePlace),
                     orbiting && !byElements && !byDock, [&] { lines.Rvel(); });
                break;
            case ShipLineKind::Arot:
                keep(sameArot, orbiting, [&] { lines.Arot(); });
                break;
            case ShipLineKind::Vrot:
                keep(sameVrot, orbiting,
                     [&] { lines.Vrot(TrimView(SplitAtFirst(AfterFirstWord(t), u' ').after)); });
                break;
            case ShipLineKind::Fuel:
                // Beside a level per tank the FUEL line is kept as it was.
                keep(facts.prplevel || sameFuel, true, [&] { lines.Fuel(); });
                break;
            case ShipLineKind::Prplevel:
                // Only the pairs of the tanks the user changed are written anew.
                out.Add(TankLineWith(line, row.TankLevels, read.TankLevels));
                break;
            case ShipLineKind::MainEngine:
                keep(sameMain, orbiting, [&] { lines.MainEngine(); });
                break;
            case ShipLineKind::EngineHovr:
                keep(sameHover, orbiting, [&] { lines.HoverEngine(); });
                break;
            case ShipLineKind::HoverMain:
                if (facts.engineHovr)
                    out.Add(line);
                else if (sameHover)
                    AddAsEngineHovr(out, line);
                else if (orbiting)
                    lines.HoverEngine();
                break;
            case ShipLineKind::Elements:
                // The elements are written from the row when they place the ship, and go when a
                // position and velocity of the user's do.
                if (byDock) break;
                if (byElements)
                    keep(sameStatus && sameElements, true, [&] { lines.Elements(); });
                else
                    keep(orbiting ? sameStatus && sameRpos && sameRvel : samePlace, false, [] {});
                break;
            case ShipLineKind::Pos:
                // A ship moved from a position to a pad gets its pad in the position's place.
                if (atPad && !facts.base)
                    lines.Base();
                else if (atPad)
                    keep(sameStatus && sameBase, false, [] {});
                else
                    keep(atPosition ? samePos : samePlace, atPosition, [&] { lines.Pos(); });
                break;
            case ShipLineKind::Alt:
                // The height over the ground where the ship stands: it stays with a ship moved to
                // another position, and goes with one set on a pad.
                keep(atPosition || (atPad ? sameStatus && sameBase : samePlace), false, [] {});
                break;
            case ShipLineKind::Dockinfo:
                if (sameDocks) {
                    out.Add(line);
                } else if (!docksWritten) {
                    AddDockinfoLines(out, rowDocks);
                    docksWritten = true;
                }
                break;
            default:
                out.Add(line);
                break;
            }
        });
    }

    if (!sameDocks && !docksWritten) AddDockinfoLines(out, rowDocks);
    // The lines of the status that the block did not have, only for a value the user gave.
    if (!placed) return;
    if (!facts.status && !sameStatusLine) lines.Status();
    if (landed) {
        // A block with a pad or a position line got the other one in its place above.
        if (!facts.base && !facts.pos) {
            if (atPosition && !samePos) lines.Pos();
            if (atPad && !sameBase) lines.Base();
        }
        if (!facts.heading && !sameHeading) lines.Heading();
    }
    if (!facts.fuel && !facts.prplevel && !sameFuel) lines.Fuel();
    if (orbiting) {
        if (byDock) {
            // Its dock places it.
        } else if (byElements) {
            if (!facts.elements && !sameElements) lines.Elements();
        } else {
            if (!facts.rpos && !sameRpos) lines.Rpos();
            if (!facts.rvel && !sameRvel) lines.Rvel();
        }
        if (!facts.arot && !sameArot) lines.Arot();
        if (!facts.vrot && !sameVrot) lines.Vrot();
        if (!facts.mainEngine && !sameMain) lines.MainEngine();
        if (!facts.engineHovr && !facts.hoverMain && !sameHover) lines.HoverEngine();
    }
}
} // namespace

void AddShip(WrittenLines& out, const ShipRow& row, NumberTexts& numbers, const ScenarioSource* source,
             const ShownShipRow& shown) {
    out.Add(Written(row.Name), ":", WrittenLast(row.ClassName));
    const bool read = source && row.ReadBlock >= 0 && std::size_t(row.ReadBlock) < source->ships.size();
    if (!read) {
        AddEditorShip(out, row, numbers);
    } else {
        const ShipSource& block = source->ships[std::size_t(row.ReadBlock)];
        if (!(block.facts.hoverMain && !block.facts.engineHovr) && ShipRowIsAsRead(*source, block, row) &&
            RowDockinfoLines(row) == BlockDockinfoLines(*source, block)) {
            if (block.body.begin >= 0) out.AddAsRead(source->bytes, block.body, source->description);
        } else {
            AddChangedShip(out, row, numbers, *source, block, shown);
        }
    }
    out.Add("END");
}
