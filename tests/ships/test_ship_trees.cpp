// The location trees follow the ships: validation and delete mark the pad or port a ship takes
// and free the one it leaves; the pickers work on the trees that the installation and the
// scenario's stations make.
#include "ship_window.h"
#include "support/core/tree_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {
// The station Station1 of class Hub (four ports) around the Earth.
QStringList Stations() {
    return {Station("Station1", "Hub", "Earth")};
}

// The base Alpha of the Moon has one pad, the base Habana of the Earth three; Mars has none.
QStringList LandingTree(const QString& pad1, const QString& pad2, const QString& pad3) {
    QStringList lines{"[Earth] 1", "  [   Moon] 2", "    [ Alpha] 4", "      [Landing pad  1] 5",
                      "  [ Habana] 4"};
    const QString* ships[3] = {&pad1, &pad2, &pad3};
    for (int n = 1; n <= 3; ++n) {
        lines << QString("    [Landing pad  %1] 5").arg(n);
        if (!ships[n - 1]->isEmpty()) lines << "      [" + *ships[n - 1] + "] 7";
    }
    return lines << "[Mars] 1";
}

QStringList DockTree(const QStringList& shipsPerPort) {
    QStringList lines{"[Earth] 1", "  [   Moon] 2", "  [Station1] 3"};
    for (int n = 1; n <= 4; ++n) {
        lines << QString("    [Dock  %1] 6").arg(n);
        if (!shipsPerPort[n - 1].isEmpty()) lines << "      [" + shipsPerPort[n - 1] + "] 7";
    }
    return lines << "[Mars] 1";
}

ExpectedBox Confirm() {
    return {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok};
}
} // namespace

class ShipTreesTest : public QObject {
    Q_OBJECT
  private slots:
    void landedShipMovesToAnotherPad() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("Lander", "DG", "Earth", "Habana", "1", "45", "0.5")}, "Lander", Stations());
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        QCOMPARE(TreeText(pads), LandingTree("Lander", "", ""));
        // The pad taken by the ship cannot be picked; a free one can.
        DoubleClick(pads, TreeItem(pads, {"Earth", " Habana", "Landing pad  1"}));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->text(), QString("Habana"));
        DoubleClick(pads, TreeItem(pads, {"Earth", " Habana", "Landing pad  3"}));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), QString("3"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->text(), QString(" Habana"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPlanet)->text(), QString("Earth"));
        // Until validation the tree still shows the stored pad.
        QCOMPARE(TreeText(pads), LandingTree("Lander", "", ""));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Scenario().ShipTable[0].Pad, QString("3"));
        QCOMPARE(TreeText(pads), LandingTree("", "", "Lander"));
    }

    void dockingAndLeavingFreesThePort() {
        ShipWindow sw;
        sw.OpenShips({DockedShip("D1", "DG", "Earth", "Station1", "2", "0.5"),
                      OrbitingShip("O1", "DG", "Earth", "0.5", "0", "0")},
                     "D1", Stations());
        auto* ports = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        QCOMPARE(TreeText(ports), DockTree({"", "D1", "", ""}));
        // The orbiting ship docks at port 4.
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 1);
        Click(sw.Get<QRadioButton>(ObjectNames::DockedShipOption));
        DoubleClick(ports, TreeItem(ports, {"Earth", "Station1", "Dock  4"}));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(TreeText(ports), DockTree({"", "D1", "", "O1"}));
        // The first ship undocks into an orbit around the Earth.
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 0);
        Click(sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption));
        Pick(sw.Get<QComboBox>(ObjectNames::OrbitingRef), "Earth");
        Click(sw.Get<QPushButton>(ObjectNames::Command11));
        for (const char* box :
             {ObjectNames::ShipOrbitingRposY, ObjectNames::ShipOrbitingRposZ, ObjectNames::ShipOrbitingRvelX,
              ObjectNames::ShipOrbitingRvelY, ObjectNames::ShipOrbitingRvelZ, ObjectNames::ShipOrbitingArotX,
              ObjectNames::ShipOrbitingArotY, ObjectNames::ShipOrbitingArotZ,
              ObjectNames::ShipOrbitingAngularVelocity})
            Type(sw.Get<QLineEdit>(box), "0");
        Type(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX), "6800000");
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Scenario().ShipTable[0].Status, QString("Orbiting"));
        QCOMPARE(TreeText(ports), DockTree({"", "", "", "O1"}));
    }

    void deletedShipsLeaveTheirPlaces() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("L1", "DG", "Earth", "Habana", "2", "0", "0.5"),
                      DockedShip("D1", "DG", "Earth", "Station1", "1", "0.5"),
                      LandedShip("L2", "DG", "Earth", "habana", "3", "0", "0.5")},
                     "D1", Stations());
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        auto* ports = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        QCOMPARE(TreeText(pads), LandingTree("", "L1", "L2"));
        QCOMPARE(TreeText(ports), DockTree({"D1", "", "", ""}));
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 1);
        sw.script.Expect(Confirm());
        sw.script.Expect({kFocusChanged, "Warning", MsgButtons::Ok, MsgIcon::Information, MsgResult::Ok});
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("L1"));
        QCOMPARE(TreeText(ports), DockTree({"", "", "", ""}));
        QCOMPARE(TreeText(pads), LandingTree("", "L1", "L2"));
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 1);
        sw.script.Expect(Confirm());
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(TreeText(pads), LandingTree("", "L1", ""));
    }

    void refusedValidationLeavesTheTrees() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("Lander", "", "Earth", "Habana", "1", "45", "0.5")}, "Lander", Stations());
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        DoubleClick(pads, TreeItem(pads, {"Earth", " Habana", "Landing pad  2"}));
        sw.script.Expect({"You must assign a class to the ship.\r",
                          "Ship parameter validation not accepted !", MsgButtons::Ok, MsgIcon::None,
                          MsgResult::Ok});
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(TreeText(pads), LandingTree("Lander", "", ""));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(),
                 QString("2")); // the pick stays for the user to complete
    }
};
QTEST_MAIN(ShipTreesTest)
#include "test_ship_trees.moc"
