#pragma once
// Large, fixed inputs for the benchmarks: a planetary system of planets with four moons each,
// stations on every body, station classes of 1 to 12 ports, and ships on ports and pads.
#include "core/editing/location_trees.h"
#include "core/text/text_rules.h"

#include <QRandomGenerator>
#include <QStringList>

namespace bench {

// planets planets, each followed by four moons listed with three leading blanks.
inline QStringList Bodies(int planets) {
    QStringList bodies;
    for (int p = 0; p < planets; ++p) {
        bodies << QString("Planet%1").arg(p);
        for (int m = 0; m < 4; ++m)
            bodies << QString("   Moon%1_%2").arg(p).arg(m);
    }
    return bodies;
}

inline std::vector<std::pair<QString, int>> StationClasses(int count) {
    std::vector<std::pair<QString, int>> classes;
    for (int c = 0; c < count; ++c)
        classes.emplace_back(QString("Class%1").arg(c), 1 + c % 12);
    return classes;
}

inline std::vector<StationPlace> Stations(const QStringList& bodies, int count, int classes) {
    QRandomGenerator random(7);
    std::vector<StationPlace> stations;
    for (int s = 0; s < count; ++s)
        stations.push_back({QString("Station%1").arg(s), Trim(bodies[random.bounded(int(bodies.size()))]),
                            QString("Class%1").arg(random.bounded(classes))});
    return stations;
}

// Ships at random ports of random stations (or pads of random bases); some ports do not exist.
inline std::vector<ShipPlace> Ships(int count, const QString& status, const QString& placeWord, int places) {
    QRandomGenerator random(11);
    std::vector<ShipPlace> ships;
    for (int j = 0; j < count; ++j)
        ships.push_back({QString("Ship%1").arg(j), status,
                         QString("%1%2").arg(placeWord).arg(random.bounded(places)),
                         QString::number(1 + random.bounded(12))});
    return ships;
}

inline QStringList BaseCatalog(const QStringList& bodies, int count) {
    QRandomGenerator random(13);
    QStringList catalog;
    for (int b = 0; b < count; ++b)
        catalog << QString(" Base%1").arg(b) + ":" + NumberText(1 + random.bounded(12)) + ":" +
                       Trim(bodies[random.bounded(int(bodies.size()))]);
    return catalog;
}

} // namespace bench
