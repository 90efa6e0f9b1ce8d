#include "core/editing/date_change_moves.h"

#include "core/editing/orbiters_at_start.h"
#include "core/orbit/kepler_propagation.h"
#include "core/orbit/surface_turning.h"
#include "core/text/text_rules.h"

#include <QHash>

std::vector<int> ShipsOrbitingByState(const ScenarioDocument& document, int shipCount) {
    std::vector<int> rows;
    const int count = std::min<int>(shipCount, int(document.ShipTable.size()));
    for (int i = 0; i < count; ++i) {
        const ShipRow& row = document.ShipTable[i];
        if (Trim(row.Status).compare(QLatin1String("Orbiting"), Qt::CaseInsensitive) == 0 &&
            Trim(row.ElementsSemiMajorAxis).isEmpty())
            rows.push_back(i);
    }
    return rows;
}

std::vector<std::optional<OrbitState>> MovedShipStates(const std::vector<ShipToMove>& ships, double seconds,
                                                       DateChangeMove move) {
    std::vector<std::optional<OrbitState>> moved;
    moved.reserve(ships.size());
    for (const ShipToMove& ship : ships) {
        switch (move) {
        case DateChangeMove::Keep:
            moved.push_back(ship.State);
            break;
        case DateChangeMove::AlongOrbit:
            moved.push_back(PropagateKepler(ship.State, ship.Mu, seconds));
            break;
        case DateChangeMove::WithSurface:
            moved.push_back(TurnedWithSurface(ship.State, ship.Frame, ship.SiderealPeriod, seconds));
            break;
        }
    }
    return moved;
}

std::vector<ShipRow> ShipRowsMovedToDate(const ScenarioDocument& document, int shipCount,
                                         const std::function<PlanetData(const QString&)>& planetOf,
                                         double startMjd, double seconds, DateChangeMove move) {
    std::vector<ShipRow> rows = document.ShipTable;
    if (move == DateChangeMove::Keep || seconds == 0) return rows;
    // Each body's file read and its equator worked out once.
    struct Body {
        bool known = false;
        double mu = 0, period = 0;
        EquatorFrame frame;
    };
    QHash<QString, Body> bodies;
    std::vector<int> which;
    std::vector<ShipToMove> ships;
    for (int i : ShipsOrbitingByState(document, shipCount)) {
        const std::optional<OrbitState> state = ShipRowState(rows[std::size_t(i)]);
        const QString body = Trim(rows[std::size_t(i)].StatusRef);
        if (!state || body.isEmpty()) continue;
        auto found = bodies.find(body);
        if (found == bodies.end()) {
            const PlanetData planet = planetOf(body);
            found = bodies.insert(body, {planet.Known, planet.Mu, planet.rotation.SidRotPeriod,
                                         EquatorFrameAt(planet.rotation, startMjd)});
        }
        const Body& b = found.value();
        if (!b.known) continue;
        which.push_back(i);
        ships.push_back({*state, b.mu, b.frame, b.period});
    }
    const std::vector<std::optional<OrbitState>> moved = MovedShipStates(ships, seconds, move);
    for (std::size_t k = 0; k < which.size(); ++k) {
        if (!moved[k]) continue;
        const Vector3& r = moved[k]->Position;
        const Vector3& v = moved[k]->Velocity;
        const double values[6] = {r.X, r.Y, r.Z, v.X, v.Y, v.Z};
        ShipRow& row = rows[std::size_t(which[k])];
        for (int c = 0; c < 6; ++c)
            row.*kShipRowState[c] = NumberText(values[c]);
    }
    return rows;
}
