#pragma once
// The history of the user's edits, for undo and redo. Each step keeps the editor's state
// before and after it: the document with its listed rows, the rows shown and the list
// entries. Undo and redo hand back a whole state to show; nothing is recomputed, so walking
// back to the start gives exactly the document that was loaded.
#include "core/scenario/scenario_document.h"

#include <QString>
#include <QStringList>
#include <vector>

struct EditorSnapshot {
    ScenarioDocument document;
    int stationCount = 0;
    int shipCount = 0;
    int currentStation = 0;
    int currentShip = 0;
    // The entries of the station and ship lists ("New Ship" before its validation).
    QStringList stationNames;
    QStringList shipNames;
    QStringList focusEntries;

    // The same scenario on disk: the document and the listed rows; the rows shown and the list
    // entries do not count.
    bool sameScenario(const EditorSnapshot& other) const;
    bool operator==(const EditorSnapshot&) const = default;
};

class EditHistory {
  public:
    // A scenario was loaded: no step to undo or redo; the state is the saved one.
    void reset(const EditorSnapshot& loaded);
    // The user's step led to that state. Returns false, recording nothing, when the scenario did
    // not change; a step drops every step that was undone before it.
    bool record(const QString& step, const EditorSnapshot& after);
    // The state was written to disk.
    void markSaved(const EditorSnapshot& saved);
    // The user looked at other rows: an undo of the next step shows these, the rows the step
    // was done on.
    void noteShownRows(int station, int ship);

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // The name of the step undo or redo would take back or do again; empty when there is none.
    QString undoStep() const;
    QString redoStep() const;
    // Moves one step back or forward and returns the state to show. Only when canUndo() or
    // canRedo().
    const EditorSnapshot& undo();
    const EditorSnapshot& redo();

    // The state after the last step done (or the loaded one).
    const EditorSnapshot& current() const { return position_ == 0 ? start_ : steps_[position_ - 1].after; }
    // True while that state is not the scenario last loaded or saved.
    bool modified(const EditorSnapshot& now) const { return !now.sameScenario(saved_); }
    std::size_t stepCount() const { return steps_.size(); }

  private:
    EditorSnapshot& currentState() { return position_ == 0 ? start_ : steps_[position_ - 1].after; }

    struct Step {
        QString name;
        EditorSnapshot before;
        EditorSnapshot after;
    };
    EditorSnapshot start_;
    EditorSnapshot saved_;
    std::vector<Step> steps_;
    std::size_t position_ = 0; // steps done; steps_[position_..] were undone
};
