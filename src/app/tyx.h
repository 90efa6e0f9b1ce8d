#pragma once
// TYX, the main window. It lays out the three tabs, builds the menus and wires its parts: the
// installation loader runs the start-up and reads the planetary systems, the scenario controller
// opens, saves and undoes; everything the editor knows between two actions lives in the session.
// Other programs build against this header: the class name, the constructor and the object
// names of the controls.
#include <QMainWindow>

class EditorSession;
class EnvironmentTab;
class InstallationLoader;
class PlanetarySystemInformation;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QTabWidget;
class ScenarioMapWindow;
class ScenarioController;
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
    // The window's own parts (tyx.cpp, main_menus.cpp): the layout, the menus, the wiring.
    void buildMenus();
    void wireParts();
    void wireMenus();
    void showOpenedFile();
    void showOpenedScenario(bool viaLoadButton);
    void exit();
    void showInformation();
    void showScenarioMap();
    void showHelp();
    void showAbout();
    PlanetarySystemInformation* informationWindow();

    EditorSession* session_ = nullptr;
    InstallationLoader* installation_ = nullptr;
    ScenarioController* scenario_ = nullptr;
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
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* mapAction_ = nullptr;
    QAction* informationAction_ = nullptr;
    QAction* calculatorAction_ = nullptr;
    QAction* folderSearchAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    PlanetarySystemInformation* informationWindow_ = nullptr;
    QWidget* helpWindow_ = nullptr;
    ScenarioMapWindow* mapWindow_ = nullptr;
    StatusLine* statusLine_ = nullptr;
};
