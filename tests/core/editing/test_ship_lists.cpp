#include "core/editing/location_pick.h"
#include "core/editing/ship_lists.h"

#include <QTest>

class ShipListsTest : public QObject {
    Q_OBJECT
  private slots:
    void entryName_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("focus");
        QTest::newRow("name and class") << "Ship1:DeltaGlider"
                                        << "Ship1"
                                        << "Ship1";
        QTest::newRow("no colon") << "Lonely"
                                  << "Lonely"
                                  << "Lonely";
        QTest::newRow("empty name") << ":DG"
                                    << ""
                                    << "";
        QTest::newRow("first colon only") << "a:b:c"
                                          << "a"
                                          << "a";
        QTest::newRow("blanks kept in the list, trimmed for the focus") << "  Ship 2 :DG  "
                                                                        << "  Ship 2 "
                                                                        << "Ship 2 ";
        QTest::newRow("nothing picked") << ""
                                        << ""
                                        << "";
    }
    void entryName() {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(QString, focus);
        QCOMPARE(ShipNameOfEntry(entry), name);
        QCOMPARE(FocusFromPick(entry), focus);
    }

    void rowNumber_data() {
        QTest::addColumn<QString>("shipIndex");
        QTest::addColumn<int>("row");
        QTest::newRow("as the list pick writes it") << "1" << 1;
        QTest::newRow("as delete writes it") << " 1" << 1;
        QTest::newRow("as a file was read") << " 2: 2" << 2;
        QTest::newRow("empty counts as row 0") << "" << 0;
        QTest::newRow("no list entry") << "-1" << -1;
        QTest::newRow("far too large") << "1e12" << -1;
    }
    void rowNumber() {
        QFETCH(QString, shipIndex);
        QFETCH(int, row);
        QCOMPARE(ShipRowNumber(shipIndex), row);
    }

    void focusFound() {
        const QStringList entries{"Alpha:DG", "Beta:Shuttle"};
        QVERIFY(FocusShipFound(entries, "Beta"));
        QVERIFY(!FocusShipFound(entries, "beta")); // exact comparison
        QVERIFY(!FocusShipFound(entries, ""));
        QVERIFY(!FocusShipFound({}, "Alpha"));
        QVERIFY(FocusShipFound({":DG"}, ""));
    }

    void entriesFromTable() {
        std::vector<ShipRow> table(3);
        table[0].Name = "A";
        table[0].ClassName = "DG";
        table[1].Name = "B";
        table[2].Name = "spare";
        QCOMPARE(PossibleShipFocusEntries(table, 2), QStringList({"A:DG", "B:"}));
        QCOMPARE(ShipNameEntries(table, 2), QStringList({"A", "B"}));
        QCOMPARE(ShipNameEntries(table, 5).size(), 3); // never past the rows that exist
        QVERIFY(ShipNameEntries(table, 0).isEmpty());
    }

    void pick_data() {
        QTest::addColumn<bool>("pad"); // pad tree, else dock tree
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("image");
        QTest::addColumn<int>("children");
        QTest::addColumn<int>("levelsAbove");
        QTest::addColumn<QString>("number"); // empty: no pick
        QTest::newRow("free pad 3") << true << "Landing pad  3" << 5 << 0 << 2 << "3";
        QTest::newRow("free pad 12") << true << "Landing pad  12" << 5 << 0 << 3 << "12";
        QTest::newRow("pad with a ship") << true << "Landing pad  3" << 5 << 1 << 2 << "";
        QTest::newRow("base node") << true << " Alpha" << 4 << 2 << 1 << "";
        QTest::newRow("planet node") << true << "Earth" << 1 << 3 << 0 << "";
        QTest::newRow("landed ship node") << true << "Landing craft" << 7 << 0 << 3 << "";
        QTest::newRow("base named Landing without pads") << true << " Landing Zone" << 4 << 0 << 1 << "";
        QTest::newRow("planet named Landing without bases") << true << "Landingworld" << 1 << 0 << 0 << "";
        QTest::newRow("letter case counts") << true << "landing pad  1" << 5 << 0 << 2 << "";
        QTest::newRow("free port 12") << false << "Dock  12" << 6 << 0 << 2 << "12";
        QTest::newRow("free port 1") << false << "Dock  1" << 6 << 0 << 3 << "1";
        QTest::newRow("port taken") << false << "Dock  3" << 6 << 1 << 2 << "";
        QTest::newRow("station node") << false << "ISS" << 3 << 4 << 1 << "";
        QTest::newRow("station named Dock without ports") << false << "Dockyard" << 3 << 0 << 1 << "";
        QTest::newRow("docked ship named Dock") << false << "Docker" << 7 << 0 << 3 << "";
        QTest::newRow("pad node in the dock tree") << false << "Landing pad  1" << 5 << 0 << 2 << "";
    }
    void pick() {
        QFETCH(bool, pad);
        QFETCH(QString, text);
        QFETCH(int, image);
        QFETCH(int, children);
        QFETCH(int, levelsAbove);
        QFETCH(QString, number);
        PickNode node{text, image, children, std::nullopt, std::nullopt};
        if (levelsAbove >= 1) node.parentText = " Alpha";
        if (levelsAbove >= 2) node.grandparentText = "   Moon";
        const auto result = pad ? PadPick(node) : PortPick(node);
        QCOMPARE(result.has_value(), !number.isEmpty());
        if (result) {
            QCOMPARE(result->number, number);
            QCOMPARE(result->place, QString(" Alpha"));
            QCOMPARE(result->planet, QString("   Moon")); // a moon keeps its leading blanks
        }
    }
};
QTEST_GUILESS_MAIN(ShipListsTest)
#include "test_ship_lists.moc"
