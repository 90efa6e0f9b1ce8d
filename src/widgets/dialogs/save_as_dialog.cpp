#include "widgets/dialogs/save_as_dialog.h"

#include "core/io/file_access.h"
#include "core/scenario/scenario_file_names.h"
#include "core/text/text_rules.h"
#include "widgets/common/enter_key.h"
#include "widgets/common/message_box.h"
#include "widgets/common/object_names.h"
#include "widgets/dialogs/scenario_picker_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

SaveAsDialog::SaveAsDialog(const QString& scenarioFolder, const QString& openFolder, Saver save,
                           QWidget* parent)
    : ScenarioListDialog(scenarioFolder, openFolder, parent), save_(std::move(save)) {
    setObjectName(ObjectNames::SaveAs);
    setWindowTitle("Save the scenario file as ...");

    fileList_ = new QListWidget(this);
    fileList_->setObjectName(ObjectNames::ScenarioFileList);
    fileList_->setToolTip("List of the scenario files already installed");
    fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameBox_ = new QLineEdit("NewScenario", this);
    nameBox_->setObjectName(ObjectNames::FileToSave);
    nameBox_->setToolTip("Name of the scenario file to save");
    auto* saveButton = new QPushButton("Save as", this);
    saveButton->setObjectName(ObjectNames::Command1);
    saveButton->setToolTip("Save the file");
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName(ObjectNames::Command2);
    cancelButton->setToolTip("Cancel the saving and close the windows");

    // The folders on the left, the files of the picked one beside them, the name and the
    // buttons below.
    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeFolderCaption(this, folderTree()), 0, 0);
    grid->addWidget(folderTree(), 1, 0);
    grid->addWidget(fileList_, 1, 1, 1, 3);
    grid->addWidget(nameBox_, 2, 0, 1, 2);
    grid->addWidget(saveButton, 2, 2);
    grid->addWidget(cancelButton, 2, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(720, 420);

    listFiles(fileList_);
    OnEnterKey(nameBox_, [this] { nameEnterKey(); });
    nameBox_->setFocus();
    nameBox_->selectAll();

    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = fileList_->selectedItems();
        if (!selected.isEmpty()) nameBox_->setText(selected.first()->text());
    });
    connect(saveButton, &QPushButton::clicked, this, [this] { savePressed(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { reject(); });
}

void SaveAsDialog::showPickedFolder() {
    listFiles(fileList_);
}

bool SaveAsDialog::typedNameTaken() {
    if (Trim(nameBox_->text()).isEmpty()) {
        ShowMessage(this, "A file name is needed to save the scenario.", "Save the scenario file as ...",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    // The folder is the one picked in the tree: a name that leads elsewhere could write beside
    // the scenario folder, or into a folder the user does not see.
    if (HoldsFolderSeparator(nameBox_->text())) {
        ShowMessage(this,
                    "The file name cannot hold \"\\\" or \"/\": pick the folder in the tree of folders.",
                    "Save the scenario file as ...", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

bool SaveAsDialog::saveUnderTypedName() {
    const QString name = CompletedScenarioName(nameBox_->text());
    const QString target = pickedFolder() + name;
    // A file that differs from the name only in letter case is the same file where the file
    // system ignores case; either way it is never replaced without the user's OK.
    const bool exists = ListFiles(pickedFolder(), "*.scn").contains(name) || FileExists(target);
    if (exists) {
        if (ShowMessage(this, "Do you want to overwrite it ?", "This file already exists.",
                        MsgButtons::OkCancel, MsgIcon::Question) != MsgResult::Ok)
            return false;
    }
    return save_(nameWithin(name));
}

void SaveAsDialog::savePressed() {
    // A name the dialog cannot take leaves it open, to be typed again; otherwise the button
    // closes it whatever came of the save.
    if (!typedNameTaken()) return;
    saveUnderTypedName();
    accept();
}

void SaveAsDialog::nameEnterKey() {
    if (typedNameTaken() && saveUnderTypedName()) accept();
}
