#include "core/editing/scenario_map.h"

#include "core/orbit/equator_frame.h"
#include "core/orbit/orbit_projection.h"
#include "core/text/text_rules.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {
QString Key(const QString& name) {
    return Trim(name).toUpper();
}

bool IsLanded(const ShipRow& row) {
    return Key(row.Status) == QLatin1String("LANDED");
}

// What stands on or goes round each body, counted by the body's key.
struct BodyCounts {
    QHash<QString, int> ships; // ships and stations
    QHash<QString, int> bases;
    QHash<QString, QString> shown; // the name a body is shown by
    QStringList order;

    void Add(const QString& body, bool base) {
        const QString key = Key(body);
        if (key.isEmpty()) return;
        if (!shown.contains(key)) {
            shown.insert(key, Trim(body));
            order.append(key);
        }
        ++(base ? bases[key] : ships[key]);
    }
};

// The listed landed ship rows.
std::vector<int> LandedRows(const ScenarioDocument& document, int shipCount) {
    std::vector<int> rows;
    const int count = std::min<int>(shipCount, int(document.ShipTable.size()));
    for (int i = 0; i < count; ++i)
        if (IsLanded(document.ShipTable[std::size_t(i)])) rows.push_back(i);
    return rows;
}

const InstalledBase* BaseNamed(const std::vector<InstalledBase>& bases, const QString& body,
                               const QString& name) {
    for (const InstalledBase& base : bases)
        if (Key(base.body) == Key(body) && Key(base.name) == Key(name)) return &base;
    return nullptr;
}

// The bodies in the order of the system, the ones it does not list after them.
QStringList Offered(const BodyCounts& counts, const QStringList& systemBodies, const QString& asked) {
    QStringList keys = counts.order;
    if (!asked.isEmpty() && !keys.contains(asked)) keys.append(asked);
    QStringList offered;
    QStringList taken;
    for (const QString& listed : systemBodies) {
        const QString key = Key(listed);
        if (keys.contains(key) && !taken.contains(key)) {
            offered.append(Trim(listed));
            taken.append(key);
        }
    }
    for (const QString& key : keys)
        if (!taken.contains(key) && counts.shown.contains(key)) offered.append(counts.shown.value(key));
    return offered;
}

QString DefaultBody(const BodyCounts& counts, const QStringList& offered, const QString& focusBody) {
    if (!focusBody.isEmpty() && counts.ships.contains(Key(focusBody))) return Key(focusBody);
    QString best;
    int most = 0;
    for (const QString& body : offered) {
        const int n = counts.ships.value(Key(body));
        if (n > most) {
            most = n;
            best = Key(body);
        }
    }
    return best.isEmpty() && !offered.isEmpty() ? Key(offered.first()) : best;
}

QRectF Including(QRectF rect, const QPointF& p) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return rect;
    // Not QRectF::united: it passes over a rectangle of no size, which a point is.
    return QRectF(QPointF(std::min(rect.left(), p.x()), std::min(rect.top(), p.y())),
                  QPointF(std::max(rect.right(), p.x()), std::max(rect.bottom(), p.y())));
}
} // namespace

QString ScenarioMap::NothingText() const {
    return QStringLiteral("Nothing orbits or stands on %1.").arg(Body);
}

double WrappedLongitude(double degrees) {
    if (!std::isfinite(degrees)) return degrees;
    const double wrapped = std::fmod(degrees + 180.0, 360.0);
    return (wrapped < 0 ? wrapped + 360.0 : wrapped) - 180.0;
}

