#include "widgets/dialogs/load_dialog.h"

#include "app/tyx.h"
#include "core/io/file_access.h"
#include "core/scenario/description_text.h"
#include "widgets/dialogs/scenario_picker_form.h"
#include "widgets/dialogs/scenario_preview.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

LoadFileDialog::LoadFileDialog(TYX* main) : QDialog(main), main_(main) {
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
    FilelisttoLoad->addItems(ListFiles(main_->ScnDir->text(), "*.scn"));
    FilelisttoLoad->setCurrentRow(-1);
    FilelisttoLoad->installEventFilter(this);

    connect(FilelisttoLoad, &QListWidget::itemSelectionChanged, this, [this] { ShowPreview(); });
    connect(FilelisttoLoad, &QListWidget::itemDoubleClicked, this, [this] { FileDoubleClick(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { reject(); });
}

QString LoadFileDialog::SelectedName() const {
    const QList<QListWidgetItem*> selected = FilelisttoLoad->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void LoadFileDialog::ShowPreview() {
    const QString name = SelectedName();
    description_ = name.isEmpty() ? QString() : ScenarioFileDescription(main_->ScnDir->text() + name);
    Label3->setText(DescriptionForDisplay(description_));
}

void LoadFileDialog::Load(bool viaLoadButton) {
    const QString name = SelectedName();
    if (name.isEmpty()) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = main_->TyxSetting(name, description_, viaLoadButton);
    QGuiApplication::restoreOverrideCursor();
    if (loaded) accept();
}

void LoadFileDialog::Command1Click() {
    Load(true);
}
void LoadFileDialog::FileDoubleClick() {
    Load(false);
}
void LoadFileDialog::FileEnterKey() {
    Load(false);
}

// Enter in the list loads the file itself; it must not reach the dialog's default button,
// which would load it a second way.
bool LoadFileDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FilelisttoLoad && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FileEnterKey();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
