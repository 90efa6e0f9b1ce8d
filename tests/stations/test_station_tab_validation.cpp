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
    }
    void validationFailures() {
        QFETCH(QString, axis);
        QFETCH(QString, excentricity);
        QFETCH(QString, boxText);
        StationWindow w;
        w.LoadStandard();
        Pick(w.List(ObjectNames::StationName), 1);
        const StationRow before = w.Scenario().StationTable[1];
        Type(w.List(ObjectNames::StationName), "Renamed");
        Type(w.Box(ObjectNames::StationRotationFrequency), "fast");
        Type(w.Box(ObjectNames::StationXAngle), "360");
        Type(w.Box(ObjectNames::StationYAngle), "-360");
        Type(w.Box(ObjectNames::StationZAngle), "");
        Type(w.Box(ObjectNames::StationSemiMajorAxis), axis);
        Type(w.Box(ObjectNames::StationExcentricity), excentricity);
        for (const char* box : {ObjectNames::StationInclination, ObjectNames::StationAscendingNodeLongitude,
                                ObjectNames::StationPeriapsisLongitude, ObjectNames::StationMeanLongitude})
            Type(w.Box(box), "n/a");
        QVERIFY(PickText(w.List(ObjectNames::StationRef), "Earth"));
        w.Press(ObjectNames::Command8);
        QCOMPARE(w.Text(ObjectNames::StationRefPlanet), QString("Earth"));
        const QStringList treeBefore = w.DockTree();

        w.script.Expect(boxText, "Station parameter validation not accepted !", MsgButtons::Ok,
                        MsgIcon::None);
        w.Press(ObjectNames::Command1);
        VERIFY_SCRIPT_DONE(w.script);
        // Nothing stored; the list, the tree and what the user typed stay.
        QCOMPARE(w.Scenario().StationTable[1].Name, before.Name);
        QCOMPARE(w.Scenario().StationTable[1].Ref, before.Ref);
        QCOMPARE(w.Scenario().StationTable[1].SemiMajorAxis, before.SemiMajorAxis);
        QCOMPARE(w.List(ObjectNames::StationName)->itemText(1), QString("Selene"));
        QCOMPARE(w.List(ObjectNames::StationName)->currentText(), QString("Renamed"));
        QCOMPARE(w.Box(ObjectNames::StationSemiMajorAxis)->text(), axis);
        QCOMPARE(w.DockTree(), treeBefore);
        QCOMPARE(w.Scenario().ShipTable[1].StatusRef, QString("   Moon"));
    }

    // The planet file went away after loading: validation says so and stores nothing.
    void validationWithoutPlanetFile() {
        StationWindow w;
        w.LoadStandard();
        QVERIFY(QFile::remove(w.folders().ConfigFolder() + "/Earth.cfg"));
        Type(w.Box(ObjectNames::StationSemiMajorAxis), "7100000");
        // The path in the platform's form, whatever separators the folder setting holds.
        w.script.Expect("The planet file \"" +
                            QDir::toNativeSeparators(w.folders().ConfigFolder() + "/Earth.cfg") +
                            "\" cannot be read.\r",
                        kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press(ObjectNames::Command1);
        VERIFY_SCRIPT_DONE(w.script);
        QCOMPARE(w.Scenario().StationTable[0].Ref, QString("Earth"));
        QCOMPARE(w.Scenario().StationTable[0].SemiMajorAxis, QString("7000000"));
    }

    // A new station before any planet is picked: the user is told that none is chosen, in the
    // place of the planet file's message; with a planet the station is stored.
    void newStationWithoutPlanet() {
        StationWindow w;
        w.LoadStandard();
        w.Press(ObjectNames::Command3);
        QCOMPARE(w.List(ObjectNames::StationName)->currentText(), QString("New Station"));
        QCOMPARE(w.Text(ObjectNames::StationRefPlanet), QString());
        w.script.Expect("The station frame rotation angle around X axis is not correct.\r"
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
        w.Press(ObjectNames::Command1);
        VERIFY_SCRIPT_DONE(w.script);
        for (const char* box : {ObjectNames::StationXAngle, ObjectNames::StationYAngle,
                                ObjectNames::StationZAngle, ObjectNames::StationExcentricity,
                                ObjectNames::StationInclination, ObjectNames::StationAscendingNodeLongitude,
                                ObjectNames::StationPeriapsisLongitude, ObjectNames::StationMeanLongitude})
            Type(w.Box(box), "0");
        Type(w.Box(ObjectNames::StationSemiMajorAxis), "7000000");
        w.script.Expect("No planet is chosen.\r", kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press(ObjectNames::Command1);
        VERIFY_SCRIPT_DONE(w.script);
        QCOMPARE(w.Scenario().StationTable[3].Name, QString());
        QVERIFY(PickText(w.List(ObjectNames::StationRef), "Earth"));
        w.Press(ObjectNames::Command8);
        w.Press(ObjectNames::Command1);
        QCOMPARE(w.script.shown.size(), qsizetype(2));
        QCOMPARE(w.Scenario().StationTable[3].Name, QString("New Station"));
        QCOMPARE(w.Scenario().StationTable[3].Ref, QString("Earth"));
    }

    // A file that holds two stations of one name loads as before; validating one of them
    // unchanged says so, and another name is then taken. A ship's name is no station's.
    void fileWithTwoStationsOfOneName() {
        StationWindow w;
        w.Load(StationScenario(StationBlock("Twin", "Ring", "Earth", true) +
                                   StationBlock("Twin", "Wheel", "Earth", true),
                               ShipBlock("Hawk", "Orbiting Earth")));
        QCOMPARE(Items(w.List(ObjectNames::StationName)), QStringList({"Twin", "Twin"}));
        w.script.Expect(kTaken, kTitle, MsgButtons::Ok, MsgIcon::None);
        w.Press(ObjectNames::Command1);
        VERIFY_SCRIPT_DONE(w.script);
        const qsizetype boxes = w.script.shown.size();
        Type(w.List(ObjectNames::StationName), "Hawk");
        w.Press(ObjectNames::Command1);
        QCOMPARE(w.script.shown.size(), boxes);
        QCOMPARE(Items(w.List(ObjectNames::StationName)), QStringList({"Hawk", "Twin"}));
        QCOMPARE(w.Scenario().StationTable[0].Name, QString("Hawk"));
    }

    void validationStoresTheRow() {
        StationWindow w;
        w.LoadStandard();
        Pick(w.List(ObjectNames::StationName), 1);
        Type(w.List(ObjectNames::StationName), "Selene II");
        QVERIFY(PickText(w.List(ObjectNames::StationRef), "Mars"));
        w.Press(ObjectNames::Command8);
        QCOMPARE(w.Text(ObjectNames::StationRefPlanet), QString("Mars"));
        QVERIFY(PickText(w.List(ObjectNames::StationClass), "Wheel"));
        w.Press(ObjectNames::Command9);
        QCOMPARE(w.Text(ObjectNames::StationClassName), QString("Wheel"));
        Type(w.Box(ObjectNames::StationSemiMajorAxis), "4000000");
        Type(w.Box(ObjectNames::StationExcentricity), "0.01");
        Type(w.Box(ObjectNames::StationRotationFrequency), "-0.5");
        PickDate(w.Control<QCalendarWidget>(ObjectNames::StationOrbitalRefTime), QDate(2001, 3, 13));
        Pick(w.List(ObjectNames::StationOrbitalRefHour), 7);
        Pick(w.List(ObjectNames::StationOrbitalRefMin), 45);
        w.Press(ObjectNames::Command1);
        QCOMPARE(w.script.shown.size(), qsizetype(0));

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
        QCOMPARE(w.List(ObjectNames::StationName)->count(), 3);
        QCOMPARE(w.List(ObjectNames::StationName)->itemText(1), QString("Selene II"));
        QCOMPARE(w.List(ObjectNames::StationName)->currentIndex(), 1);
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("1"));
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
        Pick(w.List(ObjectNames::StationName), 2); // left over from an earlier scenario
        w.Load(StationScenario(QByteArray(), ShipBlock("Hawk", "Orbiting Earth")));
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("2"));
        Type(w.List(ObjectNames::StationName), "Lone");
        QVERIFY(PickText(w.List(ObjectNames::StationRef), "Earth"));
        w.Press(ObjectNames::Command8);
        QVERIFY(PickText(w.List(ObjectNames::StationClass), "Ring"));
        w.Press(ObjectNames::Command9);
        if (w.Control<QCheckBox>(ObjectNames::Check1)->isChecked())
            Click(w.Control<QCheckBox>(ObjectNames::Check1));
        Type(w.Box(ObjectNames::StationRotationFrequency), "0");
        for (const char* box : {ObjectNames::StationXAngle, ObjectNames::StationYAngle,
                                ObjectNames::StationZAngle, ObjectNames::StationExcentricity,
                                ObjectNames::StationInclination, ObjectNames::StationAscendingNodeLongitude,
                                ObjectNames::StationPeriapsisLongitude, ObjectNames::StationMeanLongitude})
            Type(w.Box(box), "0");
        Type(w.Box(ObjectNames::StationSemiMajorAxis), "7000000");
        const qsizetype boxes = w.script.shown.size(); // the save prompt of the second opening
        w.Press(ObjectNames::Command1);
        QCOMPARE(w.script.shown.size(), boxes);
        QCOMPARE(w.Scenario().StationTable[0].Name, QString("Lone"));
        QCOMPARE(w.List(ObjectNames::StationName)->count(), 1);
        QCOMPARE(w.List(ObjectNames::StationName)->itemText(0), QString("Lone"));
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("0"));
        QCOMPARE(w.DockTree().mid(0, 3), QStringList({"[Earth] 1", "  [   Moon] 2", "  [Lone] 3"}));
    }
};

QTEST_MAIN(StationTabValidationTest)
#include "test_station_tab_validation.moc"
