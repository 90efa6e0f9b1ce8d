#pragma once
// A body carried along its Kepler orbit: the two-body motion round a point mass, for closed
// and open orbits, by any time forwards or backwards. This is how ships move when a
// scenario's date changes and how elements given at one epoch reach another time.
#include "core/orbit/vector3.h"

#include <optional>
#include <vector>

// The state after the given time (s; negative goes back). Nothing comes back for a state at
// the centre, a gravitational parameter that is not above 0, or numbers that are not finite
// (going in or coming out). A closed orbit is first brought back by whole periods, so that
// many periods cost no more, and lose no more, than one.
std::optional<OrbitState> PropagateKepler(const OrbitState& state, double mu, double seconds);

// A ship's state and the gravitational parameter (m^3/s^2) of the body it goes round.
struct OrbitingState {
    OrbitState State;
    double Mu = 0;
};
// Every ship carried along its own orbit by the same time, in the order given; a ship that
// cannot be carried (see PropagateKepler) has no state in the answer.
std::vector<std::optional<OrbitState>> MoveAlongOrbits(const std::vector<OrbitingState>& ships,
                                                       double seconds);
