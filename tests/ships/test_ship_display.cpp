// The ship tab shows the row picked in the ship list.
#include "ship_window_fixture.h"
#include "test_registry.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {
QString ShownFrame(TYX& w) {
    QStringList shown;
    if (!w.Landed->isHidden()) shown << "Landed";
    if (!w.Orbiting->isHidden()) shown << "Orbiting";
    if (!w.Docked->isHidden()) shown << "Docked";
    return shown.join(',');
}

QString SelectedOption(TYX& w) {
    QStringList selected;
    if (w.LandedShipOption->isChecked()) selected << "Landed";
    if (w.OrbitingShipOption->isChecked()) selected << "Orbiting";
    if (w.DockedShipOption->isChecked()) selected << "Docked";
    return selected.join(',');
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
        QTest::newRow("landed in lower case with a blank") << "landed "
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
        QTest::newRow("ORBITING in capitals") << " ORBITING"
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
        TYX& w = sw.tyx();
        ShipRow first = OrbitingShip("First", "DG", "Earth", "0.5", "0.125", "0.375");
        ShipRow row = OrbitingShip("Ship", "DG", "Earth", fuel, mainEngine, hoverEngine);
        row.Status = status;
        sw.LoadShips({first, row}, "First");
        QCOMPARE(w.MainEngineStatusSlider->value(), 12); // 12.5 goes to the even neighbour
        QCOMPARE(w.HoverEngineStatusSlider->value(), 38);
        Select(w.ShipName, 1);
        QCOMPARE(w.ShipIndex->text(), QString("1"));
        QCOMPARE(ShownFrame(w), frame);
        QCOMPARE(SelectedOption(w), frame);
        QCOMPARE(w.ShipFuel->text(), fuelText);
        QCOMPARE(w.ShipFuelSlider->value(), fuelPosition);
        QCOMPARE(w.MainEngineStatus->text(), mainText);
        QCOMPARE(w.HoverEngineStatus->text(), hoverText);
        QCOMPARE(w.MainEngineStatus->isEnabled(), enginesEnabled);
        QCOMPARE(w.HoverEngineStatus->isEnabled(), enginesEnabled);
        QCOMPARE(w.MainEngineStatusSlider->value(), mainPosition);
        QCOMPARE(w.HoverEngineStatusSlider->value(), hoverPosition);
        QVERIFY(sw.script.Done());
    }

    void locationLabels() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({LandedShip("L", "DG", "Earth", " Habana", "2", "45.5", "0.75"),
                      DockedShip("D", "Shuttle", "   Moon", "ISS", "12", "0.5"),
                      OrbitingShip("O", "", "Earth", "0", "0", "0")},
                     "L");
        QCOMPARE(w.ShipClass->text(), QString("DG"));
        QCOMPARE(w.ShipLandedPlanet->text(), QString("Earth"));
        QCOMPARE(w.ShipLandedBase->text(), QString(" Habana")); // as stored
        QCOMPARE(w.ShipLandedPad->text(), QString("2"));
        QCOMPARE(w.ShipLandedHeading->text(), QString("45.5"));

        Select(w.ShipName, 1);
        QCOMPARE(w.ShipClass->text(), QString("Shuttle"));
        QCOMPARE(w.ShipDockedPlanet->text(), QString("   Moon"));
        QCOMPARE(w.ShipDockedStation->text(), QString("ISS"));
        QCOMPARE(w.ShipDockedPort->text(), QString("12"));
        // nothing of the landed ship stays after the reset
        QCOMPARE(w.ShipLandedBase->text(), QString());
        QCOMPARE(w.ShipLandedHeading->text(), QString());

        Select(w.ShipName, 2);
        QCOMPARE(w.ShipClass->text(), QString());
        QCOMPARE(w.ShipDockedStation->text(), QString());
        QCOMPARE(w.ShipOrbitingPlanet->text(), QString("Earth"));
    }

    void orbitValues_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole number") << "42"
                                      << " 42";
        QTest::newRow("exponent") << "6.7e6"
                                  << " 6700000";
        QTest::newRow("letters") << "abc"
                                 << " 0";
        QTest::newRow("negative fraction") << "-0.25"
                                           << "-.25";
        QTest::newRow("empty") << ""
                               << " 0";
    }
    void orbitValues() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        ShipWindow sw;
        TYX& w = sw.tyx();
        ShipRow row = OrbitingShip("O", "DG", "Earth", "0", "0", "0");
        row.RposX = row.RposY = row.RposZ = row.RvelX = row.RvelY = row.RvelZ = stored;
        row.ArotX = row.ArotY = row.ArotZ = row.Vrot = stored;
        sw.LoadShips({row}, "O");
        for (QLineEdit* box :
             {w.ShipOrbitingRposX, w.ShipOrbitingRposY, w.ShipOrbitingRposZ, w.ShipOrbitingRvelX,
              w.ShipOrbitingRvelY, w.ShipOrbitingRvelZ, w.ShipOrbitingArotX, w.ShipOrbitingArotY,
              w.ShipOrbitingArotZ, w.ShipOrbitingAngularVelocity})
            QCOMPARE(box->text(), shown);
    }

    void pickInTheListDiscardsEdits() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({LandedShip("A", "DG", "Earth", "Habana", "1", "10", "0.5"),
                      LandedShip("B", "DG", "Earth", "Habana", "2", "20", "0.5")},
                     "A");
        w.ShipLandedHeading->setText("99");
        w.ShipClass->setText("Other");
        // A user's pick of the entry already selected runs the handler too.
        w.ShipName->activated(0);
        QCOMPARE(w.ShipLandedHeading->text(), QString("10"));
        QCOMPARE(w.ShipClass->text(), QString("DG"));
        w.ShipName->setCurrentIndex(1);
        w.ShipName->activated(1);
        QCOMPARE(w.ShipIndex->text(), QString("1"));
        QCOMPARE(w.ShipLandedHeading->text(), QString("20"));
        QCOMPARE(w.Document.ShipTable[0].Heading, QString("10")); // the table is untouched
        // Selecting from code the entry that a typed name hides brings the entry's name back.
        w.ShipName->setEditText("Typed");
        Select(w.ShipName, 1);
        QCOMPARE(w.ShipName->currentText(), QString("B"));
        QCOMPARE(w.ShipLandedHeading->text(), QString("20"));
    }

    void displayWithoutSelectedShip() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        // An empty list: nothing to show, nothing read.
        w.ShipParameterDisplay();
        QCOMPARE(w.ShipClass->text(), QString());
        sw.LoadShips({LandedShip("A", "DG", "Earth", "Habana", "1", "10", "0.5")}, "A");
        // A name typed over the entry leaves no entry selected: the controls keep the edits.
        w.ShipName->setEditText("Renamed");
        w.ShipLandedHeading->setText("77");
        w.ShipParameterDisplay();
        QCOMPARE(w.ShipLandedHeading->text(), QString("77"));
        QCOMPARE(w.ShipName->currentText(), QString("Renamed"));
        // A list longer than the table never reads past its rows.
        w.ShipName->addItem("Ghost");
        w.Document.ShipTableRedimPreserve(0);
        Select(w.ShipName, 1);
        QCOMPARE(w.ShipIndex->text(), QString("1"));
        QCOMPARE(ShownFrame(w), QString());
    }

    void resetLeavesSlidersAndList() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "Earth", "0.5", "-0.5", "0.25")}, "O");
        w.ShipTabReset();
        QCOMPARE(SelectedOption(w), QString());
        QCOMPARE(ShownFrame(w), QString());
        for (QLabel* label :
             {w.ShipClass, w.ShipFuel, w.MainEngineStatus, w.HoverEngineStatus, w.ShipOrbitingPlanet})
            QCOMPARE(label->text(), QString());
        QCOMPARE(w.ShipOrbitingRposX->text(), QString());
        QCOMPARE(w.ShipFuelSlider->value(), 50);
        QCOMPARE(w.MainEngineStatusSlider->value(), -50);
        QVERIFY(w.MainEngineStatus->isEnabled());
        QCOMPARE(w.ShipName->currentText(), QString("O"));
        QCOMPARE(w.ShipIndex->text(), QString("0"));
    }
};
SKELVAN_TEST(ShipDisplayTest);
#include "test_ship_display.moc"
