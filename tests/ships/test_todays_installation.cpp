// The ship tab over an installation in today's layout: the vessel classes of Config\Vessels\ in
// the class list, the bases of the base folders with their pads in the pad tree, and a ship
// docked to a station ship by DOCKINFO shown docked there, validated as it stands and saved
// unchanged.
#include "core/scenario/scenario_comparison.h"
#include "ship_window.h"
#include "widgets/common/location_trees_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <array>

namespace {
QString Today() {
    return TestDataPath("today");
}

QByteArray ShipSection(const QByteArray& bytes) {
    const qsizetype begin = bytes.indexOf("BEGIN_SHIPS");
    const qsizetype end = bytes.indexOf("END_SHIPS", begin);
    return begin < 0 || end < 0 ? QByteArray() : bytes.mid(begin, end - begin + 9);
}

QString Text(ShipWindow& sw, const char* label) {
    return sw.Get<QLabel>(label)->text();
}
} // namespace

class TodaysInstallationTest : public QObject {
    Q_OBJECT
  private slots:
    // The classes named by their ClassName record first, then the vessel classes by their path.
    void classListShowsTheVesselClasses() {
        ShipWindow sw(Today(), ".\\Scenarios\\Installation\\Docking\\");
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::Spacecraft)),
                 (QStringList{"Kestrel", "Glider", "Haulers\\Ox", "Kite", "Lifter", "Stations\\Spindle"}));
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::StationClass)), QStringList());
        // A class of a sub-folder is given to a ship as any other.
        sw.Open("Lifter Stack.scn");
        sw.ShowTab(Tab::Ships);
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "Stations\\Spindle");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        QCOMPARE(Text(sw, ObjectNames::ShipClass), QString("Stations\\Spindle"));
        VERIFY_SCRIPT_DONE(sw.script);
    }

    void padTreeShowsTheBaseFolders() {
        ShipWindow sw(Today(), ".\\Scenarios\\Installation\\Bases\\");
        sw.Open("Harbour Day.scn");
        sw.ShowTab(Tab::Ships);
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        QCOMPARE(TreeText(pads), (QStringList{"[Tarn] 1",
                                              "  [   Skerry] 2",
                                              "    [ Crater Rim] 4",
                                              "      [Landing pad  1] 5",
                                              "        [Relay-1] 7",
                                              "  [ Harbour Flats] 4",
                                              "    [Landing pad  1] 5",
                                              "    [Landing pad  2] 5",
                                              "    [Landing pad  3] 5",
                                              "      [Ox-2] 7",
                                              "  [ Ridge Point] 4",
                                              "    [Landing pad  1] 5",
                                              "    [Landing pad  2] 5",
                                              "      [Kestrel-1] 7",
                                              "[Vesk] 1",
                                              "  [ Saltpan] 4",
                                              "    [Landing pad  1] 5",
                                              "    [Landing pad  2] 5",
                                              "  [ Dunmore Field] 4",
                                              "    [Landing pad  1] 5",
                                              "    [Landing pad  2] 5",
                                              "    [Landing pad  3] 5",
                                              "      [Kite-2] 7"}));
        // The first ship moves to a free pad of the same base.
        DoubleClick(pads, TreeItem(pads, {"Tarn", " Harbour Flats", "Landing pad  1"}));
        QCOMPARE(Text(sw, ObjectNames::ShipLandedBase), QString(" Harbour Flats"));
        QCOMPARE(Text(sw, ObjectNames::ShipLandedPad), QString("1"));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(TreeItem(pads, {"Tarn", " Harbour Flats", "Landing pad  1", "Ox-2"}) != nullptr, true);
        QCOMPARE(TreeItem(pads, {"Tarn", " Harbour Flats", "Landing pad  3"})->childCount(), 0);
    }

    void dockedPairShowsTheVisitorAtTheStation() {
        ShipWindow sw(Today(), ".\\Scenarios\\Installation\\Docking\\");
        sw.Open("Lifter Stack.scn");
        sw.ShowTab(Tab::Ships);
        const std::array<QRadioButton*, 3> options = {sw.Get<QRadioButton>(ObjectNames::LandedShipOption),
                                                      sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption),
                                                      sw.Get<QRadioButton>(ObjectNames::DockedShipOption)};
        // The station itself orbits, its status free to change.
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption)->isChecked());
        for (QRadioButton* option : options)
            QVERIFY(option->isEnabled());

        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Glider-1");
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::DockedShipOption)->isChecked());
        QVERIFY(sw.Get<QWidget>(ObjectNames::Docked)->isVisible());
        QCOMPARE(Text(sw, ObjectNames::ShipDockedStation), QString("Lifter"));
        QCOMPARE(Text(sw, ObjectNames::ShipDockedPort), QString("1"));
        QCOMPARE(Text(sw, ObjectNames::ShipDockedPlanet), QString("Tarn"));
        // Its status may change (that undocks it), and its own port of the dock shows.
        for (QRadioButton* option : options)
            QVERIFY(option->isEnabled());
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipDockOwnPort)->text(), QString("1"));

        // The station's free port (its class lists three) says how it is picked.
        auto* ports = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        QTreeWidgetItem* free = TreeItem(ports, {"Tarn", "Lifter", "Dock  3"});
        QVERIFY(free);
        QCOMPARE(free->childCount(), 0);
        QCOMPARE(free->toolTip(0), kShipPortTip);
        QVERIFY(TreeItem(ports, {"Tarn", "Lifter", "Dock  1", "Glider-1"}));

        // It validates as it stands: no box, nothing asked of its position.
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(Text(sw, ObjectNames::ShipDockedStation), QString("Lifter"));

        // The tug of the chain is docked at the hauler, which is docked at the station.
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Tug-1");
        QCOMPARE(Text(sw, ObjectNames::ShipDockedStation), QString("Ox-1"));
        QCOMPARE(Text(sw, ObjectNames::ShipDockedPort), QString("2"));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);

        // Back on the station, the options are free again.
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Lifter");
        for (QRadioButton* option : options)
            QVERIFY(option->isEnabled());
        QCOMPARE(sw.Get<QRadioButton>(ObjectNames::DockedShipOption)->toolTip(),
                 QString("Sets the ship status to \"Docked\""));

        // Saved under another name, so that the file read stays to hold the save against.
        sw.SaveAs("Lifter Stack again.scn");
        VERIFY_SCRIPT_DONE(sw.script);
        const QByteArray before = sw.folders().ScenarioBytes("Installation/Docking/Lifter Stack.scn");
        const QByteArray after = sw.folders().ScenarioBytes("Installation/Docking/Lifter Stack again.scn");
        QVERIFY(!after.isEmpty());
        QCOMPARE(ShipSection(after), ShipSection(before));
        const ScenarioComparison comparison = CompareScenarioTexts(before, after);
        QVERIFY2(comparison.Same(), qPrintable(DifferencesText(comparison)));
    }
};
QTEST_MAIN(TodaysInstallationTest)
#include "test_todays_installation.moc"
