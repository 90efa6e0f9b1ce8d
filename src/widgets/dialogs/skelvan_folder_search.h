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

    bool Validated() const { return validated_; }

  private:
    // Opens the folder in the tree and makes it the chosen one: the start folder, a drive picked.
    void openFolder(const QString& folder);
    void driveChanged();
    void folderChanged();
    void validate();

    QComboBox* driveList_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    QPushButton* validateButton_ = nullptr;
    // The folder open in the tree, as the setting file gets it.
    QLabel* chosenFolder_ = nullptr;
    QString startFolder_;
    QFileSystemModel* model_ = nullptr;
    bool validated_ = false;
};
