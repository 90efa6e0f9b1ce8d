// Moving 5,000 orbiting ships to a new date as the start date's change does it: a scenario's
// ship rows (low, geostationary and eccentric orbits round the Earth, orbits round the Moon
// and a few escapes, each placed by elements first and written as position and velocity) read,
// moved along their orbits or turned with the surface, and written back, by the very function
// the session calls. Run it with no arguments; it prints the best of several runs for each
// date change and fails when one takes 20 ms or more.
#include "core/editing/date_change_moves.h"
#include "core/editing/orbiters_at_start.h"
#include "core/orbit/kepler_propagation.h"
#include "core/orbit/orbital_elements.h"
#include "core/text/text_rules.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {
constexpr int kShips = 5000;
constexpr int kRuns = 20;
constexpr double kGoalMs = 20;
constexpr double kG = 6.67259e-11;
constexpr double kEarthMu = kG * 5.973698968e24, kEarthRadius = 6.371e6;
constexpr double kMoonMu = kG * 7.342e22, kMoonRadius = 1.7374e6;
constexpr double kMjd = 51985.24;

PlanetData Body(bool moon) {
    PlanetData p;
    p.readable = p.Known = true;
    p.Mu = moon ? kMoonMu : kEarthMu;
    p.MeanRadius = moon ? kMoonRadius : kEarthRadius;
    p.rotation.Obliquity = moon ? 0.0269 : 0.4090928023;
    p.rotation.LanMjd = 51544.5;
    p.rotation.SidRotPeriod = moon ? 2360591.5 : 86164.0905;
    return p;
}

std::vector<OrbitingState> Ships() {
    std::mt19937 random(20240601);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<OrbitingState> ships;
    ships.reserve(kShips);
    while (int(ships.size()) < kShips) {
        const int kind = int(ships.size()) % 10;
        const bool moon = kind == 8;
        const double mu = moon ? kMoonMu : kEarthMu, radius = moon ? kMoonRadius : kEarthRadius;
        OrbitalElements el;
        if (kind < 5) { // low orbits
            el.SemiMajorAxis = radius + 2e5 + 1.8e6 * unit(random);
            el.Eccentricity = 0.02 * unit(random);
        } else if (kind == 5) { // geostationary and nearby
            el.SemiMajorAxis = 42164e3 + 1e5 * (unit(random) - 0.5);
            el.Eccentricity = 1e-4 * unit(random);
        } else if (kind < 8 || moon) { // transfer and other eccentric orbits
            const double rp = radius + 2e5 + 1e6 * unit(random);
            el.Eccentricity = 0.1 + 0.85 * unit(random);
            el.SemiMajorAxis = rp / (1 - el.Eccentricity);
        } else { // escapes
            const double rp = radius + 2e5 + 1e6 * unit(random);
            el.Eccentricity = 1.05 + 2 * unit(random);
            el.SemiMajorAxis = rp / (1 - el.Eccentricity);
        }
        el.Inclination = 180 * unit(random);
        el.AscendingNode = 360 * unit(random);
        el.PeriapsisLongitude = 360 * unit(random);
        el.MeanLongitude = el.PeriapsisLongitude + (el.Eccentricity < 1 ? 360 : 60) * (unit(random) - 0.5);
        el.Epoch = kMjd;
        const StateAtTime s = StateFromElements(el, mu, kMjd);
        if (s.Problem == ElementsProblem::None) ships.push_back({s.State, mu});
    }
    return ships;
}

// The ships as a scenario's rows, "Orbiting" round their body, by position and velocity.
ScenarioDocument Scenario(const std::vector<OrbitingState>& ships) {
    ScenarioDocument document;
    for (const OrbitingState& ship : ships) {
        ShipRow row;
        row.Name = QStringLiteral("S%1").arg(document.ShipTable.size());
        row.Status = QStringLiteral("Orbiting");
        row.StatusRef = ship.Mu == kMoonMu ? QStringLiteral("Moon") : QStringLiteral("Earth");
        const Vector3 &r = ship.State.Position, &v = ship.State.Velocity;
        const double values[6] = {r.X, r.Y, r.Z, v.X, v.Y, v.Z};
        for (int k = 0; k < 6; ++k)
            row.*kShipRowState[k] = NumberText(values[k]);
        document.ShipTable.push_back(row);
    }
    return document;
}
} // namespace

int main() {
    const ScenarioDocument document = Scenario(Ships());
    const int count = int(document.ShipTable.size());
    // The session reads each body's file once per change; here the data are at hand.
    const auto planetOf = [](const QString& body) { return Body(body == QLatin1String("Moon")); };
    bool met = true;
    std::printf("%d ships moved to a new start (best of %d runs):\n", kShips, kRuns);
    struct Change {
        DateChangeMove move;
        const char* name;
        double days;
    };
    for (const Change& change : {Change{DateChangeMove::AlongOrbit, "along their orbits", 1.5},
                                 Change{DateChangeMove::AlongOrbit, "along their orbits", -30.0},
                                 Change{DateChangeMove::AlongOrbit, "along their orbits", 3652.5},
                                 Change{DateChangeMove::WithSurface, "with the surface", 1.5}}) {
        double best = 1e300;
        std::size_t moved = 0;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            const std::vector<ShipRow> rows =
                ShipRowsMovedToDate(document, count, planetOf, kMjd, change.days * 86400, change.move);
            best = std::min(best, timer.nsecsElapsed() / 1e6);
            moved = 0;
            for (int i = 0; i < count; ++i)
                moved += rows[std::size_t(i)].RposX != document.ShipTable[std::size_t(i)].RposX;
        }
        // A ship may by chance come back to the digits it had; nearly all move.
        const bool ok = best < kGoalMs && moved + 5 >= std::size_t(count);
        met = met && ok;
        std::printf("  %-18s by %8.1f days: %7.2f ms, %zu moved (goal: under %.0f ms) %s\n", change.name,
                    change.days, best, moved, kGoalMs, ok ? "met" : "MISSED");
    }
    return met ? 0 : 1;
}
