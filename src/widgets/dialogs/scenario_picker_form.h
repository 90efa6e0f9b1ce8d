#pragma once
// The form the load and delete dialogs share: the tree of folders on the left, the scenario
// files of the picked folder beside it, the selected file's description on the right, the two
// buttons below.
class QDialog;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QString;
class QTreeWidget;

struct DescriptionPreview {
    QLabel* label;     // the text
    QScrollArea* area; // what the form places: the label, scrolled when the text is long
};

// A single-selection list of scenario files, with the caption that names it.
QListWidget* MakeScenarioFileList(QDialog* dialog, const QString& objectName, QLabel* caption);
// A read-only label for the description, in its scroll area.
DescriptionPreview MakeDescriptionPreview(QDialog* dialog, const QString& objectName);
// The caption above the tree of folders.
QLabel* MakeFolderCaption(QDialog* dialog, QTreeWidget* folders);
// Places everything in the dialog and gives it its first size.
void LayOutScenarioPicker(QDialog* dialog, QTreeWidget* folders, QLabel* listCaption, QListWidget* list,
                          QLabel* previewCaption, const DescriptionPreview& preview, QPushButton* action,
                          QPushButton* cancel);
