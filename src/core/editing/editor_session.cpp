#include "core/editing/editor_session.h"

#include "core/editing/dock_pairs.h"

#include "core/editing/ship_lists.h"
#include "core/editing/ship_orbit_forms.h"
#include "core/installation/planet_data.h"

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
    if (static_cast<int>(document.StationTable.size()) < stationCount())
        document.StationTableRedimPreserve(stationCount());
    if (static_cast<int>(document.ShipTable.size()) < shipCount())
        document.ShipTableRedimPreserve(shipCount());
    return document;
}

void EditorSession::changing() {
    if (!rowsBeforeChange_) rowsBeforeChange_ = std::pair(currentStation_, currentShip_);
}

std::pair<int, int> EditorSession::takeRowsBeforeChange() {
    const auto rows = rowsBeforeChange_.value_or(std::pair(currentStation_, currentShip_));
    rowsBeforeChange_.reset();
    return rows;
}

void EditorSession::openScenario(const ScenarioDocument& document, const QStringList& stationNames,
                                 const QStringList& shipNames, const QStringList& focusEntries,
                                 bool hasShips) {
    document_ = document;
    stationNames_ = document_.StationTable.empty() ? QStringList() : stationNames;
    shipNames_ = hasShips ? shipNames : QStringList();
    if (!hasShips) document_.ShipTableRedim(0);
    if (document_.StationTable.empty()) document_.StationTableRedim(0);
    rowsBeforeChange_.reset();
    emit stationsChanged();
    emit shipsChanged();
    focusEntries_ = focusEntries;
    emit focusEntriesChanged(focusEntries_);
}

void EditorSession::setLoadedStart(const QString& description, const CalendarTime& start) {
    document_.Description = description;
    setStartTime(start);
    document_.ShownStart = start;
}

void EditorSession::setDescription(const QString& description) {
    changing();
    document_.Description = description;
}

void EditorSession::setSystemName(const QString& name) {
    // Naming the system the scenario already names begins no change.
    if (document_.SystemName == name) return;
    changing();
    document_.SystemName = name;
    emit systemNameChanged(name);
}

void EditorSession::changePlanetarySystem(const QString& name) {
    changing();
    emptyScenario();
    document_.SystemName = name;
    emit systemNameChanged(name);
}

void EditorSession::setStartTime(const CalendarTime& start) {
    changing();
    document_.StartDate = start.day;
    document_.StartHour = start.hour;
    document_.StartMinute = start.minute;
    emit startTimeChanged();
}

void EditorSession::setStartTimeMovingShips(const CalendarTime& start, DateChangeMove move) {
    const double before = StartMjdOf(document_);
    const double seconds = secondsToStart(start);
    setStartTime(start);
    if (move == DateChangeMove::Keep) return;
    const QString config = folders_.config;
    std::vector<ShipRow> rows = ShipRowsMovedToDate(
        document_, shipCount(), [&config](const QString& body) { return PlanetDataOfBody(config, body); },
        before, seconds, move);
    if (rows == document_.ShipTable) return;
    document_.ShipTable = std::move(rows);
    emit shipPlacesChanged();
}

double EditorSession::secondsToStart(const CalendarTime& start) const {
    ScenarioDocument moved = document_;
    moved.StartDate = start.day;
    moved.StartHour = start.hour;
    moved.StartMinute = start.minute;
    return (StartMjdOf(moved) - StartMjdOf(document_)) * 86400;
}

int EditorSession::shipsOrbitingByState() const {
    return static_cast<int>(ShipsOrbitingByState(document_, shipCount()).size());
}

void EditorSession::setFocusShip(const QString& name) {
    changing();
    document_.FocusShip = name;
    emit focusShipChanged(name);
}

void EditorSession::emptyScenario() {
    changing();
    document_.StationTableRedim(0);
    document_.ShipTableRedim(0);
    stationNames_.clear();
    shipNames_.clear();
    emit stationsChanged();
    emit shipsChanged();
    setFocusShip(QString());
    document_.Description.clear();
    focusEntries_.clear();
    emit focusEntriesChanged(focusEntries_);
}

void EditorSession::storeStation(int i, const StationControlTexts& texts, const StationRowExtras& extras) {
    changing();
    StoreStationRow(document_, i, shipCount(), texts, extras);
    const int listed = stationCount();
    QStringList names;
    if (listed > 0) {
        const int rows = std::min(listed, static_cast<int>(document_.StationTable.size()));
        for (int k = 0; k < rows; ++k)
            names.append(document_.StationTable[std::size_t(k)].Name);
    } else if (i >= 0) {
        names.append(document_.StationTable[std::size_t(i)].Name);
    }
    stationNames_ = names;
    emit stationsChanged();
}

int EditorSession::addStation() {
    changing();
    const int n = stationCount();
    document_.StationTableRedimPreserve(n + 1);
    stationNames_.append(QStringLiteral("New Station"));
    emit stationsChanged();
    return n;
}

