#pragma once
// The load dialog: the folders of the scenario folder, the scenario files of the folder picked
// there, and a preview of the selected file's description. The Load button, a double click and the Enter key
// all load, but only the button also unlocks the planetary system information.
#include "widgets/dialogs/scenario_list_dialog.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;

class LoadFileDialog : public ScenarioListDialog {
    Q_OBJECT
  public:
    // Opens the scenario of that name within the scenario folder ("Glider\Docked.scn") and
    // returns whether it could (a box has said why not); viaLoadButton tells whether the Load
    // button did it. The file is read anew: the preview may be older than the file.
    using Opener = std::function<bool(const QString& name, bool viaLoadButton)>;
    // openFolder: the folder shown first, a path within the scenario folder or empty for the top.
    LoadFileDialog(const QString& scenarioFolder, const QString& openFolder, Opener open,
                   QWidget* parent = nullptr);

  private:
    void showPickedFolder() override;
    void showPreview();
    // viaLoadButton: the Load button, not a double click or the Enter key, asked for it.
    void load(bool viaLoadButton);

    QListWidget* fileList_ = nullptr;
    QLabel* preview_ = nullptr;
    Opener open_;
};
