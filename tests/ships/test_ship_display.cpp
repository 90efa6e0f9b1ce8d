// The ship tab shows the ship picked in the ship list.
#include "ship_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {
QString ShownFrame(ShipWindow& sw) {
    QStringList shown;
    for (const char* frame : {ObjectNames::Landed, ObjectNames::Orbiting, ObjectNames::Docked}) {
        if (!sw.Get<QGroupBox>(frame)->isHidden()) shown << frame;
    }
    return shown.join(',');
}

QString SelectedOption(ShipWindow& sw) {
    QStringList selected;
    if (sw.Get<QRadioButton>(ObjectNames::LandedShipOption)->isChecked()) selected << "Landed";
    if (sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption)->isChecked()) selected << "Orbiting";
    if (sw.Get<QRadioButton>(ObjectNames::DockedShipOption)->isChecked()) selected << "Docked";
    return selected.join(',');
}

// An orbiting ship whose status line says the given status; none at all for an empty one.
QString ShipWithStatus(const QString& status, const QString& fuel, const QString& mainEngine,
                       const QString& hoverEngine) {
    QString block = OrbitingShip("Ship", "DG", "Earth", fuel, mainEngine, hoverEngine);
    return status.isEmpty() ? block.remove("  STATUS Orbiting Earth\r\n")
                            : block.replace("STATUS Orbiting", "STATUS " + status);
}
} // namespace

