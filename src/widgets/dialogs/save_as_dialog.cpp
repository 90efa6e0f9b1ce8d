#include "widgets/dialogs/save_as_dialog.h"

#include "core/io/file_access.h"
#include "core/scenario/scenario_file_names.h"
#include "core/text/text_rules.h"
#include "widgets/common/enter_key.h"
#include "widgets/common/message_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

SaveAsDialog::SaveAsDialog(const QString& scenarioFolder, Saver save, QWidget* parent)
    : ScenarioListDialog(scenarioFolder, parent), save_(std::move(save)) {
    setObjectName("SaveAs");
    setWindowTitle("Save the scenario file as ...");

    ScenarioFileList = new QListWidget(this);
    ScenarioFileList->setObjectName("ScenarioFileList");
    ScenarioFileList->setToolTip("List of the scenario files already installed");
    ScenarioFileList->setSelectionMode(QAbstractItemView::SingleSelection);
    FileToSave = new QLineEdit("NewScenario", this);
    FileToSave->setObjectName("FileToSave");
    FileToSave->setToolTip("Name of the scenario file to save");
    Command1 = new QPushButton("Save as", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip("Save the file");
    Command2 = new QPushButton("Cancel", this);
    Command2->setObjectName("Command2");
    Command2->setToolTip("Cancel the saving and close the windows");

    auto* grid = new QGridLayout(this);
    grid->addWidget(ScenarioFileList, 0, 0, 1, 3);
    grid->addWidget(FileToSave, 1, 0);
    grid->addWidget(Command1, 1, 1);
    grid->addWidget(Command2, 1, 2);
    grid->setColumnStretch(0, 1);
    resize(480, 380);

    listFiles(ScenarioFileList);
    OnEnterKey(FileToSave, [this] { nameEnterKey(); });
    FileToSave->setFocus();
    FileToSave->selectAll();

    connect(ScenarioFileList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = ScenarioFileList->selectedItems();
        if (!selected.isEmpty()) FileToSave->setText(selected.first()->text());
    });
    connect(Command1, &QPushButton::clicked, this, [this] { savePressed(); });
    connect(Command2, &QPushButton::clicked, this, [this] { reject(); });
}

bool SaveAsDialog::SaveUnderTypedName() {
    if (Trim(FileToSave->text()).isEmpty()) {
        ShowMessage(this, "A file name is needed to save the scenario.", "Save the scenario file as ...",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    const QString name = CompletedScenarioName(FileToSave->text());
    const QString target = folder() + name;
    // A file that differs from the name only in letter case is the same file where the file
    // system ignores case; either way it is never replaced without the user's OK.
    const bool exists = ListFiles(folder(), "*.scn").contains(name) || FileExists(target);
    if (exists) {
        if (ShowMessage(this, "Do you want to overwrite it ?", "This file already exists.",
                        MsgButtons::OkCancel, MsgIcon::Question) != MsgResult::Ok)
            return false;
    }
    return save_(name);
}

void SaveAsDialog::savePressed() {
    // A blank name leaves the dialog open; otherwise the button closes it whatever came of it.
    if (!SaveUnderTypedName() && Trim(FileToSave->text()).isEmpty()) return;
    accept();
}

void SaveAsDialog::nameEnterKey() {
    if (SaveUnderTypedName()) accept();
}
