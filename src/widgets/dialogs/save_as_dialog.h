#pragma once
// The save-as dialog: writes the scenario under a typed or picked name of the scenario
// folder and makes that name the one "&Save" writes to. The button closes the dialog in every
// case; the Enter key closes it only after a save, so another name can be tried.
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class TYX;

class SaveAsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SaveAsDialog(TYX* main);

    QListWidget* ScenarioFileList = nullptr;
    QLineEdit* FileToSave = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Command1Click();
    void FileToSaveEnterKey();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the file was written.
    bool SaveUnderTypedName();

    TYX* main_;
};
