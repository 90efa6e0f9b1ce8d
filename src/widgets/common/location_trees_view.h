#pragma once
// The two location trees of the ship tab as widgets: every item keeps its image number
// (1 to 7) in data(0, Qt::UserRole) and shows the matching picture.
#include "core/editing/location_trees.h"

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Makes "ShipDockedTree" or "ShipLandingTree" with its tooltip.
QTreeWidget* MakeLocationTree(QWidget* parent, const QString& objectName);

// Replaces every item of the tree by the nodes.
void FillLocationTree(QTreeWidget* tree, const TreeNodes& nodes);

// The nodes of the tree, parents before their children; items, when asked for, in the same order.
TreeNodes ReadLocationTree(const QTreeWidget* tree, std::vector<QTreeWidgetItem*>* items = nullptr);

// Takes every ship item off the tree, then hangs the ships that other ships dock at under their
// planets with their ports (in the dock tree), then each ship of the given status under the
// port or pad it occupies, and opens the way to it. Items that stay keep their open state.
void ShowShipsInTree(QTreeWidget* tree, const std::vector<ShipPlace>& ships, const QString& status,
                     const std::vector<ShipStationPlace>& shipStations = {});

// What a port of a ship says to the user who would pick it.
inline const QString kShipPortTip =
    QStringLiteral("A port of a ship: a double click on a free one docks the ship shown at it, by a DOCKINFO "
                   "pair on both ships.");
