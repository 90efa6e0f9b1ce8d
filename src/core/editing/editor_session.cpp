#include "core/editing/editor_session.h"

EditorSession::EditorSession(QObject* parent) : QObject(parent) {}

void EditorSession::setFolders(const SessionFolders& folders) {
    folders_ = folders;
    emit foldersChanged();
}

void EditorSession::setPlanetarySystems(std::vector<PlanetarySystemEntry> systems) {
    systems_ = std::move(systems);
    emit planetarySystemsChanged();
}

int EditorSession::planetarySystemIndex(const QString& name) {
    int found = -1;
    for (int i = 0; i < static_cast<int>(systems_.size()); ++i) {
        if (systems_[i].name == name) found = i;
    }
    if (found >= 0) return found;
    // A system no file of the installation names: the scenario keeps it, with the file its
    // name would have.
    systems_.push_back(PlanetarySystemEntry{name, name + QStringLiteral(".cfg"), false});
    emit planetarySystemsChanged();
    return static_cast<int>(systems_.size()) - 1;
}

void EditorSession::setClasses(const QStringList& spacecraft, const QStringList& stations) {
    spacecraftClasses_ = spacecraft;
    stationClasses_ = stations;
}

void EditorSession::setBodies(const QStringList& bodies) {
    bodies_ = bodies;
    emit bodiesChanged();
}

void EditorSession::setBases(std::vector<InstalledBase> bases) {
    bases_ = BaseCatalogEntries(bases);
    installedBases_ = std::move(bases);
}

void EditorSession::setFileName(const QString& name) {
    fileName_ = name;
    emit fileNameChanged(name);
}

void EditorSession::setCurrentStation(int row) {
    currentStation_ = row;
    emit currentStationChanged(row);
}

void EditorSession::setCurrentShip(int row) {
    currentShip_ = row;
    emit currentShipChanged(row);
}

ScenarioDocument EditorSession::documentToSave() const {
    ScenarioDocument document = document_;
    // Every listed entry is written from its row; a row missing after an edit is written empty.
    if (static_cast<int>(document.StationTable.size()) < stationCount_)
        document.StationTableRedimPreserve(stationCount_);
    if (static_cast<int>(document.ShipTable.size()) < shipCount_) document.ShipTableRedimPreserve(shipCount_);
    return document;
}
