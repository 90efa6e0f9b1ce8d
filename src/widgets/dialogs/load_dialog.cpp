#include "widgets/dialogs/load_dialog.h"

#include "core/io/file_access.h"
#include "core/scenario/description_text.h"
#include "widgets/common/enter_key.h"
#include "widgets/common/object_names.h"
#include "widgets/dialogs/scenario_picker_form.h"
#include "widgets/dialogs/scenario_preview.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

LoadFileDialog::LoadFileDialog(const QString& scenarioFolder, const QString& openFolder, Opener open,
                               QWidget* parent)
    : ScenarioListDialog(scenarioFolder, openFolder, parent), open_(std::move(open)) {
    setObjectName(ObjectNames::LoadFile);
    setWindowTitle("Load a scenery");

    auto* listCaption = new QLabel("Scenario file to load", this);
    listCaption->setObjectName(ObjectNames::Label2);
    fileList_ = MakeScenarioFileList(this, ObjectNames::FilelisttoLoad, listCaption);

    auto* previewCaption = new QLabel("Scenario description", this);
    previewCaption->setObjectName(ObjectNames::Label1);
    const DescriptionPreview preview = MakeDescriptionPreview(this, ObjectNames::Label3);
    preview_ = preview.label;

    auto* loadButton = new QPushButton("Load", this);
    loadButton->setObjectName(ObjectNames::Command1);
    loadButton->setToolTip("Load the selected scenario");
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName(ObjectNames::Command2);
    cancelButton->setToolTip(
        "Return the the main Skelvan Scenario Editor without loading the seleted scenario");

    LayOutScenarioPicker(this, folderTree(), listCaption, fileList_, previewCaption, preview, loadButton,
                         cancelButton);

    // The files of the folder shown first; nothing is selected at first.
    listFiles(fileList_);
    // Only the Load button unlocks the planetary system information.
    OnEnterKey(fileList_, [this] { load(false); });

    connect(fileList_, &QListWidget::itemSelectionChanged, this, [this] { showPreview(); });
    connect(fileList_, &QListWidget::itemDoubleClicked, this, [this] { load(false); });
    connect(loadButton, &QPushButton::clicked, this, [this] { load(true); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { reject(); });
}

void LoadFileDialog::showPickedFolder() {
    listFiles(fileList_);
    showPreview();
}

void LoadFileDialog::showPreview() {
    const QString name = selectedName(fileList_);
    const QString path = name.isEmpty() ? QString() : pickedFolder() + name;
    const QString description = name.isEmpty() ? QString() : ScenarioFileDescription(path);
    // A file with only an HTML description previews it; the scenario's description stays empty.
    ShowScenarioPreview(preview_, path, description);
}

void LoadFileDialog::load(bool viaLoadButton) {
    const QString name = selectedName(fileList_);
    if (name.isEmpty()) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = open_(nameWithin(name), viaLoadButton);
    QGuiApplication::restoreOverrideCursor();
    if (loaded) accept();
}
