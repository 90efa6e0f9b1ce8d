#pragma once
// Keeps the desktop trash of a test inside the test's temporary folder while it lives, so that
// a deleted scenario can be looked for there and nothing reaches the user's own trash.
#include "support/core/environment_scope.h"

#include <QByteArray>
#include <QString>
#include <optional>

class TrashInTemp {
  public:
    explicit TrashInTemp(const QString& folder);
    ~TrashInTemp();
    TrashInTemp(const TrashInTemp&) = delete;
    TrashInTemp& operator=(const TrashInTemp&) = delete;

  private:
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
    EnvironmentScope environment_;
};
