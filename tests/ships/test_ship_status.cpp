// Status options, level sliders and the pad and dock pickers of the ship tab.
#include "ship_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

namespace {
// The ship Lander takes pad 1 of the base Habana; the ship Docker takes port 1 of the station
// ISS, whose class has twelve ports.
QString Lander() {
    return LandedShip("Lander", "DG", "Earth", "Habana", "1", "0", "1");
}
QString Docker() {
    return DockedShip("Docker", "DG", "Earth", "ISS", "1", "1");
}
QStringList Stations() {
    return {Station("ISS", "Ring", "Earth")};
}

// A point of the tree where no node is.
QPoint EmptySpot(const QTreeWidget* tree) {
    return QPoint(4, tree->viewport()->height() - 4);
}
} // namespace

class ShipStatusTest : public QObject {
    Q_OBJECT
  private slots:
    void landedToOrbiting() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("L", "DG", "Earth", "Habana", "2", "45", "0.5")}, "L");
        Click(sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption));
        QVERIFY(!sw.Get<QGroupBox>(ObjectNames::Orbiting)->isHidden());
        QVERIFY(sw.Get<QGroupBox>(ObjectNames::Landed)->isHidden());
        QVERIFY(sw.Get<QGroupBox>(ObjectNames::Docked)->isHidden());
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX)->text(),
                 QString()); // emptied by the reset before the display
        QVERIFY(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->isEnabled());
        QVERIFY(sw.Get<QLabel>(ObjectNames::HoverEngineStatus)->isEnabled());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->text(), QString("0")); // captions not changed
        QCOMPARE(sw.Get<QLabel>(ObjectNames::HoverEngineStatus)->text(), QString("0"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->text(),
                 QString("Habana")); // the hidden frame keeps its labels
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), QString("2"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString(" 50 %"));
    }

    void orbitingToDockedStoresEnginesOff() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("O", "DG", "Earth", "0.5", "0.5", "0.5")}, "O", Stations());
        auto* mainEngine = sw.Get<QLabel>(ObjectNames::MainEngineStatus);
        auto* hoverEngine = sw.Get<QLabel>(ObjectNames::HoverEngineStatus);
        QCOMPARE(mainEngine->text(), QString(" 50 %"));
        Click(sw.Get<QRadioButton>(ObjectNames::DockedShipOption));
        QVERIFY(!sw.Get<QGroupBox>(ObjectNames::Docked)->isHidden());
        QVERIFY(sw.Get<QGroupBox>(ObjectNames::Orbiting)->isHidden());
        QCOMPARE(mainEngine->text(), QString("0"));
        QCOMPARE(hoverEngine->text(), QString("0"));
        QVERIFY(!mainEngine->isEnabled());
        QVERIFY(!hoverEngine->isEnabled());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString(" 50 %")); // the fuel is not touched
        auto* docks = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        DoubleClick(docks, TreeItem(docks, {"Earth", "ISS", "Dock  12"}));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const ShipRow& row = sw.Scenario().ShipTable[0];
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
        sw.OpenShips({DockedShip("D", "DG", "Earth", "ISS", "1", "0.5")}, "D", Stations());
        Click(sw.Get<QRadioButton>(ObjectNames::LandedShipOption));
        QVERIFY(!sw.Get<QGroupBox>(ObjectNames::Landed)->isHidden());
        QVERIFY(sw.Get<QGroupBox>(ObjectNames::Docked)->isHidden());
        QVERIFY(!sw.Get<QRadioButton>(ObjectNames::DockedShipOption)->isChecked());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedStation)->text(), QString("ISS"));
    }

    void slidersDriveTheirLabels_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("stored");
        QTest::newRow("fuel 75") << ObjectNames::ShipFuelSlider << 75 << " 75 %"
                                 << " .75";
        QTest::newRow("main -100") << ObjectNames::MainEngineStatusSlider << -100 << "-100 %"
                                   << "-1";
        QTest::newRow("hover 100") << ObjectNames::HoverEngineStatusSlider << 100 << " 100 %"
                                   << " 1";
    }
    void slidersDriveTheirLabels() {
        QFETCH(QString, slider);
        QFETCH(int, value);
        QFETCH(QString, caption);
        QFETCH(QString, stored);
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("O", "DG", "Earth", "0.3", "0.3", "0.3")}, "O");
        auto* s = sw.Get<QSlider>(qPrintable(slider));
        Slide(s, value);
        const char* labelName = slider == ObjectNames::ShipFuelSlider ? ObjectNames::ShipFuel
                                : slider == ObjectNames::MainEngineStatusSlider
                                    ? ObjectNames::MainEngineStatus
                                    : ObjectNames::HoverEngineStatus;
        auto* label = sw.Get<QLabel>(labelName);
        QCOMPARE(label->text(), caption);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const ShipRow& row = sw.Scenario().ShipTable[0];
        const QString got = slider == ObjectNames::ShipFuelSlider           ? row.Fuel
                            : slider == ObjectNames::MainEngineStatusSlider ? row.MainEngine
                                                                            : row.HoverEngine;
        QCOMPARE(got, stored);
        QCOMPARE(label->text(), caption); // redisplayed from the stored fraction
    }

    void keyboardMovesSliders() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("O", "DG", "Earth", "0.5", "0", "0")}, "O");
        auto* fuel = sw.Get<QLabel>(ObjectNames::ShipFuel);
        QTest::keyClick(sw.Get<QSlider>(ObjectNames::ShipFuelSlider), Qt::Key_Right);
        QCOMPARE(fuel->text(), QString(" 51 %"));
        QTest::keyClick(sw.Get<QSlider>(ObjectNames::ShipFuelSlider), Qt::Key_PageDown);
        QCOMPARE(fuel->text(), QString(" 41 %"));
        QTest::keyClick(sw.Get<QSlider>(ObjectNames::MainEngineStatusSlider), Qt::Key_Home);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->text(), QString("-100 %"));
        QTest::keyClick(sw.Get<QSlider>(ObjectNames::HoverEngineStatusSlider), Qt::Key_End);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::HoverEngineStatus)->text(), QString(" 100 %"));
    }

    void sliderMovedWhileLandedIsStored() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("L", "DG", "Earth", "Habana", "2", "45", "0.5")}, "L");
        auto* mainEngine = sw.Get<QLabel>(ObjectNames::MainEngineStatus);
        QVERIFY(!mainEngine->isEnabled());
        Slide(sw.Get<QSlider>(ObjectNames::MainEngineStatusSlider), 30);
        QCOMPARE(mainEngine->text(), QString(" 30 %"));
        QVERIFY(!mainEngine->isEnabled()); // sliders never enable their label
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        QCOMPARE(sw.Scenario().ShipTable[0].MainEngine, QString(" .3"));
        VERIFY_SCRIPT_DONE(sw.script);
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
    }
    void padPick() {
        QFETCH(QStringList, path);
        QFETCH(QString, pad);
        QFETCH(QString, base);
        QFETCH(QString, planet);
        ShipWindow sw;
        sw.OpenShips({LandedShip("L", "DG", "Venus", "Old base", "9", "45", "0.5"), Lander()}, "L");
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        QTreeWidgetItem* node = TreeItem(pads, path);
        QVERIFY(node);
        DoubleClick(pads, node);
        QCOMPARE(pads->currentItem(), node);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), pad.isEmpty() ? QString("9") : pad);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->text(),
                 pad.isEmpty() ? QString("Old base") : base);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPlanet)->text(),
                 pad.isEmpty() ? QString("Venus") : planet);
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::LandedShipOption)->isChecked());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedStation)->text(),
                 QString()); // a pick fills its own frame only
    }

    void portPick_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("port");
        QTest::newRow("free port 12") << QStringList{"Earth", "ISS", "Dock  12"} << "12";
        QTest::newRow("port taken") << QStringList{"Earth", "ISS", "Dock  1"} << "";
    }
    void portPick() {
        QFETCH(QStringList, path);
        QFETCH(QString, port);
        ShipWindow sw;
        sw.OpenShips({DockedShip("D", "DG", "Mars", "Old station", "7", "0.5"), Docker()}, "D", Stations());
        auto* ports = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        QTreeWidgetItem* node = TreeItem(ports, path);
        QVERIFY(node);
        DoubleClick(ports, node);
        QCOMPARE(ports->currentItem(), node);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedPort)->text(), port.isEmpty() ? QString("7") : port);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedStation)->text(),
                 port.isEmpty() ? QString("Old station") : QString("ISS"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedPlanet)->text(),
                 port.isEmpty() ? QString("Mars") : QString("Earth"));
    }

    void pickWithoutSelectedNode() {
        ShipWindow sw;
        sw.OpenShips({DockedShip("D", "DG", "Mars", "Old station", "7", "0.5")}, "D", Stations());
        // A double click where no node is picks nothing, in either tree.
        auto* ports = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        QVERIFY(!ports->itemAt(EmptySpot(ports)));
        QTest::mouseDClick(ports->viewport(), Qt::LeftButton, {}, EmptySpot(ports));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedPort)->text(), QString("7"));
        Click(sw.Get<QRadioButton>(ObjectNames::LandedShipOption));
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        QVERIFY(pads->isVisible());
        QVERIFY(!pads->itemAt(EmptySpot(pads)));
        QTest::mouseDClick(pads->viewport(), Qt::LeftButton, {}, EmptySpot(pads));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), QString());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedPort)->text(), QString("7"));
    }

    void doubleClickWithTheMouse() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("L", "DG", "Venus", "Old base", "9", "45", "0.5"), Lander()}, "L");
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        QTreeWidgetItem* pad = TreeItem(pads, {"Earth", " Habana", "Landing pad  2"});
        QVERIFY(pad);
        pads->scrollToItem(pad);
        QTest::mouseClick(pads->viewport(), Qt::LeftButton, {}, pads->visualItemRect(pad).center());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), QString("9")); // one click picks nothing
        DoubleClick(pads, pad);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), QString("2"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->text(), QString(" Habana"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPlanet)->text(), QString("Earth"));
    }
};
QTEST_MAIN(ShipStatusTest)
#include "test_ship_status.moc"
