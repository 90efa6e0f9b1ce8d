#pragma once
// What a change of the scenario's start does to the orbiting ships given by position and
// velocity: they keep both (the file's numbers stay), move along their orbits over the time
// moved, or turn with their body's surface so that they stay over the same point of it. Ships
// given by elements keep them, since their epoch fixes where they are at any start; landed and
// docked ships stand where they stand.
#include "core/installation/planet_data.h"
#include "core/orbit/equator_frame.h"
#include "core/orbit/vector3.h"
#include "core/scenario/scenario_document.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

enum class DateChangeMove { Keep, AlongOrbit, WithSurface };

// The listed ship rows (the first shipCount) that orbit by position and velocity: status
// "Orbiting" and no semi-major axis of elements.
std::vector<int> ShipsOrbitingByState(const ScenarioDocument& document, int shipCount);

// One ship to move: its ecliptic state round its body and that body's figures.
struct ShipToMove {
    OrbitState State;
    double Mu = 0;             // m^3/s^2
    EquatorFrame Frame;        // the body's equator at the start the ships leave
    double SiderealPeriod = 0; // s; negative for a retrograde rotation
};
// Every ship moved by the same time (s), in the order given: nothing for a ship that cannot
// be moved (no orbit to carry it along), which then keeps its state.
std::vector<std::optional<OrbitState>> MovedShipStates(const std::vector<ShipToMove>& ships, double seconds,
                                                       DateChangeMove move);

// The ship rows after the start moved by the given seconds: the rows of ShipsOrbitingByState
// whose six numbers read and whose body's data are known get new RPOS and RVEL texts; every
// other row, and every row for Keep, is returned as it was. planetOf gives a body's data.
std::vector<ShipRow> ShipRowsMovedToDate(const ScenarioDocument& document, int shipCount,
                                         const std::function<PlanetData(const QString&)>& planetOf,
                                         double startMjd, double seconds, DateChangeMove move);
