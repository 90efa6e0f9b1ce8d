// "Ship parameter validation" on the window: the message box, the stored row, the rebuilt
// lists and the user-controlled ship.
#include "ship_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {
const QString kTitle = "Ship parameter validation not accepted !";
const QString kTaken = "The ship name is already used by another ship.";
const QString kNoPlanet = "No planet is chosen.";

ExpectedBox Refusal(const QString& text) {
    return {text, kTitle, MsgButtons::Ok, MsgIcon::None, MsgResult::Ok};
}
} // namespace

class ShipValidationWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void refusedLandedShipKeepsEverything() {
        ShipWindow sw;
        sw.OpenShips({WithLines(LandedShip("L", "", "Earth", "", "", "Toto", "0.5"), {"XPDR 7"}),
                      OrbitingShip("O", "DG", "Earth", "0", "0", "0")},
                     "O");
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        Type(names, "Renamed");
        Type(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading), "Toto");
        sw.script.Expect(
            Refusal("You must assign the ship to a base pad.\rYou must assign a class to the ship.\r"
                    "You must must enter a correct heading."));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const ScenarioDocument& document = sw.Scenario();
        QCOMPARE(document.ShipTable[0].Name, QString("L"));
        QCOMPARE(document.ShipTable[0].Heading, QString("Toto"));
        QCOMPARE(document.ShipTable[0].OtherLines, QString("XPDR 7"));
        QCOMPARE(Items(names), QStringList({"L", "O"}));
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus)), QStringList({"L:", "O:DG"}));
        QCOMPARE(names->currentText(), QString("Renamed")); // what the user typed stays
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("O"));
    }

    void refusedOrbitingShip() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("O", "DG", "Earth", "0.5", "0", "0")}, "O");
        auto* rposX = sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX);
        Type(rposX, " 6371000"); // exactly on Earth's mean radius
        Type(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingArotY), "360");
        sw.script.Expect(Refusal("The object frame rotation angle orientation on axis Y is not correct.\rThe "
                                 "ship is located inside the "
                                 "planet; adjust the position parameters relative to reference."));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const ScenarioDocument& document = sw.Scenario();
        QCOMPARE(document.ShipTable[0].RposX, QString("7000000"));
        // One metre higher and a valid angle: stored as typed.
        Type(rposX, "6371001");
        Type(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingArotY), "-359.99");
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(document.ShipTable[0].RposX, QString("6371001"));
        QCOMPARE(document.ShipTable[0].ArotY, QString("-359.99"));
        QCOMPARE(rposX->text(), QString(" 6371001")); // redisplayed through the number rules
    }

    void storedRowAndRebuiltLists() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("A", "DG", "Earth", "0", "0", "0"),
                      WithLines(LandedShip("B", "DG", "Earth", "Habana", "1", "10", "0.5"), {"XPDR 466"})},
                     "A");
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        Pick(names, 1);
        Type(names, "Bravo");
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "ShuttleA");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        Type(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading), "-90");
        Slide(sw.Get<QSlider>(ObjectNames::ShipFuelSlider), 75);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script); // the focus ship A is still there: no message
        const ScenarioDocument& document = sw.Scenario();
        const ShipRow& row = document.ShipTable[1];
        QCOMPARE(row.Name, QString("Bravo"));
        QCOMPARE(row.ClassName, QString("ShuttleA"));
        QCOMPARE(row.Status, QString("Landed"));
        QCOMPARE(row.StatusRef, QString("Earth"));
        QCOMPARE(row.Base, QString("Habana"));
        QCOMPARE(row.Pad, QString("1"));
        QCOMPARE(row.Heading, QString("-90"));
        QCOMPARE(row.Fuel, QString(" .75"));
        QCOMPARE(row.MainEngine, QString(" 0"));
        QCOMPARE(row.DockedStation, QString());
        QCOMPARE(row.RposX, QString()); // the hidden orbit boxes were empty
        QCOMPARE(row.OtherLines, QString("XPDR 466"));
        QCOMPARE(Items(names), QStringList({"A", "Bravo"}));
        auto* possible = sw.Get<QComboBox>(ObjectNames::PossibleShipFocus);
        QCOMPARE(Items(possible), QStringList({"A:DG", "Bravo:ShuttleA"}));
        QCOMPARE(possible->currentIndex(), 0);
        QCOMPARE(names->currentIndex(), 1);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("1"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString(" 75 %"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("A"));
        QCOMPARE(int(document.ShipTable.size()), 3);
    }

    // The user types the name of another ship over this one and then presses Return or moves to
    // the validation button: the list must stay on this ship, and the validation refuses the
    // name, since two ships of one name could not be told apart.
    void typingAnotherShipsNameKeepsThisShip_data() {
        QTest::addColumn<bool>("returnPressed");
        QTest::newRow("focus leaves the list") << false;
        QTest::newRow("Return pressed") << true;
    }
    void typingAnotherShipsNameKeepsThisShip() {
        QFETCH(bool, returnPressed);
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("A", "DG", "Earth", "0", "0", "0"),
                      OrbitingShip("B", "DG", "Earth", "0", "0", "0")},
                     "B");
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        Type(names, "B");
        if (returnPressed) QTest::keyClick(names->lineEdit(), Qt::Key_Return);
        // The click into the next box takes the focus away from the list.
        Type(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX), "8000000");
        QVERIFY(!names->lineEdit()->hasFocus());
        QCOMPARE(names->currentIndex(), 0);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("0"));
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX)->text(), QString("8000000"));
        sw.script.Expect(Refusal(kTaken + "\r"));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const ScenarioDocument& document = sw.Scenario();
        QCOMPARE(document.ShipTable[0].Name, QString("A"));
        QCOMPARE(document.ShipTable[0].RposX, QString("7000000"));
        QCOMPARE(document.ShipTable[1].RposX, QString("7000000"));
        QCOMPARE(Items(names), QStringList({"A", "B"}));
        QCOMPARE(names->currentIndex(), 0);
        QCOMPARE(names->currentText(), QString("B"));
    }

    // "Osprey" typed over "Swift" while another ship is named Osprey: refused, blanks at both
    // ends and letter case aside, before any other message; nothing is stored.
    // A file that holds two ships of one name loads as before; validating one of them unchanged
    // says so, and another name is then taken. A station's name is no ship's.
    void fileWithTwoShipsOfOneName() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("Twin", "DG", "Earth", "0", "0", "0"),
                      OrbitingShip("Twin", "DG", "Earth", "0", "0", "0")},
                     "Twin", {Station("Orion", "Hub", "Earth")});
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        QCOMPARE(Items(names), QStringList({"Twin", "Twin"}));
        Pick(names, 1);
        sw.script.Expect(Refusal(kTaken + "\r"));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        Type(names, "Orion");
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.script.Shown(), 1);
        QCOMPARE(Items(names), QStringList({"Twin", "Orion"}));
        QCOMPARE(sw.Scenario().ShipTable[1].Name, QString("Orion"));
    }

    // A new ship given the orbiting status before any planet: the user is told that no planet
    // is chosen, and once one is, the ship is stored.
    void newOrbitingShipWithoutPlanet() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("A", "DG", "Earth", "0", "0", "0")}, "A");
        Click(sw.Get<QPushButton>(ObjectNames::Command5));
        Click(sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipOrbitingPlanet)->text(), QString());
        const std::pair<const char*, const char*> boxes[] = {
            {ObjectNames::ShipOrbitingRposX, "7000000"}, {ObjectNames::ShipOrbitingRposY, "0"},
            {ObjectNames::ShipOrbitingRposZ, "0"},       {ObjectNames::ShipOrbitingRvelX, "0"},
            {ObjectNames::ShipOrbitingRvelY, "0"},       {ObjectNames::ShipOrbitingRvelZ, "7546.05"},
            {ObjectNames::ShipOrbitingArotX, "0"},       {ObjectNames::ShipOrbitingArotY, "0"},
            {ObjectNames::ShipOrbitingArotZ, "0"},       {ObjectNames::ShipOrbitingAngularVelocity, "0"}};
        for (const auto& [box, text] : boxes)
            Type(sw.Get<QLineEdit>(box), text);
        sw.script.Expect(Refusal(kNoPlanet + "\r"));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Scenario().ShipTable[1].Status, QString());
        Pick(sw.Get<QComboBox>(ObjectNames::OrbitingRef), "Earth");
        Click(sw.Get<QPushButton>(ObjectNames::Command11));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Scenario().ShipTable[1].Status, QString("Orbiting"));
        QCOMPARE(sw.Scenario().ShipTable[1].StatusRef, QString("Earth"));
        QCOMPARE(sw.Scenario().ShipTable[1].RvelZ, QString("7546.05"));
    }

    void renamingTheFocusShipMovesTheFocus() {
        ShipWindow sw;
        sw.OpenShips({OrbitingShip("A", "DG", "Earth", "0", "0", "0"),
                      OrbitingShip("B", "DG", "Earth", "0", "0", "0")},
                     "A");
        Type(sw.Get<QComboBox>(ObjectNames::ShipName), "Alpha");
        sw.script.Expect(FocusMoved());
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        // Even though the renamed ship is the first one, the user is told.
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Alpha"));
    }

    void noStatusStoresWithoutChecks() {
        ShipWindow sw;
        // A status the program does not know, no class, no base and a heading that is no number:
        // a landed ship would be refused three times.
        sw.OpenShips({"X:\r\n  STATUS Hovering\r\n  RPOS 1 2 3\r\n  HEADING Toto\r\n  FUEL 0\r\nEND\r\n"},
                     "X");
        QVERIFY(!sw.Get<QRadioButton>(ObjectNames::LandedShipOption)->isChecked());
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const ShipRow& row = sw.Scenario().ShipTable[0];
        QCOMPARE(row.Status, QString("Hovering"));
        QCOMPARE(row.StatusRef, QString());
        QCOMPARE(row.ClassName, QString());
        QCOMPARE(row.RposX,
                 QString()); // the hidden orbit boxes, emptied by the reset, are stored as they read
        QCOMPARE(row.Heading, QString()); // the heading box was emptied by the reset
    }

    void firstShipTypedIntoAnEmptyList() {
        ShipWindow sw;
        // As after a change of planetary system: one empty row, an empty list, row 0 current.
        sw.OpenShips({}, "");
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipIndex)->text(), QString("0"));
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        Type(names, "Solo");
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "DG");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        sw.script.Expect(FocusMoved());
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(Items(names), QStringList({"Solo"}));
        QCOMPARE(Items(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus)), QStringList({"Solo:DG"}));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Solo"));
        QCOMPARE(sw.Scenario().ShipTable[0].Name, QString("Solo"));
        QCOMPARE(names->currentIndex(), 0);
    }
};
QTEST_MAIN(ShipValidationWindowTest)
#include "test_ship_validation_window.moc"
