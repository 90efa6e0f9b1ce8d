#include "core/orbit/kepler_propagation.h"

#include "core/orbit/universal_kepler.h"

#include <cmath>

namespace {
bool Finite(const OrbitState& s) {
    return std::isfinite(s.Position.X) && std::isfinite(s.Position.Y) && std::isfinite(s.Position.Z) &&
           std::isfinite(s.Velocity.X) && std::isfinite(s.Velocity.Y) && std::isfinite(s.Velocity.Z);
}

// Far out on a hyperbola (beyond |a| from the centre), heading for the periapsis or back
// past it, the universal formulas taken from the start add terms that grow as the cosh of
// the hyperbolic anomaly travelled and cancel down to the time: thirty years of an escape
// come back kilometres off. Taken from the periapsis the terms share their sign. So the
// periapsis state and the time since it are worked out first: the periapsis lies along the
// eccentricity vector at p / (1 + e), the velocity there along h x e_hat = v (r.e_hat) -
// r (v.e_hat) (a form without the frame's handedness), and the hyperbolic anomaly of the
// start follows from e cosh H = 1 - alpha r and e sinh H = sigma sqrt(-alpha), whose sum
// e exp(|H|) loses nothing (Vallado, section 2.2; Bate, Mueller and White, section 4.6).
std::optional<OrbitState> ThroughPeriapsis(const OrbitState& s, double mu, double seconds, double alpha) {
    const Vector3& r = s.Position;
    const Vector3& v = s.Velocity;
    const double radius = Norm(r), speed2 = Dot(v, v), rv = Dot(r, v);
    const double h = Norm(Cross(r, v));
    const Vector3 eVector = (1 / mu) * ((speed2 - mu / radius) * r - rv * v);
    const double e = Norm(eVector);
    if (!(h > 0) || !(e > 1)) return std::nullopt;
    const Vector3 p = (1 / e) * eVector;
    const double rp = h * h / mu / (1 + e);
    const OrbitState periapsis{rp * p, (1 / rp) * (Dot(r, p) * v - Dot(v, p) * r)};
    const double sigma = rv / std::sqrt(mu), root = std::sqrt(-alpha);
    const double bigH = std::copysign(std::log((1 - alpha * radius + std::fabs(sigma) * root) / e), sigma);
    const double meanMotion = std::sqrt(mu) * root * root * root;
    const double sincePeriapsis = (sigma * root - bigH) / meanMotion; // (e sinh H - H) / n
    const UniversalKeplerOrbit orbit(periapsis, mu);
    if (!orbit.Valid()) return std::nullopt;
    return orbit.StateAt(orbit.AnomalyAfter(sincePeriapsis + seconds));
}
} // namespace

std::optional<OrbitState> PropagateKepler(const OrbitState& state, double mu, double seconds) {
    if (!Finite(state) || !std::isfinite(seconds)) return std::nullopt;
    const UniversalKeplerOrbit orbit(state, mu);
    if (!orbit.Valid()) return std::nullopt;
    double t = seconds;
    const double period = orbit.Period();
    if (std::isfinite(period) && std::fabs(t) > period / 2) t = std::remainder(t, period);
    const double alpha = orbit.Alpha();
    const bool farOut = alpha < 0 && -alpha * Norm(state.Position) > 1;
    std::optional<OrbitState> moved;
    if (farOut && Dot(state.Position, state.Velocity) * t < 0)
        moved = ThroughPeriapsis(state, mu, t, alpha);
    else
        moved = orbit.StateAt(orbit.AnomalyAfter(t));
    if (!moved || !Finite(*moved)) return std::nullopt;
    return moved;
}

std::vector<std::optional<OrbitState>> MoveAlongOrbits(const std::vector<OrbitingState>& ships,
                                                       double seconds) {
    std::vector<std::optional<OrbitState>> moved;
    moved.reserve(ships.size());
    for (const OrbitingState& ship : ships)
        moved.push_back(PropagateKepler(ship.State, ship.Mu, seconds));
    return moved;
}
