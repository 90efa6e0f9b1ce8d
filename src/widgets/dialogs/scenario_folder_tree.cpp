#include "widgets/dialogs/scenario_folder_tree.h"

#include "core/io/folder_tree.h"
#include "widgets/common/object_names.h"

#include <QStyle>
#include <vector>

namespace {
// The item's folder, as a path within the scenario folder. The image number role of the
// location trees is not used here: these items have no image number.
constexpr int kFolderRole = Qt::UserRole + 1;
} // namespace

ScenarioFolderTree::ScenarioFolderTree(const QString& scenarioFolder, const QString& pickedFolder,
                                       QWidget* parent)
    : QTreeWidget(parent) {
    setObjectName(ObjectNames::ScenarioFolders);
    setToolTip("The scenario folder and the folders below it: pick one to list its scenario files");
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);

    const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
    const QBrush unreadable = palette().brush(QPalette::Disabled, QPalette::Text);
    const std::vector<FolderNode> nodes = FolderTree(scenarioFolder);
    std::vector<QTreeWidgetItem*> items;
    items.reserve(nodes.size());
    QTreeWidgetItem* picked = nullptr;
    for (const FolderNode& node : nodes) {
        auto* item = node.parent < 0 ? new QTreeWidgetItem(this)
                                     : new QTreeWidgetItem(items[std::size_t(node.parent)]);
        item->setText(0, node.name);
        item->setIcon(0, icon);
        item->setData(0, kFolderRole, node.path);
        if (!node.readable) {
            // Shown, so that the user sees it is there; it lists nothing.
            item->setForeground(0, unreadable);
            item->setToolTip(0, "This folder cannot be read.");
        }
        items.push_back(item);
        if (node.path == pickedFolder) picked = item;
    }
    if (!picked && !items.empty()) picked = items.front();
    if (picked) {
        for (QTreeWidgetItem* up = picked->parent(); up; up = up->parent())
            up->setExpanded(true);
        items.front()->setExpanded(true);
        setCurrentItem(picked);
        scrollToItem(picked);
        picked_ = picked->data(0, kFolderRole).toString();
    }

    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!current) return;
        picked_ = current->data(0, kFolderRole).toString();
        emit folderPicked(picked_);
    });
}
