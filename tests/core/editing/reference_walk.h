#pragma once
// The location trees built the plain way: every station, base and ship compared with every
// node, nodes numbered in the order they are added, ship nodes removed one by one. The fast
// builders must give exactly these nodes.
#include "core/editing/location_trees.h"
#include "core/text/text_rules.h"

#include <utility>
#include <vector>

namespace reference {

inline TreeNodes Bodies(const QStringList& bodies) {
    TreeNodes nodes;
    int lastPlanet = 1;
    for (int p = 0; p < bodies.size(); ++p) {
        const QString& t = bodies[p];
        if (Trim(t).size() == t.size()) {
            lastPlanet = p + 1;
            nodes.push_back({t, 1, -1});
        } else {
            nodes.push_back({t, 2, lastPlanet - 1});
        }
    }
    return nodes;
}

inline int DockNumber(const std::vector<std::pair<QString, int>>& classes, const QString& className) {
    int result = 0;
    for (const auto& [name, count] : classes) {
        if (Trim(UCase(name)) == Trim(UCase(className))) result = count;
    }
    return result;
}

inline TreeNodes StationTree(const QStringList& bodies, const std::vector<StationPlace>& stations,
                             const std::vector<std::pair<QString, int>>& classes) {
    TreeNodes nodes = Bodies(bodies);
    for (const StationPlace& station : stations) {
        const int n = static_cast<int>(nodes.size());
        for (int k = 1; k <= n; ++k) {
            if (Trim(nodes[k - 1].text) != Trim(station.ref)) continue;
            nodes.push_back({station.name, 3, k - 1});
            const int stationNode = static_cast<int>(nodes.size());
            const int d = DockNumber(classes, station.className);
            for (int port = 1; port <= d; ++port)
                nodes.push_back({"Dock " + NumberText(port), 6, stationNode - 1});
        }
    }
    return nodes;
}

inline TreeNodes BaseTree(const QStringList& bodies, const QStringList& catalog, int count) {
    TreeNodes nodes = Bodies(bodies);
    for (int b = 0; b < count; ++b) {
        const QString e = catalog[b];
        const QString name = e.left(e.indexOf(':'));
        const QString rest = e.mid(e.indexOf(':') + 1);
        const QString pads = rest.left(rest.indexOf(':'));
        const QString body = rest.mid(rest.indexOf(':') + 1);
        const int n = static_cast<int>(nodes.size());
        for (int k = 1; k <= n; ++k) {
            if (Trim(UCase(nodes[k - 1].text)) != Trim(UCase(body))) continue;
            nodes.push_back({name, 4, k - 1});
            const int baseNode = static_cast<int>(nodes.size());
            if (LeadingNumber(pads) > 0)
                for (int pad = 1; pad <= LeadingNumber(pads); ++pad)
                    nodes.push_back({"Landing pad " + NumberText(pad), 5, baseNode - 1});
        }
    }
    return nodes;
}

// Removes node k (counted from 1) with everything below it, as a tree view does.
inline void RemoveNode(TreeNodes& nodes, int k) {
    std::vector<char> gone(nodes.size(), 0);
    gone[k - 1] = 1;
    for (size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].parent >= 0 && gone[nodes[i].parent]) gone[i] = 1;
    TreeNodes kept;
    std::vector<int> renumber(nodes.size(), -1);
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (gone[i]) continue;
        renumber[i] = static_cast<int>(kept.size());
        TreeNode node = nodes[i];
        node.parent = node.parent < 0 ? -1 : renumber[node.parent];
        kept.push_back(node);
    }
    nodes = kept;
}

inline void PlaceShips(TreeNodes& nodes, const std::vector<ShipPlace>& ships, const QString& status) {
    for (int k = 1; k <= static_cast<int>(nodes.size()); ++k) {
        if (nodes[k - 1].image == 7) {
            RemoveNode(nodes, k);
            if (k > 1) --k;
        }
    }
    for (const ShipPlace& ship : ships) {
        if (Trim(UCase(ship.status)) != UCase(status)) continue;
        const int n = static_cast<int>(nodes.size());
        for (int k = 1; k <= n; ++k) {
            const TreeNode node = nodes[k - 1];
            if (node.parent >= 0 && Trim(GetNumberValue(node.text)) == Trim(ship.number) &&
                Trim(UCase(nodes[node.parent].text)) == Trim(UCase(ship.place)))
                nodes.push_back({ship.name, 7, k - 1});
        }
    }
}

} // namespace reference
