#pragma once
// What the program was asked to do on its command line, as CommandLineReader reads it; the check
// takes it without the parser that read it.
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
