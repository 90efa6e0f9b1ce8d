#include "widgets/dialogs/scenario_list_dialog.h"

#include "core/io/file_access.h"
#include "widgets/dialogs/scenario_folder_tree.h"

#include <QListWidget>

ScenarioListDialog::ScenarioListDialog(const QString& scenarioFolder, const QString& openFolder,
                                       QWidget* parent)
    : QDialog(parent), folder_(scenarioFolder),
      folders_(new ScenarioFolderTree(scenarioFolder, openFolder, this)) {
    connect(folders_, &ScenarioFolderTree::folderPicked, this, [this] { showPickedFolder(); });
}

// The tree goes with the dialog's children, after the dialog that lists its folders' files.
ScenarioListDialog::~ScenarioListDialog() {
    folders_->disconnect(this);
}

QTreeWidget* ScenarioListDialog::folderTree() const {
    return folders_;
}

QString ScenarioListDialog::pickedFolder() const {
    return folder_ + folders_->pickedFolder();
}

QString ScenarioListDialog::nameWithin(const QString& fileName) const {
    return folders_->pickedFolder() + fileName;
}

void ScenarioListDialog::listFiles(QListWidget* list) const {
    list->clear();
    list->addItems(ListFiles(pickedFolder(), "*.scn"));
    list->setCurrentRow(-1);
    list->clearSelection();
}

QString ScenarioListDialog::selectedName(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
