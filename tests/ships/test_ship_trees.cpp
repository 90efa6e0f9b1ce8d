// The location trees follow the ships: validation and delete mark the pad or port a ship takes
// and free the one it leaves; the pickers work on the trees as the station side builds them.
#include "ship_window_fixture.h"
#include "support/core/tree_text.h"
#include "test_registry.h"
#include "widgets/common/location_trees_view.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {
QStringList Lines(const QTreeWidget* tree) {
    return TreeLines(ReadLocationTree(tree));
}

QTreeWidgetItem* ItemAt(QTreeWidget* tree, const QString& parentText, const QString& text) {
    std::vector<QTreeWidgetItem*> items;
    ReadLocationTree(tree, &items);
    for (QTreeWidgetItem* item : items) {
        if (item->text(0) == text && item->parent() && item->parent()->text(0) == parentText) return item;
    }
    return nullptr;
}

// A planetary system with one planet and its moon, a base of three pads on the planet and a
// station of four ports around it; then the ships, as the reader leaves the window.
void SetUpSystem(ShipWindow& sw, const std::vector<ShipRow>& ships, const QString& focus) {
    TYX& w = sw.tyx();
    w.StationRef->clear();
    w.StationRef->addItems({"Earth", "   Moon"});
    w.BaseCatalog = QStringList{" Habana: 3:Earth", QString()};
    w.BaseCount = 1;
    w.StationClassDocks = {TYX::StationClassDock{"Hub", 4}, TYX::StationClassDock{}};
    w.StationClassCount = 1;
    w.Document.StationTableRedim(1);
    w.Document.StationTable[0].Name = "Station1";
    w.Document.StationTable[0].ClassName = "Hub";
    w.Document.StationTable[0].Ref = "Earth";
    w.StationName->clear();
    w.StationName->addItem("Station1");
    w.StationTreeUpdate();
    w.BaseTreeUpdate();
    sw.LoadShips(ships, focus);
    w.StationDockTreeUpdate();
    w.BasePadTreeUpdate();
}

QStringList LandingTree(const QString& pad1, const QString& pad2, const QString& pad3) {
    QStringList lines{"[Earth] 1", "  [   Moon] 2", "  [ Habana] 4"};
    const QString* ships[3] = {&pad1, &pad2, &pad3};
    for (int n = 1; n <= 3; ++n) {
        lines << QString("    [Landing pad  %1] 5").arg(n);
        if (!ships[n - 1]->isEmpty()) lines << "      [" + *ships[n - 1] + "] 7";
    }
    return lines;
}

QStringList DockTree(const QStringList& shipsPerPort) {
    QStringList lines{"[Earth] 1", "  [   Moon] 2", "  [Station1] 3"};
    for (int n = 1; n <= 4; ++n) {
        lines << QString("    [Dock  %1] 6").arg(n);
        if (!shipsPerPort[n - 1].isEmpty()) lines << "      [" + shipsPerPort[n - 1] + "] 7";
    }
    return lines;
}
} // namespace

