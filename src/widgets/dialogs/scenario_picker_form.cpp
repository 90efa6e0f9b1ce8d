#include "widgets/dialogs/scenario_picker_form.h"
#include "widgets/common/object_names.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>

QListWidget* MakeScenarioFileList(QDialog* dialog, const QString& objectName, QLabel* caption) {
    auto* list = new QListWidget(dialog);
    list->setObjectName(objectName);
    list->setToolTip("List of the scenario files installed in the Skelvan configuration");
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    caption->setBuddy(list);
    return list;
}

DescriptionPreview MakeDescriptionPreview(QDialog* dialog, const QString& objectName) {
    auto* preview = new QLabel(dialog);
    preview->setObjectName(objectName);
    preview->setToolTip("Selected scenario description");
    // The description is the user's text: shown as it is, never read as markup.
    preview->setTextFormat(Qt::PlainText);
    preview->setWordWrap(true);
    preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* area = new QScrollArea(dialog);
    area->setWidget(preview);
    area->setWidgetResizable(true);
    return {preview, area};
}

QLabel* MakeFolderCaption(QDialog* dialog, QTreeWidget* folders) {
    auto* caption = new QLabel("Folders", dialog);
    caption->setObjectName(ObjectNames::ScenarioFoldersCaption);
    caption->setBuddy(folders);
    return caption;
}

void LayOutScenarioPicker(QDialog* dialog, QTreeWidget* folders, QLabel* listCaption, QListWidget* list,
                          QLabel* previewCaption, const DescriptionPreview& preview, QPushButton* action,
                          QPushButton* cancel) {
    auto* grid = new QGridLayout(dialog);
    grid->addWidget(MakeFolderCaption(dialog, folders), 0, 0);
    grid->addWidget(listCaption, 0, 1);
    grid->addWidget(previewCaption, 0, 2);
    grid->addWidget(folders, 1, 0);
    grid->addWidget(list, 1, 1);
    grid->addWidget(preview.area, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(action);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 3);
    dialog->resize(960, 460);
}
