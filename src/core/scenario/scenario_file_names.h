#pragma once
// The rules for the names of scenario files in the scenario folder.
#include <QString>

// The typed name without blanks at both ends, with ".scn" appended unless it already ends
// with it in any letter case.
QString CompletedScenarioName(const QString& typed);
// The simulator's own state files at the top of the scenario folder, never deleted from the
// editor (exact letter case); the same names in a folder below are ordinary files.
bool IsProtectedScenarioName(const QString& name);

// A scenario's name within the scenario folder is its path below it, "\" between the folders
// ("Glider\Docked at the station.scn"); a file at the top has its bare name.
// The folder part of such a name: up to and with its last "\"; empty for a file at the top.
QString ScenarioFolderOfName(const QString& name);
// The name without its folder part.
QString ScenarioFileOfName(const QString& name);
// True when a typed name holds a folder separator ("\" or "/"): the file dialogs take a bare
// name and the folder from their tree.
bool HoldsFolderSeparator(const QString& typed);
