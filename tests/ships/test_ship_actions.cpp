// Add, delete, change class, change planet and the user-controlled ship.
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
ExpectedBox Confirm(MsgResult answer) {
    return {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, answer};
}

// Three ships, each with a line of its own that the program does not know.
QStringList ThreeShips() {
    return {WithLines(LandedShip("S0", "C0", "Earth", "Habana", "1", "10", "0.1"), {"X0"}),
            WithLines(DockedShip("S1", "C1", "Earth", "ISS", "2", "0.2"), {"X1"}),
            WithLines(OrbitingShip("S2", "C2", "Earth", "0.3", "0", "0"), {"X2"})};
}
} // namespace

class ShipActionsTest : public QObject {
    Q_OBJECT
  private slots:
    void addTwiceWithoutValidating() {
        ShipWindow sw;
        sw.OpenShips(ThreeShips(), "S0");
        Click(sw.Get<QPushButton>(ObjectNames::Command5));
        Click(sw.Get<QPushButton>(ObjectNames::Command5));
        VERIFY_SCRIPT_DONE(sw.script);
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        QCOMPARE(Items(names), QStringList({"S0", "S1", "S2", "New Ship", "New Ship"}));
        QCOMPARE(int(sw.Scenario().ShipTable.size()), 6); // upper bound 5: one spare row
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus)),
                 QStringList({"S0:C0", "S1:C1", "S2:C2"}));
        QCOMPARE(names->currentIndex(), 4);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("4"));
        // A new ship shows no status, no class, an empty fuel tank and engines at "0 %".
        for (const char* frame : {ObjectNames::Landed, ObjectNames::Orbiting, ObjectNames::Docked})
            QVERIFY2(sw.Get<QGroupBox>(frame)->isHidden(), frame);
        for (const char* option :
             {ObjectNames::LandedShipOption, ObjectNames::OrbitingShipOption, ObjectNames::DockedShipOption})
            QVERIFY2(!sw.Get<QRadioButton>(option)->isChecked(), option);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), QString());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString(" 0 %"));
        QCOMPARE(sw.Get<QSlider>(ObjectNames::ShipFuelSlider)->value(), 0);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->text(), QString("0 %"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::HoverEngineStatus)->text(), QString("0 %"));
    }

    void addAfterDeleteStartsBlank() {
        ShipWindow sw;
        sw.OpenShips(ThreeShips(), "S0");
        const ScenarioDocument& document = sw.Scenario();
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), 2);
        sw.script.Expect(Confirm(MsgResult::Ok));
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        // The deleted last ship's values wait in the spare row...
        QCOMPARE(document.ShipTable[2].OtherLines, QString("X2"));
        Click(sw.Get<QPushButton>(ObjectNames::Command5));
        // ...and none of them reaches the new ship.
        const ShipRow& row = document.ShipTable[2];
        QCOMPARE(row.Name, QString());
        QCOMPARE(row.OtherLines, QString());
        QCOMPARE(row.ClassName, QString());
        QCOMPARE(row.Status, QString());
        QCOMPARE(row.Fuel, QString("0"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), QString());
        QVERIFY(sw.Get<QGroupBox>(ObjectNames::Orbiting)->isHidden());
        // Validated with a name and a class, it becomes a ship of its own.
        Type(sw.Get<QComboBox>(ObjectNames::ShipName), "Fresh");
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "ShuttleA");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::ShipName)), QStringList({"S0", "S1", "Fresh"}));
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus)),
                 QStringList({"S0:C0", "S1:C1", "Fresh:ShuttleA"}));
        QCOMPARE(document.ShipTable[2].OtherLines, QString());
    }

    void deleteShip_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("shipIndex");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("last") << 2 << "S0" << QStringList{"S0", "S1"} << 1 << "1" << QString("S0");
        QTest::newRow("first") << 0 << "S1" << QStringList{"S1", "S2"} << 0 << "0" << QString("S1");
        QTest::newRow("middle") << 1 << "S2" << QStringList{"S0", "S2"} << 0 << "0" << QString("S2");
        QTest::newRow("the user-controlled ship")
            << 1 << "S1" << QStringList{"S0", "S2"} << 0 << "0" << QString("S0");
    }
    void deleteShip() {
        QFETCH(int, current);
        QFETCH(QString, focus);
        QFETCH(QStringList, names);
        QFETCH(int, shown);
        QFETCH(QString, shipIndex);
        QFETCH(QString, focusAfter);
        ShipWindow sw;
        sw.OpenShips(ThreeShips(), focus);
        auto* shipNames = sw.Get<QComboBox>(ObjectNames::ShipName);
        Pick(shipNames, current);
        sw.script.Expect(Confirm(MsgResult::Ok));
        if (focusAfter != focus) sw.script.Expect(FocusMoved());
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(Items(shipNames), names);
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus)),
                 QStringList({names[0] + ":C" + names[0].mid(1), names[1] + ":C" + names[1].mid(1)}));
        QCOMPARE(shipNames->currentIndex(), shown);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), shipIndex);
        QCOMPARE(shipNames->currentText(), names[shown]);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), "C" + names[shown].mid(1));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), focusAfter);
    }

    void cancelChangesNothing() {
        ShipWindow sw;
        sw.OpenShips(ThreeShips(), "S0");
        Type(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading), "123");
        sw.script.Expect(Confirm(MsgResult::Cancel));
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::ShipName)), QStringList({"S0", "S1", "S2"}));
        QCOMPARE(int(sw.Scenario().ShipTable.size()), 4);
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading)->text(),
                 QString("123")); // not even the edits are lost
    }

    void onlyShipIsKept() {
        ShipWindow sw;
        sw.OpenShips({LandedShip("Solo", "DG", "Earth", "Habana", "1", "10", "0.5")}, "Solo");
        Type(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading), "123");
        sw.script.Expect(Confirm(MsgResult::Ok));
        sw.script.Expect({"You may not delete this ship : the scenario must keep at least one ship !",
                          "Warning", MsgButtons::Ok, MsgIcon::Information, MsgResult::Ok});
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::ShipName)), QStringList({"Solo"}));
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus)), QStringList({"Solo:DG"}));
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading)->text(),
                 QString("10")); // redisplayed: the edit is discarded
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Solo"));
    }

    void deleteWithAnEmptyList() {
        ShipWindow sw;
        // A scenario whose ships are all gone still names the user-controlled ship.
        sw.OpenShips({}, "Gone");
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Gone"));
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "DG");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        Slide(sw.Get<QSlider>(ObjectNames::ShipFuelSlider), 50);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), QString("DG"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString(" 50 %"));
        sw.script.Expect(Confirm(MsgResult::Ok));
        sw.script.Expect(
            {"You have deleted all the ships : the ship focus is also deleted. Do not save this scenario "
             "until a new ship is created !",
             "Warning", MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok});
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipClass)->text(), QString()); // the tab was reset
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString());
        QCOMPARE(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus)->count(), 0);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString());
    }

    void changeClassAndPlanet() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("O", "DG", "Earth", "0.5", "0", "0")}, "O");
        auto* classes = sw.Get<QComboBox>(ObjectNames::Spacecraft);
        auto* shipClass = sw.Get<QLabel>(ObjectNames::ShipClass);
        QCOMPARE(Items(classes), QStringList({"DG", "ShuttleA"}));
        Pick(classes, 1);
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        QCOMPARE(shipClass->text(), QString("ShuttleA"));
        // Nothing picked: the list always has an entry selected once a scenario is open, so the
        // test takes the selection away itself.
        classes->setCurrentIndex(-1);
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        QCOMPARE(shipClass->text(), QString());
        auto* planets = sw.Get<QComboBox>(ObjectNames::OrbitingRef);
        QCOMPARE(Items(planets), QStringList({"Earth", "   Moon", "Mars"}));
        Pick(planets, 1);
        Click(sw.Get<QPushButton>(ObjectNames::Command11));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipOrbitingPlanet)->text(), QString("   Moon"));
        const ScenarioDocument& document = sw.Scenario();
        QCOMPARE(document.ShipTable[0].StatusRef, QString("Earth")); // only validation stores it
        QCOMPARE(document.ShipTable[0].ClassName, QString("DG"));
    }

    void userControlledShip_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("focus");
        QTest::newRow("name and class") << QStringList{"Alpha:DG", "Beta:Shuttle"} << 1 << "Beta";
        QTest::newRow("class with colons") << QStringList{"Gamma:Addon:DG"} << 0 << "Gamma";
        QTest::newRow("nothing picked") << QStringList{"Alpha:DG"} << -1 << "";
        QTest::newRow("empty list") << QStringList{} << -1 << "";
    }
    void userControlledShip() {
        QFETCH(QStringList, entries);
        QFETCH(int, picked);
        QFETCH(QString, focus);
        ShipWindow sw;
        QStringList ships;
        for (const QString& entry : entries) {
            const qsizetype colon = entry.indexOf(':');
            ships << OrbitingShip(entry.left(colon), entry.mid(colon + 1), "Earth", "0", "0", "0");
        }
        sw.OpenShips(ships, "Previous");
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Previous"));
        sw.ShowTab(Tab::Environment);
        auto* possible = sw.Get<QComboBox>(ObjectNames::PossibleShipFocus);
        QCOMPARE(Items(possible), entries);
        if (picked >= 0)
            Pick(possible, picked);
        else if (possible->count() > 0)
            possible->setCurrentIndex(-1); // no user can take the selection away from a filled list
        Click(sw.Get<QPushButton>(ObjectNames::Command7));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), focus);
        VERIFY_SCRIPT_DONE(sw.script);
    }
};
QTEST_MAIN(ShipActionsTest)
#include "test_ship_actions.moc"
