// The station tab's validation: the messages for wrong fields, the row stored, the ships that
// follow their station, and a station typed into an empty list.
#include "station_window.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {
const QString kTitle = "Station parameter validation not accepted !";
const QString kTaken = "The station name is already used by another station.\r";
} // namespace

class StationTabValidationTest : public QObject {
    Q_OBJECT
  private slots:
    void validationFailures_data() {
        QTest::addColumn<QString>("axis");
        QTest::addColumn<QString>("excentricity");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("fields") << "far"
                                << "1"
                                << "The station rotation frequency is not correct.\r"
                                   "The station frame rotation angle around X axis is not correct.\r"
                                   "The station frame rotation angle around Y axis is not correct.\r"
                                   "The station frame rotation angle around Z axis is not correct.\r"
                                   "The station orbit semi-major axis is not correct.\r"
                                   "The station excentricity is not correct.\r"
                                   "The station orbit inclination is not correct.\r"
                                   "The station orbit ascending node longitude is not correct.\r"
                                   "The station orbit periapsis longitude is not correct.\r"
                                   "The station orbit mean longitude is not correct.\r";
        const QString fields = "The station rotation frequency is not correct.\r"
                               "The station frame rotation angle around X axis is not correct.\r"
                               "The station frame rotation angle around Y axis is not correct.\r"
                               "The station frame rotation angle around Z axis is not correct.\r";
        const QString angles = "The station orbit inclination is not correct.\r"
                               "The station orbit ascending node longitude is not correct.\r"
                               "The station orbit periapsis longitude is not correct.\r"
                               "The station orbit mean longitude is not correct.\r";
        QTest::newRow("periapsis")
            << "7000000"
            << "0.1"
            << fields +
                   "The station orbit crosses the planet atmosphere or the planet surface; "
                   "check the excentricity or the semi-major axis.\r" +
                   angles;
        QTest::newRow("radius")
            << "6000000"
            << "0.1"
            << fields +
                   "The station orbit semi-major axis is equal to  6000000 m although the mean "
                   "radius of Earth is equal to  6371000m\r" +
                   angles;
    }
    void validationFailures() {
        QFETCH(QString, axis);
        QFETCH(QString, excentricity);
        QFETCH(QString, boxText);
        StationWindow w;
        w.LoadStandard();
        Pick(w.List("StationName"), 1);
        const StationRow before = w.Scenario().StationTable[1];
        Type(w.List("StationName"), "Renamed");
        Type(w.Box("StationRotationFrequency"), "fast");
        Type(w.Box("StationXAngle"), "360");
        Type(w.Box("StationYAngle"), "-360");
        Type(w.Box("StationZAngle"), "");
        Type(w.Box("StationSemiMajorAxis"), axis);
        Type(w.Box("StationExcentricity"), excentricity);
        for (const char* box : {"StationInclination", "StationAscendingNodeLongitude",
                                "StationPeriapsisLongitude", "StationMeanLongitude"})
            Type(w.Box(box), "n/a");
        QVERIFY(PickText(w.List("StationRef"), "Earth"));
        w.Press("Command8");
        QCOMPARE(w.Text("StationRefPlanet"), QString("Earth"));
        const QStringList treeBefore = w.DockTree();

        w.messages.Expect(boxText, "Station parameter validation not accepted !", MsgButtons::Ok,
                          MsgIcon::None);
        w.Press("Command1");
        VERIFY_SCRIPT_DONE(w.messages);
        // Nothing stored; the list, the tree and what the user typed stay.
        QCOMPARE(w.Scenario().StationTable[1].Name, before.Name);
        QCOMPARE(w.Scenario().StationTable[1].Ref, before.Ref);
        QCOMPARE(w.Scenario().StationTable[1].SemiMajorAxis, before.SemiMajorAxis);
        QCOMPARE(w.List("StationName")->itemText(1), QString("Selene"));
        QCOMPARE(w.List("StationName")->currentText(), QString("Renamed"));
        QCOMPARE(w.Box("StationSemiMajorAxis")->text(), axis);
        QCOMPARE(w.DockTree(), treeBefore);
        QCOMPARE(w.Scenario().ShipTable[1].StatusRef, QString("   Moon"));
    }

