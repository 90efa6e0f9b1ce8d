// The command line: the editor's FILE, the help and version, and the check of scenario files.
#include "app/command_line.h"

#include "app/check_command.h"
#include "skelvan_version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

static const char* const ProgramName = "skelvan-scenario-editor";

CommandLineReader::CommandLineReader()
    : check_{"check", "Checks scenario files without opening a window: the FILEs and FOLDERs "
                      "named, else the scenario folder of the installation and every "
                      "folder below it."},
      simulator_{"simulator",
                 "With --check: the simulator installation to check against (else the one "
                 "\"tyx.cfg\" in the working folder names).",
                 "folder"},
      json_{"json", "With --check: print one JSON document."},
      recursive_{"recursive", "With --check: check the sub-folders of the FOLDERs named too."} {
    QCoreApplication::setApplicationName(ProgramName);
    QCoreApplication::setApplicationVersion(SKELVAN_VERSION);
    parser_.setApplicationDescription("Edits the scenario files of the Skelvan space-flight simulator.");
    help_ = parser_.addHelpOption();
    version_ = parser_.addVersionOption();
    parser_.addOptions({check_, simulator_, json_, recursive_});
    parser_.addPositionalArgument("file",
                                  "The scenario to open (a path, or a name within the scenario folder), or "
                                  "with --check the files and folders to check.",
                                  "[FILE|FOLDER...]");
}

CommandLine CommandLineReader::read(const QStringList& arguments) {
    CommandLine line;
    if (!parser_.parse(arguments)) {
        line.mode = CommandLine::Mode::Error;
        line.error = parser_.errorText();
        return line;
    }
    line.paths = parser_.positionalArguments();
    line.simulator = parser_.value(simulator_);
    line.json = parser_.isSet(json_);
    line.recursive = parser_.isSet(recursive_);
    if (parser_.isSet(help_) || parser_.isSet("help-all"))
        line.mode = CommandLine::Mode::Help;
    else if (parser_.isSet(version_))
        line.mode = CommandLine::Mode::Version;
    else if (parser_.isSet(check_))
        line.mode = CommandLine::Mode::Check;
    else if (line.paths.size() > 1 || line.json || line.recursive || parser_.isSet(simulator_)) {
        line.mode = CommandLine::Mode::Error;
        line.error = line.paths.size() > 1 ? "The editor opens one scenario at a time."
                                           : "--simulator, --json and --recursive go with --check.";
    }
    return line;
}

int CommandLineReader::runWithoutWindow(const CommandLine& line) const {
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (line.mode) {
    case CommandLine::Mode::Help:
        out << parser_.helpText();
        return 0;
    case CommandLine::Mode::Version:
        out << ProgramName << ' ' << SKELVAN_VERSION << '\n';
        return 0;
    case CommandLine::Mode::Error:
        err << ProgramName << ": " << line.error << '\n' << "Try \"" << ProgramName << " --help\".\n";
        return 2;
    case CommandLine::Mode::Check:
        return RunCheckCommand(line);
    case CommandLine::Mode::Editor:
        break;
    }
    return 0;
}
