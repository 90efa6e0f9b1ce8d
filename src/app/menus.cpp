// The menu bar and its commands, the save prompt and the exit.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "core/editing/scenario_saving.h"
#include "core/io/file_access.h"
#include "core/scenario/scenario_file_names.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/dialogs/about_dialog.h"
#include "widgets/dialogs/calculator.h"
#include "widgets/dialogs/delete_dialog.h"
#include "widgets/dialogs/help_window.h"
#include "widgets/dialogs/load_dialog.h"
#include "widgets/dialogs/planetary_system_information.h"
#include "widgets/dialogs/save_as_dialog.h"
#include "widgets/dialogs/scenario_changes_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

void TYX::buildMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& caption, bool enabled,
                       void (TYX::*slot)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* files = menuBar()->addMenu("&Files");
    files->setObjectName("Menu1");
    openAction_ = item(files, "Menu12", "&Open", true, &TYX::openFromDialog);
    recentMenu_ = addRecentMenu(files);
    saveAction_ = item(files, "Menu13", "&Save", false, &TYX::save);
    saveAsAction_ = item(files, "Menu14", "S&ave as", false, &TYX::saveAs);
    changesAction_ = item(files, "MenuChanges", "Show &changes", false, &TYX::showChanges);
    deleteAction_ = item(files, "Menu11", "&Delete a scenario file", true, &TYX::deleteScenarioFiles);
    files->addSeparator()->setObjectName("Menu15");
    exitAction_ = item(files, "Menu16", "&Exit", true, &TYX::exit);
    // The platform's usual keys work beside the access keys of the captions.
    openAction_->setShortcuts(QKeySequence::Open);
    saveAction_->setShortcuts(QKeySequence::Save);
    saveAsAction_->setShortcuts(QKeySequence::SaveAs);
    exitAction_->setShortcuts(QKeySequence::Quit);

    buildEditMenu();

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("Menu30");
    informationAction_ = item(tools, "Menu31", "&Planetary system information", false, &TYX::showInformation);
    calculatorAction_ = tools->addAction("&Windows Calculator");
    calculatorAction_->setObjectName("Menu33");
    connect(calculatorAction_, &QAction::triggered, this, [this] { StartCalculator(this); });
    folderSearchAction_ = item(tools, "Menu32", "&Skelvan Folder Search", true, &TYX::searchSimulatorFolder);

    QMenu* help = menuBar()->addMenu("&?");
    help->setObjectName("Menu2");
    helpAction_ = item(help, "Menu21", "&Help", true, &TYX::showHelp);
    aboutAction_ = item(help, "Menu22", "&About", true, &TYX::showAbout);
    helpAction_->setShortcuts(QKeySequence::HelpContents);
}

// Offers to save the open scenario under a name of the user's choice; it never saves by
// itself and, unlike the menu commands, lets a scenario without ships be saved.
void TYX::offerToSave() {
    const QString name = session_->fileName();
    if (name.isEmpty()) return;
    if (ShowMessage(this, "Do you wish to save " + name + " ?", "Skelvan Scenario Editor",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    runSaveAsDialog();
}

// The file dialogs open on the folder of the open scenario; on the top before the first load.
QString TYX::openScenarioFolder() const {
    return ScenarioFolderOfName(session_->fileName());
}

void TYX::openFromDialog() {
    offerToSave();
    LoadFileDialog dialog(
        session_->folders().scenario, openScenarioFolder(),
        [this](const QString& name, bool viaLoadButton) { return openScenario(name, viaLoadButton); }, this);
    ExecModal(&dialog);
}

void TYX::save() {
    if (session_->shipCount() < 1) {
        ShowMessage(this, "You must have at least one ship in the scenario !", "Forbidden action",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (saveScenario(session_->filePath())) markSaved(session_->fileName());
}

void TYX::saveAs() {
    if (session_->shipCount() < 1) {
        ShowMessage(this, "You must have at least one ship in the scenario !", "Forbidden action",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    runSaveAsDialog();
}

void TYX::runSaveAsDialog() {
    SaveAsDialog dialog(
        session_->folders().scenario, openScenarioFolder(),
        [this](const QString& name) {
            if (!saveScenario(session_->folders().scenario + name)) return false;
            session_->setFileName(name);
            markSaved(name);
            return true;
        },
        this);
    ExecModal(&dialog);
}

// What "&Save" would write, against the file on disk under the scenario's name.
void TYX::showChanges() {
    const QString path = session_->filePath();
    FileOnDisk onDisk;
    if (const auto bytes = ReadWholeFile(path)) {
        onDisk = {FileOnDisk::State::Read, *bytes};
    } else {
        onDisk.state = FileExists(path) ? FileOnDisk::State::Unreadable : FileOnDisk::State::Missing;
    }
    ScenarioChangesWindow window(session_->fileName(), onDisk, SessionSaveBytes(*session_), this);
    ExecModal(&window);
}

void TYX::deleteScenarioFiles() {
    DeleteFileDialog dialog(session_->folders().scenario, openScenarioFolder(), this);
    ExecModal(&dialog);
}

void TYX::exit() {
    if (ShowMessage(this, "Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    offerToSave();
    close();
}

// The information window stays modeless: the main window remains usable beside it.
void TYX::showInformation() {
    PlanetarySystemInformation* window = informationWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void TYX::showHelp() {
    if (!helpWindow_) helpWindow_ = new UserGuideWindow(this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void TYX::showAbout() {
    AboutDialog about(this);
    ExecModal(&about);
}
