#pragma once
// The check of scenario files from the command line: no window, no display, nothing written.
struct CommandLine;

// Prints the problems found (or one JSON document) and returns the exit status: 0 when none was
// found, 1 when some were, 2 when the check could not run.
int RunCheckCommand(const CommandLine& line);
