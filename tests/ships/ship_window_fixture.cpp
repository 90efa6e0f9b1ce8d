#include "ship_window_fixture.h"

#include "widgets/common/modal.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {
// Lines as a scenario file holds them, each ended by CR LF.
QString Lines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// Runs the one dialog that the action opens through the given steps; any other dialog, or none,
// fails the test.
void WithDialog(const QString& objectName, const std::function<void(QDialog*)>& steps,
                const std::function<void()>& action) {
    int shown = 0;
    SetModalDriver([&](QDialog* dialog) {
        ++shown;
        if (dialog->objectName() != objectName) {
            QTest::qFail(qPrintable("unexpected dialog: " + dialog->objectName()), __FILE__, __LINE__);
            dialog->reject();
            return;
        }
        steps(dialog);
    });
    action();
    SetModalDriver({});
    if (shown != 1)
        QTest::qFail(qPrintable("the dialog " + objectName + " was not shown"), __FILE__, __LINE__);
}

void MakeActive(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        QTest::qFail("the main window is not active", __FILE__, __LINE__);
}
} // namespace

ShipWindow::ShipWindow(const QString& installation) : ShipWindow(installation, QString()) {}

ShipWindow::ShipWindow(const QString& installation, const QString& scenarioDir) {
    if (installation.isEmpty()) {
        folders_.CopyTree(QStringLiteral(SKELVAN_TEST_DATA) + "/ships/Config", folders_.ConfigFolder());
    } else {
        folders_.CopyTree(installation + "/Config", folders_.ConfigFolder());
        folders_.CopyTree(installation + "/Scenarios", folders_.ScenarioFolder());
    }
    if (!scenarioDir.isEmpty())
        folders_.Write("sim/skelvan.cfg",
                       "ConfigDir = .\\Config\\\r\nScenarioDir = " + scenarioDir.toLatin1() + "\r\n");
    tyx_ = std::make_unique<TYX>();
    tyx_->resize(1280, 800);
    tyx_->show();
    if (!QTest::qWaitForWindowExposed(tyx_.get()))
        QTest::qFail("the main window is not shown", __FILE__, __LINE__);
    MakeActive(tyx_.get());
}

ShipWindow::~ShipWindow() {
    tyx_.reset();
}

void ShipWindow::OpenShips(const QStringList& ships, const QString& focus, const QStringList& stations) {
    QString text = Lines({"BEGIN_DESC", "Ship tab test", "END_DESC", "", "BEGIN_ENVIRONMENT", "  System Sol",
                          "  Date MJD 51981.5", "END_ENVIRONMENT", ""});
    if (!focus.isEmpty()) text += Lines({"BEGIN_FOCUS", "  Ship " + focus, "END_FOCUS", ""});
    if (!stations.isEmpty())
        text += Lines({"BEGIN_STATIONS"}) + stations.join(QString()) + Lines({"END_STATIONS", ""});
    if (!ships.isEmpty()) text += Lines({"BEGIN_SHIPS"}) + ships.join(QString()) + Lines({"END_SHIPS"});
    folders_.Write("sim/Scenarios/Test.scn", text.toLatin1());
    Open("Test.scn");
    ShowTab(Tab::Ships);
}

void ShipWindow::Open(const QString& fileName) {
    // A scenario already open is offered for saving first; the test declines.
    if (!Get<QLabel>("scnfile")->text().isEmpty())
        script.Expect({"Do you wish to save " + Get<QLabel>("scnfile")->text() + " ?",
                       "Skelvan Scenario Editor", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Cancel});
    WithDialog(
        "LoadFile",
        [&](QDialog* dialog) {
            auto* files = FindControl<QListWidget>(*dialog, "FilelisttoLoad");
            const QList<QListWidgetItem*> found = files->findItems(fileName, Qt::MatchExactly);
            if (found.isEmpty()) {
                QTest::qFail(qPrintable("no scenario file " + fileName + " to load"), __FILE__, __LINE__);
                dialog->reject();
                return;
            }
            files->scrollToItem(found.first());
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualItemRect(found.first()).center());
            Click(FindControl<QPushButton>(*dialog, "Command1"));
        },
        [&] { Get<QAction>("Menu12")->trigger(); });
    if (Get<QLabel>("scnfile")->text() != fileName)
        QTest::qFail(qPrintable("the scenario " + fileName + " was not opened"), __FILE__, __LINE__);
    MakeActive(tyx_.get());
}

void ShipWindow::SaveAs(const QString& fileName) {
    WithDialog(
        "SaveAs",
        [&](QDialog* dialog) {
            Type(FindControl<QLineEdit>(*dialog, "FileToSave"), fileName);
            Click(FindControl<QPushButton>(*dialog, "Command1"));
        },
        [&] { Get<QAction>("Menu14")->trigger(); });
    MakeActive(tyx_.get());
}

void ShipWindow::ShowTab(Tab tab) {
    auto* tabs = Get<QTabWidget>("SSTab1");
    if (!tabs || !tabs->isVisible()) {
        QTest::qFail("the tabs are not shown", __FILE__, __LINE__);
        return;
    }
    QTabBar* bar = tabs->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(tab)).center());
    if (tabs->currentIndex() != int(tab)) QTest::qFail("the tab did not open", __FILE__, __LINE__);
}

// ---- Scenario blocks ---------------------------------------------------------------------------

QString LandedShip(const QString& name, const QString& cls, const QString& planet, const QString& base,
                   const QString& pad, const QString& heading, const QString& fuel) {
    return Lines({name + ":" + cls, "  STATUS Landed " + planet, "  BASE " + base + ":" + pad,
                  "  HEADING " + heading, "  FUEL " + fuel, "END"});
}

