// The command line: the editor's FILE, the help and version, and the check of scenario files.
#include "app/command_line.h"

#include "app/check_command.h"
#include "skelvan_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

static const char* const ProgramName = "skelvan-scenario-editor";

namespace {
// The options, made the same way for reading the line and for printing the help (which needs
// the application object for the program's name).
struct Options {
    QCommandLineOption help{"?"};
    QCommandLineOption version{"?"};
    QCommandLineOption check{"check", "Checks scenario files without opening a window: the FILEs and FOLDERs "
                                      "named, else the scenario folder of the installation and every "
                                      "folder below it."};
    QCommandLineOption simulator{"simulator",
                                 "With --check: the simulator installation to check against (else the one "
                                 "\"tyx.cfg\" in the working folder names).",
                                 "folder"};
    QCommandLineOption json{"json", "With --check: print one JSON document."};
    QCommandLineOption recursive{"recursive",
                                 "With --check: check the sub-folders of the FOLDERs named too."};

    explicit Options(QCommandLineParser& parser) {
        QCoreApplication::setApplicationName(ProgramName);
        QCoreApplication::setApplicationVersion(SKELVAN_VERSION);
        parser.setApplicationDescription("Edits the scenario files of the Skelvan space-flight simulator.");
        help = parser.addHelpOption();
        version = parser.addVersionOption();
        parser.addOptions({check, simulator, json, recursive});
        parser.addPositionalArgument(
            "file",
            "The scenario to open (a path, or a name within the scenario folder), or "
            "with --check the files and folders to check.",
            "[FILE|FOLDER...]");
    }
};
} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const Options options(parser);
    const QCommandLineOption& help = options.help;
    const QCommandLineOption& version = options.version;
    const QCommandLineOption& check = options.check;
    const QCommandLineOption& simulator = options.simulator;
    const QCommandLineOption& json = options.json;
    const QCommandLineOption& recursive = options.recursive;

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.mode = CommandLine::Mode::Error;
        line.error = parser.errorText();
        return line;
    }
    line.paths = parser.positionalArguments();
    line.simulator = parser.value(simulator);
    line.json = parser.isSet(json);
    line.recursive = parser.isSet(recursive);
    if (parser.isSet(help) || parser.isSet("help-all"))
        line.mode = CommandLine::Mode::Help;
    else if (parser.isSet(version))
        line.mode = CommandLine::Mode::Version;
    else if (parser.isSet(check))
        line.mode = CommandLine::Mode::Check;
    else if (line.paths.size() > 1 || line.json || line.recursive || parser.isSet(simulator)) {
        line.mode = CommandLine::Mode::Error;
        line.error = line.paths.size() > 1 ? "The editor opens one scenario at a time."
                                           : "--simulator, --json and --recursive go with --check.";
    }
    return line;
}

int RunWithoutWindow(const CommandLine& line) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (line.mode) {
    case CommandLine::Mode::Help: {
        QCommandLineParser parser;
        const Options options(parser);
        out << parser.helpText();
        return 0;
    }
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