class ShipDisplayTest : public QObject {
    Q_OBJECT
  private slots:
    void statusAndLevels_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("fuel");
        QTest::addColumn<QString>("mainEngine");
        QTest::addColumn<QString>("hoverEngine");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("fuelText");
        QTest::addColumn<int>("fuelPosition");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<QString>("hoverText");
        QTest::addColumn<bool>("enginesEnabled");
        QTest::addColumn<int>(
            "mainPosition"); // the engine sliders of a landed or docked ship stay at 12 and 38
        QTest::addColumn<int>("hoverPosition");
        QTest::newRow("landed") << "Landed"
                                << "0.75"
                                << "0.3"
                                << "0.3"
                                << "Landed"
                                << " 75 %" << 75 << "0"
                                << "0" << false << 12 << 38;
        QTest::newRow("landed in lower case") << "landed"
                                              << " .5"
                                              << "0"
                                              << "0"
                                              << "Landed"
                                              << " 50 %" << 50 << "0"
                                              << "0" << false << 12 << 38;
        QTest::newRow("docked") << "Docked"
                                << "1"
                                << "0.5"
                                << "0.5"
                                << "Docked"
                                << " 100 %" << 100 << "0"
                                << "0" << false << 12 << 38;
        QTest::newRow("orbiting") << "Orbiting"
                                  << "0.25"
                                  << "-0.5"
                                  << "0.25"
                                  << "Orbiting"
                                  << " 25 %" << 25 << "-50 %"
                                  << " 25 %" << true << -50 << 25;
        QTest::newRow("ORBITING in capitals") << "ORBITING"
                                              << "0"
                                              << "1"
                                              << "0"
                                              << "Orbiting"
                                              << " 0 %" << 0 << " 100 %"
                                              << " 0 %" << true << 100 << 0;
        QTest::newRow("no status yet") << ""
                                       << ""
                                       << ""
                                       << ""
                                       << ""
                                       << " 0 %" << 0 << "0 %"
                                       << "0 %" << true << 12 << 38;
        QTest::newRow("unknown status") << "Flying"
                                        << "0.1"
                                        << "0.2"
                                        << "0.2"
                                        << ""
                                        << " 10 %" << 10 << "0 %"
                                        << "0 %" << true << 12 << 38;
    }
    void statusAndLevels() {
        QFETCH(QString, status);
        QFETCH(QString, fuel);
        QFETCH(QString, mainEngine);
        QFETCH(QString, hoverEngine);
        QFETCH(QString, frame);
        QFETCH(QString, fuelText);
        QFETCH(int, fuelPosition);
        QFETCH(QString, mainText);
        QFETCH(QString, hoverText);
        QFETCH(bool, enginesEnabled);
        QFETCH(int, mainPosition);
        QFETCH(int, hoverPosition);
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("First", "DG", "Earth", "0.5", "0.125", "0.375"),
                      ShipWithStatus(status, fuel, mainEngine, hoverEngine)},
                     "First");
        auto* mainSlider = sw.Get<QSlider>(ObjectNames::MainEngineStatusSlider);
        auto* hoverSlider = sw.Get<QSlider>(ObjectNames::HoverEngineStatusSlider);
        QCOMPARE(mainSlider->value(), 12); // 12.5 goes to the even neighbour
        QCOMPARE(hoverSlider->value(), 38);
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 1);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("1"));
        QCOMPARE(ShownFrame(sw), frame);
        QCOMPARE(SelectedOption(sw), frame);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), fuelText);
        QCOMPARE(sw.Get<QSlider>(ObjectNames::ShipFuelSlider)->value(), fuelPosition);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->text(), mainText);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::HoverEngineStatus)->text(), hoverText);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->isEnabled(), enginesEnabled);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::HoverEngineStatus)->isEnabled(), enginesEnabled);
        QCOMPARE(mainSlider->value(), mainPosition);
        QCOMPARE(hoverSlider->value(), hoverPosition);
        VERIFY_SCRIPT_DONE(sw.script);
    }

    void locationLabels() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("L", "DG", "Earth", "Habana", "2", "45.5", "0.75"),
                      DockedShip("D", "Shuttle", "   Moon", "ISS", "12", "0.5"),
                      OrbitingShip("O", "", "Earth", "0", "0", "0")},
                     "L");
        auto* shipClass = sw.Get<QLabel>(ObjectNames::ShipClass);
        QCOMPARE(shipClass->text(), QString("DG"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPlanet)->text(), QString("Earth"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->text(), QString("Habana")); // as stored
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), QString("2"));
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading)->text(), QString("45.5"));

        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 1);
        QCOMPARE(shipClass->text(), QString("Shuttle"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedPlanet)->text(), QString("   Moon"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedStation)->text(), QString("ISS"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedPort)->text(), QString("12"));
        // nothing of the landed ship stays after the reset
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->text(), QString());
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading)->text(), QString());

        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 2);
        QCOMPARE(shipClass->text(), QString());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipDockedStation)->text(), QString());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipOrbitingPlanet)->text(), QString("Earth"));
    }

    void orbitValues_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("negative fraction") << "-0.25"
                                           << "-.25";
    }
    void orbitValues() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        ShipWindow sw;
        const QString three = stored + " " + stored + " " + stored;
        sw.OpenShips({"O:DG\r\n  STATUS Orbiting Earth\r\n  RPOS " + three + "\r\n  RVEL " + three +
                      "\r\n  AROT " + three + "\r\n  VROT " + stored + "\r\n  FUEL 0\r\nEND\r\n"},
                     "O");
        for (const char* box :
             {ObjectNames::ShipOrbitingRposX, ObjectNames::ShipOrbitingRposY, ObjectNames::ShipOrbitingRposZ,
              ObjectNames::ShipOrbitingRvelX, ObjectNames::ShipOrbitingRvelY, ObjectNames::ShipOrbitingRvelZ,
              ObjectNames::ShipOrbitingArotX, ObjectNames::ShipOrbitingArotY, ObjectNames::ShipOrbitingArotZ,
              ObjectNames::ShipOrbitingAngularVelocity})
            QCOMPARE(sw.Get<QLineEdit>(box)->text(), shown);
    }

    void pickInTheListDiscardsEdits() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("A", "DG", "Earth", "Habana", "1", "10", "0.5"),
                      LandedShip("B", "DG", "Earth", "Habana", "2", "20", "0.5")},
                     "A");
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        auto* heading = sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading);
        Type(heading, "99");
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "ShuttleA");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), QString("ShuttleA"));
        // A user's pick of the entry already selected runs the handler too.
        Pick(names, 0);
        QCOMPARE(heading->text(), QString("10"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), QString("DG"));
        Pick(names, 1);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("1"));
        QCOMPARE(heading->text(), QString("20"));
        QCOMPARE(sw.Scenario().ShipTable[0].Heading, QString("10")); // the table is untouched
        // Picking the entry that a typed name hides brings the entry's name back.
        Type(names, "Typed");
        Pick(names, 1);
        QCOMPARE(names->currentText(), QString("B"));
        QCOMPARE(heading->text(), QString("20"));
    }

    void displayWithoutSelectedShip() {
        ShipWindow sw;
        // An empty list: nothing to show, nothing read.
        sw.OpenShips({}, "");
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), QString());
        QCOMPARE(ShownFrame(sw), QString());
        sw.OpenShips({LandedShip("A", "DG", "Earth", "Habana", "1", "10", "0.5")}, "A");
        // A name typed over the entry leaves no entry selected: moving on to another box keeps
        // the edits.
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        Type(names, "Renamed");
        Type(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading), "77");
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading)->text(), QString("77"));
        QCOMPARE(names->currentText(), QString("Renamed"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("0"));
        // A row that holds no ship yet shows no status.
        Click(sw.Get<QPushButton>(ObjectNames::Command5));
        Pick(names, 1);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("1"));
        QCOMPARE(ShownFrame(sw), QString());
    }

    void resetLeavesSlidersAndList() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("O", "DG", "Earth", "0.5", "-0.5", "0.25")}, "O");
        // A scenario without ships empties the tab; the sliders stay where they were.
        sw.OpenShips({}, "");
        QCOMPARE(SelectedOption(sw), QString());
        QCOMPARE(ShownFrame(sw), QString());
        for (const char* label :
             {ObjectNames::ShipClass, ObjectNames::ShipFuel, ObjectNames::MainEngineStatus,
              ObjectNames::HoverEngineStatus, ObjectNames::ShipOrbitingPlanet})
            QCOMPARE(sw.Get<QLabel>(label)->text(), QString());
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX)->text(), QString());
        QCOMPARE(sw.Get<QSlider>(ObjectNames::ShipFuelSlider)->value(), 50);
        QCOMPARE(sw.Get<QSlider>(ObjectNames::MainEngineStatusSlider)->value(), -50);
        QVERIFY(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->isEnabled());
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::ShipName)), QStringList());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("0"));
    }
};
QTEST_MAIN(ShipDisplayTest)
#include "test_ship_display.moc"
