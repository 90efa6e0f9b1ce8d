#pragma once
// What the load, save-as and delete dialogs share: the scenario folder they work in and its
// list of scenario files.
#include <QDialog>
#include <QString>

class QListWidget;

class ScenarioListDialog : public QDialog {
    Q_OBJECT
  protected:
    ScenarioListDialog(const QString& scenarioFolder, QWidget* parent);

    const QString& folder() const { return folder_; }
    // Lists the scenario files of the folder, none selected.
    void listFiles(QListWidget* list) const;
    // The name of the selected file; empty when none is.
    static QString selectedName(const QListWidget* list);

  private:
    QString folder_;
};
