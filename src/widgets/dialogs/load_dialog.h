#pragma once
// The load dialog: the scenario files of the scenario folder with a preview of the selected
// one's description. The Load button, a double click and the Enter key all load, but only
// the button also unlocks the planetary system information.
#include "widgets/dialogs/scenario_list_dialog.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;

class LoadFileDialog : public ScenarioListDialog {
    Q_OBJECT
  public:
    // Opens the scenario of that name and returns whether it could (a box has said why not);
    // viaLoadButton tells whether the Load button did it. The file is read anew: the preview may
    // be older than the file.
    using Opener = std::function<bool(const QString& name, bool viaLoadButton)>;
    LoadFileDialog(const QString& scenarioFolder, Opener open, QWidget* parent = nullptr);

  private:
    void showPreview();
    // viaLoadButton: the Load button, not a double click or the Enter key, asked for it.
    void load(bool viaLoadButton);

    QListWidget* fileList_ = nullptr;
    QLabel* preview_ = nullptr;
    Opener open_;
};
