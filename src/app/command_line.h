#pragma once
// What the program was asked to do on its command line. The editor window needs a display; the
// help, the version and the check of scenario folders run without one, so the line is read
// before any application object is made.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Mode {
        Editor,  // open the window, then the file named, if any
        Check,   // check scenario files without a window
        Help,    // print the help and end
        Version, // print the version and end
        Error,   // print the error and a pointer to the help, and end
    };
    Mode mode = Mode::Editor;
    QStringList paths; // the FILE (editor) or the FILEs and FOLDERs (check)
    QString simulator; // --simulator FOLDER
    bool json = false;
    bool recursive = false;
    QString error; // for Mode::Error
};

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
