#pragma once
// Keeps the desktop trash of a test inside the test's temporary folder while it lives, so that
// a deleted scenario can be looked for there and nothing reaches the user's own trash.
#include <QByteArray>
#include <QString>

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
