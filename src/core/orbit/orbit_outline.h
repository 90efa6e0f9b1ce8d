#pragma once
// The geometry of the orbit drawing, in metres, in the orbit's own plane: the planet's centre
// at the origin, +x towards the ascending node (or the reference direction +X of an orbit that
// lies in the reference plane), +y a quarter turn further in the direction of motion. The node
// and the reference direction are those of the figures' frame: for a ship, the ecliptic and
// the simulator's +x (see orbit_insight.h). The window only maps it to pixels.
#include "core/orbit/orbit_insight.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QVector>

struct OrbitOutline {
    QVector<QPointF> Path; // the orbit, or the part of an escape trajectory near the planet
    bool Closed = false;   // the path returns to its start
    QPointF Periapsis;
    QPointF Apoapsis; // only for a closed orbit
    QPointF Body;     // where the station or ship is
    double PlanetRadius = 0;
    double AtmosphereRadius = 0; // planet radius plus the atmosphere limit
    QRectF Bounds;               // holds the path, the planet with its atmosphere, and the body
};

// The outline of an orbit worked out by the insight; an escape trajectory is followed out
// to a few times the larger of its periapsis radius and the body's distance.
OrbitOutline OutlineOfOrbit(const OrbitFigures& figures, const PlanetData& planet, int samples = 720);

// How a drawing of the given bounds fits a view: pixels per metre and the view point of the
// origin, keeping the aspect and a margin (pixels) on every side, with y turned to point up.
struct OrbitViewMapping {
    double Scale = 0;
    QPointF Origin;
    QPointF Map(const QPointF& metres) const {
        return {Origin.x() + metres.x() * Scale, Origin.y() - metres.y() * Scale};
    }
};
OrbitViewMapping FitOrbitView(const QRectF& bounds, const QSizeF& view, double margin);

// The length of a scale bar: the largest 1, 2 or 5 times a power of ten (metres) that does
// not exceed the given length; 0 for a length that is not positive.
double ScaleBarLength(double atMost);
