// The tank table of the ship tab over a scenario in today's form, driven as a user drives it:
// shown only for a ship with a level per tank, a level typed into one cell, the fuel slider
// setting every tank, a level that is none refused by the validation, and the save of one
// changed tank against a save made right after loading.
#include "core/editing/ship_validation.h"
#include "core/editing/tank_levels.h"
#include "ship_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

namespace {
const QString kFile = QStringLiteral("Tank Levels.scn");

// The tank window over today's installation, the file's ship shown on the ship tab.
struct TankWindow : ShipWindow {
    explicit TankWindow(const QString& ship) : ShipWindow(TodayInstallation(), ".\\Scenarios\\Placements\\") {
        Open(kFile);
        ShowTab(Tab::Ships);
        Pick(Get<QComboBox>(ObjectNames::ShipName), ship);
    }
    QTableWidget* Tanks() const { return Get<QTableWidget>(ObjectNames::ShipTanks); }
    QByteArray Saved() {
        ChooseMenuItem(tyx(), ObjectNames::Menu13);
        return folders().ScenarioBytes("Placements/" + kFile);
    }
};

// "<tank>=<level>" for each row of the table.
QStringList Rows(const QTableWidget* table) {
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << table->item(r, 0)->text() + u'=' + table->item(r, 1)->text();
    return rows;
}

// A click on the level of a tank, F2 to edit it, its text replaced by typing, and Return.
void TypeLevel(QTableWidget* table, int row, const QString& text) {
    QTableWidgetItem* level = table->item(row, 1);
    QVERIFY(level);
    table->scrollToItem(level);
    const QPoint at = table->visualItemRect(level).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(table->currentItem(), level);
    QTest::keyClick(table, Qt::Key_F2);
    // The cell's editor, which the table opens inside its viewport.
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    QVERIFY2(editor && editor->isVisible(), "no cell editor opened");
    QCOMPARE(editor->text(), level->text());
    editor->selectAll();
    QTest::keyClicks(editor, text);
    const QPointer<QLineEdit> open(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    // The table takes the text and closes the editor once the key's event has passed.
    QTRY_VERIFY(!open || !open->isVisible());
}

// The lines of two saves that differ, "<before> => <after>".
QStringList ChangedLines(const QByteArray& before, const QByteArray& after) {
    const QList<QByteArray> a = before.split('\n');
    const QList<QByteArray> b = after.split('\n');
    if (a.size() != b.size()) return {"line counts differ"};
    QStringList changed;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) changed << QString::fromLatin1(a[i].chopped(1) + " => " + b[i].chopped(1));
    return changed;
}
} // namespace

class ShipTanksTest : public QObject {
    Q_OBJECT
  private slots:
    void tableFollowsTheShip_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QStringList>("rows"); // none: the table is hidden
        QTest::newRow("three tanks") << "Ox-1" << QStringList{"0=100 %", "1=25 %", "2=50 %"};
        QTest::newRow("landed, odd spacing") << "Ox-2" << QStringList{"0=80 %", "1=100 %"};
        QTest::newRow("one fuel level, no table") << "Pipit" << QStringList();
    }
    void tableFollowsTheShip() {
        QFETCH(QString, ship);
        QFETCH(QStringList, rows);
        // Shown after another ship, so that nothing of that one stays.
        TankWindow sw(ship == "Ox-1" ? "Ox-2" : "Ox-1");
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), ship);
        QCOMPARE(sw.Tanks()->isVisible(), !rows.isEmpty());
        if (!rows.isEmpty()) QCOMPARE(Rows(sw.Tanks()), rows);
        // The tank's number is the file's: it cannot be typed over.
        if (!rows.isEmpty()) QVERIFY(!(sw.Tanks()->item(0, 0)->flags() & Qt::ItemIsEditable));
        VERIFY_SCRIPT_DONE(sw.script);
    }

    // One tank typed, validated and saved: only its pair of the line changed. Undone, the save
    // is the one made right after loading again.
    void changeOneTank_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fuel"); // the fuel label after the typing
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("second of three tanks")
            << "Ox-1" << 1 << "30"
            << " 100 %"
            << QStringList{"  PRPLEVEL 0:1.000000 1:0.250000 2:0.500000 => "
                           "  PRPLEVEL 0:1.000000 1:0.300000 2:0.500000"};
        QTest::newRow("first tank, odd spacing and a comment")
            << "Ox-2" << 0 << "40%"
            << " 40 %"
            << QStringList{"  PRPLEVEL   0:0.8    1:1   ; main, then reserve => "
                           "  PRPLEVEL   0:0.400000    1:1   ; main, then reserve"};
        QTest::newRow("the number as shown, in another spelling") << "Ox-3" << 1 << "25.0 %"
                                                                  << " 100 %" << QStringList();
    }
    void changeOneTank() {
        QFETCH(QString, ship);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, fuel);
        QFETCH(QStringList, changed);
        TankWindow sw(ship);
        const QByteArray before = sw.Saved();
        TypeLevel(sw.Tanks(), row, typed);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), fuel);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        QCOMPARE(ChangedLines(before, sw.Saved()), changed);
        if (!changed.isEmpty()) {
            QVERIFY(ChooseMenuItem(sw.tyx(), ObjectNames::EditUndo));
            QCOMPARE(sw.Saved(), before);
        }
        VERIFY_SCRIPT_DONE(sw.script);
    }

    void sliderSetsEveryTank() {
        TankWindow sw("Ox-1");
        Slide(sw.Get<QSlider>(ObjectNames::ShipFuelSlider), 50);
        QCOMPARE(Rows(sw.Tanks()), (QStringList{"0=50 %", "1=50 %", "2=50 %"}));
        QVERIFY(sw.Get<QLabel>(ObjectNames::ShipPending)->isVisible());
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        QCOMPARE(sw.Scenario().ShipTable[0].TankLevels, QString("0:0.500000 1:0.500000 2:0.500000"));
        VERIFY_SCRIPT_DONE(sw.script);
    }

    // A level typed that is none stays as typed, and the validation refuses it.
    void levelThatIsNoneIsRefused() {
        TankWindow sw("Ox-1");
        TypeLevel(sw.Tanks(), 2, "120");
        QCOMPARE(sw.Tanks()->item(2, 1)->text(), QString("120"));
        QVERIFY(sw.Get<QLabel>(ObjectNames::ShipPending)->isVisible());
        sw.script.Expect(kTankLevelNotCorrect.arg(2), kShipValidationTitle, MsgButtons::Ok, MsgIcon::None);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Scenario().ShipTable[0].TankLevels, QString("0:1.000000 1:0.250000 2:0.500000"));
    }
};
QTEST_MAIN(ShipTanksTest)
#include "test_ship_tanks.moc"
