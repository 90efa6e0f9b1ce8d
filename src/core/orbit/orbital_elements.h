#pragma once
// Orbital elements as scenario files give them, and their conversion to and from a state in
// the simulator's frame (see vector3.h), both at a given time.
//
// ELEMENTS a e i node periapsis-longitude mean-longitude epoch: the semi-major axis in metres
// (below 0 for a hyperbola), the eccentricity, then in degrees of the ecliptic frame the
// inclination, the longitude of the ascending node, the longitude of periapsis (the node plus
// the argument of periapsis, retrograde orbits too) and the mean longitude at the epoch (the
// periapsis longitude plus the mean anomaly M), and the epoch as a modified Julian date. A
// hyperbola's mean anomaly is M = e sinh H - H. With i = 0 the node is 0; with e = 0 the
// argument of periapsis is 0. A parabola (e = 1) has no semi-major axis and is refused.
//
// The formulas: the mean anomaly carried by the mean motion sqrt(mu / |a|^3), Kepler's
// equation (kepler_equation.h), the position and velocity in the orbit's plane from the
// eccentric or hyperbolic anomaly, and the 3-1-3 turn by the argument of periapsis, the
// inclination and the node (Vallado, Fundamentals of Astrodynamics and Applications,
// section 2.6, algorithm 10 "COE2RV"); back through the conic of the state
// (conic_of_state.h, Vallado's algorithm 9 "RV2COE").
#include "core/orbit/vector3.h"

struct OrbitalElements {
    double SemiMajorAxis = 0; // m; below 0 for a hyperbola
    double Eccentricity = 0;
    double Inclination = 0;        // degrees
    double AscendingNode = 0;      // degrees
    double PeriapsisLongitude = 0; // degrees
    double MeanLongitude = 0;      // degrees, at the epoch
    double Epoch = 0;              // MJD
};

enum class ElementsProblem {
    None,
    NotFinite, // a number that is not finite
    NoGravity, // the gravitational parameter is not above 0
    NegativeEccentricity,
    Parabola,         // e = 1, or a state exactly on the escape speed
    AxisAgainstShape, // a > 0 with e > 1, a < 0 with e < 1, or a = 0
    AtCentre,         // a state at the centre of the body
    NoPlane,          // a state moving straight towards or away from the centre
};

struct StateAtTime {
    ElementsProblem Problem = ElementsProblem::None;
    OrbitState State; // meaningful only without a problem
};
struct ElementsAtTime {
    ElementsProblem Problem = ElementsProblem::None;
    OrbitalElements Elements; // meaningful only without a problem
};

// Where the elements put the body at the given time (MJD), round a body of gravitational
// parameter mu (m^3/s^2).
StateAtTime StateFromElements(const OrbitalElements& elements, double mu, double mjd);

// The elements of a state (simulator's frame) at the given time, which becomes their epoch.
// The node and the periapsis longitude come out in [0, 360), the inclination from 0 to 180;
// the mean longitude of a closed orbit in [0, 360), that of a hyperbola as it falls (its
// mean anomaly does not come round again).
ElementsAtTime ElementsFromState(const OrbitState& state, double mu, double mjd);
