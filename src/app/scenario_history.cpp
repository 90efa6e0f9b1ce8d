#include "app/scenario_history.h"

#include <QUndoCommand>
#include <utility>

namespace {
// The id that lets the keystrokes of a burst merge; the other steps merge with nothing.
constexpr int kTypingId = 1;
constexpr int kNoBurst = -1;
} // namespace

class ScenarioHistory::Command : public QUndoCommand {
  public:
    Command(ScenarioHistory& history, const QString& step, EditorSnapshot before, EditorSnapshot after,
            int burst)
        : QUndoCommand(step), history_(history), before_(std::move(before)), after_(std::move(after)),
          burst_(burst) {}

    int id() const override { return burst_ == kNoBurst ? -1 : kTypingId; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* typed = static_cast<const Command*>(other);
        if (typed->burst_ != burst_) return false;
        after_ = typed->after_;
        // Typed back to what it was: the burst is no step, and the stack drops it.
        setObsolete(after_.sameScenario(before_));
        return true;
    }
    void undo() override { history_.restore(before_, "Undid " + text()); }
    void redo() override {
        // The stack does the step as it is pushed; the user has done it already.
        if (pushing_) {
            pushing_ = false;
            return;
        }
        history_.restore(after_, "Redid " + text());
    }
    const EditorSnapshot& after() const { return after_; }

  private:
    ScenarioHistory& history_;
    EditorSnapshot before_;
    EditorSnapshot after_;
    int burst_;
    bool pushing_ = true;
};

ScenarioHistory::ScenarioHistory(QObject* parent) : QObject(parent) {}

void ScenarioHistory::reset(const EditorSnapshot& loaded) {
    stack_.clear();
    loaded_ = loaded;
    saved_ = loaded;
    endTyping();
}

bool ScenarioHistory::record(const QString& step, const EditorSnapshot& after) {
    endTyping();
    return push(step, after, kNoBurst);
}

void ScenarioHistory::recordTyping(const QString& step, const EditorSnapshot& after) {
    push(step, after, burst_);
}

bool ScenarioHistory::push(const QString& step, const EditorSnapshot& after, int burst) {
    if (after.sameScenario(current())) return false;
    stack_.push(new Command(*this, step, current(), after, burst));
    return true;
}

void ScenarioHistory::markSaved(const EditorSnapshot& saved) {
    endTyping();
    saved_ = saved;
}

void ScenarioHistory::noteShownRows(int station, int ship) {
    EditorSnapshot& state = currentState();
    state.currentStation = station;
    state.currentShip = ship;
}

void ScenarioHistory::restore(const EditorSnapshot& state, const QString& status) {
    // Typing after an undo or a redo is a step of its own.
    endTyping();
    emit restored(state, status);
}

const EditorSnapshot& ScenarioHistory::current() const {
    const int done = stack_.index();
    return done == 0 ? loaded_ : static_cast<const Command*>(stack_.command(done - 1))->after();
}

EditorSnapshot& ScenarioHistory::currentState() {
    // The stack hands its commands out read-only; they are this history's own, and the rows
    // noted belong to the state after the last one done.
    return const_cast<EditorSnapshot&>(std::as_const(*this).current());
}
