#pragma once
// The bytes a save of the open scenario writes: the writer told how the editor shows ships, so
// that only what the user changed is written anew.
#include "core/scenario/scenario_document.h"

#include <QByteArray>

QByteArray SavedScenarioBytes(const ScenarioDocument& document, int stationCount, int shipCount);
