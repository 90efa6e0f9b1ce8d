#pragma once
// The exact bytes of a scenario file: every line ended by CR LF, in the simulator's code page.
#include "core/scenario/scenario_document.h"

#include <QByteArray>
#include <QString>

// Writes the description, environment, focus, the fixed camera/HUD/MFD blocks, stations
// 0 to stationCount - 1 and ships 0 to shipCount - 1.
QByteArray ScenarioFileBytes(const ScenarioDocument& document, int stationCount, int shipCount);

// Writes those bytes to a file named by a folder text and a file name. The file is replaced
// only once the new one is complete; on failure the old file stays as it was, the result is
// false and error (when given) says why, in words the user can read.
bool WriteScenarioFile(const QString& path, const ScenarioDocument& document, int stationCount, int shipCount,
                       QString* error = nullptr);