QString DockedShip(const QString& name, const QString& cls, const QString& planet, const QString& station,
                   const QString& port, const QString& fuel) {
    return Lines({name + ":" + cls, "  STATUS Docked " + planet + ":" + station + ":" + port,
                  "  FUEL " + fuel, "END"});
}

QString OrbitingShip(const QString& name, const QString& cls, const QString& planet, const QString& fuel,
                     const QString& mainEngine, const QString& hoverEngine) {
    return Lines({name + ":" + cls, "  STATUS Orbiting " + planet, "  RPOS 7000000 0 0", "  RVEL 0 7546.05 0",
                  "  AROT 0 0 0", "  VROT 0", "  FUEL " + fuel, "  ENGINE_MAIN " + mainEngine,
                  "  ENGINE_HOVR " + hoverEngine, "END"});
}

QString WithLines(const QString& block, const QStringList& lines) {
    const QString end = Lines({"END"});
    return block.left(block.size() - end.size()) + Lines(lines) + end;
}

QString Station(const QString& name, const QString& cls, const QString& planet) {
    return Lines({name + ":" + cls, "  REF " + planet, "  EL_MJD 51981.5", "  ELEMENTS 6778137 0 51.6 0 0 0",
                  "  AROT 0 0 0", "END"});
}

// ---- User actions ------------------------------------------------------------------------------

namespace {
bool Reachable(QWidget* control) {
    if (!control) return false;
    if (!control->isVisible() || !control->isEnabled()) {
        QTest::qFail(qPrintable(control->objectName() + " cannot be reached by the user"), __FILE__,
                     __LINE__);
        return false;
    }
    return true;
}
} // namespace

void Click(QWidget* control) {
    if (!Reachable(control)) return;
    QPoint at = control->rect().center();
    // An option takes a click on its round mark; its row may be wider than mark and caption.
    if (qobject_cast<QRadioButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(control);
        at = control->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, control).center();
    }
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

void Pick(QComboBox* list, int index) {
    if (!Reachable(list)) return;
    if (index < 0 || index >= list->count()) {
        QTest::qFail(qPrintable(QString("no entry %1 in %2").arg(index).arg(list->objectName())), __FILE__,
                     __LINE__);
        return;
    }
    QTest::keyClick(list, Qt::Key_F4);
    QAbstractItemView* popup = list->view();
    if (!popup->isVisible()) {
        QTest::qFail(qPrintable(list->objectName() + " did not open"), __FILE__, __LINE__);
        return;
    }
    QTest::keyClick(popup, Qt::Key_Home);
    for (int k = 0; k < index; ++k)
        QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
}

void Pick(QComboBox* list, const QString& entry) {
    const int index = list ? list->findText(entry, Qt::MatchExactly) : -1;
    if (index < 0) {
        QTest::qFail(qPrintable("no entry \"" + entry + "\" to pick"), __FILE__, __LINE__);
        return;
    }
    Pick(list, index);
}

void Type(QLineEdit* box, const QString& text) {
    if (!Reachable(box)) return;
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    if (box->text() != text)
        QTest::qFail(qPrintable(box->objectName() + " shows \"" + box->text() + "\" after typing"), __FILE__,
                     __LINE__);
}

void Type(QComboBox* list, const QString& text) {
    if (!list || !list->lineEdit()) {
        QTest::qFail("a list the user cannot type into", __FILE__, __LINE__);
        return;
    }
    Type(list->lineEdit(), text);
}

void Slide(QAbstractSlider* slider, int value) {
    if (!Reachable(slider)) return;
    QTest::keyClick(slider, Qt::Key_Home);
    const int span = slider->maximum() - slider->minimum();
    for (int k = 0; k < span && slider->value() + slider->pageStep() <= value; ++k)
        QTest::keyClick(slider, Qt::Key_PageUp);
    for (int k = 0; k < span && slider->value() < value; ++k)
        QTest::keyClick(slider, Qt::Key_Right);
    if (slider->value() != value) QTest::qFail("the slider did not reach its value", __FILE__, __LINE__);
}

void DoubleClick(QTreeWidget* tree, QTreeWidgetItem* item) {
    if (!Reachable(tree)) return;
    if (!item) {
        QTest::qFail("no such node in the tree", __FILE__, __LINE__);
        return;
    }
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    // A widget gets a double click as press, release, double click, release.
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
}

// ---- What a user sees --------------------------------------------------------------------------

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int k = 0; list && k < list->count(); ++k)
        items << list->itemText(k);
    return items;
}

QTreeWidgetItem* TreeItem(const QTreeWidget* tree, const QStringList& path) {
    QTreeWidgetItem* item = nullptr;
    for (const QString& text : path) {
        QTreeWidgetItem* next = nullptr;
        const int count = item ? item->childCount() : tree->topLevelItemCount();
        for (int k = 0; k < count && !next; ++k) {
            QTreeWidgetItem* child = item ? item->child(k) : tree->topLevelItem(k);
            if (child->text(0) == text) next = child;
        }
        if (!next) return nullptr;
        item = next;
    }
    return item;
}

namespace {
void AddLines(const QTreeWidgetItem* item, int depth, QStringList& lines) {
    lines << QString(depth * 2, u' ') + "[" + item->text(0) + "] " +
                 QString::number(item->data(0, Qt::UserRole).toInt());
    for (int k = 0; k < item->childCount(); ++k)
        AddLines(item->child(k), depth + 1, lines);
}
} // namespace

QStringList TreeText(const QTreeWidget* tree) {
    QStringList lines;
    for (int k = 0; tree && k < tree->topLevelItemCount(); ++k)
        AddLines(tree->topLevelItem(k), 0, lines);
    return lines;
}
