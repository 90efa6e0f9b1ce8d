#include "widgets/dialogs/skelvan_folder_search.h"

#include "core/installation/settings.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"
#include "widgets/common/object_names.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

SkelvanFolderSearch::SkelvanFolderSearch(const QString& startFolder, QWidget* parent)
    : QDialog(parent), startFolder_(startFolder) {
    setObjectName(ObjectNames::SkelvanFolderSearch);
    setWindowTitle("Skelvan folder search");
    setModal(true);

    auto* instructions =
        new QLabel("Select the folder where Skelvan is installed and click on Validate", this);
    instructions->setObjectName(ObjectNames::Label2);
    instructions->setWordWrap(true);

    driveList_ = new QComboBox(this);
    driveList_->setObjectName(ObjectNames::Drive1);
    for (const QFileInfo& drive : QDir::drives())
        driveList_->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    folderTree_ = new QTreeView(this);
    folderTree_->setObjectName(ObjectNames::Dir1);
    folderTree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        folderTree_->hideColumn(column);
    folderTree_->header()->hide();

    validateButton_ = new QPushButton("Validate", this);
    validateButton_->setObjectName(ObjectNames::Command1);
    validateButton_->setEnabled(false);

    chosenFolder_ = new QLabel(this);
    chosenFolder_->setObjectName(ObjectNames::Label1);
    chosenFolder_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addWidget(driveList_);
    layout->addWidget(folderTree_, 1);
    layout->addWidget(validateButton_, 0, Qt::AlignRight);
    resize(520, 480);

    connect(driveList_, &QComboBox::activated, this, [this](int) { driveChanged(); });
    connect(folderTree_, &QTreeView::clicked, this, [this](const QModelIndex&) { folderChanged(); });
    connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex&, const QModelIndex&) { folderChanged(); });
    connect(validateButton_, &QPushButton::clicked, this, &SkelvanFolderSearch::validate);
    // The model reads folders in the background; keep the open folder in sight as they arrive.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString&) {
        folderTree_->scrollTo(folderTree_->currentIndex(), QAbstractItemView::PositionAtCenter);
    });

    openFolder(QDir::currentPath());
}

void SkelvanFolderSearch::openFolder(const QString& folder) {
    const QModelIndex index = model_->index(QDir::cleanPath(folder));
    if (!index.isValid()) return;
    folderTree_->setCurrentIndex(index);
    folderTree_->scrollTo(index);
    folderTree_->expand(index);
    folderChanged();
}

void SkelvanFolderSearch::driveChanged() {
    const QString drive = driveList_->currentText();
    if (QDir(drive).exists()) {
        openFolder(drive);
        return;
    }
    // A drive that cannot be opened: back to the drive of the folder shown.
    const QString shown = model_->filePath(folderTree_->currentIndex());
    for (int i = 0; i < driveList_->count(); ++i) {
        if (shown.startsWith(QDir::fromNativeSeparators(driveList_->itemText(i)), Qt::CaseInsensitive))
            driveList_->setCurrentIndex(i);
    }
}

void SkelvanFolderSearch::folderChanged() {
    const QString open = QDir::toNativeSeparators(model_->filePath(folderTree_->currentIndex()));
    const QString separator = open.endsWith(QDir::separator()) ? QString() : QString(QDir::separator());
    chosenFolder_->setText(open);
    validateButton_->setEnabled(!open.isEmpty() && FileExists(open + separator + "skelvan.cfg"));
}

void SkelvanFolderSearch::validate() {
    QString error;
    if (!WriteWholeFile(startFolder_ + "TYX.cfg", SettingFileBytes(chosenFolder_->text()), &error)) {
        ShowMessage(this, "The setting file could not be written: " + error, "Error", MsgButtons::Ok,
                    MsgIcon::Exclamation);
        return;
    }
    validated_ = true;
    accept();
}
