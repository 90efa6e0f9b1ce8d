#pragma once
// The checks of the station and ship rows of one scenario: the validation each row's tab runs,
// then what holds across the rows and against the installation.
#include "core/check/check_context.h"
#include "core/check/check_problem.h"
#include "core/orbit/orbit_insight.h"
#include "core/scenario/scenario_document.h"

#include <QStringList>
#include <vector>

// The other names each row's validation compares its name with. Only a name that another row
// holds can fail that check, so each row gets its own name when another row holds it and
// nothing otherwise: the same verdict without comparing every row with every other.
std::vector<QStringList> OtherNamesOfRows(const QStringList& names);

// Rows 0 to count - 1 of the station table.
void CheckStations(const ScenarioDocument& document, int count, CheckContext& context,
                   std::vector<CheckProblem>& problems);

// Rows 0 to count - 1 of the ship table; bases are those of the file's planetary system, none
// when its file could not be read (the pads are then not checked).
void CheckShips(const ScenarioDocument& document, int count, int stationCount, const SystemBases* bases,
                CheckContext& context, std::vector<CheckProblem>& problems);

// The problem of an orbit whose lowest point is below the surface or inside the atmosphere of
// the body it goes round; none for a clear or unknown orbit.
void AddPeriapsisProblem(PeriapsisPlace place, CheckRow row, const QString& name, const QString& body,
                         std::vector<CheckProblem>& problems);
