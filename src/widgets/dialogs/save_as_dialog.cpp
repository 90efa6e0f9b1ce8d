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

    fileList_ = new QListWidget(this);
    fileList_->setObjectName("ScenarioFileList");
    fileList_->setToolTip("List of the scenario files already installed");
    fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameBox_ = new QLineEdit("NewScenario", this);
    nameBox_->setObjectName("FileToSave");
    nameBox_->setToolTip("Name of the scenario file to save");
    auto* saveButton = new QPushButton("Save as", this);
    saveButton->setObjectName("Command1");
    saveButton->setToolTip("Save the file");
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("Command2");
    cancelButton->setToolTip("Cancel the saving and close the windows");

    auto* grid = new QGridLayout(this);
    grid->addWidget(fileList_, 0, 0, 1, 3);
    grid->addWidget(nameBox_, 1, 0);
    grid->addWidget(saveButton, 1, 1);
    grid->addWidget(cancelButton, 1, 2);
    grid->setColumnStretch(0, 1);
    resize(480, 380);

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

bool SaveAsDialog::saveUnderTypedName() {
    if (Trim(nameBox_->text()).isEmpty()) {
        ShowMessage(this, "A file name is needed to save the scenario.", "Save the scenario file as ...",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    const QString name = CompletedScenarioName(nameBox_->text());
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
    if (!saveUnderTypedName() && Trim(nameBox_->text()).isEmpty()) return;
    accept();
}

void SaveAsDialog::nameEnterKey() {
    if (saveUnderTypedName()) accept();
}