    // The planet file went away after loading: validation says so and stores nothing.
    void validationWithoutPlanetFile() {
        StationWindow w;
        w.LoadStandard();
        QVERIFY(QFile::remove(w.sim.ConfigFolder() + "/Earth.cfg"));
        Type(w.Box("StationSemiMajorAxis"), "7100000");
        // The path in the platform's form, whatever separators the folder setting holds.
        w.messages.Expect("The planet file \"" +
                              QDir::toNativeSeparators(w.sim.ConfigFolder() + "/Earth.cfg") +
                              "\" cannot be read.\r",
                          kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press("Command1");
        VERIFY_SCRIPT_DONE(w.messages);
        QCOMPARE(w.Scenario().StationTable[0].Ref, QString("Earth"));
        QCOMPARE(w.Scenario().StationTable[0].SemiMajorAxis, QString("7000000"));
    }

    // A new station before any planet is picked: the user is told that none is chosen, in the
    // place of the planet file's message; with a planet the station is stored.
    void newStationWithoutPlanet() {
        StationWindow w;
        w.LoadStandard();
        w.Press("Command3");
        QCOMPARE(w.List("StationName")->currentText(), QString("New Station"));
        QCOMPARE(w.Text("StationRefPlanet"), QString());
        w.messages.Expect("The station frame rotation angle around X axis is not correct.\r"
                          "The station frame rotation angle around Y axis is not correct.\r"
                          "The station frame rotation angle around Z axis is not correct.\r"
                          "No planet is chosen.\r"
                          "The station orbit semi-major axis is not correct.\r"
                          "The station excentricity is not correct.\r"
                          "The station orbit inclination is not correct.\r"
                          "The station orbit ascending node longitude is not correct.\r"
                          "The station orbit periapsis longitude is not correct.\r"
                          "The station orbit mean longitude is not correct.\r",
                          kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press("Command1");
        VERIFY_SCRIPT_DONE(w.messages);
        for (const char* box :
             {"StationXAngle", "StationYAngle", "StationZAngle", "StationExcentricity", "StationInclination",
              "StationAscendingNodeLongitude", "StationPeriapsisLongitude", "StationMeanLongitude"})
            Type(w.Box(box), "0");
        Type(w.Box("StationSemiMajorAxis"), "7000000");
        w.messages.Expect("No planet is chosen.\r", kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press("Command1");
        VERIFY_SCRIPT_DONE(w.messages);
        QCOMPARE(w.Scenario().StationTable[3].Name, QString());
        QVERIFY(PickText(w.List("StationRef"), "Earth"));
        w.Press("Command8");
        w.Press("Command1");
        QCOMPARE(w.messages.shown.size(), qsizetype(2));
        QCOMPARE(w.Scenario().StationTable[3].Name, QString("New Station"));
        QCOMPARE(w.Scenario().StationTable[3].Ref, QString("Earth"));
    }

    // A name another station of the list has, blanks at both ends and letter case aside, is
    // refused before the other messages; nothing is stored.
    void nameOfAnotherStationIsRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("xAngle");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("another station's name") << "Selene"
                                                << "1" << kTaken;
        QTest::newRow("blanks and letter case") << "  aRES "
                                                << "1" << kTaken;
        QTest::newRow("before the other messages")
            << "SELENE"
            << "360" << kTaken + "The station frame rotation angle around X axis is not correct.\r";
    }
    void nameOfAnotherStationIsRefused() {
        QFETCH(QString, typed);
        QFETCH(QString, xAngle);
        QFETCH(QString, boxText);
        StationWindow w;
        w.LoadStandard();
        Type(w.List("StationName"), typed);
        Type(w.Box("StationXAngle"), xAngle);
        w.messages.Expect(boxText, kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press("Command1");
        VERIFY_SCRIPT_DONE(w.messages);
        QCOMPARE(w.Scenario().StationTable[0].Name, QString("Orion"));
        QCOMPARE(w.Scenario().StationTable[0].ArotX, QString("1"));
        QCOMPARE(Items(w.List("StationName")), QStringList({"Orion", "Selene", "Ares"}));
        QCOMPARE(w.List("StationName")->currentText(), typed);
    }

    // A file that holds two stations of one name loads as before; validating one of them
    // unchanged says so, and another name is then taken. A ship's name is no station's.
    void fileWithTwoStationsOfOneName() {
        StationWindow w;
        w.Load(StationScenario(StationBlock("Twin", "Ring", "Earth", true) +
                                   StationBlock("Twin", "Wheel", "Earth", true),
                               ShipBlock("Hawk", "Orbiting Earth")));
        QCOMPARE(Items(w.List("StationName")), QStringList({"Twin", "Twin"}));
        w.messages.Expect(kTaken, kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press("Command1");
        VERIFY_SCRIPT_DONE(w.messages);
        const qsizetype boxes = w.messages.shown.size();
        Type(w.List("StationName"), "Hawk");
        w.Press("Command1");
        QCOMPARE(w.messages.shown.size(), boxes);
        QCOMPARE(Items(w.List("StationName")), QStringList({"Hawk", "Twin"}));
        QCOMPARE(w.Scenario().StationTable[0].Name, QString("Hawk"));
    }

    void validationStoresTheRow() {
        StationWindow w;
        w.LoadStandard();
        Pick(w.List("StationName"), 1);
        Type(w.List("StationName"), "Selene II");
        QVERIFY(PickText(w.List("StationRef"), "Mars"));
        w.Press("Command8");
        QCOMPARE(w.Text("StationRefPlanet"), QString("Mars"));
        QVERIFY(PickText(w.List("StationClass"), "Wheel"));
        w.Press("Command9");
        QCOMPARE(w.Text("StationClassName"), QString("Wheel"));
        Type(w.Box("StationSemiMajorAxis"), "4000000");
        Type(w.Box("StationExcentricity"), "0.01");
        Type(w.Box("StationRotationFrequency"), "-0.5");
        PickDate(w.Control<QCalendarWidget>("StationOrbitalRefTime"), QDate(2001, 3, 13));
        Pick(w.List("StationOrbitalRefHour"), 7);
        Pick(w.List("StationOrbitalRefMin"), 45);
        w.Press("Command1");
        QCOMPARE(w.messages.shown.size(), qsizetype(0));

        const StationRow& row = w.Scenario().StationTable[1];
        QCOMPARE(row.Name, QString("Selene II"));
        QCOMPARE(row.ClassName, QString("Wheel"));
        QCOMPARE(row.Ref, QString("Mars"));
        QCOMPARE(row.ZrotFrequency, QString("-0.5"));
        QCOMPARE(row.ClassRotation, false);
        QCOMPARE(row.SemiMajorAxis, QString("4000000"));
        QCOMPARE(row.Excentricity, QString("0.01"));
        QCOMPARE(row.Inclination, QString("51.6"));
        QCOMPARE(row.EpochDate, 36963.0); // 13 March 2001
        QCOMPARE(row.EpochHour, QString("7"));
        QCOMPARE(row.EpochMinute, QString("45"));
        // The list shows the new name in place and the row is shown again.
        QCOMPARE(w.List("StationName")->count(), 3);
        QCOMPARE(w.List("StationName")->itemText(1), QString("Selene II"));
        QCOMPARE(w.List("StationName")->currentIndex(), 1);
        QCOMPARE(w.Text("StationIndex"), QString("1"));
        // Kite was docked at "Selene" (the stored name) and follows it to Mars; Moth names the
        // station in other letter case and stays; ships elsewhere are untouched.
        QCOMPARE(w.Scenario().ShipTable[1].StatusRef, QString("Mars"));
        QCOMPARE(w.Scenario().ShipTable[1].DockedStation, QString("Selene"));
        QCOMPARE(w.Scenario().ShipTable[2].StatusRef, QString("   Moon"));
        QCOMPARE(w.Scenario().ShipTable[0].StatusRef, QString("Earth"));
        // The tree moves the station under Mars, with the ports of its new class; the ships
        // docked at the old name no longer find it.
        const QStringList tree = w.DockTree();
        QCOMPARE(tree.mid(tree.indexOf("[Mars] 1")),
                 QStringList({"[Mars] 1", "  [Selene II] 3", "    [Dock  1] 6", "    [Dock  2] 6",
                              "    [Dock  3] 6", "    [Dock  4] 6", "    [Dock  5] 6", "  [Ares] 3"}));
    }

    // A station typed into an empty list becomes row 0, whatever row an earlier scenario left.
    void validationIntoAnEmptyList() {
        StationWindow w;
        w.LoadStandard();
        Pick(w.List("StationName"), 2); // left over from an earlier scenario
        w.Load(StationScenario(QByteArray(), ShipBlock("Hawk", "Orbiting Earth")));
        QCOMPARE(w.Text("StationIndex"), QString("2"));
        Type(w.List("StationName"), "Lone");
        QVERIFY(PickText(w.List("StationRef"), "Earth"));
        w.Press("Command8");
        QVERIFY(PickText(w.List("StationClass"), "Ring"));
        w.Press("Command9");
        if (w.Control<QCheckBox>("Check1")->isChecked()) Click(w.Control<QCheckBox>("Check1"));
        Type(w.Box("StationRotationFrequency"), "0");
        for (const char* box :
             {"StationXAngle", "StationYAngle", "StationZAngle", "StationExcentricity", "StationInclination",
              "StationAscendingNodeLongitude", "StationPeriapsisLongitude", "StationMeanLongitude"})
            Type(w.Box(box), "0");
        Type(w.Box("StationSemiMajorAxis"), "7000000");
        const qsizetype boxes = w.messages.shown.size(); // the save prompt of the second opening
        w.Press("Command1");
        QCOMPARE(w.messages.shown.size(), boxes);
        QCOMPARE(w.Scenario().StationTable[0].Name, QString("Lone"));
        QCOMPARE(w.List("StationName")->count(), 1);
        QCOMPARE(w.List("StationName")->itemText(0), QString("Lone"));
        QCOMPARE(w.Text("StationIndex"), QString("0"));
        QCOMPARE(w.DockTree().mid(0, 3), QStringList({"[Earth] 1", "  [   Moon] 2", "  [Lone] 3"}));
    }
};

QTEST_MAIN(StationTabValidationTest)
#include "test_station_tab_validation.moc"
