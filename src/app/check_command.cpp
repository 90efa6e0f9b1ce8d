// Placeholder until the check is built: it says so and reports that it could not run.
#include "app/check_command.h"

#include "app/command_line.h"

#include <QTextStream>

#include <cstdio>

int RunCheckCommand(const CommandLine&) {
    QTextStream(stderr) << "skelvan-scenario-editor: the check is not available in this build.\n";
    return 2;
}
