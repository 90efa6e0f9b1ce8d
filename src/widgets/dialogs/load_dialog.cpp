#include "widgets/dialogs/load_dialog.h"

#include "core/io/file_access.h"
#include "core/scenario/description_text.h"
#include "widgets/common/enter_key.h"
#include "widgets/dialogs/scenario_picker_form.h"
#include "widgets/dialogs/scenario_preview.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

LoadFileDialog::LoadFileDialog(const QString& scenarioFolder, Opener open, QWidget* parent)
    : ScenarioListDialog(scenarioFolder, parent), open_(std::move(open)) {
    setObjectName("LoadFile");
    setWindowTitle("Load a scenery");

    Label2 = new QLabel("Scenario file to load", this);
    Label2->setObjectName("Label2");
    FilelisttoLoad = MakeScenarioFileList(this, "FilelisttoLoad", Label2);

    Label1 = new QLabel("Scenario description", this);
    Label1->setObjectName("Label1");
    const DescriptionPreview preview = MakeDescriptionPreview(this, "Label3");
    Label3 = preview.label;

    Command1 = new QPushButton("Load", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip("Load the selected scenario");
    Command2 = new QPushButton("Cancel", this);
    Command2->setObjectName("Command2");
    Command2->setToolTip("Return the the main Skelvan Scenario Editor without loading the seleted scenario");

    LayOutScenarioPicker(this, Label2, FilelisttoLoad, Label1, preview, Command1, Command2);

    // The files of the scenario folder; nothing is selected at first.
    listFiles(FilelisttoLoad);
    OnEnterKey(FilelisttoLoad, [this] { fileEnterKey(); });

    connect(FilelisttoLoad, &QListWidget::itemSelectionChanged, this, [this] { ShowPreview(); });
    connect(FilelisttoLoad, &QListWidget::itemDoubleClicked, this, [this] { fileDoubleClicked(); });
    connect(Command1, &QPushButton::clicked, this, [this] { loadPressed(); });
    connect(Command2, &QPushButton::clicked, this, [this] { reject(); });
}

void LoadFileDialog::ShowPreview() {
    const QString name = selectedName(FilelisttoLoad);
    const QString description = name.isEmpty() ? QString() : ScenarioFileDescription(folder() + name);
    // A file with only an HTML description previews it; the scenario's description stays empty.
    ShowScenarioPreview(Label3, name.isEmpty() ? QString() : folder() + name, description);
}

void LoadFileDialog::Load(bool viaLoadButton) {
    const QString name = selectedName(FilelisttoLoad);
    if (name.isEmpty()) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = open_(name, viaLoadButton);
    QGuiApplication::restoreOverrideCursor();
    if (loaded) accept();
}

void LoadFileDialog::loadPressed() {
    Load(true);
}
void LoadFileDialog::fileDoubleClicked() {
    Load(false);
}
void LoadFileDialog::fileEnterKey() {
    Load(false);
}
