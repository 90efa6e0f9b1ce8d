// Status options, level sliders and the pad and dock pickers of the ship tab.
#include "ship_window_fixture.h"
#include "test_registry.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {
QTreeWidgetItem* Node(QTreeWidgetItem* parent, const QString& text, int image) {
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    item->setData(0, Qt::UserRole, image);
    return item;
}
QTreeWidgetItem* Root(QTreeWidget* tree, const QString& text) {
    auto* item = new QTreeWidgetItem(tree, QStringList{text});
    item->setData(0, Qt::UserRole, 1);
    return item;
}

// The landing tree as the base catalog lays it out: Earth with the base Habana (pad 1 taken by
// Lander), and its moon with the base Alpha.
void FillLandingTree(QTreeWidget* tree) {
    tree->clear();
    QTreeWidgetItem* earth = Root(tree, "Earth");
    QTreeWidgetItem* moon = Node(earth, "   Moon", 2);
    QTreeWidgetItem* habana = Node(earth, " Habana", 4);
    Node(Node(habana, "Landing pad  1", 5), "Lander", 7);
    Node(habana, "Landing pad  2", 5);
    Node(habana, "Landing pad  3", 5);
    QTreeWidgetItem* alpha = Node(moon, " Alpha", 4);
    Node(alpha, "Landing pad  1", 5);
    Root(tree, "Mars");
    tree->expandAll();
}

void FillDockTree(QTreeWidget* tree) {
    tree->clear();
    QTreeWidgetItem* earth = Root(tree, "Earth");
    QTreeWidgetItem* iss = Node(earth, "ISS", 3);
    Node(Node(iss, "Dock  1", 6), "Docker", 7);
    for (int n = 2; n <= 12; ++n)
        Node(iss, QString("Dock  %1").arg(n), 6);
    tree->expandAll();
}

QTreeWidgetItem* Find(QTreeWidget* tree, const QStringList& path) {
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
} // namespace

