#pragma once
// The scenario controller of the main window: it opens scenarios (by the load dialog, the
// command line, a dropped file and the recent scenarios), saves them, offers to save before
// another one is opened, and keeps the history of the user's steps for undo and redo. The tabs
// show the scenario; the window tells the controller of the steps done in them.
#include <QObject>

class EditorSession;
class EnvironmentTab;
class QMenu;
class QMimeData;
class QUndoStack;
class QWidget;
class ScenarioHistory;
class ShipTab;
class StationTab;
class StatusLine;
struct EditorSnapshot;

// Where the controller shows a scenario and what it did: the tabs and the status bar of the
// window, over which its boxes and dialogs open.
struct ScenarioView {
    QWidget* window = nullptr;
    EnvironmentTab* environment = nullptr;
    StationTab* stations = nullptr;
    ShipTab* ships = nullptr;
    StatusLine* status = nullptr;
};

class ScenarioController : public QObject {
    Q_OBJECT
  public:
    ScenarioController(EditorSession& session, const ScenarioView& view);

    // Undo and redo of the user's steps; the stack names the step each would take.
    QUndoStack& undoStack();

    // ---- The Files menu (scenario_controller.cpp) --------------------------------------------
    void openFromDialog();
    void save();
    void saveAs();
    // Offers to save the open scenario under a name of the user's choice; it never saves by
    // itself and, unlike the menu commands, lets a scenario without ships be saved.
    void offerToSave();
    void showChanges();
    void deleteScenarioFiles();
    // The FILE of the command line: a path (relative to the start folder) only when it leads
    // into the scenario folder or a folder below it, any other text a name within the scenario
    // folder. A path that leads elsewhere gets a box, and nothing changes.
    void openFromCommandLine(const QString& path);
    // The name within the scenario folder of the one scenario file of a drop; empty when the
    // drop holds no such file.
    QString droppedScenario(const QMimeData* data) const;
    // After the offer to save, opens a file by its name within the scenario folder as the Load
    // button does: a dropped file or a recent scenario.
    void openByName(const QString& name);
    bool hasRecentScenarios() const;
    // Fills the menu of the recent scenarios, a file deleted since shown as such.
    void listRecentScenarios(QMenu* menu);

    // ---- The user's steps (scenario_steps.cpp) -----------------------------------------------
    // A step of a tab is done; the status, when there is one, goes to the status bar.
    void recordStep(const QString& step, const QString& status);
    // The description was typed into.
    void recordTyping();
    // The user chose that entry of the planetary systems: the scenario is emptied.
    void changePlanetarySystem(int entry);
    // The Edit menu's items: each shows again the rows its step was done on.
    void undo();
    void redo();

  signals:
    // The bodies of the planetary system of that entry must be read; with its bases when a
    // scenario of that system is shown, not after a change of system.
    void planetarySystemNeeded(int entry, bool withBases);
    // A readable scenario file is being opened; it is open, its rows shown.
    void fileOpening();
    void fileOpened(bool viaLoadButton);
    // A scenario was loaded or saved: the recent scenarios changed.
    void recentScenariosChanged();

  private:
    // Called by the load dialog: false (after a message box) when the file cannot be read.
    bool openScenario(const QString& fileName, bool viaLoadButton);
    bool openAsLoadButton(const QString& name);
    // Writes the scenario; false (after a message box) when the file could not be written.
    bool saveScenario(const QString& fileName);
    void runSaveAsDialog();
    // The file dialogs open on the folder of the open scenario; on the top before the first load.
    QString openScenarioFolder() const;
    // A file loaded or saved, by its name or its path in the scenario folder, goes first.
    void rememberScenario(const QString& fileNameOrPath);

    EditorSnapshot snapshot() const;
    void noteRowsBeforeChange();
    void showSnapshot(const EditorSnapshot& state, const QString& status);
    // The tabs after the session emptied the scenario.
    void showEmptied();
    // A scenario was loaded: a new history, its path in the status bar.
    void startHistory();
    // The scenario was written under that name.
    void markSaved(const QString& fileName);
    void showModified();

    EditorSession& session_;
    ScenarioView view_;
    ScenarioHistory* history_ = nullptr;
};
