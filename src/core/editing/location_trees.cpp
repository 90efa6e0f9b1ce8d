#include "core/editing/location_trees.h"

#include "core/text/text_rules.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {
// A pad count read back from the catalog is a 16-bit count at most; a base name holding a
// colon could otherwise make a huge number of pads out of a stray word.
constexpr int kMostPads = 32767;
// Port texts made once and kept; a pair may name a port far beyond them.
constexpr int kKeptPortTexts = 64;

// Nodes looked up by a text key; each key keeps its nodes in the order they were added, so a
// walk over the matches visits them as a walk over all nodes would.
using NodeIndex = QHash<QString, std::vector<int>>;

int AddNode(TreeNodes& nodes, const QString& text, int image, int parent) {
    nodes.push_back(TreeNode{text, image, parent});
    return static_cast<int>(nodes.size()) - 1;
}

// Numbered texts ("Dock  1", "Dock  2", ...) made once per build.
class NumberedTexts {
  public:
    explicit NumberedTexts(QString word) : word_(std::move(word)) {}
    const QString& Text(int n) {
        while (static_cast<int>(texts_.size()) < n)
            texts_.push_back(word_ + NumberText(static_cast<double>(texts_.size() + 1)));
        return texts_[n - 1];
    }

  private:
    QString word_;
    std::vector<QString> texts_;
};

// Trim(GetNumberValue(text)) without the detour through a number for the usual short labels:
// the digits of the text without leading zeros are the same text as long as they stay below
// the fifteen significant digits that NumberText keeps.
QString NumberKey(const QString& text) {
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9' && !(c == u'0' && digits.isEmpty())) digits += c;
    }
    if (digits.size() < 15) return digits.isEmpty() ? QStringLiteral("0") : digits;
    return Trim(GetNumberValue(text));
}

QString UpperTrim(const QString& text) {
    return Trim(UCase(text));
}

// The bodies, and places (stations or bases) added under every node whose key is the key of
// the place's body, each place with its numbered children (ports or pads). A key is a text as
// the tree compares it: trimmed for stations, trimmed and upper-cased for bases.
class PlaceTree {
  public:
    using Key = QString (*)(const QString&);
    PlaceTree(const QStringList& bodies, Key key, const QString& childWord, int placeImage, int childImage)
        : nodes_(BodyNodes(bodies)), key_(key), childTexts_(childWord), placeImage_(placeImage),
          childImage_(childImage) {
        for (int k = 0; k < static_cast<int>(nodes_.size()); ++k)
            byKey_[key_(nodes_[k].text)].push_back(k);
    }

    void Add(const QString& body, const QString& name, int childCount) {
        const auto found = byKey_.constFind(key_(body));
        if (found == byKey_.constEnd()) return;
        // Nodes added for this place are not candidates for it, so take the matches first.
        const std::vector<int> matches = *found;
        for (int k : matches) {
            const int place = Node(name, placeImage_, k);
            for (int n = 1; n <= childCount; ++n)
                Node(childTexts_.Text(n), childImage_, place);
        }
    }

    TreeNodes Take() { return std::move(nodes_); }

  private:
    int Node(const QString& text, int image, int parent) {
        const int k = AddNode(nodes_, text, image, parent);
        byKey_[key_(text)].push_back(k);
        return k;
    }

    TreeNodes nodes_;
    Key key_;
    NodeIndex byKey_;
    NumberedTexts childTexts_;
    int placeImage_;
    int childImage_;
};
} // namespace

TreeNodes BodyNodes(const QStringList& bodies) {
    TreeNodes nodes;
    nodes.reserve(bodies.size());
    int lastPlanet = 0;
    for (const QString& body : bodies) {
        const bool planet = Trim(body).size() == body.size();
        const int self = static_cast<int>(nodes.size());
        if (planet) lastPlanet = self;
        // A moon listed before any planet has no planet to hang under; it stays a root.
        const int parent = planet || lastPlanet >= self ? -1 : lastPlanet;
        AddNode(nodes, body, planet ? PlanetNodeImage : MoonNodeImage, parent);
    }
    return nodes;
}

void DockCounts::Add(const QString& className, int dockCount) {
    counts_.insert(UpperTrim(className), dockCount);
}

int DockCounts::Count(const QString& className) const {
    if (counts_.isEmpty()) return 0;
    return counts_.value(UpperTrim(className), 0);
}

TreeNodes StationTreeNodes(const QStringList& bodies, const std::vector<StationPlace>& stations,
                           const DockCounts& docks) {
    PlaceTree tree(bodies, Trim, QStringLiteral("Dock "), StationNodeImage, DockPortNodeImage);
    for (const StationPlace& station : stations)
        tree.Add(station.ref, station.name, docks.Count(station.className));
    return tree.Take();
}

BaseCatalogParts SplitBaseCatalogEntry(const QString& entry) {
    auto split = [](const QString& text, QString& before, QString& after) {
        const qsizetype colon = text.indexOf(u':');
        before = colon < 0 ? text : text.left(colon);
        after = colon < 0 ? QString() : text.mid(colon + 1);
    };
    BaseCatalogParts parts;
    QString rest;
    split(entry, parts.name, rest);
    split(rest, parts.pads, parts.body);
    return parts;
}

