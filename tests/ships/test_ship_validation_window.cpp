// "Ship parameter validation" on the window: the message box, the stored row, the rebuilt
// lists and the user-controlled ship.
#include "ship_window_fixture.h"
#include "test_registry.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
const QString kTitle = "Ship parameter validation not accepted !";

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int k = 0; k < box->count(); ++k)
        items << box->itemText(k);
    return items;
}

ExpectedBox Refusal(const QString& text) {
    return {text, kTitle, MsgButtons::Ok, MsgIcon::None, MsgResult::Ok};
}
ExpectedBox FocusMoved() {
    return {kFocusChanged, "Warning", MsgButtons::Ok, MsgIcon::Information, MsgResult::Ok};
}
} // namespace

class ShipValidationWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void refusedLandedShipKeepsEverything() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        ShipRow lander = LandedShip("L", "", "Earth", "", "", "Toto", "0.5");
        lander.OtherLines = "XPDR 7";
        sw.LoadShips({lander, OrbitingShip("O", "DG", "Earth", "0", "0", "0")}, "O");
        w.ShipName->setEditText("Renamed");
        w.ShipLandedHeading->setText("Toto");
        sw.script.Expect(
            Refusal("You must assign the ship to a base pad.\rYou must assign a class to the ship.\r"
                    "You must must enter a correct heading."));
        w.Command4->click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.Document.ShipTable[0].Name, QString("L"));
        QCOMPARE(w.Document.ShipTable[0].Heading, QString("Toto"));
        QCOMPARE(Items(w.ShipName), QStringList({"L", "O"}));
        QCOMPARE(Items(w.PossibleShipFocus), QStringList({"L:", "O:DG"}));
        QCOMPARE(w.ShipName->currentText(), QString("Renamed")); // what the user typed stays
        QCOMPARE(w.ShipFocus->text(), QString("O"));
    }

    void refusedOrbitingShip() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "Earth", "0.5", "0", "0")}, "O");
        w.ShipOrbitingRposX->setText(" 6371000"); // exactly on Earth's mean radius
        w.ShipOrbitingArotY->setText("360");
        sw.script.Expect(Refusal("The object frame rotation angle orientation on axis Y is not correct.\rThe "
                                 "ship is located inside the "
                                 "planet; adjust the position parameters relative to reference."));
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.Document.ShipTable[0].RposX, QString("7000000"));
        // One metre higher and a valid angle: stored as typed.
        w.ShipOrbitingRposX->setText("6371001");
        w.ShipOrbitingArotY->setText("-359.99");
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.Document.ShipTable[0].RposX, QString("6371001"));
        QCOMPARE(w.Document.ShipTable[0].ArotY, QString("-359.99"));
        QCOMPARE(w.ShipOrbitingRposX->text(), QString(" 6371001")); // redisplayed through the number rules
    }

    void moonFileNameIsTrimmed() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "   Moon", "0.5", "0", "0")}, "O");
        w.ShipOrbitingRposX->setText("1737100"); // the Moon's radius, well outside the Earth's
        sw.script.Expect(Refusal(
            "The ship is located inside the planet; adjust the position parameters relative to reference."));
        w.Command4Click();
        QVERIFY(sw.script.Done());
        w.ShipOrbitingRposX->setText("1737101");
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.Document.ShipTable[0].StatusRef, QString("   Moon")); // stored unchanged
    }

    void unreadablePlanetFile() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "Pluto", "0.5", "0", "0")}, "O");
        QStringList texts;
        SetMessageResponder([&](const QString& text, const QString& title, MsgButtons, MsgIcon) {
            texts << title + "|" + text;
            return MsgResult::Ok;
        });
        w.Command4Click();
        // No planet chosen at all: the file name is ".cfg" in the configuration folder.
        w.ShipOrbitingPlanet->clear();
        w.Command4Click();
        QCOMPARE(texts.size(), 2);
        const QString config = w.CfgDir->text();
        // The ship stands outside the planet whatever its radius: the file message alone, ended
        // like the messages that other checks follow.
        QCOMPARE(texts[0], kTitle + "|The planet file \"" + config +
                               "Pluto.cfg\" cannot be read: choose the "
                               "planet the ship orbits around.\r");
        QCOMPARE(texts[1], kTitle + "|The planet file \"" + config +
                               ".cfg\" cannot be read: choose the "
                               "planet the ship orbits around.\r");
        QCOMPARE(w.Document.ShipTable[0].RposX, QString("7000000"));
        QCOMPARE(w.Document.ShipTable[0].StatusRef, QString("Pluto"));
    }

    void storedRowAndRebuiltLists() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        ShipRow second = LandedShip("B", "DG", "Earth", " Habana", "1", "10", "0.5");
        second.OtherLines = "XPDR 466";
        sw.LoadShips({OrbitingShip("A", "DG", "Earth", "0", "0", "0"), second}, "A");
        Select(w.ShipName, 1);
        w.ShipName->setEditText("Bravo");
        w.ShipClass->setText("Shuttle");
        w.ShipLandedHeading->setText("-90");
        w.ShipFuelSlider->setSliderPosition(75);
        w.Command4Click();
        QVERIFY(sw.script.Done()); // the focus ship A is still there: no message
        const ShipRow& row = w.Document.ShipTable[1];
        QCOMPARE(row.Name, QString("Bravo"));
        QCOMPARE(row.ClassName, QString("Shuttle"));
        QCOMPARE(row.Status, QString("Landed"));
        QCOMPARE(row.StatusRef, QString("Earth"));
        QCOMPARE(row.Base, QString(" Habana"));
        QCOMPARE(row.Pad, QString("1"));
        QCOMPARE(row.Heading, QString("-90"));
        QCOMPARE(row.Fuel, QString(" .75"));
        QCOMPARE(row.MainEngine, QString(" 0"));
        QCOMPARE(row.DockedStation, QString());
        QCOMPARE(row.RposX, QString()); // the hidden orbit boxes were empty
        QCOMPARE(row.OtherLines, QString("XPDR 466"));
        QCOMPARE(Items(w.ShipName), QStringList({"A", "Bravo"}));
        QCOMPARE(Items(w.PossibleShipFocus), QStringList({"A:DG", "Bravo:Shuttle"}));
        QCOMPARE(w.PossibleShipFocus->currentIndex(), 0);
        QCOMPARE(w.ShipName->currentIndex(), 1);
        QCOMPARE(w.ShipIndex->text(), QString("1"));
        QCOMPARE(w.ShipFuel->text(), QString(" 75 %"));
        QCOMPARE(w.ShipFocus->text(), QString("A"));
        QCOMPARE(int(w.Document.ShipTable.size()), 3);
    }

    // The user types the name of another ship over this one and then presses Return or moves to
    // the validation button: the list must stay on this ship, which takes the typed name.
    void typingAnotherShipsNameRenamesThisShip_data() {
        QTest::addColumn<bool>("returnPressed");
        QTest::newRow("focus leaves the list") << false;
        QTest::newRow("Return pressed") << true;
    }
    void typingAnotherShipsNameRenamesThisShip() {
        QFETCH(bool, returnPressed);
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("A", "DG", "Earth", "0", "0", "0"),
                      OrbitingShip("B", "DG", "Earth", "0", "0", "0")},
                     "B");
        w.ShipName->setEditText("B");
        w.ShipOrbitingRposX->setText("8000000");
        if (returnPressed) QTest::keyClick(w.ShipName->lineEdit(), Qt::Key_Return);
        emit w.ShipName->lineEdit()->editingFinished();
        QCOMPARE(w.ShipName->currentIndex(), 0);
        QCOMPARE(w.ShipIndex->text(), QString("0"));
        QCOMPARE(w.ShipOrbitingRposX->text(), QString("8000000"));
        w.Command4->click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.Document.ShipTable[0].Name, QString("B"));
        QCOMPARE(w.Document.ShipTable[0].RposX, QString("8000000"));
        QCOMPARE(w.Document.ShipTable[1].RposX, QString("7000000"));
        QCOMPARE(Items(w.ShipName), QStringList({"B", "B"}));
        QCOMPARE(w.ShipName->currentIndex(), 0);
    }

    void renamingTheFocusShipMovesTheFocus() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("A", "DG", "Earth", "0", "0", "0"),
                      OrbitingShip("B", "DG", "Earth", "0", "0", "0")},
                     "A");
        w.ShipName->setEditText("Alpha");
        sw.script.Expect(FocusMoved());
        w.Command4Click();
        QVERIFY(sw.script.Done());
        // Even though the renamed ship is the first one, the user is told.
        QCOMPARE(w.ShipFocus->text(), QString("Alpha"));
    }

    void noStatusStoresWithoutChecks() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        ShipRow odd = LandedShip("X", "", "Earth", "", "", "Toto", "0");
        odd.Status = "Hovering";
        odd.StatusRef = "Somewhere";
        sw.LoadShips({odd}, "X");
        QVERIFY(!w.LandedShipOption->isChecked());
        w.ShipOrbitingRposX->setText("not a number");
        w.Command4Click();
        QVERIFY(sw.script.Done());
        const ShipRow& row = w.Document.ShipTable[0];
        QCOMPARE(row.Status, QString("Hovering"));
        QCOMPARE(row.StatusRef, QString("Somewhere"));
        QCOMPARE(row.RposX, QString("not a number"));
        QCOMPARE(row.Heading, QString()); // the heading box was emptied by the reset
    }

    void firstShipTypedIntoAnEmptyList() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        // As after a change of planetary system: one empty row, an empty list, row 0 current.
        w.Document.ShipTableRedim(0);
        w.ShipIndex->setText("0");
        w.ShipName->setEditText("Solo");
        w.ShipClass->setText("DG");
        sw.script.Expect(FocusMoved());
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"Solo"}));
        QCOMPARE(Items(w.PossibleShipFocus), QStringList({"Solo:DG"}));
        QCOMPARE(w.ShipFocus->text(), QString("Solo"));
        QCOMPARE(w.Document.ShipTable[0].Name, QString("Solo"));
        QCOMPARE(w.ShipName->currentIndex(), 0);
    }
};
SKELVAN_TEST(ShipValidationWindowTest);
#include "test_ship_validation_window.moc"
