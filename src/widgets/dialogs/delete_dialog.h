#pragma once
// The delete dialog: removes scenario files of the folder picked in its tree after
// confirmation, with a preview of the selected one's description. The button, a double click and the Enter
// key all do the same; the dialog stays open so that several files can go in turn.
#include "widgets/dialogs/scenario_list_dialog.h"

#include <QDialog>

class QLabel;
class QListWidget;

class DeleteFileDialog : public ScenarioListDialog {
    Q_OBJECT
  public:
    // openFolder: the folder shown first, a path within the scenario folder or empty for the top.
    DeleteFileDialog(const QString& scenarioFolder, const QString& openFolder, QWidget* parent = nullptr);

  private:
    void showPickedFolder() override;
    // Deletes the selected file after the user's OK; the list is then read again.
    void deleteSelected();
    void showPreview();
    void refreshList();

    QListWidget* fileList_ = nullptr;
    QLabel* preview_ = nullptr;
};

// Moves the file to the desktop's trash where there is one, so that a mistake can be undone,
// and deletes it otherwise. False, with a reason, when the file is still there.
bool RemoveScenarioFile(const QString& path, QString* error);