ScenarioMap ScenarioMapOf(const ScenarioMapSources& s, const QString& body) {
    const std::vector<OrbiterAtStart> orbiters =
        OrbitersAtStart(s.document, s.stationCount, s.shipCount, s.planetOf, s.startMjd);
    const std::vector<int> landed = LandedRows(s.document, s.shipCount);

    BodyCounts counts;
    QString focusBody;
    for (const OrbiterAtStart& o : orbiters) {
        counts.Add(o.Body, false);
        if (o.Kind != OrbiterKind::Station && o.Name == s.document.FocusShip) focusBody = o.Body;
    }
    for (int i : landed) {
        const ShipRow& row = s.document.ShipTable[std::size_t(i)];
        counts.Add(row.StatusRef, false);
        if (row.Name == s.document.FocusShip) focusBody = row.StatusRef;
    }
    for (const InstalledBase& base : s.bases)
        if (base.location) counts.Add(base.body, true);

    // A body asked for is shown when it is one of the system's or one something stands on.
    QString asked = Key(body);
    const bool known =
        counts.shown.contains(asked) || std::any_of(s.systemBodies.begin(), s.systemBodies.end(),
                                                    [&asked](const QString& b) { return Key(b) == asked; });
    if (!known) asked.clear();
    ScenarioMap map;
    map.Bodies = Offered(counts, s.systemBodies, asked);
    if (asked.isEmpty()) asked = DefaultBody(counts, map.Bodies, focusBody);
    if (asked.isEmpty() && !s.systemBodies.isEmpty()) {
        asked = Key(s.systemBodies.first());
        map.Bodies = Offered(counts, s.systemBodies, asked);
    }
    for (const QString& offered : map.Bodies)
        if (Key(offered) == asked) map.Body = offered;
    if (map.Body.isEmpty()) return map;

    const PlanetData planet = s.planetOf(map.Body);
    map.Radius = planet.Known ? planet.MeanRadius : 0;
    const EquatorFrame frame = EquatorFrameAt(planet.rotation, s.startMjd);
    // Open orbits are followed out as the orbit panel follows them (OutlineOfOrbit).
    const double reach = 4 * (map.Radius + planet.AtmosphereLimit);
    const double outer = std::max(map.Radius, 1.0);
    QRectF bounds(-outer, -outer, 2 * outer, 2 * outer);
    for (const OrbiterAtStart& o : orbiters) {
        if (Key(o.Body) != asked) continue;
        MapOrbit orbit;
        orbit.Kind = o.Kind;
        orbit.Name = o.Name;
        orbit.DockedAt = o.DockedAt;
        const ProjectedOrbit seen = ProjectedOrbitOf(EclipticToEquator(o.State, frame), planet.Mu, reach);
        orbit.AtStart = seen.AtStart;
        // A docked ship goes where its partner goes: its partner's path is drawn once.
        if (o.Kind != OrbiterKind::ShipDocked) {
            orbit.Path = seen.Path;
            orbit.Closed = seen.Closed;
        }
        for (const QPointF& p : orbit.Path)
            bounds = Including(bounds, p);
        bounds = Including(bounds, orbit.AtStart);
        map.Orbits.push_back(std::move(orbit));
    }
    map.Bounds = bounds;

    for (int i : landed) {
        const ShipRow& row = s.document.ShipTable[std::size_t(i)];
        if (Key(row.StatusRef) != asked) continue;
        MapLander lander;
        lander.Name = row.Name;
        if (LandedAtPosition(row)) {
            lander.Located = true;
            lander.Longitude = WrappedLongitude(LeadingNumber(row.Longitude));
            lander.Latitude = LeadingNumber(row.Latitude);
        } else {
            lander.Base = Trim(row.Base);
            lander.Pad = Trim(row.Pad);
            const InstalledBase* base = BaseNamed(s.bases, map.Body, row.Base);
            if (base && base->location) {
                lander.Located = true;
                lander.Longitude = WrappedLongitude(LeadingNumber(base->location->longitude));
                lander.Latitude = LeadingNumber(base->location->latitude);
            }
        }
        map.Landers.push_back(std::move(lander));
    }
    for (const InstalledBase& base : s.bases) {
        if (Key(base.body) != asked || !base.location) continue;
        map.Bases.push_back(MapBase{Trim(base.name),
                                    WrappedLongitude(LeadingNumber(base.location->longitude)),
                                    LeadingNumber(base.location->latitude)});
    }
    return map;
}