class ShipStatusTest : public QObject {
    Q_OBJECT
  private slots:
    void landedToOrbiting() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({LandedShip("L", "DG", "Earth", " Habana", "2", "45", "0.5")}, "L");
        w.OrbitingShipOption->click();
        QVERIFY(!w.Orbiting->isHidden());
        QVERIFY(w.Landed->isHidden());
        QVERIFY(w.Docked->isHidden());
        QCOMPARE(w.ShipOrbitingRposX->text(), QString()); // emptied by the reset before the display
        QVERIFY(w.MainEngineStatus->isEnabled());
        QVERIFY(w.HoverEngineStatus->isEnabled());
        QCOMPARE(w.MainEngineStatus->text(), QString("0")); // captions not changed
        QCOMPARE(w.HoverEngineStatus->text(), QString("0"));
        QCOMPARE(w.ShipLandedBase->text(), QString(" Habana")); // the hidden frame keeps its labels
        QCOMPARE(w.ShipLandedPad->text(), QString("2"));
        QCOMPARE(w.ShipFuel->text(), QString(" 50 %"));
    }

    void orbitingToDockedStoresEnginesOff() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "Earth", "0.5", "0.5", "0.5")}, "O");
        QCOMPARE(w.MainEngineStatus->text(), QString(" 50 %"));
        w.DockedShipOption->click();
        QVERIFY(!w.Docked->isHidden());
        QVERIFY(w.Orbiting->isHidden());
        QCOMPARE(w.MainEngineStatus->text(), QString("0"));
        QCOMPARE(w.HoverEngineStatus->text(), QString("0"));
        QVERIFY(!w.MainEngineStatus->isEnabled());
        QVERIFY(!w.HoverEngineStatus->isEnabled());
        QCOMPARE(w.ShipFuel->text(), QString(" 50 %")); // the fuel is not touched
        FillDockTree(w.ShipDockedTree);
        w.ShipDockedTree->setCurrentItem(Find(w.ShipDockedTree, {"Earth", "ISS", "Dock  12"}));
        w.ShipDockedTreeDblClick();
        w.Command4Click();
        QVERIFY(sw.script.Done());
        const ShipRow& row = w.Document.ShipTable[0];
        QCOMPARE(row.Status, QString("Docked"));
        QCOMPARE(row.StatusRef, QString("Earth"));
        QCOMPARE(row.DockedStation, QString("ISS"));
        QCOMPARE(row.DockedPort, QString("12"));
        QCOMPARE(row.MainEngine, QString(" 0"));
        QCOMPARE(row.HoverEngine, QString(" 0"));
        QCOMPARE(row.Fuel, QString(" .5"));
        QCOMPARE(row.RposX, QString(" 7000000")); // the hidden orbit boxes are stored as they read
    }

    void landedOptionHidesOthers() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({DockedShip("D", "DG", "Earth", "ISS", "1", "0.5")}, "D");
        w.LandedShipOption->click();
        QVERIFY(!w.Landed->isHidden());
        QVERIFY(w.Docked->isHidden());
        QVERIFY(!w.DockedShipOption->isChecked());
        QCOMPARE(w.ShipDockedStation->text(), QString("ISS"));
    }

    void slidersDriveTheirLabels_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("stored");
        QTest::newRow("fuel 75") << "ShipFuelSlider" << 75 << " 75 %"
                                 << " .75";
        QTest::newRow("fuel 0") << "ShipFuelSlider" << 0 << " 0 %"
                                << " 0";
        QTest::newRow("main -100") << "MainEngineStatusSlider" << -100 << "-100 %"
                                   << "-1";
        QTest::newRow("main -50") << "MainEngineStatusSlider" << -50 << "-50 %"
                                  << "-.5";
        QTest::newRow("hover 100") << "HoverEngineStatusSlider" << 100 << " 100 %"
                                   << " 1";
        QTest::newRow("hover 1") << "HoverEngineStatusSlider" << 1 << " 1 %"
                                 << " .01";
    }
    void slidersDriveTheirLabels() {
        QFETCH(QString, slider);
        QFETCH(int, value);
        QFETCH(QString, caption);
        QFETCH(QString, stored);
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "Earth", "0.3", "0.3", "0.3")}, "O");
        auto* s = w.findChild<QSlider*>(slider);
        QVERIFY(s);
        s->setSliderPosition(value); // as a drag of the thumb does
        QLabel* label = s == w.ShipFuelSlider           ? w.ShipFuel
                        : s == w.MainEngineStatusSlider ? w.MainEngineStatus
                                                        : w.HoverEngineStatus;
        QCOMPARE(label->text(), caption);
        w.Command4Click();
        QVERIFY(sw.script.Done());
        const ShipRow& row = w.Document.ShipTable[0];
        const QString got = s == w.ShipFuelSlider           ? row.Fuel
                            : s == w.MainEngineStatusSlider ? row.MainEngine
                                                            : row.HoverEngine;
        QCOMPARE(got, stored);
        QCOMPARE(label->text(), caption); // redisplayed from the stored fraction
    }

    void keyboardMovesSliders() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "Earth", "0.5", "0", "0")}, "O");
        QTest::keyClick(w.ShipFuelSlider, Qt::Key_Right);
        QCOMPARE(w.ShipFuel->text(), QString(" 51 %"));
        QTest::keyClick(w.ShipFuelSlider, Qt::Key_PageDown);
        QCOMPARE(w.ShipFuel->text(), QString(" 41 %"));
        QTest::keyClick(w.MainEngineStatusSlider, Qt::Key_Home);
        QCOMPARE(w.MainEngineStatus->text(), QString("-100 %"));
        QTest::keyClick(w.HoverEngineStatusSlider, Qt::Key_End);
        QCOMPARE(w.HoverEngineStatus->text(), QString(" 100 %"));
    }

    void sliderMovedWhileLandedIsStored() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({LandedShip("L", "DG", "Earth", " Habana", "2", "45", "0.5")}, "L");
        QVERIFY(!w.MainEngineStatus->isEnabled());
        w.MainEngineStatusSlider->setSliderPosition(30);
        QCOMPARE(w.MainEngineStatus->text(), QString(" 30 %"));
        QVERIFY(!w.MainEngineStatus->isEnabled()); // sliders never enable their label
        w.Command4Click();
        QCOMPARE(w.Document.ShipTable[0].MainEngine, QString(" .3"));
        QVERIFY(sw.script.Done());
    }

    void padPick_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("pad");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("planet");
        // An empty expected pad: the labels keep the ship's own values.
        QTest::newRow("free pad") << QStringList{"Earth", " Habana", "Landing pad  3"} << "3"
                                  << " Habana"
                                  << "Earth";
        QTest::newRow("pad on a moon") << QStringList{"Earth", "   Moon", " Alpha", "Landing pad  1"} << "1"
                                       << " Alpha"
                                       << "   Moon";
        QTest::newRow("pad taken") << QStringList{"Earth", " Habana", "Landing pad  1"} << ""
                                   << ""
                                   << "";
        QTest::newRow("landed ship") << QStringList{"Earth", " Habana", "Landing pad  1", "Lander"} << ""
                                     << ""
                                     << "";
        QTest::newRow("base") << QStringList{"Earth", " Habana"} << ""
                              << ""
                              << "";
        QTest::newRow("planet") << QStringList{"Earth"} << ""
                                << ""
                                << "";
        QTest::newRow("planet without bases") << QStringList{"Mars"} << ""
                                              << ""
                                              << "";
    }
    void padPick() {
        QFETCH(QStringList, path);
        QFETCH(QString, pad);
        QFETCH(QString, base);
        QFETCH(QString, planet);
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({LandedShip("L", "DG", "Venus", "Old base", "9", "45", "0.5")}, "L");
        FillLandingTree(w.ShipLandingTree);
        w.ShipLandingTree->setCurrentItem(Find(w.ShipLandingTree, path));
        QVERIFY(w.ShipLandingTree->currentItem());
        w.ShipLandingTreeDblClick();
        QCOMPARE(w.ShipLandedPad->text(), pad.isEmpty() ? QString("9") : pad);
        QCOMPARE(w.ShipLandedBase->text(), pad.isEmpty() ? QString("Old base") : base);
        QCOMPARE(w.ShipLandedPlanet->text(), pad.isEmpty() ? QString("Venus") : planet);
        QVERIFY(w.LandedShipOption->isChecked());
        QCOMPARE(w.ShipDockedStation->text(), QString()); // a pick fills its own frame only
    }

    void portPick_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("port");
        QTest::newRow("free port 12") << QStringList{"Earth", "ISS", "Dock  12"} << "12";
        QTest::newRow("free port 2") << QStringList{"Earth", "ISS", "Dock  2"} << "2";
        QTest::newRow("port taken") << QStringList{"Earth", "ISS", "Dock  1"} << "";
        QTest::newRow("docked ship") << QStringList{"Earth", "ISS", "Dock  1", "Docker"} << "";
        QTest::newRow("station") << QStringList{"Earth", "ISS"} << "";
        QTest::newRow("planet") << QStringList{"Earth"} << "";
    }
    void portPick() {
        QFETCH(QStringList, path);
        QFETCH(QString, port);
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({DockedShip("D", "DG", "Mars", "Old station", "7", "0.5")}, "D");
        FillDockTree(w.ShipDockedTree);
        w.ShipDockedTree->setCurrentItem(Find(w.ShipDockedTree, path));
        w.ShipDockedTreeDblClick();
        QCOMPARE(w.ShipDockedPort->text(), port.isEmpty() ? QString("7") : port);
        QCOMPARE(w.ShipDockedStation->text(), port.isEmpty() ? QString("Old station") : QString("ISS"));
        QCOMPARE(w.ShipDockedPlanet->text(), port.isEmpty() ? QString("Mars") : QString("Earth"));
    }

    void pickWithoutSelectedNode() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({DockedShip("D", "DG", "Mars", "Old station", "7", "0.5")}, "D");
        w.ShipDockedTree->clear();
        w.ShipLandingTree->clear();
        w.ShipDockedTreeDblClick();
        w.ShipLandingTreeDblClick();
        QCOMPARE(w.ShipDockedPort->text(), QString("7"));
    }

    void doubleClickWithTheMouse() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({LandedShip("L", "DG", "Venus", "Old base", "9", "45", "0.5")}, "L");
        w.SSTab1->show();
        w.SSTab1->setCurrentIndex(2);
        w.resize(1280, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        FillLandingTree(w.ShipLandingTree);
        QTreeWidgetItem* pad = Find(w.ShipLandingTree, {"Earth", " Habana", "Landing pad  2"});
        w.ShipLandingTree->scrollToItem(pad);
        const QPoint at = w.ShipLandingTree->visualItemRect(pad).center();
        QTest::mouseClick(w.ShipLandingTree->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(w.ShipLandedPad->text(), QString("9")); // one click picks nothing
        QTest::mouseDClick(w.ShipLandingTree->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(w.ShipLandedPad->text(), QString("2"));
        QCOMPARE(w.ShipLandedBase->text(), QString(" Habana"));
        QCOMPARE(w.ShipLandedPlanet->text(), QString("Earth"));
    }
};
SKELVAN_TEST(ShipStatusTest);
#include "test_ship_status.moc"
