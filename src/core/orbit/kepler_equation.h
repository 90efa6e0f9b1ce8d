#pragma once
// Kepler's equation, the link between the time since periapsis and the place on the orbit
// (Vallado, Fundamentals of Astrodynamics and Applications, section 2.2, algorithms 2 and 4).
// Both solvers are Newton's method kept inside a shrinking bracket, so that no eccentricity
// and no starting guess can make them stray, and both stop after a bounded number of steps.

// The eccentric anomaly E of a mean anomaly M, both in radians, for 0 <= e < 1:
// E - e sin E = M. M may be any number of turns; E keeps those turns.
double EccentricAnomaly(double meanAnomaly, double eccentricity);

// The hyperbolic anomaly H of a mean anomaly M (radians) for e > 1: e sinh H - H = M.
double HyperbolicAnomaly(double meanAnomaly, double eccentricity);
