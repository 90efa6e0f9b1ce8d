#pragma once
// The two location trees (stations with their dock ports, bases with their landing pads) as
// plain node lists. Nodes are kept in the order in which they are added; a node's parent is
// the position of an earlier node in the same list, or -1 for a root. The window turns a list
// into tree items; the rules that decide where a node goes live here.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// The picture of a node, also its kind.
enum TreeNodeImage {
    PlanetNodeImage = 1,
    MoonNodeImage = 2,
    StationNodeImage = 3,
    BaseNodeImage = 4,
    LandingPadNodeImage = 5,
    DockPortNodeImage = 6,
    ShipNodeImage = 7,
};

struct TreeNode {
    QString text;
    int image = PlanetNodeImage;
    int parent = -1;
    friend bool operator==(const TreeNode&, const TreeNode&) = default;
};
using TreeNodes = std::vector<TreeNode>;

// A station as the dock tree needs it: its name, the body it orbits and its class.
struct StationPlace {
    QString name;
    QString ref;
    QString className;
};

// A docked or landed ship: the station or base, and the port or pad number, as in its row.
struct ShipPlace {
    QString name;
    QString status;
    QString place;
    QString number;
};

// A port of a ship that the dock tree shows, numbered as ports are shown, with the ships at it.
struct ShipDockPort {
    int number = 1;
    QStringList ships;
    bool operator==(const ShipDockPort&) const = default;
};

// A ship that other ships dock at: shown in the dock tree under its planet, with its ports.
struct ShipStationPlace {
    QString name;
    QString planet;
    std::vector<ShipDockPort> ports; // in ascending order
    bool operator==(const ShipStationPlace&) const = default;
};

// The planets (roots) and their moons (listed with leading blanks) of the body list.
TreeNodes BodyNodes(const QStringList& bodies);

// Port counts by station class; the last entry of a class name wins, as the catalog is read.
class DockCounts {
  public:
    void Add(const QString& className, int dockCount);
    // The port count of the class; 0 for a class that is not known.
    int Count(const QString& className) const;

  private:
    QHash<QString, int> counts_; // by trimmed, upper-cased class name
};

// The dock tree without ships: bodies, each station under every node whose trimmed text is
// the station's trimmed planet (case counts), and its numbered ports.
TreeNodes StationTreeNodes(const QStringList& bodies, const std::vector<StationPlace>& stations,
                           const DockCounts& docks);

// The base tree without ships: bodies, and each base of the catalog under every node whose
// text is the base's body (trimmed, letter case ignored), with its numbered pads.
TreeNodes BaseTreeNodes(const QStringList& bodies, const QStringList& baseCatalog, int baseCount);

// Adds the ships that other ships dock at: each one under every body node (planet or moon) whose
// text is its planet (trimmed, letter case ignored), as a ship node with its numbered ports,
// and under each port the ships at it.
TreeNodes WithShipStations(TreeNodes nodes, const std::vector<ShipStationPlace>& stations);

// Adds a ship node under every port or pad that the ship occupies: ships whose status is
// wantedStatus (trimmed, letter case ignored), under each node with a parent whose digits are
// the ship's number and whose parent's text is the ship's station or base.
TreeNodes WithShips(TreeNodes nodes, const std::vector<ShipPlace>& ships, const QString& wantedStatus);

// The nodes to open so that every ship shows: its port or pad, the station or base, the body
// above it and the root of its branch; each once, in ascending order.
std::vector<int> NodesToExpand(const TreeNodes& nodes);

// Splits a base catalog entry Name:Pads:Body at its first two colons.
struct BaseCatalogParts {
    QString name;
    QString pads;
    QString body;
};
BaseCatalogParts SplitBaseCatalogEntry(const QString& entry);
