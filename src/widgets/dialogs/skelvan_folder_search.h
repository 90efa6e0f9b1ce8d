#pragma once
// The window in which the user shows where the simulator is installed. Validate is
// enabled only for a folder that holds "skelvan.cfg"; it writes the setting file.
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

class SkelvanFolderSearch : public QDialog {
    Q_OBJECT
  public:
    // startFolder: the folder text (ending in a separator) where "TYX.cfg" is written.
    explicit SkelvanFolderSearch(const QString& startFolder, QWidget* parent = nullptr);

    // Opens the folder in the folder list, as a user's click on it does.
    void OpenFolder(const QString& folder);
    bool Validated() const { return validated_; }

    QLabel* Label2;
    QComboBox* Drive1;
    QTreeView* Dir1;
    QPushButton* Command1;
    QLabel* Label1;

  private:
    void DriveChanged();
    void FolderChanged();
    void Validate();

    QString startFolder_;
    QFileSystemModel* model_;
    bool validated_ = false;
};
