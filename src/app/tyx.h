#pragma once
// TYX, the main window, owns everything for the whole run: the open scenario, the catalogs,
// the working lists and the folder texts. Its controls are the edit buffer of the scenario.
// The procedures are spread over the folders that own them (stations/, ships/, simulator/,
// app/); each section below names where its procedures live.
#include "core/scenario/scenario_document.h"

#include <QMainWindow>
#include <QStringList>
#include <vector>

class QAction;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class PlanetarySystemInformation;
struct ShipEditorTexts;

class TYX : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up with the process's working folder as the start folder.
    explicit TYX(QWidget* parent = nullptr);
    ~TYX() override;

    // False when the start-up could not find the simulator; the program then ends.
    bool StartedUp() const { return startedUp_; }

    // ---- The open scenario -------------------------------------------------------------
    ScenarioDocument Document;

    // ---- Folders and working lists (simulator/) -----------------------------------------
    QString StartFolder;     // the start folder followed by the separator
    QString SimulatorFolder; // as read from "tyx.cfg"
    QLabel* CfgDir = nullptr;
    QLabel* ScnDir = nullptr;
    QStringList Buffer, NBuffer, BufferList, PlanetarySystemFile, Transit;

    void SkelvanFolderLocation(); // false result: see StartedUp()
    void ReadSkelvanConfiguration();
    void RewriteSetting();
    void Menu32Click();
    void FindData(const QString& flag1, const QString& flag2);
    void StartUpCatalogs();
    void PlanetarySystemChange();
    void Check2Click();
    void ExtractPlanet(const QString& fileName);
    void PlanetarySystemUpdate();
    PlanetarySystemInformation* InformationWindow(); // created on first use, hidden
    PlanetarySystemInformation* informationWindow_ = nullptr;

    // ---- Window frame and menus (app/) --------------------------------------------------
    QTabWidget* SSTab1 = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* scnfile = nullptr;
    QMenu* Menu1 = nullptr;
    QMenu* Menu30 = nullptr;
    QMenu* Menu2 = nullptr;
    QAction* Menu12 = nullptr; // &Open
    QAction* Menu13 = nullptr; // &Save
    QAction* Menu14 = nullptr; // S&ave as
    QAction* Menu11 = nullptr; // &Delete a scenario file
    QAction* Menu15 = nullptr; // separator
    QAction* Menu16 = nullptr; // &Exit
    QAction* Menu31 = nullptr; // &Planetary system information
    QAction* Menu33 = nullptr; // &Windows Calculator
    QAction* Menu32 = nullptr; // &Skelvan Folder Search
    QAction* Menu21 = nullptr; // &Help
    QAction* Menu22 = nullptr; // &About

    void BuildMenus();
    void BuildEnvironmentTab(QWidget* page);
    void SavePrompt();
    void Menu12Click();
    void Menu13Click();
    void Menu14Click();
    void Menu11Click();
    void Menu16Click();
    void Menu31Click();
    void Menu33Click();
    void Menu21Click();
    void Menu22Click();
    // Called by the load dialog: the file name, its description, and whether the Load button did it.
    // False (after a message box) when the file cannot be read; nothing has changed then.
    bool TyxSetting(const QString& fileName, const QString& description, bool viaLoadButton);
    // Reads the scenario ScnDir & scnfile into the document and the window.
    void TabSettings();
    // Writes the document; false (after a message box) when the file could not be written.
    bool ScenarioFileSaving(const QString& fileName);
    // The document as the controls hold it: what a save writes.
    ScenarioDocument DocumentSnapshot() const;
    // The description box holds lines; the document joins them with CR LF.
    QString DescriptionText() const;
    void SetDescriptionText(const QString& text);
    QWidget* HelpWindow(); // created on first use
    QWidget* helpWindow_ = nullptr;

    // ---- First tab "Description, environment and focus" (app/, ships/ for the focus) ----
    QGroupBox* Frame4 = nullptr;
    QPlainTextEdit* Description = nullptr;
    QGroupBox* Frame5 = nullptr;
    QComboBox* PlanetarySystem = nullptr;
    QCheckBox* Check2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCalendarWidget* Calendar = nullptr;
    QComboBox* Hour = nullptr;
    QComboBox* Minute = nullptr;
    QLabel* ShipFocus = nullptr;
    QComboBox* PossibleShipFocus = nullptr;
    QPushButton* Command7 = nullptr;

    // ---- Station tab "Orbital station list" (stations/) ---------------------------------
    QComboBox* StationName = nullptr;
    QLabel* StationClassName = nullptr;
    QComboBox* StationClass = nullptr;
    QPushButton* Command9 = nullptr;
    QLabel* StationRefPlanet = nullptr;
    QComboBox* StationRef = nullptr;
    QPushButton* Command8 = nullptr;
    QLineEdit* StationSemiMajorAxis = nullptr;
    QLineEdit* StationExcentricity = nullptr;
    QLineEdit* StationInclination = nullptr;
    QLineEdit* StationAscendingNodeLongitude = nullptr;
    QLineEdit* StationPeriapsisLongitude = nullptr;
    QLineEdit* StationMeanLongitude = nullptr;
    QCalendarWidget* StationOrbitalRefTime = nullptr;
    QComboBox* StationOrbitalRefHour = nullptr;
    QComboBox* StationOrbitalRefMin = nullptr;
    QLineEdit* StationRotationFrequency = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* StationXAngle = nullptr;
    QLineEdit* StationYAngle = nullptr;
    QLineEdit* StationZAngle = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* StationIndex = nullptr;

    void BuildStationTab(QWidget* page);
    void StationParameterDisplay();
    void StationTabReset();
    void Command1Click(); // station validation
    void Command2Click(); // delete station
    void Command3Click(); // add station
    void Command8Click(); // change planet
    void Command9Click(); // change class
    void Check1Click();   // rotation option
    // Catalogs of bases and dock ports, and the location trees (stations/).
    // One entry per base: Name & ":" & NumberText(pad count) & ":" & body; one spare entry after them.
    QStringList BaseCatalog;
    int BaseCount = 0;
    struct StationClassDock {
        QString ClassName;  // the class file name without ".cfg"
        int DockCount = -1; // lines of the dock list; -1 without one
    };
    std::vector<StationClassDock> StationClassDocks; // one spare row after StationClassCount
    int StationClassCount = 0;
    void StationDockScan();
    // The port count of a station class; 0 for a class not in the catalog, -1 without a dock list.
    int StationDockNumberDisplay(const QString& className) const;
    void StationTreeUpdate();
    void StationDockTreeUpdate();
    void BaseUpDate();
    void BaseTreeUpdate();
    void BasePadTreeUpdate();

    // ---- Ship tab "Ship list" (ships/) ---------------------------------------------------
    QComboBox* ShipName = nullptr;
    QLabel* ShipIndex = nullptr;
    QLabel* ShipClass = nullptr;
    QComboBox* Spacecraft = nullptr;
    QPushButton* Command10 = nullptr;
    QRadioButton* LandedShipOption = nullptr;
    QRadioButton* OrbitingShipOption = nullptr;
    QRadioButton* DockedShipOption = nullptr;
    QLabel* ShipFuel = nullptr;
    QSlider* ShipFuelSlider = nullptr;
    QLabel* MainEngineStatus = nullptr;
    QSlider* MainEngineStatusSlider = nullptr;
    QLabel* HoverEngineStatus = nullptr;
    QSlider* HoverEngineStatusSlider = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QGroupBox* Landed = nullptr;
    QLabel* ShipLandedPlanet = nullptr;
    QLabel* ShipLandedBase = nullptr;
    QLabel* ShipLandedPad = nullptr;
    QLineEdit* ShipLandedHeading = nullptr;
    QTreeWidget* ShipLandingTree = nullptr;
    QGroupBox* Orbiting = nullptr;
    QLabel* ShipOrbitingPlanet = nullptr;
    QComboBox* OrbitingRef = nullptr;
    QPushButton* Command11 = nullptr;
    QLineEdit* ShipOrbitingRposX = nullptr;
    QLineEdit* ShipOrbitingRposY = nullptr;
    QLineEdit* ShipOrbitingRposZ = nullptr;
    QLineEdit* ShipOrbitingRvelX = nullptr;
    QLineEdit* ShipOrbitingRvelY = nullptr;
    QLineEdit* ShipOrbitingRvelZ = nullptr;
    QLineEdit* ShipOrbitingArotX = nullptr;
    QLineEdit* ShipOrbitingArotY = nullptr;
    QLineEdit* ShipOrbitingArotZ = nullptr;
    QLineEdit* ShipOrbitingAngularVelocity = nullptr;
    QGroupBox* Docked = nullptr;
    QLabel* ShipDockedPlanet = nullptr;
    QLabel* ShipDockedStation = nullptr;
    QLabel* ShipDockedPort = nullptr;
    QTreeWidget* ShipDockedTree = nullptr;

    void BuildShipTab(QWidget* page);
    void ShipParameterDisplay();
    void ShipTabReset();
    void ShipNameClick();
    void Command4Click();  // ship validation
    void Command5Click();  // add ship
    void Command6Click();  // delete ship
    void Command7Click();  // change user-controlled ship
    void Command10Click(); // change class
    void Command11Click(); // change planet
    // Status options, sliders and the pad and dock pickers (ships/ship_status.cpp).
    void LandedShipOptionClick();
    void OrbitingShipOptionClick();
    void DockedShipOptionClick();
    void ShipFuelSliderChange();
    void MainEngineStatusSliderChange();
    void HoverEngineStatusSliderChange();
    void ShipLandingTreeDblClick();
    void ShipDockedTreeDblClick();
    // The texts of the ship tab as validation reads them.
    ShipEditorTexts ShipTabTexts() const;
    // ShipName and PossibleShipFocus rebuilt from the table, n ships (none: row `row` alone).
    void ShipListsRebuild(int n, int row);
    // Keeps the user-controlled ship one of the ships, telling the user when it had to change.
    void ShipFocusCheck();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool startedUp_ = true;
};
