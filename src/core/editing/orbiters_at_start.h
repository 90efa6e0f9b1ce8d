#pragma once
// Where each station and ship that goes round a body is at the scenario's start: the one
// answer both the placement of a ship beside another and the scenario map draw from, so that
// they never disagree on where something is.
#include "core/installation/planet_data.h"
#include "core/orbit/vector3.h"
#include "core/scenario/scenario_document.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// The six texts of a ship row's place by position and velocity, in the order RPOS and RVEL
// give them.
inline constexpr QString ShipRow::*kShipRowState[6] = {&ShipRow::RposX, &ShipRow::RposY, &ShipRow::RposZ,
                                                       &ShipRow::RvelX, &ShipRow::RvelY, &ShipRow::RvelZ};
// The position and velocity the row writes; nothing when one of the six does not read as a
// number.
std::optional<OrbitState> ShipRowState(const ShipRow& row);

enum class OrbiterKind { Station, ShipByState, ShipByElements, ShipDocked };

struct OrbiterAtStart {
    OrbiterKind Kind = OrbiterKind::Station;
    int Row = -1;     // the row in StationTable (Station) or ShipTable (the ship kinds)
    QString Name;     // as the row holds it
    QString Body;     // the body it goes round, as the file names it, trimmed
    OrbitState State; // at the start, in the simulator's frame (as RPOS and RVEL), m and m/s
    QString DockedAt; // ShipDocked: the station or ship whose state it shares
};

// Every listed station (the first stationCount rows) and ship (the first shipCount rows) that
// goes round a body at the start, stations first, each in row order: stations from their
// elements carried from their epoch to the start; ships by position and velocity as written;
// ships by elements carried to the start; docked ships (at a station in the older form, or
// placed by their DOCKINFO pairs) at the state of the station or ship they are docked at, the
// one with a position that their docks lead to. Left out: landed ships, rows whose numbers do
// not read, and bodies whose data are not known (planetOf gives a body's data; each body is
// asked once). startMjd is the start as StartMjdOf gives it.
std::vector<OrbiterAtStart> OrbitersAtStart(const ScenarioDocument& document, int stationCount, int shipCount,
                                            const std::function<PlanetData(const QString&)>& planetOf,
                                            double startMjd);
