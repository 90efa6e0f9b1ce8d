#pragma once
// The About window: the program's name, its version and a picture.
#include <QDialog>

class QLabel;
class QPushButton;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* Picture = nullptr;
    QLabel* ProgramName = nullptr;
    QLabel* Version = nullptr;
    QPushButton* Command2 = nullptr;
};
