#pragma once
// Orbit insight: what an orbit does, worked out from the figures the user enters, so that
// the station and ship tabs can show the periapsis, apoapsis and period while the user types.
// Nothing here changes what is validated or stored; it only computes what is shown.
//
// Frames. The maths works in a right-handed frame whose X-Y plane is the reference plane and
// whose +Z is its north pole: the inclination is the angle between the orbit's angular
// momentum and +Z, and the ascending node is where the body crosses the X-Y plane going
// towards +Z. The simulator gives a ship's position and velocity in its own frame, the
// ecliptic frame of the reference body: left-handed, x and z in the ecliptic and +y towards
// the ecliptic north pole. Its (x, z, y) is right-handed with the pole third, which is the
// frame of the maths (FromSimulatorFrame, vector3.h). Angles leave these functions in degrees.
#include "core/installation/planet_data.h"
#include "core/orbit/vector3.h"

#include <QString>
#include <limits>

// Where the lowest point of an orbit lies.
enum class PeriapsisPlace { Clear, InsideAtmosphere, BelowSurface };

// Compares a periapsis radius with the planet: touching the surface counts as below it, and
// touching the atmosphere's upper limit counts as inside it.
PeriapsisPlace PlaceOfPeriapsis(double periapsisRadius, const PlanetData& planet);

// The shape of an orbit and where the body is on it, the common ground of stations and ships.
struct OrbitFigures {
    bool Closed = false;      // an ellipse; false for an escape trajectory
    double SemiMajorAxis = 0; // m; negative for a hyperbola, infinite for a parabola
    double Eccentricity = 0;
    double SemiLatusRectum = 0; // m
    double Inclination = 0;     // degrees, 0 to 180
    // Degrees to the body's equator at the scenario's start: only the ship panel, which knows the
    // start, works it out; not a number until then.
    double EquatorInclination = std::numeric_limits<double>::quiet_NaN();
    double AscendingNode = 0;       // degrees, 0 to 360
    double ArgumentOfPeriapsis = 0; // degrees from the ascending node, in the orbit's plane
    double TrueAnomaly = 0;         // degrees from the periapsis, in the orbit's plane
    double PeriapsisRadius = 0;     // m from the planet's centre
    double ApoapsisRadius = 0;      // m; infinite for an escape trajectory
    double PeriapsisAltitude = 0;   // m above the mean radius
    double ApoapsisAltitude = 0;    // m; infinite for an escape trajectory
    double Period = 0;              // s; infinite for an escape trajectory
    double Radius = 0;              // m, the body's present distance from the centre
    double Altitude = 0;            // m above the mean radius
    double Speed = 0;               // m/s
    PeriapsisPlace Periapsis = PeriapsisPlace::Clear;
};

// Why no figures could be worked out.
enum class OrbitInsightProblem {
    None,
    Blank,        // every figure the orbit needs is blank: an empty tab, nothing to say
    NoPlanetData, // the planet file lacks a usable mass or mean radius
    NotANumber,   // a figure the orbit needs is not a number
    OutOfRange,   // semi-major axis not positive, or eccentricity not from 0 to below 1
    AtCentre,     // a ship placed at the planet's centre
};

struct OrbitInsight {
    OrbitInsightProblem Problem = OrbitInsightProblem::None;
    OrbitFigures Figures; // meaningful only without a problem
};

// The six elements of a station as they stand in the text boxes: semi-major axis in metres,
// eccentricity, then inclination, ascending node longitude, periapsis longitude and mean
// longitude in degrees.
struct StationElementTexts {
    QString SemiMajorAxis, Excentricity, Inclination, AscendingNodeLongitude, PeriapsisLongitude,
        MeanLongitude;
};
OrbitInsight StationOrbitInsight(const StationElementTexts& texts, const PlanetData& planet);

// A ship's position (m) and velocity (m/s) relative to the planet's centre, as typed: in the
// simulator's frame, +y towards the ecliptic north pole.
struct ShipStateTexts {
    QString RposX, RposY, RposZ, RvelX, RvelY, RvelZ;
};
OrbitInsight ShipOrbitInsight(const ShipStateTexts& texts, const PlanetData& planet);

// The same from numbers: the closed orbit of six elements (a > 0, 0 <= e < 1), and the
// orbit of a state vector (in the frame of the maths) relative to the centre of a body of
// gravitational parameter mu.
OrbitFigures FiguresFromElements(double semiMajorAxis, double eccentricity, double inclination,
                                 double ascendingNode, double periapsisLongitude, double meanLongitude,
                                 const PlanetData& planet);
OrbitFigures FiguresFromState(const Vector3& position, const Vector3& velocity, const PlanetData& planet);

// The period of a closed orbit of semi-major axis a (m) round a body of parameter mu.
double OrbitalPeriod(double semiMajorAxis, double mu);

// A figure as the insight reads it: the number that leads the text, provided the text
// (blanks aside) starts with one; "6.7e6" counts, "abc" and "" do not.
bool InsightNumber(const QString& text, double* value);
