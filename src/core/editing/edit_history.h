#pragma once
// The editor's state that the history of the user's edits keeps before and after each step: the
// document with its listed rows, the rows shown and the list entries. Restoring a whole state
// recomputes nothing, so walking back to the start gives exactly the document that was loaded.
#include "core/scenario/scenario_document.h"

#include <QString>
#include <QStringList>

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
