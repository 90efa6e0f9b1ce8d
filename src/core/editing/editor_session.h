#pragma once
// The editing session: everything the editor knows between two actions of the user. The open
// scenario, the folders, the catalogs of the installation, the bodies of the current
// planetary system, the rows the tabs show and the file name live here and nowhere else; the
// windows show them and ask the session to change them. Each change is told by a signal.
#include "core/editing/date_change_moves.h"
#include "core/editing/dock_pairs.h"
#include "core/editing/edit_history.h"
#include "core/editing/ship_editor_texts.h"
#include "core/editing/station_rows.h"
#include "core/installation/base_catalog.h"
#include "core/installation/dock_catalog.h"
#include "core/scenario/scenario_document.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

struct SessionFolders {
    QString start;     // the start folder, ending in the platform's separator
    QString simulator; // as read from "tyx.cfg"
    QString config;    // the configuration folder, ending in a separator
    QString scenario;  // the scenario folder, ending in a separator
};

struct PlanetarySystemEntry {
    QString name;
    QString file; // the system file in the configuration folder
    // False for a system only a scenario named: its file is a guess from the name, read when
    // the scenario is loaded but never offered as the user's choice of system.
    bool installed = true;
};

class EditorSession : public QObject {
    Q_OBJECT
  public:
    explicit EditorSession(QObject* parent = nullptr);

    // ---- Folders --------------------------------------------------------------------------
    const SessionFolders& folders() const { return folders_; }
    void setFolders(const SessionFolders& folders);

    // ---- Catalogs of the installation -----------------------------------------------------
    const std::vector<PlanetarySystemEntry>& planetarySystems() const { return systems_; }
    void setPlanetarySystems(std::vector<PlanetarySystemEntry> systems);
    // The entry of that name (the last one when several have it), added without a file when none
    // has it; returns its index.
    int planetarySystemIndex(const QString& name);
    const QStringList& spacecraftClasses() const { return spacecraftClasses_; }
    const QStringList& stationClasses() const { return stationClasses_; }
    void setClasses(const QStringList& spacecraft, const QStringList& stations);
    // The dock ports of each class: one entry per station class file, then one per vessel class
    // whose file has a dock list.
    const std::vector<StationClassDock>& stationClassDocks() const { return docks_; }
    void setStationClassDocks(std::vector<StationClassDock> docks) { docks_ = std::move(docks); }

    // ---- The current planetary system -----------------------------------------------------
    // Its bodies, in the order of the system file.
    const QStringList& bodies() const { return bodies_; }
    void setBodies(const QStringList& bodies);
    // One entry per base of the bodies: Name & ":" & pad count & ":" & body.
    const QStringList& bases() const { return bases_; }
    // The same bases with their files and locations.
    const std::vector<InstalledBase>& installedBases() const { return installedBases_; }
    void setBases(std::vector<InstalledBase> bases);

    // ---- The open scenario ----------------------------------------------------------------
    // Only the session changes it, by the operations below; each says so by a signal.
    const ScenarioDocument& document() const { return document_; }
    // The file name within the scenario folder; empty before the first load.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& name);
    QString filePath() const { return folders_.scenario + fileName_; }
    // The entries of the station and ship lists ("New Station" and "New Ship" before their
    // validation) and of the possible user-controlled ships. The lists count the stations and
    // ships; rows beyond them are spare and never written.
    const QStringList& stationNames() const { return stationNames_; }
    const QStringList& shipNames() const { return shipNames_; }
    const QStringList& focusEntries() const { return focusEntries_; }
    int stationCount() const { return static_cast<int>(stationNames_.size()); }
    int shipCount() const { return static_cast<int>(shipNames_.size()); }
    // The rows the tabs show.
    int currentStation() const { return currentStation_; }
    void setCurrentStation(int row);
    int currentShip() const { return currentShip_; }
    void setCurrentShip(int row);

