// Moving 5,000 orbiting ships to a new date along their orbits: low, geostationary and
// eccentric orbits round the Earth, orbits round the Moon and a few escapes, each ship
// placed by elements first. Run it with no arguments; it prints the best of several runs for
// each date change and fails when one takes 20 ms or more.
#include "core/orbit/kepler_propagation.h"
#include "core/orbit/orbital_elements.h"

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
} // namespace

int main() {
    const std::vector<OrbitingState> ships = Ships();
    bool met = true;
    std::printf("%d ships moved along their orbits (best of %d runs):\n", kShips, kRuns);
    for (const double days : {1.5, -30.0, 3652.5}) {
        double best = 1e300;
        std::size_t moved = 0;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            const std::vector<std::optional<OrbitState>> result = MoveAlongOrbits(ships, days * 86400);
            best = std::min(best, timer.nsecsElapsed() / 1e6);
            moved = std::size_t(
                std::count_if(result.begin(), result.end(), [](const auto& s) { return bool(s); }));
        }
        const bool ok = best < kGoalMs && moved == ships.size();
        met = met && ok;
        std::printf("  by %8.1f days: %7.2f ms, %zu moved (goal: under %.0f ms) %s\n", days, best, moved,
                    kGoalMs, ok ? "met" : "MISSED");
    }
    return met ? 0 : 1;
}
