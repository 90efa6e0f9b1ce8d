#pragma once
// The description of a scenario file as the file dialogs preview it.
#include <QString>

// The whole description of the file (lines joined by CR LF); empty when the file has none
// or cannot be read.
QString ScenarioFileDescription(const QString& path);
