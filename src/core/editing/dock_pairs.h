#pragma once
// Docking edits between ships: both ships of a pair carry it on their DOCKINFO lines, so every
// edit here changes the two rows at once and the session records it as one step. Ports are
// counted from 0 as the file counts them; the screen adds 1.
#include "core/editing/ship_docks.h"
#include "core/scenario/scenario_document.h"

#include <QString>
#include <vector>

// The unknown lines with these pairs on their DOCKINFO line: the first DOCKINFO line holds them
// all, later ones go, a block without one gets one at its end, and no pairs leave no line.
QString OtherLinesWithPairs(const QString& otherLines, const std::vector<DockPair>& pairs);

// The lowest port the pairs leave free.
int FirstFreePort(const std::vector<DockPair>& pairs);

struct DockRequest {
    int ship = -1;       // the row docked
    int partner = -1;    // the row it docks at
    int ownPort = 0;     // of the ship, from 0
    int partnerPort = 0; // of the partner, from 0
};

// Why the dock cannot be made, empty when it can: "Port <n> of <ship> is taken by the ship
// <name> already." for a port another pair uses. Rows 0 to count - 1 are the listed ships.
QString DockRefusal(const ScenarioDocument& document, int count, const DockRequest& request);

// Docks the ship: the pair on both ships, the ship orbiting its partner's body without a
// position of its own. A ship its dock placed elsewhere leaves that dock first.
void DockShip(ScenarioDocument& document, int count, const DockRequest& request);

// Takes a ship placed by its dock out of it: the pair that leads towards the ship with a
// position goes from both ships, and the ship orbits at the state of the ship it was carried
// by, where it floats free. Its other pairs stay. False for a ship its dock does not place.
bool UndockShip(ScenarioDocument& document, int count, int ship);

// The ship's partners name it so in their pairs; the row's own name is the caller's to change.
void RenameInPairs(ScenarioDocument& document, int count, int ship, const QString& name);

// Before ship `ship` is removed: its pairs go from its partners, and a partner its dock placed
// that no other chain of docks leads to a position from orbits at the ship's last state.
void RemovePairsOf(ScenarioDocument& document, int count, int ship);
