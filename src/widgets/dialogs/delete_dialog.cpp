#include "widgets/dialogs/delete_dialog.h"

#include "core/io/file_access.h"
#include "core/io/trash.h"
#include "core/scenario/description_text.h"
#include "core/scenario/scenario_file_names.h"
#include "widgets/common/enter_key.h"
#include "widgets/common/message_box.h"
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

DeleteFileDialog::DeleteFileDialog(const QString& scenarioFolder, QWidget* parent)
    : ScenarioListDialog(scenarioFolder, parent) {
    setObjectName("DeleteFile");
    setWindowTitle("Delete a scenario file");

    Label1 = new QLabel("Scenario file to delete", this);
    Label1->setObjectName("Label1");
    FileListtoDelete = MakeScenarioFileList(this, "FileListtoDelete", Label1);

    Label3 = new QLabel("Scenario descripton", this);
    Label3->setObjectName("Label3");
    const DescriptionPreview preview = MakeDescriptionPreview(this, "FileDeleteDescription");
    FileDeleteDescription = preview.label;

    Command1 = new QPushButton("Delete", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip(
        "Delete the selected scenario file. Both standard scenario files (Current save and quick "
        "save) are protected from deleting in order to ensure to keep at least a scenario when "
        "starting Skelvan");
    Command2 = new QPushButton("Cancel", this);
    Command2->setObjectName("Command2");
    Command2->setToolTip(
        "Return to the Skelvan Scenario Editor main windows without deleting the selected scenario");

    LayOutScenarioPicker(this, Label1, FileListtoDelete, Label3, preview, Command1, Command2);

    RefreshList();
    OnEnterKey(FileListtoDelete, [this] { deleteSelected(); });

    connect(FileListtoDelete, &QListWidget::itemSelectionChanged, this, [this] { ShowPreview(); });
    connect(FileListtoDelete, &QListWidget::itemDoubleClicked, this, [this] { deleteSelected(); });
    connect(Command1, &QPushButton::clicked, this, [this] { deleteSelected(); });
    connect(Command2, &QPushButton::clicked, this, [this] { reject(); });
}

void DeleteFileDialog::RefreshList() {
    listFiles(FileListtoDelete);
}

void DeleteFileDialog::ShowPreview() {
    const QString name = selectedName(FileListtoDelete);
    const QString path = name.isEmpty() ? QString() : folder() + name;
    ShowScenarioPreview(FileDeleteDescription, path,
                        name.isEmpty() ? QString() : ScenarioFileDescription(path));
}

// The scenario being edited stays as it is, even when its own file goes: "&Save" writes it again.
void DeleteFileDialog::deleteSelected() {
    const QString name = selectedName(FileListtoDelete);
    if (name.isEmpty()) return;
    if (IsProtectedScenarioName(name)) {
        ShowMessage(this, "This file must not be deleted !", "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (ShowMessage(this, "Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                    MsgIcon::Question) != MsgResult::Ok)
        return;
    QString error;
    if (!RemoveScenarioFile(folder() + name, &error)) {
        ShowMessage(this, "The file " + name + " could not be deleted: " + error, "Warning", MsgButtons::Ok,
                    MsgIcon::Exclamation);
        return;
    }
    RefreshList();
    if (FileListtoDelete->count() > 0) FileListtoDelete->setCurrentRow(0);
    ShowPreview();
}
