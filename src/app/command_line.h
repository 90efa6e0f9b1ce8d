#pragma once
// What the program was asked to do on its command line. The editor window needs a display; the
// help, the version and the check of scenario folders run without one, so the line is read
// before any application object is made.
#include "app/command_line_request.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

// The program's options, made once: the same parser reads the line and prints the help.
class CommandLineReader {
  public:
    CommandLineReader();
    // Reads the arguments (the program's name first).
    CommandLine read(const QStringList& arguments);
    // Runs the modes that need no window: help, version, error, check. Needs a
    // QCoreApplication (the help names the program by its path). Returns the exit status.
    int runWithoutWindow(const CommandLine& line) const;

  private:
    QCommandLineParser parser_;
    QCommandLineOption help_{"?"};
    QCommandLineOption version_{"?"};
    QCommandLineOption check_;
    QCommandLineOption simulator_;
    QCommandLineOption json_;
    QCommandLineOption recursive_;
};
