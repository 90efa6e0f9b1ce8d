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
}

QUndoStack& ScenarioController::undoStack() {
    return history_->stack();
}

void ScenarioController::recordStep(const QString& step, const QString& status) {
    if (session_.fileName().isEmpty()) return; // nothing loaded: the controls hold no scenario
    noteRowsBeforeChange();
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
    noteRowsBeforeChange();
    EditorSnapshot typed = history_->current();
    typed.document.Description = session_.document().Description;
    history_->recordTyping(QString::fromLatin1(EnvironmentTab::DescriptionStep), typed);
    showModified();
}

void ScenarioController::changePlanetarySystem(int entry) {
    const auto& systems = session_.planetarySystems();
    if (entry < 0 || entry >= static_cast<int>(systems.size())) return;
    const PlanetarySystemEntry system = systems[std::size_t(entry)];
    // An entry that no system file made has no bodies to read: the scenario only names it.
    if (!system.installed) {
        session_.setSystemName(system.name);
        return;
    }
    emit planetarySystemNeeded(entry, false);
    session_.changePlanetarySystem(system.name);
    showEmptied();
    recordStep(QStringLiteral("change of the planetary system"), QString());
}

void ScenarioController::showEmptied() {
    view_.stations->clearStations();
    view_.ships->clearShips();
    view_.environment->clearScenario();
    view_.ships->showStationTree();
    view_.ships->showBaseTree();
}

EditorSnapshot ScenarioController::snapshot() const {
    return session_.snapshot();
}

// An undo of the step about to be kept shows the rows it was done on.
void ScenarioController::noteRowsBeforeChange() {
    const auto [station, ship] = session_.takeRowsBeforeChange();
    history_->noteShownRows(station, ship);
}

void ScenarioController::undo() {
    // The rows last shown are those a redo of the step shows again.
    history_->noteShownRows(session_.currentStation(), session_.currentShip());
    history_->stack().undo();
}

void ScenarioController::redo() {
    history_->noteShownRows(session_.currentStation(), session_.currentShip());
    history_->stack().redo();
}

void ScenarioController::showSnapshot(const EditorSnapshot& state, const QString& status) {
    // A step back over a change of planetary system needs that system's bodies and bases.
    if (state.document.SystemName != session_.document().SystemName)
        emit planetarySystemNeeded(session_.planetarySystemIndex(state.document.SystemName), true);
    // The tabs only show what the session holds: nothing they do writes into it.
    session_.restore(state);
    view_.environment->showRestored();
    view_.stations->showRestored();
    view_.ships->showRestored();
    view_.status->say(status);
    showModified();
}

void ScenarioController::showModified() {
    view_.status->showModified(!session_.fileName().isEmpty() && history_->modified(snapshot()));
}

void ScenarioController::startHistory() {
    session_.takeRowsBeforeChange();
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
