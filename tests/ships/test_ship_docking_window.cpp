// Ships docked to ships through the ship tab, over a scenario of today's form: a ship moved to
// a free port of the station, one taken out of its dock into orbit, and a port already taken,
// refused. Each save is held line by line against the save made right after loading; a dock is
// one step that an undo takes back whole, the partners' lines included.
#include "changed_lines.h"
#include "core/editing/ship_validation.h"
#include "ship_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {
const QString kScenario = "Installation/Docking/Lifter Stack.scn";

QString Text(ShipWindow& sw, const char* label) {
    return sw.Get<QLabel>(label)->text();
}

} // namespace

class ShipDockingWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void edits_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("the tug leaves its hauler for the station's free port")
            << "Tug-1"
            << "port" << QString()
            << QStringList{"-  DOCKINFO 0:0,Glider-1 1:0,Ox-1",
                           "+  DOCKINFO 0:0,Glider-1 1:0,Ox-1 2:0,Tug-1",
                           "-  DOCKINFO 0:1,Lifter 1:0,Tug-1",
                           "+  DOCKINFO 0:1,Lifter",
                           "-  DOCKINFO 0:1,Ox-1",
                           "+  DOCKINFO 0:2,Lifter"};
        QTest::newRow("the glider undocked floats at the station's state")
            << "Glider-1"
            << "orbit" << QString()
            << QStringList{"-  DOCKINFO 0:0,Glider-1 1:0,Ox-1", "+  DOCKINFO 1:0,Ox-1",
                           "-  DOCKINFO 0:0,Lifter", "+  RPOS 6800000 0 0", "+  RVEL 0 0 7655.4"};
        QTest::newRow("the hauler's own port is taken by its tug")
            << "Ox-1"
            << "taken"
            << "Port 2 of Ox-1 is taken by the ship Tug-1 already." << QStringList();
    }
    void edits() {
        QFETCH(QString, ship);
        QFETCH(QString, edit);
        QFETCH(QString, refusal);
        QFETCH(QStringList, changes);
        ShipWindow sw(TestDataPath("today"), ".\\Scenarios\\Installation\\Docking\\");
        sw.Open("Lifter Stack.scn");
        sw.Save();
        const QByteArray before = sw.folders().ScenarioBytes(kScenario);
        sw.ShowTab(Tab::Ships);
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), ship);
        auto* ports = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        auto* ownPort = sw.Get<QLineEdit>(ObjectNames::ShipDockOwnPort);
        QVERIFY(ownPort->isEnabled());
        if (edit == "orbit") {
            Click(sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption));
        } else {
            DoubleClick(ports, TreeItem(ports, {"Tarn", "Lifter", "Dock  3"}));
            QCOMPARE(Text(sw, ObjectNames::ShipDockedStation), QString("Lifter"));
            QCOMPARE(Text(sw, ObjectNames::ShipDockedPort), QString("3"));
            // The first port the ship's other pairs leave free: the hauler's tug is at its second.
            QCOMPARE(ownPort->text(), QString("1"));
            if (edit == "taken") Type(ownPort, "2");
        }
        if (!refusal.isEmpty()) sw.script.Expect(refusal, kShipValidationTitle);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        sw.Save();
        QCOMPARE(ChangedLines(before, sw.folders().ScenarioBytes(kScenario)), changes);
        if (edit == "port") QVERIFY(TreeItem(ports, {"Tarn", "Lifter", "Dock  3", "Tug-1"}));
        if (edit == "orbit") QVERIFY(sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption)->isChecked());
        if (changes.isEmpty()) return;

        // One step, which an undo takes back whole, on both ships.
        sw.tyx().findChild<QAction*>(ObjectNames::EditUndo)->trigger();
        sw.Save();
        QCOMPARE(ChangedLines(before, sw.folders().ScenarioBytes(kScenario)), QStringList());
        VERIFY_SCRIPT_DONE(sw.script);
    }
};
QTEST_MAIN(ShipDockingWindowTest)
#include "test_ship_docking_window.moc"
