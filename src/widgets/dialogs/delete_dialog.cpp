#include "widgets/dialogs/delete_dialog.h"

#include "core/io/file_access.h"
#include "core/io/trash.h"
#include "core/scenario/description_text.h"
#include "core/scenario/scenario_file_names.h"
#include "widgets/common/enter_key.h"
#include "widgets/common/message_box.h"
#include "widgets/common/object_names.h"
#include "widgets/dialogs/scenario_picker_form.h"
#include "widgets/dialogs/scenario_preview.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

bool RemoveScenarioFile(const QString& path, QString* error) {
    const RemovalResult result = RemoveToTrash(PlatformPath(path));
    if (!result.removed && error) *error = result.error;
    return result.removed;
}

DeleteFileDialog::DeleteFileDialog(const QString& scenarioFolder, const QString& openFolder, QWidget* parent)
    : ScenarioListDialog(scenarioFolder, openFolder, parent) {
    setObjectName(ObjectNames::DeleteFile);
    setWindowTitle("Delete a scenario file");

    auto* listCaption = new QLabel("Scenario file to delete", this);
    listCaption->setObjectName(ObjectNames::Label1);
    fileList_ = MakeScenarioFileList(this, ObjectNames::FileListtoDelete, listCaption);

    auto* previewCaption = new QLabel("Scenario descripton", this);
    previewCaption->setObjectName(ObjectNames::Label3);
    const DescriptionPreview preview = MakeDescriptionPreview(this, ObjectNames::FileDeleteDescription);
    preview_ = preview.label;

    auto* deleteButton = new QPushButton("Delete", this);
    deleteButton->setObjectName(ObjectNames::Command1);
    deleteButton->setToolTip(
        "Delete the selected scenario file. Both standard scenario files (Current save and quick "
        "save) are protected from deleting in order to ensure to keep at least a scenario when "
        "starting Skelvan");
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName(ObjectNames::Command2);
    cancelButton->setToolTip(
        "Return to the Skelvan Scenario Editor main windows without deleting the selected scenario");

    LayOutScenarioPicker(this, folderTree(), listCaption, fileList_, previewCaption, preview, deleteButton,
                         cancelButton);

    refreshList();
    OnEnterKey(fileList_, [this] { deleteSelected(); });

    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] { showPreview(); });
    connect(fileList_, &QListWidget::itemDoubleClicked, this, [this] { deleteSelected(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { deleteSelected(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { reject(); });
}

void DeleteFileDialog::refreshList() {
    listFiles(fileList_);
}

void DeleteFileDialog::showPickedFolder() {
    refreshList();
    showPreview();
}

void DeleteFileDialog::showPreview() {
    const QString name = selectedName(fileList_);
    const QString path = name.isEmpty() ? QString() : pickedFolder() + name;
    ShowScenarioPreview(preview_, path, name.isEmpty() ? QString() : ScenarioFileDescription(path));
}

// The scenario being edited stays as it is, even when its own file goes: "&Save" writes it again.
void DeleteFileDialog::deleteSelected() {
    const QString name = selectedName(fileList_);
    if (name.isEmpty()) return;
    // Protected at the top only, where the simulator writes them.
    if (IsProtectedScenarioName(nameWithin(name))) {
        ShowMessage(this, "This file must not be deleted !", "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (ShowMessage(this, "Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                    MsgIcon::Question) != MsgResult::Ok)
        return;
    QString error;
    if (!RemoveScenarioFile(pickedFolder() + name, &error)) {
        ShowMessage(this, "The file " + nameWithin(name) + " could not be deleted: " + error, "Warning",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    refreshList();
    if (fileList_->count() > 0) fileList_->setCurrentRow(0);
    showPreview();
}
