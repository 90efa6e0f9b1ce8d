#pragma once
// The editing session: everything the editor knows between two actions of the user. The open
// scenario, the folders, the catalogs of the installation, the bodies of the current
// planetary system, the rows the tabs show and the file name live here and nowhere else; the
// windows show them and ask the session to change them. Each change is told by a signal.
#include "core/installation/base_catalog.h"
#include "core/installation/dock_catalog.h"
#include "core/scenario/scenario_document.h"

#include <QObject>
#include <QString>
#include <QStringList>
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
    ScenarioDocument& document() { return document_; }
    const ScenarioDocument& document() const { return document_; }
    // The file name within the scenario folder; empty before the first load.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& name);
    QString filePath() const { return folders_.scenario + fileName_; }
    // The stations and ships the lists show; rows beyond them are spare and never written.
    int stationCount() const { return stationCount_; }
    void setStationCount(int count) { stationCount_ = count; }
    int shipCount() const { return shipCount_; }
    void setShipCount(int count) { shipCount_ = count; }
    // The rows the tabs show.
    int currentStation() const { return currentStation_; }
    void setCurrentStation(int row);
    int currentShip() const { return currentShip_; }
    void setCurrentShip(int row);

    // The scenario as a save writes it: every listed entry from its row.
    ScenarioDocument documentToSave() const;

  signals:
    void foldersChanged();
    void planetarySystemsChanged();
    void bodiesChanged();
    void fileNameChanged(const QString& name);
    void currentStationChanged(int row);
    void currentShipChanged(int row);

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
    int stationCount_ = 0;
    int shipCount_ = 0;
    int currentStation_ = 0;
    int currentShip_ = 0;
};
