#pragma once
// A state turned with the surface of a rotating body, so that a ship keeps above the same
// point of the ground while the date moves: position and velocity turned eastward about the
// body's north axis by 2 pi dt / SidRotPeriod. A negative period (a retrograde rotation)
// turns westward; a period of 0 (unknown) leaves the state as it is.
#include "core/orbit/equator_frame.h"

// The state and the result are in the ecliptic frame; the frame gives the axis.
OrbitState TurnedWithSurface(const OrbitState& ecliptic, const EquatorFrame& frame, double siderealPeriod,
                             double seconds);
