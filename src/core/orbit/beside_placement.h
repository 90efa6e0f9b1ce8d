#pragma once
// A ship put beside another on the same orbit: the other's state carried along its orbit by
// the time it takes to cover a given arc length, ahead for a positive length, behind for a
// negative one. The arc is the true length of the path, not the speed times the time: the
// two ships then stand the chord of that arc apart.
//
// The arc length along the orbit in universal variables (universal_kepler.h): ds/dt = v and
// dt/dchi = r / sqrt(mu), so ds/dchi = v r / sqrt(mu) = sqrt(r (2 - alpha r)) by the energy
// equation v^2 = mu (2 / r - alpha). The length is that integral by Gauss-Legendre quadrature
// (Abramowitz and Stegun, Handbook of Mathematical Functions, 25.4.30), and the anomaly that
// gives the length asked is found by Newton's method, whose slope is the integrand itself.
#include "core/orbit/vector3.h"

#include <optional>

// The other's state moved by the arc length in kilometres along its orbit round a body of
// gravitational parameter mu. Nothing for a state that cannot be moved (see
// PropagateKepler) or a length that is not finite.
std::optional<OrbitState> PlacedBeside(const OrbitState& other, double mu, double kilometres);