void EditorSession::deleteStation(int i) {
    changing();
    const int n = stationCount();
    if (n <= 1) {
        // The last station only leaves the list: its row stays as the spare one.
        stationNames_.clear();
    } else if (RemoveStationRow(document_, i, n)) {
        stationNames_.removeAt(i);
        if (i > 0) setCurrentStation(i - 1);
    }
    emit stationsChanged();
}

void EditorSession::storeShip(int i, const ShipEditorTexts& texts) {
    const int last = std::max(shipCount() - 1, 0);
    if (i < 0 || i > last) return; // a row no list entry shows
    changing();
    // A table shorter than its list is grown rather than overrun.
    if (static_cast<int>(document_.ShipTable.size()) <= last) document_.ShipTableRedimPreserve(last);
    const int count = shipCount();
    // The partners' pairs follow the ship's name, and a ship its dock placed that is given
    // another status leaves its dock: both rows change in this one step.
    RenameInPairs(document_, count, i, texts.name);
    const bool placedByDock = i < count && ShipDocks(document_, count).PlacedByDock(i);
    const bool leaves = placedByDock && (texts.status == ShipStatusChoice::Landed ||
                                         texts.status == ShipStatusChoice::Orbiting ||
                                         texts.placement != ShipPlacement::ByDock);
    if (leaves) UndockShip(document_, count, i);
    ShipEditorTexts stored = texts;
    // An orbiting ship out of its dock floats where it was; a landed one stands where the form
    // puts it.
    if (leaves && texts.status == ShipStatusChoice::Landed)
        stored.placement =
            texts.landedAt == LandedAt::Position ? ShipPlacement::ByPosition : ShipPlacement::ByStatus;
    ShipRow& row = document_.ShipTable[std::size_t(i)];
    row = StoredShipRow(row, stored);
    if (leaves && texts.status == ShipStatusChoice::Orbiting) row.Status = QStringLiteral("Orbiting");
    if (leaves && texts.status == ShipStatusChoice::Landed) {
        row.Status = QStringLiteral("Landed");
        row.StatusRef = texts.landedAt == LandedAt::Position ? texts.landedBody : texts.landedPlanet;
    }
    // A ship typed into the empty list becomes the one listed.
    if (shipNames_.isEmpty()) shipNames_.append(QString());
    refreshShipLists();
}

int EditorSession::addShip() {
    changing();
    const int n = shipCount();
    document_.ShipTableRedimPreserve(n + 1);
    // The row brought into use may still hold a deleted ship's values (delete leaves them in
    // the spare row): a new ship starts blank, without another ship's unknown lines.
    ShipRow& row = document_.ShipTable[std::size_t(n)];
    document_.ShipTableBlanking(n);
    row.Name.clear();
    row.OtherLines.clear();
    row.ReadBlock = -1; // nor the block another ship was read from
    shipNames_.append(QStringLiteral("New Ship"));
    emit shipsChanged();
    return n;
}

QString EditorSession::dockShip(const DockRequest& request) {
    const int count = shipCount();
    if (request.ship < 0 || request.ship >= count || request.partner < 0 || request.partner >= count ||
        request.ship == request.partner)
        return {};
    const QString refusal = DockRefusal(document_, count, request);
    if (!refusal.isEmpty()) return refusal;
    changing();
    DockShip(document_, count, request);
    refreshShipLists();
    return {};
}

bool EditorSession::deleteShip(int i) {
    if (i < 0 || i >= shipCount() || shipCount() > static_cast<int>(document_.ShipTable.size())) return false;
    changing();
    // Its partners lose their pairs with it before its row goes, while the names still match.
    RemovePairsOf(document_, shipCount(), i);
    RemoveShipRow(document_, i, shipCount());
    shipNames_.removeAt(i);
    if (i > 0) setCurrentShip(i - 1);
    refreshShipLists();
    return true;
}

void EditorSession::refreshShipLists() {
    shipNames_ = ShipNameEntries(document_.ShipTable, shipCount());
    emit shipsChanged();
    focusEntries_ = PossibleShipFocusEntries(document_.ShipTable, shipCount());
    emit focusEntriesChanged(focusEntries_);
}

EditorSnapshot EditorSession::snapshot() const {
    return EditorSnapshot{document_,    stationCount(), shipCount(), currentStation_,
                          currentShip_, stationNames_,  shipNames_,  focusEntries_};
}

void EditorSession::restore(const EditorSnapshot& state) {
    document_ = state.document;
    stationNames_ = state.stationNames;
    shipNames_ = state.shipNames;
    focusEntries_ = state.focusEntries;
    currentStation_ = state.currentStation;
    currentShip_ = state.currentShip;
    rowsBeforeChange_.reset();
    // Everything may differ from what is shown: the lists, the focus and the system.
    emit stationsChanged();
    emit shipsChanged();
    emit focusEntriesChanged(focusEntries_);
    emit focusShipChanged(document_.FocusShip);
    emit systemNameChanged(document_.SystemName);
    emit startTimeChanged();
}
