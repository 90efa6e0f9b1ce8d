#include "support/trash_scope.h"

#include <QDir>

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