    // A scenario just read, with the entries of its lists. A file without any ship leaves none
    // of the previous scenario's ships behind: saving would otherwise write them into this one.
    void openScenario(const ScenarioDocument& document, const QStringList& stationNames,
                      const QStringList& shipNames, const QStringList& focusEntries, bool hasShips);
    // The scenario as the controls show it once it is loaded: the description, and the start
    // time that a save compares with the file's own.
    void setLoadedStart(const QString& description, const CalendarTime& start);
    void setDescription(const QString& description);
    // The system's name alone, for an entry of the list that no system file made.
    void setSystemName(const QString& name);
    // The user's choice of another planetary system: the scenario is emptied (as
    // emptyScenario() leaves it) and names the new system, in one change.
    void changePlanetarySystem(const QString& name);
    void setStartTime(const CalendarTime& start);
    // A new start with the orbiting ships given by position and velocity moved as the user
    // chose, in one change so that one undo takes both back. The time moved runs from the start
    // as StartMjdOf gives it (the exact MJD read while the start is the one read).
    void setStartTimeMovingShips(const CalendarTime& start, DateChangeMove move);
    // How many listed ships orbit by position and velocity: only when some do does a change
    // of the start ask what becomes of them.
    int shipsOrbitingByState() const;
    // The seconds from the start as StartMjdOf gives it to the one given.
    double secondsToStart(const CalendarTime& start) const;
    void setFocusShip(const QString& name);
    // No station, no ship, no description and no user-controlled ship, as a change of planetary
    // system leaves the scenario.
    void emptyScenario();

    // Validated texts stored in station row i (row 0 for a station typed into an empty list).
    void storeStation(int i, const StationControlTexts& texts, const StationRowExtras& extras);
    // A "New Station" entry after the listed ones; returns its row.
    int addStation();
    // Removes station i of the listed ones; the last one only empties the list.
    void deleteStation(int i);

    // Validated texts stored in ship row i, a listed one (row 0 for a ship typed into an empty
    // list); the focus entries follow.
    void storeShip(int i, const ShipEditorTexts& texts);
    // Docks a listed ship at another: the pair on both ships, in one change. Returns why it
    // cannot, with nothing changed ("Port 2 of Hub is taken by the ship Kite already.").
    QString dockShip(const DockRequest& request);
    // A blank "New Ship" after the listed ones; returns its row.
    int addShip();
    // Removes ship i of the listed ones, the lists built again from the rows: false, with nothing
    // changed, for a row that names none.
    bool deleteShip(int i);
    // The entries of the ship and focus lists again from the rows.
    void refreshShipLists();

    // The state undo and redo keep, and a kept one brought back.
    EditorSnapshot snapshot() const;
    void restore(const EditorSnapshot& state);
    // The rows shown when the scenario last began to change, and from then on the rows shown
    // at the next change: an undo shows the rows its step was done on.
    std::pair<int, int> takeRowsBeforeChange();

    // The scenario as a save writes it: every listed entry from its row.
    ScenarioDocument documentToSave() const;

  signals:
    void foldersChanged();
    void planetarySystemsChanged();
    void bodiesChanged();
    void fileNameChanged(const QString& name);
    void currentStationChanged(int row);
    void currentShipChanged(int row);
    // The lists of stations, of ships, of possible user-controlled ships changed, or the
    // user-controlled ship.
    void stationsChanged();
    void shipsChanged();
    // Ships' positions and velocities changed with the start, their names and lists as they were.
    void shipPlacesChanged();
    void focusEntriesChanged(const QStringList& entries);
    void focusShipChanged(const QString& name);
    void systemNameChanged(const QString& name);
    // The start date or time changed: where stations are at the start changes with it.
    void startTimeChanged();

  private:
    SessionFolders folders_;
    std::vector<PlanetarySystemEntry> systems_;
    QStringList spacecraftClasses_;
    QStringList stationClasses_;
    std::vector<StationClassDock> docks_;
    QStringList bodies_;
    QStringList bases_;
    std::vector<InstalledBase> installedBases_;
    ScenarioDocument document_;
    QString fileName_;
    QStringList stationNames_;
    QStringList shipNames_;
    QStringList focusEntries_;
    int currentStation_ = 0;
    int currentShip_ = 0;
    std::optional<std::pair<int, int>> rowsBeforeChange_;

    // Called by every operation before it changes the document.
    void changing();
};
