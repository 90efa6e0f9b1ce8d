// Undo and redo of the user's steps, and the status bar that says what happened. The history
// keeps whole states of the session; the tabs only announce that a step happened.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "core/io/file_access.h"
#include "widgets/common/status_line.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTime>

void TYX::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("MenuEdit");
    undoAction_ = edit->addAction("&Undo");
    undoAction_->setObjectName("EditUndo");
    undoAction_->setShortcuts(QKeySequence::Undo);
    redoAction_ = edit->addAction("&Redo");
    redoAction_->setObjectName("EditRedo");
    redoAction_->setShortcuts(QKeySequence::Redo);
    // A text box with the focus takes the platform keys for its own text before the window's
    // shortcuts see them; the menu items themselves always act on the scenario.
    connect(undoAction_, &QAction::triggered, this, &TYX::undo);
    connect(redoAction_, &QAction::triggered, this, &TYX::redo);
    updateEditState();
}

EditorSnapshot TYX::snapshot() const {
    return session_->snapshot();
}

void TYX::recordStep(const QString& step, const QString& status) {
    if (session_->fileName().isEmpty()) return; // nothing loaded: the controls hold no scenario
    // An undo of this step shows the rows it was done on.
    const auto [station, ship] = session_->takeRowsBeforeChange();
    history_.noteShownRows(station, ship);
    if (step == QLatin1String(EnvironmentTab::DescriptionStep))
        typingPending_ = false;
    else
        recordPendingTyping();
    history_.record(step, snapshot());
    if (!status.isEmpty()) statusLine_->say(status);
    updateEditState();
}

// Typing in the description changes the scenario at once, but is recorded as a step only when
// the description loses the focus; a step, an undo or a save before that records it first, on
// its own.
void TYX::recordPendingTyping() {
    if (!typingPending_) return;
    typingPending_ = false;
    EditorSnapshot typed = history_.current();
    typed.document.Description = session_->document().Description;
    history_.record(EnvironmentTab::DescriptionStep, typed);
}

void TYX::undo() {
    // The rows last shown are those a redo of the last step shows again.
    history_.noteShownRows(session_->currentStation(), session_->currentShip());
    recordPendingTyping();
    if (!history_.canUndo()) return;
    const QString step = history_.undoStep();
    showSnapshot(history_.undo());
    statusLine_->say("Undid " + step);
    updateEditState();
}

void TYX::redo() {
    history_.noteShownRows(session_->currentStation(), session_->currentShip());
    recordPendingTyping();
    if (!history_.canRedo()) return;
    const QString step = history_.redoStep();
    showSnapshot(history_.redo());
    statusLine_->say("Redid " + step);
    updateEditState();
}

void TYX::showSnapshot(const EditorSnapshot& state) {
    // A step back over a change of planetary system needs that system's bodies and bases.
    if (state.document.SystemName != session_->document().SystemName) {
        const int entry = session_->planetarySystemIndex(state.document.SystemName);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        readPlanetarySystem(session_->folders().config +
                            session_->planetarySystems()[std::size_t(entry)].file);
        QApplication::restoreOverrideCursor();
        readBases();
    }
    // The tabs only show what the session holds: nothing they do writes into it.
    session_->restore(state);
    environmentTab_->showRestored();
    stationTab_->showRestored();
    shipTab_->showRestored();
}

void TYX::updateEditState() {
    const bool loaded = !session_->fileName().isEmpty();
    // Typing not yet recorded is what an undo takes back first.
    const QString undoStep =
        typingPending_ ? QString::fromLatin1(EnvironmentTab::DescriptionStep) : history_.undoStep();
    undoAction_->setEnabled(loaded && !undoStep.isEmpty());
    redoAction_->setEnabled(loaded && history_.canRedo());
    undoAction_->setText(undoStep.isEmpty() ? QStringLiteral("&Undo") : "&Undo " + undoStep);
    redoAction_->setText(history_.canRedo() ? "&Redo " + history_.redoStep() : QStringLiteral("&Redo"));
    if (statusLine_) statusLine_->showModified(loaded && history_.modified(snapshot()));
}

void TYX::startHistory() {
    typingPending_ = false;
    session_->takeRowsBeforeChange();
    history_.reset(snapshot());
    statusLine_->showFile(DisplayPath(session_->filePath()));
    updateEditState();
}

void TYX::markSaved(const QString& fileName) {
    recordPendingTyping();
    history_.markSaved(snapshot());
    statusLine_->showFile(DisplayPath(session_->filePath()));
    statusLine_->say("Saved " + fileName + " at " + QTime::currentTime().toString("hh:mm"));
    updateEditState();
}
