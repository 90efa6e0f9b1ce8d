// The menu bar of the main window, what its items run, and the exit.
#include "app/installation_loader.h"
#include "app/scenario_controller.h"
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/common/object_names.h"
#include "widgets/dialogs/about_dialog.h"
#include "widgets/dialogs/calculator.h"
#include "widgets/dialogs/help_window.h"
#include "widgets/dialogs/planetary_system_information.h"
#include "widgets/map/scenario_map_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace {
QAction* AddItem(QMenu* menu, const char* name, const QString& caption, bool enabled) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

// "&Undo" alone while there is nothing to undo, else with the step it would take back.
QString StepCaption(const QString& command, const QString& step) {
    return step.isEmpty() ? command : command + u' ' + step;
}
} // namespace

void TYX::buildMenus() {
    QMenu* files = menuBar()->addMenu("&Files");
    files->setObjectName(ObjectNames::Menu1);
    openAction_ = AddItem(files, ObjectNames::Menu12, "&Open", true);
    recentMenu_ = files->addMenu("&Recent scenarios");
    recentMenu_->setObjectName(ObjectNames::MenuRecent);
    recentMenu_->menuAction()->setEnabled(false);
    saveAction_ = AddItem(files, ObjectNames::Menu13, "&Save", false);
    saveAsAction_ = AddItem(files, ObjectNames::Menu14, "S&ave as", false);
    changesAction_ = AddItem(files, ObjectNames::MenuChanges, "Show &changes", false);
    deleteAction_ = AddItem(files, ObjectNames::Menu11, "&Delete a scenario file", true);
    files->addSeparator()->setObjectName(ObjectNames::Menu15);
    exitAction_ = AddItem(files, ObjectNames::Menu16, "&Exit", true);
    // The platform's usual keys work beside the access keys of the captions.
    openAction_->setShortcuts(QKeySequence::Open);
    saveAction_->setShortcuts(QKeySequence::Save);
    saveAsAction_->setShortcuts(QKeySequence::SaveAs);
    exitAction_->setShortcuts(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName(ObjectNames::MenuEdit);
    undoAction_ = AddItem(edit, ObjectNames::EditUndo, "&Undo", false);
    undoAction_->setShortcuts(QKeySequence::Undo);
    redoAction_ = AddItem(edit, ObjectNames::EditRedo, "&Redo", false);
    redoAction_->setShortcuts(QKeySequence::Redo);

    // The scenario at a glance, enabled with the first scenario as the file items are.
    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName(ObjectNames::MenuView);
    mapAction_ = AddItem(view, ObjectNames::MenuScenarioMap, "Scenario map", false);

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName(ObjectNames::Menu30);
    informationAction_ = AddItem(tools, ObjectNames::Menu31, "&Planetary system information", false);
    calculatorAction_ = AddItem(tools, ObjectNames::Menu33, "&Windows Calculator", true);
    folderSearchAction_ = AddItem(tools, ObjectNames::Menu32, "&Skelvan Folder Search", true);

    QMenu* help = menuBar()->addMenu("&?");
    help->setObjectName(ObjectNames::Menu2);
    helpAction_ = AddItem(help, ObjectNames::Menu21, "&Help", true);
    aboutAction_ = AddItem(help, ObjectNames::Menu22, "&About", true);
    helpAction_->setShortcuts(QKeySequence::HelpContents);
}

void TYX::wireMenus() {
    ScenarioController* scenario = scenario_;
    connect(openAction_, &QAction::triggered, scenario, &ScenarioController::openFromDialog);
    connect(saveAction_, &QAction::triggered, scenario, &ScenarioController::save);
    connect(saveAsAction_, &QAction::triggered, scenario, &ScenarioController::saveAs);
    connect(changesAction_, &QAction::triggered, scenario, &ScenarioController::showChanges);
    connect(deleteAction_, &QAction::triggered, scenario, &ScenarioController::deleteScenarioFiles);
    connect(exitAction_, &QAction::triggered, this, &TYX::exit);
    // The entries are made as the menu opens, so that a file deleted since shows as such.
    connect(recentMenu_, &QMenu::aboutToShow, scenario,
            [this] { scenario_->listRecentScenarios(recentMenu_); });
    const auto enableRecent = [this] {
        recentMenu_->menuAction()->setEnabled(scenario_->hasRecentScenarios());
    };
    connect(session_, &EditorSession::foldersChanged, this, enableRecent);
    connect(scenario, &ScenarioController::recentScenariosChanged, this, enableRecent);

    // The undo stack says what each item would do. A text box with the focus takes the platform
    // keys for its own text before the window's shortcuts see them; the menu items themselves
    // always act on the scenario.
    QUndoStack* stack = &scenario->undoStack();
    connect(undoAction_, &QAction::triggered, scenario, &ScenarioController::undo);
    connect(redoAction_, &QAction::triggered, scenario, &ScenarioController::redo);
    connect(stack, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, undoAction_,
            [this](const QString& step) { undoAction_->setText(StepCaption("&Undo", step)); });
    connect(stack, &QUndoStack::redoTextChanged, redoAction_,
            [this](const QString& step) { redoAction_->setText(StepCaption("&Redo", step)); });

    connect(mapAction_, &QAction::triggered, this, &TYX::showScenarioMap);
    connect(informationAction_, &QAction::triggered, this, &TYX::showInformation);
    connect(calculatorAction_, &QAction::triggered, this, [this] { StartCalculator(this); });
    connect(folderSearchAction_, &QAction::triggered, installation_,
            &InstallationLoader::searchSimulatorFolder);
    connect(helpAction_, &QAction::triggered, this, &TYX::showHelp);
    connect(aboutAction_, &QAction::triggered, this, &TYX::showAbout);
}

void TYX::exit() {
    if (ShowMessage(this, "Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    scenario_->offerToSave();
    close();
}

// The information window stays modeless: the main window remains usable beside it.
void TYX::showInformation() {
    PlanetarySystemInformation* window = informationWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

// The map stays open beside the main window and follows every edit made there.
void TYX::showScenarioMap() {
    if (!mapWindow_) {
        mapWindow_ = new ScenarioMapWindow(*session_, this);
        // The bases of a system are read after its bodies: the map takes them in as they come.
        connect(installation_, &InstallationLoader::basesRead, mapWindow_, &ScenarioMapWindow::refresh);
    }
    mapWindow_->show();
    mapWindow_->raise();
    mapWindow_->activateWindow();
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