class ShipTreesTest : public QObject {
    Q_OBJECT
  private slots:
    void landedShipMovesToAnotherPad() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        SetUpSystem(sw, {LandedShip("Lander", "DG", "Earth", "Habana", "1", "45", "0.5")}, "Lander");
        QCOMPARE(Lines(w.ShipLandingTree), LandingTree("Lander", "", ""));
        // The pad taken by the ship cannot be picked; a free one can.
        w.ShipLandingTree->setCurrentItem(ItemAt(w.ShipLandingTree, " Habana", "Landing pad  1"));
        w.ShipLandingTreeDblClick();
        QCOMPARE(w.ShipLandedBase->text(), QString("Habana"));
        w.ShipLandingTree->setCurrentItem(ItemAt(w.ShipLandingTree, " Habana", "Landing pad  3"));
        w.ShipLandingTreeDblClick();
        QCOMPARE(w.ShipLandedPad->text(), QString("3"));
        QCOMPARE(w.ShipLandedBase->text(), QString(" Habana"));
        QCOMPARE(w.ShipLandedPlanet->text(), QString("Earth"));
        // Until validation the tree still shows the stored pad.
        QCOMPARE(Lines(w.ShipLandingTree), LandingTree("Lander", "", ""));
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.Document.ShipTable[0].Pad, QString("3"));
        QCOMPARE(Lines(w.ShipLandingTree), LandingTree("", "", "Lander"));
    }

    void dockingAndLeavingFreesThePort() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        SetUpSystem(sw,
                    {DockedShip("D1", "DG", "Earth", "Station1", "2", "0.5"),
                     OrbitingShip("O1", "DG", "Earth", "0.5", "0", "0")},
                    "D1");
        QCOMPARE(Lines(w.ShipDockedTree), DockTree({"", "D1", "", ""}));
        // The orbiting ship docks at port 4.
        Select(w.ShipName, 1);
        w.DockedShipOption->click();
        w.ShipDockedTree->setCurrentItem(ItemAt(w.ShipDockedTree, "Station1", "Dock  4"));
        w.ShipDockedTreeDblClick();
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Lines(w.ShipDockedTree), DockTree({"", "D1", "", "O1"}));
        // The first ship undocks into an orbit around the Earth.
        Select(w.ShipName, 0);
        w.OrbitingShipOption->click();
        w.ShipOrbitingPlanet->setText("Earth");
        for (QLineEdit* box : {w.ShipOrbitingRposY, w.ShipOrbitingRposZ, w.ShipOrbitingRvelX,
                               w.ShipOrbitingRvelY, w.ShipOrbitingRvelZ, w.ShipOrbitingArotX,
                               w.ShipOrbitingArotY, w.ShipOrbitingArotZ, w.ShipOrbitingAngularVelocity})
            box->setText("0");
        w.ShipOrbitingRposX->setText("6800000");
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.Document.ShipTable[0].Status, QString("Orbiting"));
        QCOMPARE(Lines(w.ShipDockedTree), DockTree({"", "", "", "O1"}));
    }

    void deletedShipsLeaveTheirPlaces() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        SetUpSystem(sw,
                    {LandedShip("L1", "DG", "Earth", "Habana", "2", "0", "0.5"),
                     DockedShip("D1", "DG", "Earth", "Station1", "1", "0.5"),
                     LandedShip("L2", "DG", "Earth", " habana", "3", "0", "0.5")},
                    "D1");
        QCOMPARE(Lines(w.ShipLandingTree), LandingTree("", "L1", "L2"));
        QCOMPARE(Lines(w.ShipDockedTree), DockTree({"D1", "", "", ""}));
        Select(w.ShipName, 1);
        sw.script.Expect(
            {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok});
        sw.script.Expect({kFocusChanged, "Warning", MsgButtons::Ok, MsgIcon::Information, MsgResult::Ok});
        w.Command6Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.ShipFocus->text(), QString("L1"));
        QCOMPARE(Lines(w.ShipDockedTree), DockTree({"", "", "", ""}));
        QCOMPARE(Lines(w.ShipLandingTree), LandingTree("", "L1", "L2"));
        Select(w.ShipName, 1);
        sw.script.Expect(
            {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok});
        w.Command6Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Lines(w.ShipLandingTree), LandingTree("", "L1", ""));
    }

    void refusedValidationLeavesTheTrees() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        SetUpSystem(sw, {LandedShip("Lander", "", "Earth", "Habana", "1", "45", "0.5")}, "Lander");
        w.ShipLandingTree->setCurrentItem(ItemAt(w.ShipLandingTree, " Habana", "Landing pad  2"));
        w.ShipLandingTreeDblClick();
        sw.script.Expect({"You must assign a class to the ship.\r",
                          "Ship parameter validation not accepted !", MsgButtons::Ok, MsgIcon::None,
                          MsgResult::Ok});
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Lines(w.ShipLandingTree), LandingTree("Lander", "", ""));
        QCOMPARE(w.ShipLandedPad->text(), QString("2")); // the pick stays for the user to complete
    }
};
SKELVAN_TEST(ShipTreesTest);
#include "test_ship_trees.moc"