TreeNodes BaseTreeNodes(const QStringList& bodies, const QStringList& baseCatalog, int baseCount) {
    PlaceTree tree(bodies, UpperTrim, QStringLiteral("Landing pad "), BaseNodeImage, LandingPadNodeImage);
    const int count = std::min<int>(baseCount, static_cast<int>(baseCatalog.size()));
    for (int b = 0; b < count; ++b) {
        const BaseCatalogParts parts = SplitBaseCatalogEntry(baseCatalog[b]);
        const double padValue = LeadingNumber(parts.pads);
        const int padCount =
            padValue > 0 ? static_cast<int>(std::min<double>(std::floor(padValue), kMostPads)) : 0;
        tree.Add(parts.body, parts.name, padCount);
    }
    return tree.Take();
}

TreeNodes WithShipStations(TreeNodes nodes, const std::vector<ShipStationPlace>& stations) {
    if (stations.empty()) return nodes;
    NodeIndex bodies;
    for (int k = 0; k < static_cast<int>(nodes.size()); ++k) {
        if (nodes[k].image == PlanetNodeImage || nodes[k].image == MoonNodeImage)
            bodies[UpperTrim(nodes[k].text)].push_back(k);
    }
    NumberedTexts portTexts(QStringLiteral("Dock "));
    for (const ShipStationPlace& station : stations) {
        const auto found = bodies.constFind(UpperTrim(station.planet));
        if (found == bodies.constEnd()) continue;
        for (int body : *found) {
            const int ship = AddNode(nodes, station.name, ShipNodeImage, body);
            for (const ShipDockPort& port : station.ports) {
                if (port.number < 1) continue;
                // A pair may name any port: only the texts of the first ports are kept for reuse.
                const QString text =
                    port.number <= kKeptPortTexts
                        ? portTexts.Text(port.number)
                        : QStringLiteral("Dock ") + NumberText(static_cast<double>(port.number));
                const int portNode = AddNode(nodes, text, DockPortNodeImage, ship);
                for (const QString& docked : port.ships)
                    AddNode(nodes, docked, ShipNodeImage, portNode);
            }
        }
    }
    return nodes;
}

TreeNodes WithShips(TreeNodes nodes, const std::vector<ShipPlace>& ships, const QString& wantedStatus) {
    const QString status = UCase(wantedStatus);
    // Only ports and pads under a station or base that some ship names can take a ship, so
    // the digits of the other nodes are never worked out.
    QHash<QString, bool> wantedPlaces;
    for (const ShipPlace& ship : ships) {
        if (UpperTrim(ship.status) == status) wantedPlaces.insert(UpperTrim(ship.place), true);
    }
    if (wantedPlaces.isEmpty()) return nodes;

    std::vector<QString> upperText;
    upperText.reserve(nodes.size() + ships.size());
    for (const TreeNode& node : nodes)
        upperText.push_back(UpperTrim(node.text));

    NodeIndex byPlaceAndNumber;
    auto indexNode = [&](int k) {
        const int parent = nodes[k].parent;
        if (parent < 0 || !wantedPlaces.contains(upperText[parent])) return;
        byPlaceAndNumber[upperText[parent] + QChar(0) + NumberKey(nodes[k].text)].push_back(k);
    };
    for (int k = 0; k < static_cast<int>(nodes.size()); ++k)
        indexNode(k);

    for (const ShipPlace& ship : ships) {
        if (UpperTrim(ship.status) != status) continue;
        const auto found = byPlaceAndNumber.constFind(UpperTrim(ship.place) + QChar(0) + Trim(ship.number));
        if (found == byPlaceAndNumber.constEnd()) continue;
        const std::vector<int> matches = *found;
        for (int k : matches) {
            const int shipNode = AddNode(nodes, ship.name, ShipNodeImage, k);
            upperText.push_back(UpperTrim(ship.name));
            indexNode(shipNode);
        }
    }
    return nodes;
}

std::vector<int> NodesToExpand(const TreeNodes& nodes) {
    std::vector<char> expand(nodes.size(), 0);
    const int size = static_cast<int>(nodes.size());
    auto parentOf = [&](int k) { return k >= 0 && k < size ? nodes[k].parent : -1; };
    for (int k = 0; k < size; ++k) {
        if (nodes[k].image != ShipNodeImage) continue;
        // Port or pad, station or base, the body, each only where the branch is that deep.
        int up = nodes[k].parent;
        for (int level = 0; level < 3 && up >= 0 && up < size; ++level) {
            expand[up] = 1;
            up = parentOf(up);
        }
        // Parents always come before their children, so the climb ends within size steps.
        int root = nodes[k].parent;
        for (int steps = 0; parentOf(root) >= 0 && steps < size; ++steps)
            root = parentOf(root);
        if (root >= 0 && root < size) expand[root] = 1;
    }
    std::vector<int> result;
    for (int k = 0; k < size; ++k) {
        if (expand[k]) result.push_back(k);
    }
    return result;
}
