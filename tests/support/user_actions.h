#pragma once
// What a user does with the windows, done the way the user does it: clicks on buttons, tabs,
// list entries and tree items, keys and typed text, picks from drop-down lists and calendars,
// menu items chosen from their menus. Each action first brings its control into view (the
// tab that holds it); a control the user cannot see or reach fails the test.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QAbstractSlider;
class QCalendarWidget;
class QComboBox;
class QDialog;
class QListWidget;
class QObject;
class QTreeWidget;
class QTreeView;
class QTreeWidgetItem;
class QWidget;
class TYX;

// Shows the tab page that holds the widget, by a click on its tab; false when the widget stays
// out of sight (a hidden frame, a hidden window).
bool Reveal(QWidget* widget);

// A click on a button, check box or option button.
void Click(QAbstractButton* button);
// A click on the window's button, check box or option button of that object name.
void ClickNamed(const QObject& window, const char* name);

// Replaces the text of a text box (or of an editable list's box) by typing it.
void Type(QWidget* box, const QString& text);
// Replaces the whole text of a text box by pasting it (long or multi-line texts).
void Paste(QWidget* box, const QString& text);
// Return pressed in a widget.
void PressEnter(QWidget* widget);

// Opens the drop-down list and clicks the entry: the pick runs the list's handler once, also
// for the entry already shown.
void Pick(QComboBox* box, int index);
// Picks the first entry of that text; false (and a failure) when there is none.
bool PickText(QComboBox* box, const QString& text);
// A pick with the arrow keys from the entry shown, as a keyboard user makes it.
void PickWithKeys(QComboBox* box, const QString& text);
inline void Pick(QComboBox* box, const QString& text) {
    PickText(box, text);
}
QStringList Items(const QComboBox* box);

// The slider moved with the keys: Home, then Page Up and the arrow until the value.
void Slide(QAbstractSlider* slider, int value);

// Goes to the month of the date and clicks its day.
void PickDate(QCalendarWidget* calendar, const QDate& date);

// Opens the menu that holds the item and clicks the item; a disabled item does nothing, as it
// does for the user. False when the window has no such item.
bool ChooseMenuItem(const QObject& window, const char* action);

// File lists: a click, a double click, the entries.
bool ClickEntry(QListWidget* list, const QString& text);
bool DoubleClickEntry(QListWidget* list, const QString& text);
QStringList Entries(const QListWidget* list);

// Tree items by the texts from the top item down; DoubleClickItem opens the parents first.
QTreeWidgetItem* TreeItem(const QTreeWidget* tree, const QStringList& path);
bool DoubleClickItem(QTreeWidgetItem* item);
// A click on a tree item, the items above it opened and the item scrolled to, as the user does.
bool ClickItem(QTreeWidgetItem* item);
// The items of a tree, parents before children, as "[text] image" indented by two blanks per
// level, and " +" after an open item unless the test leaves that out.
QStringList TreeItemLines(const QTreeWidget* tree, bool markOpen = true);

// A click on a folder of a tree of the file system: the folders above it opened and scrolled
// to, as the user does; false (and a failure) when the tree has no such folder.
bool ClickFolder(QTreeView* tree, const QString& folder);

// A click on a folder of a file dialog's tree, by its path within the scenario folder
// ("Glider\", "The Planets\Outer flybys\", or empty for the top); false when it is not there.
bool PickScenarioFolder(const QDialog& dialog, const QString& folder);

// Opens a scenario as the user does: "&Open", the file picked in the load dialog (its folder
// first picked in the tree, for a name within a folder), its Load button; preview, when given,
// gets the description the dialog showed.
void LoadScenario(TYX& window, const QString& name, QString* preview = nullptr);

// A step for the save-as dialog: types the name and presses its save button.
std::function<void(QDialog*)> SaveAsTyped(const QString& name);
// Saves under a new name through "S&ave as" (no file of that name may exist).
void SaveAs(TYX& window, const QString& name);
