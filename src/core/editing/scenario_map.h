#pragma once
// The whole scenario at a glance, body by body: the orbits of every ship and station round the
// body, seen from above its equator at the start, and the ships landed on it with its bases on a
// longitude-latitude map. The map window only draws what this gives.
#include "core/editing/orbiters_at_start.h"
#include "core/installation/base_catalog.h"
#include "core/installation/planet_data.h"
#include "core/scenario/scenario_document.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <vector>

// One orbit round the body, in its equator plane at the start (metres, the body's centre at the
// origin, x along the equator frame's x, y along its z): seen from the north, so that an
// eastward orbit turns anticlockwise.
struct MapOrbit {
    OrbiterKind Kind = OrbiterKind::Station;
    QString Name;
    QString DockedAt;      // a docked ship: what it shares its place with; it has no path of its own
    QVector<QPointF> Path; // the orbit; an open one only near the body
    bool Closed = false;
    QPointF AtStart; // where it is at the start
};

// A ship landed on the body, where it stands in degrees (longitude east, -180 to 180).
struct MapLander {
    QString Name;
    QString Base; // on a pad: the base and the pad as the row names them; empty at a position
    QString Pad;
    bool Located = false; // false: its base is not known, or its base has no location
    double Longitude = 0;
    double Latitude = 0;
};

struct MapBase {
    QString Name;
    double Longitude = 0; // -180 to 180
    double Latitude = 0;
};

struct ScenarioMap {
    // The bodies something goes round or stands on, in the order of the system (bodies that the
    // system does not list after its own), and the one this map shows.
    QStringList Bodies;
    QString Body;
    double Radius = 0; // the body's mean radius, m; 0 when its data are not known
    std::vector<MapOrbit> Orbits;
    std::vector<MapLander> Landers;
    std::vector<MapBase> Bases;
    QRectF Bounds; // holds the body and every orbit and position
    bool Empty() const { return Orbits.empty() && Landers.empty() && Bases.empty(); }
    // What the window says in place of a picture when there is nothing to draw.
    QString NothingText() const;
};

// What the map is made of, as the session holds it.
struct ScenarioMapSources {
    const ScenarioDocument& document;
    int stationCount = 0;
    int shipCount = 0;
    QStringList systemBodies; // the bodies of the system, a moon's name after blanks as listed
    std::function<PlanetData(const QString&)> planetOf;
    std::vector<InstalledBase> bases;
    double startMjd = 0;
};

// The map of the body asked for (letter case ignored). An empty or unknown name shows the body of
// the user-controlled ship, else the one with most ships and stations, else the first of the
// system. A body asked for stays offered while nothing is left on it, so that the window keeps
// showing it through an edit and its undo.
ScenarioMap ScenarioMapOf(const ScenarioMapSources& sources, const QString& body);

// A longitude brought into -180 to 180 (180 itself becomes -180).
double WrappedLongitude(double degrees);
