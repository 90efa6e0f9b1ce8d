#pragma once
// Picking a free landing pad or dock port in the location trees. A tree node is described by
// its text, image number, child count and the texts of the nodes above it, so that the rule
// is the same for the window and its tests.
#include "core/editing/location_trees.h"

#include <QString>
#include <optional>

// A tree item as the pickers see it.
struct PickNode {
    QString text;
    int image = 0;
    int childCount = 0;
    std::optional<QString> parentText;      // empty for a root node
    std::optional<QString> grandparentText; // empty without a grandparent
    int parentImage = 0;                    // 0 for a root node
};

struct LocationPick {
    QString number;      // pad or port number, trimmed
    QString place;       // base or station: the parent's text
    QString planet;      // the body: the grandparent's text
    bool ofShip = false; // a port of a ship: the ship edited docks to it by a DOCKINFO pair
};

// A free pad: a pad node ("Landing pad <n>") without a landed ship under it.
std::optional<LocationPick> PadPick(const PickNode& node);
// A free dock port: a port node ("Dock <n>") of a station or of a ship without a docked ship
// under it.
std::optional<LocationPick> PortPick(const PickNode& node);
