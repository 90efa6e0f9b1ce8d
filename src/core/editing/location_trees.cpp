#include "core/editing/location_trees.h"

#include "core/text/text_rules.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {
// A pad count read back from the catalog is a 16-bit count at most; a base name holding a
// colon could otherwise make a huge number of pads out of a stray word.
constexpr int kMostPads = 32767;

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
    return counts_.value(UpperTrim(className), 0);
}

TreeNodes StationTreeNodes(const QStringList& bodies, const std::vector<StationPlace>& stations,
                           const DockCounts& docks) {
    TreeNodes nodes = BodyNodes(bodies);
    NodeIndex byText;
    for (int k = 0; k < static_cast<int>(nodes.size()); ++k)
        byText[Trim(nodes[k].text)].push_back(k);
    NumberedTexts ports(QStringLiteral("Dock "));
    for (const StationPlace& station : stations) {
        const auto found = byText.constFind(Trim(station.ref));
        if (found == byText.constEnd()) continue;
        // Nodes added for this station are not candidates for it, so take the matches first.
        const std::vector<int> matches = *found;
        const int dockCount = docks.Count(station.className);
        for (int k : matches) {
            const int stationNode = AddNode(nodes, station.name, StationNodeImage, k);
            byText[Trim(station.name)].push_back(stationNode);
            for (int n = 1; n <= dockCount; ++n) {
                const int port = AddNode(nodes, ports.Text(n), DockPortNodeImage, stationNode);
                byText[Trim(nodes[port].text)].push_back(port);
            }
        }
    }
    return nodes;
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
    TreeNodes nodes = BodyNodes(bodies);
    NodeIndex byText;
    for (int k = 0; k < static_cast<int>(nodes.size()); ++k)
        byText[UpperTrim(nodes[k].text)].push_back(k);
    NumberedTexts pads(QStringLiteral("Landing pad "));
    const int count = std::min<int>(baseCount, static_cast<int>(baseCatalog.size()));
    for (int b = 0; b < count; ++b) {
        const BaseCatalogParts parts = SplitBaseCatalogEntry(baseCatalog[b]);
        const auto found = byText.constFind(UpperTrim(parts.body));
        if (found == byText.constEnd()) continue;
        const std::vector<int> matches = *found;
        const double padValue = LeadingNumber(parts.pads);
        const int padCount =
            padValue > 0 ? static_cast<int>(std::min<double>(std::floor(padValue), kMostPads)) : 0;
        for (int k : matches) {
            const int baseNode = AddNode(nodes, parts.name, BaseNodeImage, k);
            byText[UpperTrim(parts.name)].push_back(baseNode);
            for (int n = 1; n <= padCount; ++n) {
                const int pad = AddNode(nodes, pads.Text(n), LandingPadNodeImage, baseNode);
                byText[UpperTrim(nodes[pad].text)].push_back(pad);
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
