#pragma once
// Keeps the desktop trash of a test inside the test's temporary folder while it lives, so that
// a deleted scenario can be looked for there and nothing reaches the user's own trash.
#include "support/core/environment_scope.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The folders of QStandardPaths as the environment names them, as in the program, while it
// lives: the test programs run in QStandardPaths' test mode, which would put the trash below
// ~/.qttest whatever the environment says.
class StandardPathsAsInProgram {
  public:
    StandardPathsAsInProgram();
    ~StandardPathsAsInProgram();
    StandardPathsAsInProgram(const StandardPathsAsInProgram&) = delete;
    StandardPathsAsInProgram& operator=(const StandardPathsAsInProgram&) = delete;

  private:
    bool testMode_;
};

class TrashInTemp {
  public:
    explicit TrashInTemp(const QString& folder);
    ~TrashInTemp();
    TrashInTemp(const TrashInTemp&) = delete;
    TrashInTemp& operator=(const TrashInTemp&) = delete;

  private:
    StandardPathsAsInProgram paths_;
    QByteArray old_;
    bool had_;
};

// The user's home in a test's temporary folder while it lives (a fresh account: the folder
// holds what the test puts there, no data folder unless the test makes one). The data folder
// is the home's own (XDG_DATA_HOME unset), or named as given, relative paths included.
class HomeInTemp {
  public:
    explicit HomeInTemp(const QString& home, const std::optional<QString>& dataHome = std::nullopt);

  private:
    StandardPathsAsInProgram paths_;
    EnvironmentScope environment_;
};
