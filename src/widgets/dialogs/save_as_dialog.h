#pragma once
// The save-as dialog: writes the scenario under a typed or picked name of the scenario
// folder and makes that name the one "&Save" writes to. The button closes the dialog in every
// case; the Enter key closes it only after a save, so another name can be tried.
#include "widgets/dialogs/scenario_list_dialog.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;

class SaveAsDialog : public ScenarioListDialog {
    Q_OBJECT
  public:
    // Saves the scenario under that name (within the scenario folder) and returns whether it
    // could (a box has said why not).
    using Saver = std::function<bool(const QString& name)>;
    SaveAsDialog(const QString& scenarioFolder, Saver save, QWidget* parent = nullptr);

  private:
    // The button saves and closes (a blank name leaves the dialog open); Enter in the name box
    // closes only after a save.
    void savePressed();
    void nameEnterKey();
    // True when the file was written.
    bool saveUnderTypedName();

    QListWidget* fileList_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    Saver save_;
};
