#pragma once
// The rules for the names of scenario files in the scenario folder.
#include <QString>

// The typed name without blanks at both ends, with ".scn" appended unless it already ends
// with it in any letter case.
QString CompletedScenarioName(const QString& typed);
// The simulator's own state files, never deleted from the editor (exact letter case).
bool IsProtectedScenarioName(const QString& name);
