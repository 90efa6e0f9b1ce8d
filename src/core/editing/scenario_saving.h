#pragma once
// The bytes a save of the open scenario writes: the writer told how the editor shows ships, so
// that only what the user changed is written anew.
#include "core/scenario/scenario_document.h"

#include <QByteArray>

class EditorSession;

QByteArray SavedScenarioBytes(const ScenarioDocument& document, int stationCount, int shipCount);
// The bytes "&Save" writes for the session's open scenario. Saving and the view of what a save
// would change both take them from here, so the two can never differ.
QByteArray SessionSaveBytes(const EditorSession& session);
