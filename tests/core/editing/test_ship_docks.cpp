// Ships docked to ships by their DOCKINFO pairs: the pairs of a line, which ships their dock
// places and where the editor shows them docked, the ships the dock tree offers as places to
// dock at, and a save of such ships that changes nothing.
#include "core/editing/location_pick.h"
#include "core/editing/row_validation.h"
#include "core/editing/scenario_saving.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_docks.h"
#include "core/scenario/scenario_comparison.h"
#include "core/scenario/scenario_reader.h"
#include "test_files.h"
#include "tree_text.h"

#include <QTest>

namespace {
// A scenario of the planetary system Corvid holding these ship blocks, CR LF line ends.
QByteArray Scenario(const QStringList& blocks) {
    QString text = "BEGIN_ENVIRONMENT\r\n  System Corvid\r\nEND_ENVIRONMENT\r\nBEGIN_SHIPS\r\n";
    for (const QString& block : blocks)
        text += QString(block).replace("|", "\r\n  ") + "\r\nEND\r\n";
    return (text + "END_SHIPS\r\n").toLatin1();
}

// The ship section of a file, its markers included.
QByteArray ShipSection(const QByteArray& bytes) {
    const qsizetype begin = bytes.indexOf("BEGIN_SHIPS");
    const qsizetype end = bytes.indexOf("END_SHIPS", begin);
    return begin < 0 || end < 0 ? QByteArray() : bytes.mid(begin, end - begin + 9);
}

const QString kLifterStack = "today/Scenarios/Installation/Docking/Lifter Stack.scn";
} // namespace

