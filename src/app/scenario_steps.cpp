// The user's steps in the tabs, kept for undo and redo, and the status bar that says what
// happened. The history keeps whole states of the session; the tabs only announce that a step
// happened.
#include "app/scenario_controller.h"
#include "app/scenario_history.h"

#include "core/editing/editor_session.h"
#include "core/io/file_access.h"
#include "widgets/common/status_line.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QTime>

ScenarioController::ScenarioController(EditorSession& session, const ScenarioView& view)
    : QObject(view.window), session_(session), view_(view), history_(new ScenarioHistory(this)) {
    connect(history_, &ScenarioHistory::restored, this, &ScenarioController::showSnapshot);
    // An undo shows the rows its step was done on: the rows shown last before it.
    // Noted once the event that moved them is done: rows a step moves belong to the state after it.
    const auto noteRows = [this] {
        QMetaObject::invokeMethod(
            this, [this] { history_->noteShownRows(session_.currentStation(), session_.currentShip()); },
            Qt::QueuedConnection);
    };
    connect(&session_, &EditorSession::currentStationChanged, this, noteRows);
    connect(&session_, &EditorSession::currentShipChanged, this, noteRows);
}

QUndoStack& ScenarioController::undoStack() {
    return history_->stack();
}

void ScenarioController::recordStep(const QString& step, const QString& status) {
    if (session_.fileName().isEmpty()) return; // nothing loaded: the controls hold no scenario
    if (step == QLatin1String(EnvironmentTab::DescriptionStep)) {
        // The description lost the focus: its burst of typing ends.
        history_->recordTyping(step, snapshot());
        history_->endTyping();
    } else {
        history_->record(step, snapshot());
    }
    if (!status.isEmpty()) view_.status->say(status);
    showModified();
}

// Typing in the description changes the scenario at once; the typing of one burst, until the
// description loses the focus, is one step.
void ScenarioController::recordTyping() {
    if (session_.fileName().isEmpty()) return;
    EditorSnapshot typed = history_->current();
    typed.document.Description = session_.document().Description;
    history_->recordTyping(QString::fromLatin1(EnvironmentTab::DescriptionStep), typed);
    showModified();
}

void ScenarioController::changePlanetarySystem(int entry) {
    const auto& systems = session_.planetarySystems();
    if (entry < 0 || entry >= static_cast<int>(systems.size()) || !systems[std::size_t(entry)].installed)
        return; // an entry that no system file made
    emit planetarySystemNeeded(entry, false);
    emptyScenario();
    recordStep(QStringLiteral("change of the planetary system"), QString());
}

void ScenarioController::emptyScenario() {
    ScenarioDocument& document = session_.document();
    document.StationTableRedim(0);
    document.ShipTableRedim(0);
    view_.stations->clearStations();
    view_.ships->clearShips();
    view_.environment->clearScenario();
    view_.ships->showStationTree();
    view_.ships->showBaseTree();
}

EditorSnapshot ScenarioController::snapshot() const {
    EditorSnapshot state;
    state.document = session_.document();
    state.stationCount = session_.stationCount();
    state.shipCount = session_.shipCount();
    state.currentStation = session_.currentStation();
    state.currentShip = session_.currentShip();
    state.stationNames = view_.stations->listedNames();
    state.shipNames = view_.ships->listedNames();
    state.focusEntries = view_.environment->focusEntries();
    return state;
}

void ScenarioController::showSnapshot(const EditorSnapshot& state, const QString& status) {
    // A step back over a change of planetary system needs that system's bodies and bases.
    if (state.document.SystemName != session_.document().SystemName)
        emit planetarySystemNeeded(session_.planetarySystemIndex(state.document.SystemName), true);
    const auto restore = [this, &state] {
        session_.document() = state.document;
        session_.setStationCount(state.stationCount);
        session_.setShipCount(state.shipCount);
    };
    restore();
    view_.environment->showRestored(state.focusEntries);
    view_.stations->showRestored(state.stationNames, state.currentStation);
    view_.ships->showRestored(state.shipNames, state.currentShip);
    // Showing the rows must leave the scenario exactly as it was kept.
    restore();
    view_.status->say(status);
    showModified();
}

void ScenarioController::showModified() {
    view_.status->showModified(!session_.fileName().isEmpty() && history_->modified(snapshot()));
}

void ScenarioController::startHistory() {
    history_->reset(snapshot());
    view_.status->showFile(DisplayPath(session_.filePath()));
    showModified();
}

void ScenarioController::markSaved(const QString& fileName) {
    history_->markSaved(snapshot());
    view_.status->showFile(DisplayPath(session_.filePath()));
    view_.status->say("Saved " + fileName + " at " + QTime::currentTime().toString("hh:mm"));
    showModified();
}
