// A plain tree until the location trees bring their images.
#include "stations/location_trees_view.h"

#include <QTreeWidget>

QTreeWidget* MakeLocationTree(QWidget* parent, const QString& objectName) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(objectName);
    tree->setHeaderHidden(true);
    return tree;
}
