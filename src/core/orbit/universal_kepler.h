#pragma once
// Two-body motion in universal variables: one set of formulas for ellipses, parabolas and
// hyperbolas alike, and sound for eccentricities near 0 and near 1 (Vallado, Fundamentals of
// Astrodynamics and Applications, 4th ed., section 2.3, "Kepler's problem", algorithm 8;
// Bate, Mueller and White, Fundamentals of Astrodynamics, sections 4.3 and 4.4).
//
// The orbit is described from a start state by the universal anomaly chi (square root of
// metres): the time since the start, the distance from the centre and the state are closed
// forms in chi, written with the Stumpff functions c2 and c3 of psi = alpha chi^2, where
// alpha = 2 / r0 - v0^2 / mu is the inverse of the semi-major axis. Two-body motion looks the
// same in any frame whose axes are at right angles, so the vectors may be in the simulator's
// frame or in that of the maths.
#include "core/orbit/vector3.h"

class UniversalKeplerOrbit {
  public:
    UniversalKeplerOrbit(const OrbitState& start, double mu);

    // A gravitational parameter above 0, a start away from the centre, finite numbers.
    bool Valid() const { return valid_; }
    // 1 / a: above 0 for an ellipse, 0 for a parabola, below 0 for a hyperbola (1/m).
    double Alpha() const { return alpha_; }
    // The period of an ellipse (s); infinite for an open orbit.
    double Period() const;

    // The time (s) from the start to the universal anomaly chi, negative before it.
    double TimeAt(double chi) const;
    // The distance from the centre at chi (m); the time grows with chi at this rate times
    // 1 / sqrt(mu), which is what makes the time a strictly growing function of chi.
    double RadiusAt(double chi) const;
    OrbitState StateAt(double chi) const;
    // The universal anomaly reached after the given time (s), positive or negative.
    double AnomalyAfter(double seconds) const;

  private:
    OrbitState start_;
    double mu_ = 0, sqrtMu_ = 0, r0_ = 0, sigma0_ = 0, alpha_ = 0;
    bool valid_ = false;
};
