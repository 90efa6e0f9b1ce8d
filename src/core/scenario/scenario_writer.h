#pragma once
// The exact bytes of a scenario file: every line ended by CR LF, in the simulator's code page.
#include "core/scenario/scenario_document.h"

#include <QByteArray>
#include <QString>

// Writes the description, environment, focus, the fixed camera/HUD/MFD blocks, stations
// 0 to stationCount - 1 and ships 0 to shipCount - 1.
QByteArray ScenarioFileBytes(const ScenarioDocument& document, int stationCount, int shipCount);
