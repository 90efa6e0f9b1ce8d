// Add, delete, change class, change planet and the user-controlled ship.
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
QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int k = 0; k < box->count(); ++k)
        items << box->itemText(k);
    return items;
}

ExpectedBox Confirm(MsgResult answer) {
    return {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, answer};
}
ExpectedBox FocusMoved() {
    return {kFocusChanged, "Warning", MsgButtons::Ok, MsgIcon::Information, MsgResult::Ok};
}

std::vector<ShipRow> ThreeShips() {
    std::vector<ShipRow> rows{LandedShip("S0", "C0", "Earth", " Habana", "1", "10", "0.1"),
                              DockedShip("S1", "C1", "Earth", "ISS", "2", "0.2"),
                              OrbitingShip("S2", "C2", "Earth", "0.3", "0", "0")};
    for (int k = 0; k < 3; ++k)
        rows[std::size_t(k)].OtherLines = QString("X%1").arg(k);
    return rows;
}
} // namespace

class ShipActionsTest : public QObject {
    Q_OBJECT
  private slots:
    void addTwiceWithoutValidating() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips(ThreeShips(), "S0");
        w.Command5->click();
        w.Command5->click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"S0", "S1", "S2", "New Ship", "New Ship"}));
        QCOMPARE(int(w.Document.ShipTable.size()), 6); // upper bound 5: one spare row
        QCOMPARE(Items(w.PossibleShipFocus), QStringList({"S0:C0", "S1:C1", "S2:C2"}));
        QCOMPARE(w.ShipName->currentIndex(), 4);
        QCOMPARE(w.ShipIndex->text(), QString("4"));
        // A new ship shows no status, no class, an empty fuel tank and engines at "0 %".
        QVERIFY(w.Landed->isHidden() && w.Orbiting->isHidden() && w.Docked->isHidden());
        QVERIFY(!w.LandedShipOption->isChecked() && !w.OrbitingShipOption->isChecked() &&
                !w.DockedShipOption->isChecked());
        QCOMPARE(w.ShipClass->text(), QString());
        QCOMPARE(w.ShipFuel->text(), QString(" 0 %"));
        QCOMPARE(w.ShipFuelSlider->value(), 0);
        QCOMPARE(w.MainEngineStatus->text(), QString("0 %"));
        QCOMPARE(w.HoverEngineStatus->text(), QString("0 %"));
    }

    void addAfterDeleteStartsBlank() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips(ThreeShips(), "S0");
        Select(w.ShipName, 2);
        sw.script.Expect(Confirm(MsgResult::Ok));
        w.Command6Click();
        QVERIFY(sw.script.Done());
        // The deleted last ship's values wait in the spare row...
        QCOMPARE(w.Document.ShipTable[2].OtherLines, QString("X2"));
        w.Command5Click();
        // ...and none of them reaches the new ship.
        const ShipRow& row = w.Document.ShipTable[2];
        QCOMPARE(row.Name, QString());
        QCOMPARE(row.OtherLines, QString());
        QCOMPARE(row.ClassName, QString());
        QCOMPARE(row.Status, QString());
        QCOMPARE(row.Fuel, QString("0"));
        QCOMPARE(w.ShipClass->text(), QString());
        QVERIFY(w.Orbiting->isHidden());
        // Validated with a class and a status, it becomes a ship of its own.
        w.ShipName->setEditText("Fresh");
        w.ShipClass->setText("C9");
        w.Command4Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"S0", "S1", "Fresh"}));
        QCOMPARE(Items(w.PossibleShipFocus), QStringList({"S0:C0", "S1:C1", "Fresh:C9"}));
        QCOMPARE(w.Document.ShipTable[2].OtherLines, QString());
    }

    void deleteShip_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("otherLines"); // rows 0 to 2 afterwards
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("shipIndex");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("last") << 2 << "S0" << QStringList{"S0", "S1"} << QStringList{"X0", "X1", "X2"} << 1
                              << "1"
                              << "S0";
        QTest::newRow("first") << 0 << "S1" << QStringList{"S1", "S2"} << QStringList{"X1", "X2", "X2"} << 0
                               << "0"
                               << "S1";
        QTest::newRow("middle") << 1 << "S2" << QStringList{"S0", "S2"} << QStringList{"X0", "X2", "X2"} << 0
                                << "0"
                                << "S2";
        QTest::newRow("the user-controlled ship")
            << 1 << "S1" << QStringList{"S0", "S2"} << QStringList{"X0", "X2", "X2"} << 0 << "0"
            << "S0";
    }
    void deleteShip() {
        QFETCH(int, current);
        QFETCH(QString, focus);
        QFETCH(QStringList, names);
        QFETCH(QStringList, otherLines);
        QFETCH(int, shown);
        QFETCH(QString, shipIndex);
        QFETCH(QString, focusAfter);
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips(ThreeShips(), focus);
        Select(w.ShipName, current);
        sw.script.Expect(Confirm(MsgResult::Ok));
        if (focusAfter != focus) sw.script.Expect(FocusMoved());
        w.Command6->click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Items(w.ShipName), names);
        QCOMPARE(Items(w.PossibleShipFocus),
                 QStringList({names[0] + ":C" + names[0].mid(1), names[1] + ":C" + names[1].mid(1)}));
        QCOMPARE(int(w.Document.ShipTable.size()), 3);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(w.Document.ShipTable[std::size_t(k)].OtherLines, otherLines[k]);
        QCOMPARE(w.ShipName->currentIndex(), shown);
        QCOMPARE(w.ShipIndex->text(), shipIndex);
        QCOMPARE(w.ShipName->currentText(), names[shown]);
        QCOMPARE(w.ShipClass->text(), "C" + names[shown].mid(1));
        QCOMPARE(w.ShipFocus->text(), focusAfter);
    }

    void cancelChangesNothing() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips(ThreeShips(), "S0");
        w.ShipLandedHeading->setText("123");
        sw.script.Expect(Confirm(MsgResult::Cancel));
        w.Command6Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"S0", "S1", "S2"}));
        QCOMPARE(int(w.Document.ShipTable.size()), 4);
        QCOMPARE(w.ShipLandedHeading->text(), QString("123")); // not even the edits are lost
    }

    void onlyShipIsKept() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({LandedShip("Solo", "DG", "Earth", " Habana", "1", "10", "0.5")}, "Solo");
        w.ShipLandedHeading->setText("123");
        sw.script.Expect(Confirm(MsgResult::Ok));
        sw.script.Expect({"You may not delete this ship : the scenario must keep at least one ship !",
                          "Warning", MsgButtons::Ok, MsgIcon::Information, MsgResult::Ok});
        w.Command6Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"Solo"}));
        QCOMPARE(Items(w.PossibleShipFocus), QStringList({"Solo:DG"}));
        QCOMPARE(w.ShipLandedHeading->text(), QString("10")); // redisplayed: the edit is discarded
        QCOMPARE(w.ShipFocus->text(), QString("Solo"));
    }

    void deleteWithAnEmptyList() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        w.Document.ShipTableRedim(0);
        w.PossibleShipFocus->addItem("Gone:DG");
        w.ShipFocus->setText("Gone");
        w.ShipClass->setText("leftover");
        w.ShipFuel->setText(" 50 %");
        sw.script.Expect(Confirm(MsgResult::Ok));
        sw.script.Expect(
            {"You have deleted all the ships : the ship focus is also deleted. Do not save this scenario "
             "until a new ship is created !",
             "Warning", MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok});
        w.Command6Click();
        QVERIFY(sw.script.Done());
        QCOMPARE(w.ShipClass->text(), QString()); // the tab was reset
        QCOMPARE(w.ShipFuel->text(), QString());
        QCOMPARE(w.PossibleShipFocus->count(), 0);
        QCOMPARE(w.ShipFocus->text(), QString());
    }

    void changeClassAndPlanet() {
        ShipWindow sw;
        TYX& w = sw.tyx();
        sw.LoadShips({OrbitingShip("O", "DG", "Earth", "0.5", "0", "0")}, "O");
        w.Spacecraft->clear();
        w.Spacecraft->addItems({"DeltaGlider", "ShuttleA"});
        w.Spacecraft->setCurrentIndex(1);
        w.Command10->click();
        QCOMPARE(w.ShipClass->text(), QString("ShuttleA"));
        w.Spacecraft->setCurrentIndex(-1);
        w.Command10Click();
        QCOMPARE(w.ShipClass->text(), QString()); // nothing picked
        w.OrbitingRef->clear();
        w.OrbitingRef->addItems({"Earth", "   Moon", "Mars"});
        w.OrbitingRef->setCurrentIndex(1);
        w.Command11->click();
        QCOMPARE(w.ShipOrbitingPlanet->text(), QString("   Moon"));
        QCOMPARE(w.Document.ShipTable[0].StatusRef, QString("Earth")); // only validation stores it
        QCOMPARE(w.Document.ShipTable[0].ClassName, QString("DG"));
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
        TYX& w = sw.tyx();
        w.ShipFocus->setText("Previous");
        w.PossibleShipFocus->addItems(entries);
        w.PossibleShipFocus->setCurrentIndex(picked);
        w.Command7->click();
        QCOMPARE(w.ShipFocus->text(), focus);
        QVERIFY(sw.script.Done());
    }
};
SKELVAN_TEST(ShipActionsTest);
#include "test_ship_actions.moc"
