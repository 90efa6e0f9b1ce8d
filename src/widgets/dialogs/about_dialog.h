#pragma once
// The About window: the program's name, its version and a picture.
#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
