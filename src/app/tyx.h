#pragma once
// TYX, the main window. It composes the three tabs, builds the menus, runs the start-up and
// opens, saves and closes scenarios; everything the editor knows between two actions lives in
// its session. Other programs build against this header: the class name, the constructor and
// the object names of the controls.
#include "core/editing/edit_history.h"

#include <QMainWindow>

class EditorSession;
class EnvironmentTab;
class PlanetarySystemInformation;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QMimeData;
class QTabWidget;
class ShipTab;
class StationTab;
class StatusLine;

class TYX : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up with the process's working folder as the start folder.
    explicit TYX(QWidget* parent = nullptr);
    ~TYX() override;

    // False when the start-up could not find the simulator; the program then ends.
    bool StartedUp() const { return startedUp_; }
    // The open scenario, the folders and the catalogs, for those who read the editor's state.
    const EditorSession& session() const { return *session_; }
    // The FILE of the command line, opened as the Load button opens it: a path (relative to the
    // folder the editor was started in) only when it leads into the scenario folder or a folder
    // below it; any other text a name within the scenario folder ("Glider\Docked.scn", "\" or
    // "/" between the folders). A path that leads elsewhere gets a box, and nothing changes.
    void OpenFromCommandLine(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A scenario file of the scenario folder, or of a folder below it, dropped on the window is
    // opened as "&Open" would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Start-up (startup.cpp).
    bool locateSimulator();
    void readSkelvanConfiguration();
    void rewriteSetting();
    void readCatalogs();
    void searchSimulatorFolder();

    // Menus and their commands (menus.cpp).
    void buildMenus();
    void offerToSave();
    QString openScenarioFolder() const;
    void openFromDialog();
    void save();
    void saveAs();
    void runSaveAsDialog();
    void showChanges();
    void deleteScenarioFiles();
    void exit();
    void showInformation();
    void showHelp();
    void showAbout();

    // Opening and saving a scenario (scenario_loading.cpp).
    // Called by the load dialog: false (after a message box) when the file cannot be read.
    bool openScenario(const QString& fileName, bool viaLoadButton);
    // Writes the scenario; false (after a message box) when the file could not be written.
    bool saveScenario(const QString& fileName);

    // The planetary system (planetary_system.cpp).
    void readPlanetarySystem(const QString& systemFile);
    void readBases();
    void changePlanetarySystem(int entry);
    void emptyScenario();
    PlanetarySystemInformation* informationWindow();

    // Undo, redo and the status bar (edit_commands.cpp).
    void buildEditMenu();
    EditorSnapshot snapshot() const;
    void recordStep(const QString& step, const QString& status);
    void recordPendingTyping();
    void undo();
    void redo();
    void showSnapshot(const EditorSnapshot& state);
    void updateEditState();
    // A scenario was loaded: a new history, its path in the status bar.
    void startHistory();
    // The scenario was written under that name.
    void markSaved(const QString& fileName);

    void wireTabs();

    // Opening from outside the load dialog, and the recent scenarios (file_opening.cpp).
    // Opens a file by its name within the scenario folder as the Load button does, its
    // description read as the load dialog reads it.
    bool openAsLoadButton(const QString& name);
    QString droppedScenario(const QMimeData* data) const;
    QMenu* addRecentMenu(QMenu* files);
    void enableRecentMenu();
    void listRecentScenarios();
    void openRecentScenario(const QString& name);
    // A file loaded or saved, by its name or its path in the scenario folder, goes first.
    void rememberScenario(const QString& fileNameOrPath);

    EditorSession* session_ = nullptr;
    bool startedUp_ = true;
    QTabWidget* tabs_ = nullptr;
    EnvironmentTab* environmentTab_ = nullptr;
    StationTab* stationTab_ = nullptr;
    ShipTab* shipTab_ = nullptr;
    QLabel* splash_ = nullptr;
    QLabel* fileCaption_ = nullptr;
    // Hidden labels that show the folders and the file name to other programs.
    QLabel* fileNameMirror_ = nullptr;
    QLabel* configMirror_ = nullptr;
    QLabel* scenarioMirror_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* changesAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* informationAction_ = nullptr;
    QAction* calculatorAction_ = nullptr;
    QAction* folderSearchAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    PlanetarySystemInformation* informationWindow_ = nullptr;
    QWidget* helpWindow_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    EditHistory history_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    // The description was typed into since its last step.
    bool typingPending_ = false;
};
