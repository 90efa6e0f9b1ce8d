#include "support/trash_scope.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

StandardPathsAsInProgram::StandardPathsAsInProgram() : testMode_(QStandardPaths::isTestModeEnabled()) {
    QStandardPaths::setTestModeEnabled(false);
}

StandardPathsAsInProgram::~StandardPathsAsInProgram() {
    QStandardPaths::setTestModeEnabled(testMode_);
}

TrashInTemp::TrashInTemp(const QString& folder)
    : old_(qgetenv("XDG_DATA_HOME")), had_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
    QDir().mkpath(folder);
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
}

TrashInTemp::~TrashInTemp() {
    if (had_)
        qputenv("XDG_DATA_HOME", old_);
    else
        qunsetenv("XDG_DATA_HOME");
}

HomeInTemp::HomeInTemp(const QString& home, const std::optional<QString>& dataHome) {
    QDir().mkpath(home);
    environment_.Set("HOME", QFile::encodeName(home));
    if (dataHome)
        environment_.Set("XDG_DATA_HOME", QFile::encodeName(*dataHome));
    else
        environment_.Unset("XDG_DATA_HOME");
}
