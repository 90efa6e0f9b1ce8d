#include "widgets/common/location_trees_view.h"

#include "widgets/common/object_names.h"
#include "widgets/common/tree_images.h"

#include <QTreeWidget>

namespace {
QTreeWidgetItem* MakeItem(const TreeNode& node) {
    auto* item = new QTreeWidgetItem(QStringList{node.text});
    item->setData(0, Qt::UserRole, node.image);
    item->setIcon(0, TreeImage(node.image));
    return item;
}

// Adds the nodes from position first on below the items already made for the earlier ones.
void AddItems(QTreeWidget* tree, const TreeNodes& nodes, size_t first, std::vector<QTreeWidgetItem*>& items) {
    QList<QTreeWidgetItem*> roots;
    for (size_t k = first; k < nodes.size(); ++k) {
        QTreeWidgetItem* item = MakeItem(nodes[k]);
        const int parent = nodes[k].parent;
        if (parent >= 0 && parent < static_cast<int>(items.size()) && items[parent])
            items[parent]->addChild(item);
        else
            roots << item;
        items.push_back(item);
    }
    tree->addTopLevelItems(roots);
}

void ReadItem(QTreeWidgetItem* item, int parent, TreeNodes& nodes, std::vector<QTreeWidgetItem*>* items) {
    const int self = static_cast<int>(nodes.size());
    nodes.push_back(TreeNode{item->text(0), item->data(0, Qt::UserRole).toInt(), parent});
    if (items) items->push_back(item);
    for (int c = 0; c < item->childCount(); ++c)
        ReadItem(item->child(c), self, nodes, items);
}
} // namespace

QTreeWidget* MakeLocationTree(QWidget* parent, const QString& objectName) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(objectName);
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(true);
    tree->setIconSize(QSize(16, 16));
    tree->setUniformRowHeights(true);
    if (objectName == QLatin1String(ObjectNames::ShipLandingTree))
        tree->setToolTip(
            "Base (with their landing pads) list within the planetary system; double click on a pad "
            "to select it for the ship");
    else if (objectName == QLatin1String(ObjectNames::ShipDockedTree))
        tree->setToolTip(
            "Station (with their dock ports) list within the planetary system; double click on a dock "
            "to select it for the ship");
    return tree;
}

void FillLocationTree(QTreeWidget* tree, const TreeNodes& nodes) {
    if (!tree) return;
    tree->setUpdatesEnabled(false);
    tree->clear();
    std::vector<QTreeWidgetItem*> items;
    items.reserve(nodes.size());
    AddItems(tree, nodes, 0, items);
    tree->setUpdatesEnabled(true);
}

TreeNodes ReadLocationTree(const QTreeWidget* tree, std::vector<QTreeWidgetItem*>* items) {
    TreeNodes nodes;
    if (!tree) return nodes;
    for (int r = 0; r < tree->topLevelItemCount(); ++r)
        ReadItem(tree->topLevelItem(r), -1, nodes, items);
    return nodes;
}

void ShowShipsInTree(QTreeWidget* tree, const std::vector<ShipPlace>& ships, const QString& status,
                     const std::vector<ShipStationPlace>& shipStations) {
    if (!tree) return;
    tree->setUpdatesEnabled(false);
    std::vector<QTreeWidgetItem*> items;
    const TreeNodes before = ReadLocationTree(tree, &items);
    // Deleting a ship item deletes what hangs below it, so only the topmost ones are deleted.
    std::vector<char> gone(before.size(), 0);
    for (size_t k = 0; k < before.size(); ++k) {
        const int parent = before[k].parent;
        const bool parentGone = parent >= 0 && gone[parent];
        gone[k] = before[k].image == ShipNodeImage || parentGone;
        if (gone[k] && !parentGone) delete items[k];
    }
    items.clear();
    const TreeNodes base = ReadLocationTree(tree, &items);
    const TreeNodes after = WithShips(WithShipStations(base, shipStations), ships, status);
    AddItems(tree, after, base.size(), items);
    for (size_t k = base.size(); k < after.size(); ++k) {
        const int parent = after[k].parent;
        if (after[k].image == DockPortNodeImage && parent >= 0 &&
            after[std::size_t(parent)].image == ShipNodeImage)
            items[k]->setToolTip(0, kShipPortTip);
    }
    for (int k : NodesToExpand(after))
        items[k]->setExpanded(true);
    tree->setUpdatesEnabled(true);
}
