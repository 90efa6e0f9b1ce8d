#pragma once
// The load dialog: the scenario files of the scenario folder with a preview of the selected
// one's description. The Load button, a double click and the Enter key all load, but only
// the button also unlocks the planetary system information.
#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TYX;

class LoadFileDialog : public QDialog {
    Q_OBJECT
  public:
    explicit LoadFileDialog(TYX* main);

    QListWidget* FilelisttoLoad = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Command1Click();
    void FileDoubleClick();
    void FileEnterKey();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString SelectedName() const;
    void ShowPreview();
    void Load(bool viaLoadButton);

    TYX* main_;
    QString description_; // the previewed description, as the file holds it
};
