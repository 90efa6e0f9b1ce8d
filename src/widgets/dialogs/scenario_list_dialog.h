#pragma once
// What the load, save-as and delete dialogs share: the scenario folder they work in, its tree
// of folders, and the list of the scenario files of the folder picked in the tree.
#include <QDialog>
#include <QString>

class QListWidget;
class QTreeWidget;
class ScenarioFolderTree;

class ScenarioListDialog : public QDialog {
    Q_OBJECT
  protected:
    // openFolder: the folder to show first, a path within the scenario folder ("Glider\"), or
    // empty for the top.
    ScenarioListDialog(const QString& scenarioFolder, const QString& openFolder, QWidget* parent);
    ~ScenarioListDialog() override;

    // The tree of folders, for the dialog's layout.
    QTreeWidget* folderTree() const;
    // The folder text of the folder picked in the tree, ending in a separator.
    QString pickedFolder() const;
    // A file of the picked folder by its name within the scenario folder ("Glider\Docked.scn").
    QString nameWithin(const QString& fileName) const;
    // Lists the scenario files of the picked folder, none selected.
    void listFiles(QListWidget* list) const;
    // The name of the selected file; empty when none is.
    static QString selectedName(const QListWidget* list);

    // Another folder was picked in the tree.
    virtual void showPickedFolder() = 0;

  private:
    QString folder_;
    ScenarioFolderTree* folders_ = nullptr;
};
