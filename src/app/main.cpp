#include "app/command_line.h"
#include "app/tyx.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMetaObject>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLineReader reader;
    const CommandLine line = reader.read(arguments);
    // Help, version and the check run without a display.
    if (line.mode != CommandLine::Mode::Editor) {
        QCoreApplication app(argc, argv);
        return reader.runWithoutWindow(line);
    }
    QApplication app(argc, argv);
    TYX window;
    if (!window.StartedUp()) return 1;
    window.show();
    // The FILE opens once the window is up and the event loop runs, as if the user had loaded it.
    if (!line.paths.isEmpty()) {
        const QString path = line.paths.first();
        QMetaObject::invokeMethod(
            &window, [&window, path] { window.OpenFromCommandLine(path); }, Qt::QueuedConnection);
    }
    return app.exec();
}
