#include "widgets/dialogs/skelvan_folder_search.h"

#include "core/installation/settings.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"

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
    setObjectName("SkelvanFolderSearch");
    setWindowTitle("Skelvan folder search");
    setModal(true);

    Label2 = new QLabel("Select the folder where Skelvan is installed and click on Validate", this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName("Drive1");
    for (const QFileInfo& drive : QDir::drives())
        Drive1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    Dir1 = new QTreeView(this);
    Dir1->setObjectName("Dir1");
    Dir1->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->header()->hide();

    Command1 = new QPushButton("Validate", this);
    Command1->setObjectName("Command1");
    Command1->setEnabled(false);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    resize(520, 480);

    connect(Drive1, &QComboBox::activated, this, [this](int) { DriveChanged(); });
    connect(Dir1, &QTreeView::clicked, this, [this](const QModelIndex&) { FolderChanged(); });
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex&, const QModelIndex&) { FolderChanged(); });
    connect(Command1, &QPushButton::clicked, this, &SkelvanFolderSearch::Validate);
    // The model reads folders in the background; keep the open folder in sight as they arrive.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString&) {
        Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
    });

    OpenFolder(QDir::currentPath());
}

void SkelvanFolderSearch::OpenFolder(const QString& folder) {
    const QModelIndex index = model_->index(QDir::cleanPath(folder));
    if (!index.isValid()) return;
    Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index);
    Dir1->expand(index);
    FolderChanged();
}

void SkelvanFolderSearch::DriveChanged() {
    const QString drive = Drive1->currentText();
    if (QDir(drive).exists()) {
        OpenFolder(drive);
        return;
    }
    // A drive that cannot be opened: back to the drive of the folder shown.
    const QString shown = model_->filePath(Dir1->currentIndex());
    for (int i = 0; i < Drive1->count(); ++i) {
        if (shown.startsWith(QDir::fromNativeSeparators(Drive1->itemText(i)), Qt::CaseInsensitive))
            Drive1->setCurrentIndex(i);
    }
}

void SkelvanFolderSearch::FolderChanged() {
    const QString open = QDir::toNativeSeparators(model_->filePath(Dir1->currentIndex()));
    const QString separator = open.endsWith(QDir::separator()) ? QString() : QString(QDir::separator());
    Label1->setText(open);
    Command1->setEnabled(!open.isEmpty() && FileExists(open + separator + "skelvan.cfg"));
}

void SkelvanFolderSearch::Validate() {
    QString error;
    if (!WriteWholeFile(startFolder_ + "TYX.cfg", SettingFileBytes(Label1->text()), &error)) {
        ShowMessage(this, "The setting file could not be written: " + error, "Error", MsgButtons::Ok,
                    MsgIcon::Exclamation);
        return;
    }
    validated_ = true;
    accept();
}
