#pragma once
// The main window's status bar: the open file's path, "Modified" while the scenario differs
// from the one last loaded or saved, and a message after each action.
#include <QStatusBar>

class QLabel;

class StatusLine : public QStatusBar {
  public:
    explicit StatusLine(QWidget* parent = nullptr);

    void showFile(const QString& path);
    void showModified(bool modified);
    // The message stays until the next action's.
    void say(const QString& message);

  private:
    QLabel* file_ = nullptr;
    QLabel* modified_ = nullptr;
};
