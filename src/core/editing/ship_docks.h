#pragma once
// Ships docked to ships, as today's scenarios dock them: no station section, but stations that
// are ships, and each ship of a docked pair carries "DOCKINFO <own port>:<other port>,<other
// ship>" (ports counted from 0; one line may list several pairs, separated by blanks). A ship
// that has such a pair and no RPOS, RVEL or ELEMENTS line is placed by its dock: the simulator
// puts it where its partner's port is, and its partner keeps its own position.
#include "core/editing/location_trees.h"
#include "core/scenario/scenario_document.h"
#include "core/scenario/scenario_source.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

struct DockPair {
    int ownPort = 0;
    int otherPort = 0;
    QString other; // the other ship's name as the pair writes it
    QString text;  // the pair as written: "0:1,Lifter"
    bool operator==(const DockPair&) const = default;
};

// The pairs of a DOCKINFO line, given without its comment and the blanks around it; a word that
// is not "<digits>:<digits>,<name>" is no pair. Any other line gives none.
std::vector<DockPair> DockPairsOfLine(QStringView line);
// The pairs of every DOCKINFO line among a ship's unknown lines, in their order.
std::vector<DockPair> DockPairsOf(const QString& otherLines);

// A port of a DOCKINFO pair (counted from 0) as the dock tree shows ports: its number plus 1.
QString ShownPort(int port);

// Whether a ship read from a block with these facts is placed by its dock: a DOCKINFO pair
// among its unknown lines, no RPOS, RVEL or ELEMENTS line, and no STATUS line of the older
// form that docks it at a station ("STATUS Docked <planet>:<station>:<port>"), which places it
// there as it always has.
// Whether the row has no place of its own (no state vectors, no elements, not landed) while its
// DOCKINFO pairs dock it: the simulator then puts it at its partner's port.
bool RowPlacedByDock(const ShipRow& row);
// A ship docked in the editor is placed by its dock by its row alone (RowPlacedByDock), and one
// taken out of its dock in the editor is not, whatever its block held.
bool PlacedByDock(const ShipBlockFacts& facts, const ShipRow& row);

// Where the editor shows a ship that its dock places.
struct ShipDockedAt {
    int partner = -1; // the row of the ship it is docked at; -1 when no pair names a listed ship
    QString station;  // that ship's name (the name the pair writes when there is none)
    QString port;     // that ship's port as ports are shown: its number plus 1
    QString planet;   // the body of the ship with a position that the docks lead to
    int pair = -1;    // the ship's pair that shows it so
    int anchor = -1;  // the row of that ship with a position; -1 when no chain reaches one
    bool operator==(const ShipDockedAt&) const = default;
};

// The docks between the listed ships of a document, rows 0 to count - 1.
class ShipDocks {
  public:
    ShipDocks(const ScenarioDocument& document, int count);

    int Count() const { return static_cast<int>(pairs_.size()); }
    const std::vector<DockPair>& Pairs(int row) const { return pairs_[std::size_t(row)]; }
    bool PlacedByDock(int row) const { return placed_[std::size_t(row)] != 0; }
    // The first listed ship of that name (trimmed, letter case ignored); -1 for none.
    int RowNamed(const QString& name) const;
    // For a ship placed by its dock: the partner of its first pair whose chain of docks leads
    // to a ship with a position, the ship itself left out of the chain; failing that, the first
    // pair's partner. The planet is that of the ship with a position, else the ship's own.
    ShipDockedAt DockedAt(int row) const;
    // Whether the pair's partner names the ship back on the same two ports.
    bool Returned(int row, const DockPair& pair) const;

  private:
    // The ship with a position that the docks from `from` lead to, never through `left`; -1.
    int Anchor(int from, int left) const;

    const ScenarioDocument& document_;
    std::vector<std::vector<DockPair>> pairs_;
    std::vector<std::vector<int>> partners_; // the row each pair names, -1 for none
    std::vector<char> placed_;
    std::vector<char> reachesPosition_; // some chain of docks leads to a ship with a position
    QHash<QString, int> rows_;          // by trimmed, upper-cased name
};

// The ships whose class has a dock list, with its ports, and every other ship that a pair names,
// with the ports the pairs use (many classes define their ports in their program, not in their
// file). Each port holds the ships that a pair puts at it, each once, in row order.
std::vector<ShipStationPlace> ShipStations(const ShipDocks& docks, const ScenarioDocument& document,
                                           const DockCounts& classDocks);
