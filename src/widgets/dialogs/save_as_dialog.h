#pragma once
// The save-as dialog: writes the scenario under a typed or picked name into the folder picked
// in its tree, and makes that name the one "&Save" writes to. The button closes the dialog in every
// case; the Enter key closes it only after a save, so another name can be tried.
#include "widgets/dialogs/scenario_list_dialog.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;

class SaveAsDialog : public ScenarioListDialog {
    Q_OBJECT
  public:
    // Saves the scenario under that name within the scenario folder ("Glider\Docked.scn") and
    // returns whether it could (a box has said why not).
    using Saver = std::function<bool(const QString& name)>;
    // openFolder: the folder shown first, a path within the scenario folder or empty for the top.
    SaveAsDialog(const QString& scenarioFolder, const QString& openFolder, Saver save,
                 QWidget* parent = nullptr);

  private:
    void showPickedFolder() override;
    // The button saves and closes (a name the dialog cannot take leaves it open); Enter in the
    // name box closes only after a save.
    void savePressed();
    void nameEnterKey();
    // False, after a box that says why, for a blank name or one that names a folder.
    bool typedNameTaken();
    // True when the file was written.
    bool saveUnderTypedName();

    QListWidget* fileList_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    Saver save_;
};
