#pragma once
// The history of the user's steps, for undo and redo, on Qt's undo stack. Each command keeps
// the editor's state before and after its step; undo and redo hand a whole state back to show,
// nothing is recomputed, so walking back to the start gives exactly the document that was
// loaded. Typing in the description is one step per burst: its keystrokes merge into one command.
#include "core/editing/edit_history.h"

#include <QObject>
#include <QUndoStack>

class ScenarioHistory : public QObject {
    Q_OBJECT
  public:
    explicit ScenarioHistory(QObject* parent = nullptr);

    // Undo and redo are the stack's; its texts name the steps.
    QUndoStack& stack() { return stack_; }

    // A scenario was loaded: no step to undo or redo; the state is the saved one.
    void reset(const EditorSnapshot& loaded);
    // The user's step led to that state. Returns false, keeping nothing, when the scenario did
    // not change. A step drops every step undone before it and ends a burst of typing.
    bool record(const QString& step, const EditorSnapshot& after);
    // Typing led to that state: the typing of one burst is one step, and none once the text is
    // typed back to what it was.
    void recordTyping(const QString& step, const EditorSnapshot& after);
    // The burst of typing ended: the next typing is a step of its own.
    void endTyping() { ++burst_; }
    // The state was written to disk.
    void markSaved(const EditorSnapshot& saved);
    // The user looked at other rows: an undo of the next step shows these, the rows the step
    // was done on.
    void noteShownRows(int station, int ship);

    // The state after the last step done (or the loaded one).
    const EditorSnapshot& current() const;
    // True while that state is not the scenario last loaded or saved.
    bool modified(const EditorSnapshot& now) const { return !now.sameScenario(saved_); }

  signals:
    // An undo or redo handed back that state to show; the status names what it did.
    void restored(const EditorSnapshot& state, const QString& status);

  private:
    class Command;

    bool push(const QString& step, const EditorSnapshot& after, int burst);
    void restore(const EditorSnapshot& state, const QString& status);
    EditorSnapshot& currentState();

    QUndoStack stack_;
    EditorSnapshot loaded_;
    EditorSnapshot saved_;
    int burst_ = 0; // the burst of typing that goes on; a step that is no typing has none
};
