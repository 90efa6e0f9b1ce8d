#pragma once
// The window "Show changes" opens: line by line, what a save of the open scenario would write
// against the file on disk. Removed lines (those of the file on disk) show on red, added lines
// (those a save writes) on green, each with its line number in its file, and every run of
// changes under a header that gives where it is in both files.
//
// It is modal: it shows the scenario as it is when opened, and the user cannot edit beneath a
// view that would then no longer say what a save writes.
#include <QByteArray>
#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What the disk holds under the scenario's name.
struct FileOnDisk {
    enum class State { Read, Missing, Unreadable };
    State state = State::Missing;
    QByteArray bytes; // when read
};

class ScenarioChangesWindow : public QDialog {
    Q_OBJECT
  public:
    // fileName is the name the title shows; toSave the bytes a save would write.
    ScenarioChangesWindow(const QString& fileName, const FileOnDisk& onDisk, const QByteArray& toSave,
                          QWidget* parent = nullptr);

  private:
    void showChanges(const FileOnDisk& onDisk, const QByteArray& toSave);

    QLabel* summary_ = nullptr;
    QPlainTextEdit* view_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
