// The controls of the ship tab carry the names, captions, tooltips and ranges the user and
// the rest of the program rely on.
#include "ship_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <tuple>

class ShipTabControlsTest : public QObject {
    Q_OBJECT
  private slots:
    void toolTips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("ShipName") << ObjectNames::ShipName << "List of the ship integrated in the scenario";
        QTest::newRow("ShipClass") << ObjectNames::ShipClass
                                   << "Class of the ship selected in the Ship name combo box";
        QTest::newRow("Spacecraft")
            << ObjectNames::Spacecraft
            << "List of all the available ship class, according to the Skelvan configuration "
               "including the add-ons";
        QTest::newRow("Command10")
            << ObjectNames::Command10
            << "Sets the Ship class to the class selected in the \"Possible Ship Class\" combo box";
        QTest::newRow("LandedShipOption")
            << ObjectNames::LandedShipOption << "Sets the ship status to \"Landed\"";
        QTest::newRow("OrbitingShipOption")
            << ObjectNames::OrbitingShipOption << "Sets the ship status to Orbiting\"";
        QTest::newRow("DockedShipOption")
            << ObjectNames::DockedShipOption << "Sets the ship status to \"Docked\"";
        QTest::newRow("ShipFuel") << ObjectNames::ShipFuel
                                  << "Defines the ship tank fuel level (percentage from 0 to 1)";
        QTest::newRow("MainEngineStatus")
            << ObjectNames::MainEngineStatus
            << "Main/retro engine power percentage in action (percentage from -1 to 1). "
               "This value must be set to zero when landed or docked";
        QTest::newRow("HoverEngineStatus")
            << ObjectNames::HoverEngineStatus
            << "Hover engine power percentage in action (from 0 to 1). This value must "
               "be set to zero when landed or docked";
        QTest::newRow("Command4")
            << ObjectNames::Command4
            << "Validates all ship parameters. If the values are not validated, they are not "
               "memorized and lost and the former values taken into account when passing to "
               "another ship.";
        QTest::newRow("Command5") << ObjectNames::Command5 << "To create a new ship within the scenario";
        QTest::newRow("Command6")
            << ObjectNames::Command6
            << "Deletes the ship from the scenario (the ship file in the configuration is not "
               "removed)";
        QTest::newRow("ShipLandedPlanet")
            << ObjectNames::ShipLandedPlanet << "Planet of the base where the ship is parked";
        QTest::newRow("ShipLandedBase")
            << ObjectNames::ShipLandedBase << "Name of the base where the ship is parked";
        QTest::newRow("ShipLandedPad") << ObjectNames::ShipLandedPad << "Pad number where the is is parked";
        QTest::newRow("ShipLandedHeading")
            << ObjectNames::ShipLandedHeading
            << QString::fromUtf8("Ship orientation (in \u00b0) at the landing pad");
        QTest::newRow("ShipLandingTree")
            << ObjectNames::ShipLandingTree
            << "Base (with their landing pads) list within the planetary system; double "
               "click on a pad to select it for the ship";
        QTest::newRow("ShipOrbitingPlanet")
            << ObjectNames::ShipOrbitingPlanet << "Displays the planet the ship orbits around";
        QTest::newRow("OrbitingRef") << ObjectNames::OrbitingRef
                                     << "List of the planets within the planetary system";
        QTest::newRow("Command11")
            << ObjectNames::Command11
            << "Changes the planet the ships orbits around by choosing it from the \"Possible "
               "Planet\" list";
        QTest::newRow("ShipOrbitingRposZ")
            << ObjectNames::ShipOrbitingRposZ << "Displays the ship position relative to reference on axis Z";
        QTest::newRow("ShipOrbitingRvelY")
            << ObjectNames::ShipOrbitingRvelY << "Displays the ship velocity relative to reference on axis Y";
        QTest::newRow("ShipOrbitingArotX")
            << ObjectNames::ShipOrbitingArotX << "Object frame rotation angle orientation on axis X";
        QTest::newRow("ShipOrbitingAngularVelocity")
            << ObjectNames::ShipOrbitingAngularVelocity << "Displays the ship orbiting angular velocity";
        QTest::newRow("ShipDockedPlanet")
            << ObjectNames::ShipDockedPlanet << "Planet the station orbits around";
        QTest::newRow("ShipDockedStation")
            << ObjectNames::ShipDockedStation << "Name of the Station where the ship is docked";
        QTest::newRow("ShipDockedPort")
            << ObjectNames::ShipDockedPort << "Station dock port number where the ship is docked";
        QTest::newRow("ShipDockedTree")
            << ObjectNames::ShipDockedTree
            << "Station (with their dock ports) list within the planetary system; double "
               "click on a dock to select it for the ship";
        QTest::newRow("PossibleShipFocus")
            << ObjectNames::PossibleShipFocus << "List of the ships available in the scenario";
    }
    void toolTips() {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        ShipWindow sw;
        auto* widget = sw.tyx().findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->toolTip(), tip);
    }

    void captions() {
        ShipWindow sw;
        const std::pair<const char*, const char*> buttons[] = {
            {ObjectNames::Command4, "Ship parameter validation"},
            {ObjectNames::Command5, "Add a new ship"},
            {ObjectNames::Command6, "Delete ship"},
            {ObjectNames::Command10, "Change class"},
            {ObjectNames::Command11, "Change planet"},
            {ObjectNames::LandedShipOption, "Landed"},
            {ObjectNames::OrbitingShipOption, "Orbiting"},
            {ObjectNames::DockedShipOption, "Docked"}};
        for (const auto& [name, caption] : buttons)
            QCOMPARE(sw.Get<QAbstractButton>(name)->text(), QString(caption));
        QCOMPARE(sw.Get<QGroupBox>(ObjectNames::Landed)->title(), QString("Landed ship parameters"));
        QCOMPARE(sw.Get<QGroupBox>(ObjectNames::Orbiting)->title(), QString("Orbiting ship parameters"));
        QCOMPARE(sw.Get<QGroupBox>(ObjectNames::Docked)->title(), QString("Docked ship parameters"));
        QStringList texts;
        for (const QLabel* label : sw.tyx().findChildren<QLabel*>())
            texts << label->text();
        for (const QString& caption :
             {QString("Ship name"), QString("Ship Class"), QString("Possible Ship Class"),
              QString("Select the ship status"), QString("Fuel level"), QString("Engine status"),
              QString("Hover engine status"), QString("Landed pad"), QString("Heading"),
              QString("Possible planet"), QString("Dock port"),
              QString::fromUtf8("Angular velocity (\u00b0/s)")})
            QVERIFY2(texts.contains(caption), qPrintable(caption));
        QStringList frames;
        for (const QGroupBox* box : sw.tyx().findChildren<QGroupBox*>())
            frames << box->title();
        for (const char* frame : {"Status", "Engine settings", "Actions", "Position rel. to reference",
                                  "Velocity rel. to reference", "Rot. angles orientation"})
            QVERIFY2(frames.contains(frame), frame);
    }

    void kindsAndRanges() {
        ShipWindow sw;
        QVERIFY(sw.Get<QComboBox>(ObjectNames::ShipName)->isEditable());
        QVERIFY(!sw.Get<QComboBox>(ObjectNames::Spacecraft)->isEditable());
        QVERIFY(!sw.Get<QComboBox>(ObjectNames::OrbitingRef)->isEditable());
        QVERIFY(sw.Get<QLabel>(ObjectNames::ShipIndex)->isHidden());
        const std::tuple<const char*, int, int> sliders[] = {{ObjectNames::ShipFuelSlider, 0, 100},
                                                             {ObjectNames::MainEngineStatusSlider, -100, 100},
                                                             {ObjectNames::HoverEngineStatusSlider, 0, 100}};
        for (const auto& [name, minimum, maximum] : sliders) {
            QCOMPARE(sw.Get<QSlider>(name)->minimum(), minimum);
            QCOMPARE(sw.Get<QSlider>(name)->maximum(), maximum);
        }
        auto* landed = sw.Get<QGroupBox>(ObjectNames::Landed);
        auto* orbiting = sw.Get<QGroupBox>(ObjectNames::Orbiting);
        auto* docked = sw.Get<QGroupBox>(ObjectNames::Docked);
        QVERIFY(landed->isAncestorOf(sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree)));
        QVERIFY(docked->isAncestorOf(sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree)));
        QVERIFY(orbiting->isAncestorOf(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRvelZ)));
        // Until a ship is shown no status frame is.
        QVERIFY(landed->isHidden() && orbiting->isHidden() && docked->isHidden());
    }
};
QTEST_MAIN(ShipTabControlsTest)
#include "test_ship_tab_controls.moc"
