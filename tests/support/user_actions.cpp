#include "support/user_actions.h"

#include "app/tyx.h"
#include "core/scenario/scenario_file_names.h"
#include "support/scripted_answers.h"
#include "support/window_access.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
void Fail(const QString& message) {
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

QString NameOf(const QObject* object) {
    return object ? object->objectName() : QStringLiteral("(none)");
}

// The control itself when it can take a key, else the part of it that does.
QWidget* KeyTarget(QWidget* box) {
    auto* combo = qobject_cast<QComboBox*>(box);
    if (combo && combo->isEditable()) return combo->lineEdit();
    return box;
}

// The widget a typed key or a mouse click reaches: visible and enabled, or the action fails.
bool Reachable(QWidget* widget) {
    if (!widget) {
        Fail("no control to act on");
        return false;
    }
    if (!Reveal(widget)) {
        Fail("the user cannot see " + NameOf(widget));
        return false;
    }
    return true;
}

void DoubleClickAt(QWidget* viewport, const QPoint& at) {
    // A widget gets a double click as press, release, double click, release.
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    if (viewport->isVisible()) QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}
} // namespace

bool Reveal(QWidget* widget) {
    for (QWidget* child = widget; child && child->parentWidget(); child = child->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (!tabs) continue;
        const int index = tabs->indexOf(child);
        if (index < 0 || tabs->currentIndex() == index) continue;
        if (!tabs->isVisible()) return false;
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        if (tabs->currentIndex() != index) return false;
    }
    return widget->isVisible();
}

