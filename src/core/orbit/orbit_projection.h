#pragma once
// An orbit drawn flat: the conic of a state, sampled in three dimensions and seen along the
// frame's y axis (the north of whatever frame the state is given in), so that several orbits
// of one body can be drawn together in one plane.
#include "core/orbit/vector3.h"

#include <QPointF>
#include <QVector>

struct ProjectedOrbit {
    QVector<QPointF> Path; // (x, z) of each point; empty for a fall straight to or from the centre
    bool Closed = false;
    QPointF AtStart; // (x, z) of the state's own position
};

// The orbit of a state (simulator components, m and m/s) round a body of parameter mu: a closed
// one whole, an open one as far as the orbit panel follows it: four times the larger of its
// periapsis radius and the state's distance, and at least out to reach (m).
ProjectedOrbit ProjectedOrbitOf(const OrbitState& state, double mu, double reach, int samples = 360);
