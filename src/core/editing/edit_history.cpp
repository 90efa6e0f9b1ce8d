#include "core/editing/edit_history.h"

bool EditorSnapshot::sameScenario(const EditorSnapshot& other) const {
    return stationCount == other.stationCount && shipCount == other.shipCount && document == other.document;
}

void EditHistory::reset(const EditorSnapshot& loaded) {
    start_ = loaded;
    saved_ = loaded;
    steps_.clear();
    position_ = 0;
}

bool EditHistory::record(const QString& step, const EditorSnapshot& after) {
    const EditorSnapshot& before = current();
    if (after.sameScenario(before)) return false;
    Step done{step, before, after};
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    steps_.push_back(std::move(done));
    position_ = steps_.size();
    return true;
}

void EditHistory::markSaved(const EditorSnapshot& saved) {
    saved_ = saved;
}

void EditHistory::noteShownRows(int station, int ship) {
    EditorSnapshot& state = currentState();
    state.currentStation = station;
    state.currentShip = ship;
}

QString EditHistory::undoStep() const {
    return canUndo() ? steps_[position_ - 1].name : QString();
}

QString EditHistory::redoStep() const {
    return canRedo() ? steps_[position_].name : QString();
}

const EditorSnapshot& EditHistory::undo() {
    --position_;
    return steps_[position_].before;
}

const EditorSnapshot& EditHistory::redo() {
    ++position_;
    return steps_[position_ - 1].after;
}
