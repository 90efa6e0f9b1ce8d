#pragma once
// The tree of the scenario folder that the load, save-as and delete dialogs show beside their
// file list: the scenario folder on top, every folder below it nested and sorted by name.
// Picking a folder, by a single click or the keyboard, tells the dialog to list its files.
#include <QString>
#include <QTreeWidget>

class ScenarioFolderTree : public QTreeWidget {
    Q_OBJECT
  public:
    // Shows the folders below the scenario folder with the folder given (a path within it,
    // "Glider\", or empty for the top) picked and in view; the top when that folder is gone.
    ScenarioFolderTree(const QString& scenarioFolder, const QString& pickedFolder, QWidget* parent);

    // The picked folder's path within the scenario folder: empty for the top, else its names
    // each followed by "\".
    const QString& pickedFolder() const { return picked_; }

  signals:
    void folderPicked(const QString& folder);

  private:
    QString picked_;
};
