#include "widgets/dialogs/scenario_list_dialog.h"

#include "core/io/file_access.h"

#include <QListWidget>

ScenarioListDialog::ScenarioListDialog(const QString& scenarioFolder, QWidget* parent)
    : QDialog(parent), folder_(scenarioFolder) {}

void ScenarioListDialog::listFiles(QListWidget* list) const {
    list->clear();
    list->addItems(ListFiles(folder_, "*.scn"));
    list->setCurrentRow(-1);
    list->clearSelection();
}

QString ScenarioListDialog::selectedName(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}