void Click(QAbstractButton* button) {
    if (!Reachable(button)) return;
    QPoint at = button->rect().center();
    // A check box or option button takes the click on its box.
    if (!qobject_cast<QPushButton*>(button))
        at = QPoint(button->style()->pixelMetric(QStyle::PM_IndicatorWidth) / 2 + 2, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void ClickNamed(const QObject& window, const char* name) {
    Click(FindControl<QAbstractButton>(window, name));
}

void Type(QWidget* box, const QString& text) {
    if (!Reachable(box)) return;
    QWidget* target = KeyTarget(box);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    if (auto* line = qobject_cast<QLineEdit*>(target); line && line->selectedText() != line->text())
        line->selectAll();
    if (text.isEmpty())
        QTest::keyClick(target, Qt::Key_Delete);
    else
        QTest::keyClicks(target, text);
}

void Paste(QWidget* box, const QString& text) {
    if (!Reachable(box)) return;
    QWidget* target = KeyTarget(box);
    target->setFocus();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(target, Qt::Key_Delete);
    else
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

void Pick(QComboBox* box, int index) {
    if (!Reachable(box)) return;
    if (index < 0 || index >= box->count()) {
        Fail(QString("%1 has no entry %2").arg(NameOf(box)).arg(index));
        return;
    }
    if (!box->isEnabled()) {
        // The list does not open: the click is lost.
        QTest::mouseClick(box, Qt::LeftButton);
        return;
    }
    box->showPopup();
    QAbstractItemView* view = box->view();
    const QModelIndex entry = box->model()->index(index, box->modelColumn(), box->rootModelIndex());
    // The pointer rests on the entry, then Enter takes it, as a click on it does.
    view->scrollTo(entry);
    view->setCurrentIndex(entry);
    QTest::keyClick(view, Qt::Key_Return);
    if (box->view()->isVisible()) box->hidePopup();
}

bool PickText(QComboBox* box, const QString& text) {
    const int index = box ? box->findText(text, Qt::MatchExactly) : -1;
    if (index < 0) {
        Fail("no entry \"" + text + "\" in " + NameOf(box));
        return false;
    }
    Pick(box, index);
    return true;
}

void PickWithKeys(QComboBox* box, const QString& text) {
    const int index = box ? box->findText(text) : -1;
    if (index < 0) return Fail("no entry \"" + text + "\" in " + NameOf(box));
    box->setFocus();
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
    if (box->currentIndex() != index) Fail("the arrow keys do not reach \"" + text + "\" in " + NameOf(box));
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; box && i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

void Slide(QAbstractSlider* slider, int value) {
    if (!Reachable(slider)) return;
    QTest::keyClick(slider, Qt::Key_Home);
    const int span = slider->maximum() - slider->minimum();
    for (int k = 0; k < span && slider->value() + slider->pageStep() <= value; ++k)
        QTest::keyClick(slider, Qt::Key_PageUp);
    for (int k = 0; k < span && slider->value() < value; ++k)
        QTest::keyClick(slider, Qt::Key_Right);
    if (slider->value() != value) Fail("the slider did not reach its value");
}

void PickDate(QCalendarWidget* calendar, const QDate& date) {
    if (!Reachable(calendar)) return;
    calendar->setCurrentPage(date.year(), date.month());
    auto* view = calendar->findChild<QTableView*>("qt_calendar_calendarview");
    if (!view) {
        Fail("the calendar shows no days");
        return;
    }
    const QAbstractItemModel* model = view->model();
    const int firstRow = calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
    const int firstColumn = calendar->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
    // The grid starts with the end of the previous month: this month begins at its first 1.
    bool inMonth = false;
    for (int row = firstRow; row < model->rowCount(); ++row) {
        for (int column = firstColumn; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(row, column);
            const int day = model->data(cell).toInt();
            if (day == 1) inMonth = true;
            if (inMonth && day == date.day()) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
                if (calendar->selectedDate() != date)
                    Fail("the calendar did not take " + date.toString(Qt::ISODate));
                return;
            }
        }
    }
    Fail("no day " + date.toString(Qt::ISODate) + " in the calendar");
}

bool ChooseMenuItem(const QObject& window, const char* name) {
    auto* action = FindControl<QAction>(window, name);
    if (!action) return false;
    QMenu* menu = nullptr;
    for (QObject* owner : action->associatedObjects()) {
        if ((menu = qobject_cast<QMenu*>(owner))) break;
    }
    auto* main = qobject_cast<const QMainWindow*>(&window);
    QMenuBar* bar = main ? main->menuBar() : nullptr;
    if (!menu || !bar || !bar->isVisible()) {
        Fail(QString("the menu item %1 is not in the window's menus").arg(QLatin1String(name)));
        return false;
    }
    // The menu's title in the menu bar opens it; a click on the item chooses it.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!menu->isVisible()) {
        Fail(QString("the menu holding %1 did not open").arg(QLatin1String(name)));
        return false;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    // A disabled item takes no click; the user closes the menu.
    if (menu->isVisible()) menu->close();
    return true;
}

namespace {
QListWidgetItem* Find(QListWidget* list, const QString& text) {
    const auto items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty()) return nullptr;
    list->scrollToItem(items.first());
    return items.first();
}
} // namespace

bool ClickEntry(QListWidget* list, const QString& text) {
    QListWidgetItem* item = Find(list, text);
    if (!item) return false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    return item->isSelected();
}

bool DoubleClickEntry(QListWidget* list, const QString& text) {
    QListWidgetItem* item = Find(list, text);
    if (!item) return false;
    DoubleClickAt(list->viewport(), list->visualItemRect(item).center());
    return true;
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

QTreeWidgetItem* TreeItem(const QTreeWidget* tree, const QStringList& path) {
    QTreeWidgetItem* found = nullptr;
    for (const QString& text : path) {
        const int count = found ? found->childCount() : tree->topLevelItemCount();
        QTreeWidgetItem* next = nullptr;
        for (int k = 0; k < count && !next; ++k) {
            QTreeWidgetItem* item = found ? found->child(k) : tree->topLevelItem(k);
            if (item->text(0) == text) next = item;
        }
        if (!next) return nullptr;
        found = next;
    }
    return found;
}

namespace {
// Where the user clicks the item: its tree reachable, the items above it opened and the item
// scrolled into view; an empty rectangle (and a failure) when the item cannot be reached.
QRect ItemInView(QTreeWidgetItem* item) {
    QTreeWidget* tree = item ? item->treeWidget() : nullptr;
    if (!tree) {
        Fail("no tree item to click");
        return {};
    }
    if (!Reachable(tree)) return {};
    for (QTreeWidgetItem* up = item->parent(); up; up = up->parent())
        up->setExpanded(true);
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    if (rect.isEmpty() || !tree->viewport()->rect().intersects(rect)) {
        Fail("the item " + item->text(0) + " is out of sight");
        return {};
    }
    return rect;
}
} // namespace

bool DoubleClickItem(QTreeWidgetItem* item) {
    const QRect rect = ItemInView(item);
    if (rect.isEmpty()) return false;
    DoubleClickAt(item->treeWidget()->viewport(), rect.center());
    return true;
}

bool ClickItem(QTreeWidgetItem* item) {
    const QRect rect = ItemInView(item);
    if (rect.isEmpty()) return false;
    QTest::mouseClick(item->treeWidget()->viewport(), Qt::LeftButton, {}, rect.center());
    return item->treeWidget()->currentItem() == item;
}

QStringList TreeItemLines(const QTreeWidget* tree, bool markOpen) {
    QStringList lines;
    std::function<void(QTreeWidgetItem*, int)> visit = [&](QTreeWidgetItem* item, int depth) {
        lines << QString(depth * 2, u' ') + "[" + item->text(0) + "] " +
                     QString::number(item->data(0, Qt::UserRole).toInt()) +
                     (markOpen && item->isExpanded() ? " +" : "");
        for (int c = 0; c < item->childCount(); ++c)
            visit(item->child(c), depth + 1);
    };
    for (int r = 0; tree && r < tree->topLevelItemCount(); ++r)
        visit(tree->topLevelItem(r), 0);
    return lines;
}

bool ClickFolder(QTreeView* tree, const QString& folder) {
    if (!Reachable(tree)) return false;
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    const QModelIndex index = model ? model->index(QDir::cleanPath(folder)) : QModelIndex();
    if (!index.isValid()) {
        Fail("no folder " + folder + " in " + NameOf(tree));
        return false;
    }
    // Opens the folders above it and brings it into view.
    tree->scrollTo(index);
    const QRect rect = tree->visualRect(index);
    if (!tree->viewport()->rect().intersects(rect)) {
        Fail("the folder " + folder + " is out of sight");
        return false;
    }
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    return tree->currentIndex() == index;
}

bool PickScenarioFolder(const QDialog& dialog, const QString& folder) {
    auto* tree = FindControl<QTreeWidget>(dialog, ObjectNames::ScenarioFolders);
    if (!tree || tree->topLevelItemCount() != 1) return false;
    QStringList path{tree->topLevelItem(0)->text(0)};
    path += folder.split(u'\\', Qt::SkipEmptyParts);
    QTreeWidgetItem* item = TreeItem(tree, path);
    if (!item) {
        Fail("no folder " + folder + " in the tree of " + dialog.objectName());
        return false;
    }
    return ClickItem(item);
}

void LoadScenario(TYX& window, const QString& name, QString* preview) {
    DialogScript dialogs;
    dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
        if (name.contains(u'\\')) QVERIFY(PickScenarioFolder(*d, ScenarioFolderOfName(name)));
        QVERIFY2(
            ClickEntry(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad), ScenarioFileOfName(name)),
            qPrintable(name));
        if (preview) *preview = FindControl<QLabel>(*d, ObjectNames::Label3)->text();
        Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
    });
    ChooseMenuItem(window, ObjectNames::Menu12);
    VERIFY_SCRIPT_DONE(dialogs);
}

std::function<void(QDialog*)> SaveAsTyped(const QString& name) {
    return [name](QDialog* d) {
        Type(FindControl<QLineEdit>(*d, ObjectNames::FileToSave), name);
        Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
    };
}

void SaveAs(TYX& window, const QString& name) {
    DialogScript dialogs;
    dialogs.Expect(ObjectNames::SaveAs, SaveAsTyped(name));
    ChooseMenuItem(window, ObjectNames::Menu14);
    VERIFY_SCRIPT_DONE(dialogs);
}
