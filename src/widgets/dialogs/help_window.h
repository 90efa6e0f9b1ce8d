#pragma once
// The user guide, shown in a window of its own beside the editor.
#include <QWidget>

class UserGuideWindow : public QWidget {
    Q_OBJECT
  public:
    explicit UserGuideWindow(QWidget* parent = nullptr);
};