class ShipDocksTest : public QObject {
    Q_OBJECT
  private slots:
    // Each pair as own port / other port / other ship.
    void pairsOfLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("pairs");
        QTest::newRow("one pair") << "DOCKINFO 0:1,Lifter" << QStringList{"0/1/Lifter"};
        QTest::newRow("several pairs on a line")
            << "DOCKINFO 0:1,Lifter 1:0,Lifter-Booster1" << QStringList{"0/1/Lifter", "1/0/Lifter-Booster1"};
        QTest::newRow("keyword in other case, blanks between")
            << "dockinfo  2:3,A   14:5,B" << QStringList{"2/3/A", "14/5/B"};
        QTest::newRow("words that are no pairs are left out")
            << "DOCKINFO 0:1,A x:1,B 1:y,C 2:3, 4,5,D 6:7 :1,E 1234567890:1,F" << QStringList{"0/1/A"};
        QTest::newRow("the name is all after the first comma")
            << "DOCKINFO 0:1,A,b:c" << QStringList{"0/1/A,b:c"};
        QTest::newRow("a longer keyword is no DOCKINFO line") << "DOCKINFOS 0:1,A" << QStringList();
        QTest::newRow("another line") << "XPDR 0:1,A" << QStringList();
        QTest::newRow("no pairs at all") << "DOCKINFO" << QStringList();
    }
    void pairsOfLine() {
        QFETCH(QString, line);
        QStringList found;
        for (const DockPair& pair : DockPairsOfLine(line))
            found << QString("%1/%2/%3").arg(pair.ownPort).arg(pair.otherPort).arg(pair.other);
        QTEST(found, "pairs");
    }

    void pairsOfUnknownLines() {
        const std::vector<DockPair> pairs =
            DockPairsOf("  XPDR 466\r\n  DOCKINFO 0:1,A ; first\r\n  DOCKINFO 2:0,B");
        QCOMPARE(pairs.size(), std::size_t(2));
        QCOMPARE(pairs[0].text, QString("0:1,A"));
        QCOMPARE(pairs[1].other, QString("B"));
    }

    // Where each ship of a small scenario is shown: "-" for a ship its dock does not place,
    // else station / port as shown / planet.
    void dockedAt_data() {
        QTest::addColumn<QStringList>("blocks");
        QTest::addColumn<QStringList>("shown");
        const QString station = "S:Lifter|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655";
        QTest::newRow("a pair returned")
            << QStringList{station + "|DOCKINFO 0:2,V", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S"}
            << QStringList{"-", "S/1/Tarn"};
        QTest::newRow("a position of its own: not placed by its dock")
            << QStringList{station, "V:Kite|STATUS Orbiting Vesk|RPOS 1 2 3|DOCKINFO 0:0,S"}
            << QStringList{"-", "-"};
        QTest::newRow("orbital elements place it")
            << QStringList{station, "V:Kite|STATUS Orbiting Tarn|ELEMENTS 7e6 0 0 0 0 0 61000|DOCKINFO 0:0,S"}
            << QStringList{"-", "-"};
        QTest::newRow("a STATUS line of the older form docks it at a station")
            << QStringList{station, "V:Kite|STATUS Docked Tarn:Hub:1|DOCKINFO 0:0,S"}
            << QStringList{"-", "-"};
        QTest::newRow("a docked status without a station leaves it to its dock")
            << QStringList{station, "V:Kite|STATUS Docked|DOCKINFO 0:0,S"} << QStringList{"-", "S/1/Tarn"};
        QTest::newRow("a velocity alone places it")
            << QStringList{station, "V:Kite|STATUS Orbiting Tarn|RVEL 0 0 1|DOCKINFO 0:0,S"}
            << QStringList{"-", "-"};
        QTest::newRow("the chain of a tug leads through its hauler")
            << QStringList{"T:Kite|STATUS Orbiting Vesk|DOCKINFO 0:1,H",
                           "H:Ox|STATUS Orbiting Vesk|DOCKINFO 0:0,S 1:0,T", station}
            << QStringList{"H/2/Tarn", "S/1/Tarn", "-"};
        QTest::newRow("the first pair that leads to a position, not back through the ship")
            << QStringList{"V:Kite|STATUS Orbiting Vesk|DOCKINFO 0:0,P 1:3,S",
                           "P:Kite|STATUS Orbiting Vesk|DOCKINFO 0:0,V", station}
            << QStringList{"S/4/Tarn", "V/1/Tarn", "-"};
        QTest::newRow("no chain reaches a position: the first pair, the ship's own planet")
            << QStringList{"V:Kite|STATUS Orbiting Vesk|DOCKINFO 0:0,P",
                           "P:Kite|STATUS Orbiting Tarn|DOCKINFO 0:0,V"}
            << QStringList{"P/1/Vesk", "V/1/Tarn"};
        QTest::newRow("a partner not in the scenario: the name as the pair writes it")
            << QStringList{"V:Kite|STATUS Orbiting Vesk|DOCKINFO 3:0,Ghost"} << QStringList{"Ghost/1/Vesk"};
        QTest::newRow("names matched without letter case, the first of a name")
            << QStringList{station, "V:Kite|STATUS Orbiting Vesk|DOCKINFO 0:1,s",
                           "s:Kite|STATUS Orbiting Vesk|RPOS 1 2 3"}
            << QStringList{"-", "S/2/Tarn", "-"};
    }
    void dockedAt() {
        QFETCH(QStringList, blocks);
        const ScenarioReadResult read = ReadScenario(Scenario(blocks));
        const int count = static_cast<int>(read.shipNames.size());
        const ShipDocks docks(read.document, count);
        QStringList shown;
        for (int r = 0; r < count; ++r) {
            const ShipRow& row = read.document.ShipTable[std::size_t(r)];
            QCOMPARE(PlacementOf(read.document, row) == ShipPlacement::ByDock, docks.PlacedByDock(r));
            if (!docks.PlacedByDock(r)) {
                shown << "-";
                continue;
            }
            const ShipDockedAt at = docks.DockedAt(r);
            shown << at.station + '/' + at.port + '/' + at.planet;
            // The tab shows the same, its status option docked.
            const ShipEditorTexts texts = ShipDisplayTexts(read.document, r, docks);
            QCOMPARE(texts.status, ShipStatusChoice::Docked);
            QCOMPARE(texts.dockedStation + '/' + texts.dockedPort + '/' + texts.dockedPlanet, shown.last());
        }
        QTEST(shown, "shown");
    }

    void returned_data() {
        QTest::addColumn<QString>("partner");
        QTest::addColumn<bool>("returned");
        QTest::newRow("the same two ports") << "S:Lifter|DOCKINFO 2:0,V" << true;
        QTest::newRow("named in other case") << "S:Lifter|DOCKINFO 2:0,v" << true;
        QTest::newRow("among several pairs") << "S:Lifter|DOCKINFO 0:0,X 2:0,V" << true;
        QTest::newRow("the ports swapped") << "S:Lifter|DOCKINFO 0:2,V" << false;
        QTest::newRow("no pair back") << "S:Lifter|RPOS 1 2 3" << false;
    }
    void returned() {
        QFETCH(QString, partner);
        const ScenarioReadResult read = ReadScenario(Scenario({"V:Kite|DOCKINFO 0:2,S", partner}));
        const ShipDocks docks(read.document, 2);
        QTEST(docks.Returned(0, docks.Pairs(0).front()), "returned");
    }

    // The test installation's stack: the station Lifter (three ports by its class) holds a
    // glider and a hauler; a tug is docked at the hauler, whose class lists no port.
    void stackOfTodaysInstallation() {
        const ScenarioReadResult read = ReadScenario(TestDataFile(kLifterStack));
        const ShipDocks docks(read.document, 4);
        DockCounts classes;
        classes.Add("Lifter", 3);
        const std::vector<ShipStationPlace> stations = ShipStations(docks, read.document, classes);
        const TreeNodes tree = WithShipStations(BodyNodes({"Tarn", "   Skerry", "Vesk"}), stations);
        QCOMPARE(TreeLines(tree),
                 (QStringList{"[Tarn] 1",           "  [   Skerry] 2",  "  [Lifter] 7",     "    [Dock  1] 6",
                              "      [Glider-1] 7", "    [Dock  2] 6",  "      [Ox-1] 7",   "    [Dock  3] 6",
                              "  [Glider-1] 7",     "    [Dock  1] 6",  "      [Lifter] 7", "  [Ox-1] 7",
                              "    [Dock  1] 6",    "      [Lifter] 7", "    [Dock  2] 6",  "      [Tug-1] 7",
                              "  [Tug-1] 7",        "    [Dock  1] 6",  "      [Ox-1] 7",   "[Vesk] 1"}));
        // Each ship validates as it stands, a position asked of none, and a save of the rows
        // that the validations store writes the ships byte for byte as they were (the rest of
        // the file as the simulator reads it: the save lays out the blank lines between
        // sections in its own way).
        ScenarioDocument document = read.document;
        for (int r = 0; r < 4; ++r) {
            const ShipEditorTexts texts = ShipDisplayTexts(document, r, docks);
            const ShipValidation validation =
                ValidateShipRow(texts, PlanetFilesOnDisk(TestDataPath("today/Config/")),
                                OtherShipNames(document.ShipTable, 4, r));
            QVERIFY2(validation.Valid(), qPrintable(validation.Messages));
            document.ShipTable[std::size_t(r)] = StoredShipRow(document.ShipTable[std::size_t(r)], texts);
        }
        QCOMPARE(document.ShipTable[1].Status, QString("Orbiting"));
        const QByteArray saved = SavedScenarioBytes(document, 0, 4);
        const ScenarioComparison comparison = CompareScenarioTexts(TestDataFile(kLifterStack), saved);
        QVERIFY2(comparison.Same(), qPrintable(DifferencesText(comparison)));
        QCOMPARE(ShipSection(saved), ShipSection(TestDataFile(kLifterStack)));
    }

    // A ship placed by its dock keeps its status and place; only what the form edits changes.
    void storedRowKeepsThePlace() {
        ShipRow old;
        old.Status = "Orbiting";
        old.StatusRef = "Tarn";
        old.ArotX = "10";
        old.Fuel = "0.5";
        ShipEditorTexts texts;
        texts.name = "Renamed";
        texts.className = "Kite";
        texts.status = ShipStatusChoice::Docked;
        texts.placement = ShipPlacement::ByDock;
        texts.dockedStation = "Lifter";
        texts.dockedPort = "2";
        texts.dockedPlanet = "Vesk";
        texts.fuel = " 80 %";
        const ShipRow row = StoredShipRow(old, texts);
        QCOMPARE(row.Status, QString("Orbiting"));
        QCOMPARE(row.StatusRef, QString("Tarn"));
        QCOMPARE(row.DockedStation, QString());
        QCOMPARE(row.ArotX, QString("10"));
        QCOMPARE(row.Name, QString("Renamed"));
        QCOMPARE(row.Fuel, QString(" .8"));
    }

    // A free port of a station or of a ship is picked; the pick tells which of them.
    void portsOfShipsArePicked_data() {
        QTest::addColumn<int>("parentImage");
        QTest::addColumn<bool>("ofShip");
        QTest::newRow("a station's port") << int(StationNodeImage) << false;
        QTest::newRow("a ship's port") << int(ShipNodeImage) << true;
    }
    void portsOfShipsArePicked() {
        QFETCH(int, parentImage);
        PickNode node{"Dock  2", DockPortNodeImage, 0, QString("Lifter"), QString("Tarn"), parentImage};
        const std::optional<LocationPick> pick = PortPick(node);
        QVERIFY(pick.has_value());
        QCOMPARE(pick->number + '/' + pick->place, QString("2/Lifter"));
        QTEST(pick->ofShip, "ofShip");
    }
};

QTEST_GUILESS_MAIN(ShipDocksTest)
#include "test_ship_docks.moc"
