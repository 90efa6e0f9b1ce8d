// Docking edits between ships: each changes the pairs of both ships, and a save writes only the
// DOCKINFO lines and the place of the ships it changed.
#include "core/editing/dock_pairs.h"
#include "core/editing/editor_session.h"
#include "core/editing/scenario_saving.h"
#include "core/editing/ship_display.h"
#include "core/scenario/scenario_reader.h"

#include <QTest>

namespace {
// The ship section of a scenario of the system Corvid holding these blocks ("|" between lines).
QString Ships(const QStringList& blocks) {
    QString text = "BEGIN_SHIPS\r\n";
    for (const QString& block : blocks)
        text += QString(block).replace("|", "\r\n  ") + "\r\nEND\r\n";
    return text + "END_SHIPS";
}

QByteArray Scenario(const QStringList& blocks) {
    return ("BEGIN_ENVIRONMENT\r\n  System Corvid\r\nEND_ENVIRONMENT\r\n" + Ships(blocks) + "\r\n")
        .toLatin1();
}

QString ShipSection(const QByteArray& bytes) {
    const qsizetype begin = bytes.indexOf("BEGIN_SHIPS");
    const qsizetype end = bytes.indexOf("END_SHIPS", begin);
    return begin < 0 || end < 0 ? QString() : QString::fromLatin1(bytes.mid(begin, end - begin + 9));
}

// "dock <ship> <partner> <own port> <partner port>", "undock <ship>", "rename <ship> <name>",
// "delete <ship>"; rows and ports counted from 0.
int Apply(ScenarioDocument& document, int count, const QString& operation) {
    const QStringList words = operation.split(' ');
    const int ship = words.value(1).toInt();
    if (words[0] == "dock")
        DockShip(document, count, DockRequest{ship, words[2].toInt(), words[3].toInt(), words[4].toInt()});
    else if (words[0] == "undock")
        UndockShip(document, count, ship);
    else if (words[0] == "rename") {
        RenameInPairs(document, count, ship, words[2]);
        document.ShipTable[std::size_t(ship)].Name = words[2];
    } else if (words[0] == "delete") {
        RemovePairsOf(document, count, ship);
        for (int k = ship; k < count - 1; ++k)
            document.ShipTable[std::size_t(k)] = document.ShipTable[std::size_t(k) + 1];
        return count - 1;
    }
    return count;
}

const QString kStation = "S:Lifter|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655";
} // namespace

class DockPairsTest : public QObject {
    Q_OBJECT
  private slots:
    void edits_data() {
        QTest::addColumn<QStringList>("blocks");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("saved");
        const QString visitor = "V:Kite|STATUS Orbiting Vesk|RPOS 1 2 3|RVEL 4 5 6|FUEL 0.5";
        QTest::newRow("dock: a new line before the partner's END, the ship's place goes")
            << QStringList{kStation, visitor} << "dock 1 0 0 1"
            << QStringList{kStation + "|DOCKINFO 1:0,V",
                           "V:Kite|STATUS Orbiting Tarn|FUEL 0.5|DOCKINFO 0:1,S"};
        QTest::newRow("dock: added to the partner's line, after its pairs")
            << QStringList{kStation + "|XPDR 5|DOCKINFO 0:0,G ; glider", "G:Kite|DOCKINFO 0:0,S", visitor}
            << "dock 2 0 1 2"
            << QStringList{kStation + "|XPDR 5|DOCKINFO 0:0,G 2:1,V", "G:Kite|DOCKINFO 0:0,S",
                           "V:Kite|STATUS Orbiting Tarn|FUEL 0.5|DOCKINFO 1:2,S"};
        QTest::newRow("dock: a landed ship loses its pad")
            << QStringList{kStation, "V:Kite|STATUS Landed Vesk|BASE Ridge:1|HEADING 90|FUEL 1"}
            << "dock 1 0 0 1"
            << QStringList{kStation + "|DOCKINFO 1:0,V", "V:Kite|STATUS Orbiting Tarn|FUEL 1|DOCKINFO 0:1,S"};
        QTest::newRow("undock: the pair goes from both, the ship floats at the station's state")
            << QStringList{kStation + "|DOCKINFO 0:2,V", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S"}
            << "undock 1"
            << QStringList{kStation, "V:Kite|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655"};
        QTest::newRow("undock: several pairs on a line, only the ship's goes")
            << QStringList{kStation + "|DOCKINFO 0:0,V 1:0,G", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 0:0,S",
                           "G:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,S"}
            << "undock 1"
            << QStringList{kStation + "|DOCKINFO 1:0,G",
                           "V:Kite|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655",
                           "G:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,S"};
        QTest::newRow("undock from a chain: the tug leaves its hauler at the station's state")
            << QStringList{"T:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,H",
                           "H:Ox|STATUS Orbiting Tarn|DOCKINFO 0:0,S 1:0,T", kStation + "|DOCKINFO 0:0,H"}
            << "undock 0"
            << QStringList{"T:Kite|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655",
                           "H:Ox|STATUS Orbiting Tarn|DOCKINFO 0:0,S", kStation + "|DOCKINFO 0:0,H"};
        QTest::newRow("undock: a pair the partner does not return stays as read")
            << QStringList{kStation + "|DOCKINFO 0:2,V",
                           "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S 1:4,Ghost"}
            << "undock 1"
            << QStringList{kStation,
                           "V:Kite|STATUS Orbiting Tarn|DOCKINFO 1:4,Ghost|RPOS 6800000 0 0|RVEL 0 0 7655"};
        QTest::newRow("rename: the partners' pairs follow, other pairs as read")
            << QStringList{kStation + "|DOCKINFO 0:2,V 1:1,G", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,s",
                           "G:Kite|DOCKINFO 1:1,S"}
            << "rename 0 Hub"
            << QStringList{
                   "Hub:Lifter|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655|DOCKINFO 0:2,V 1:1,G",
                   "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,Hub", "G:Kite|DOCKINFO 1:1,Hub"};
        QTest::newRow("delete the station: its docked ship floats at its last state")
            << QStringList{kStation + "|DOCKINFO 0:2,V", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S"}
            << "delete 0" << QStringList{"V:Kite|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655"};
        QTest::newRow(
            "delete a hauler: the tug floats at the station's state, the station keeps its other pairs")
            << QStringList{"T:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,H",
                           "H:Ox|STATUS Orbiting Tarn|DOCKINFO 0:0,S 1:0,T",
                           kStation + "|DOCKINFO 0:0,H 1:0,G", "G:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,S"}
            << "delete 1"
            << QStringList{"T:Kite|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655",
                           kStation + "|DOCKINFO 1:0,G", "G:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,S"};
        QTest::newRow("delete: a ship with another chain keeps its place through it")
            << QStringList{"V:Kite|STATUS Orbiting Tarn|DOCKINFO 0:0,P 1:3,S",
                           "P:Kite|STATUS Orbiting Tarn|DOCKINFO 0:0,V", kStation + "|DOCKINFO 3:1,V"}
            << "delete 1"
            << QStringList{"V:Kite|STATUS Orbiting Tarn|DOCKINFO 1:3,S", kStation + "|DOCKINFO 3:1,V"};
    }
    void edits() {
        QFETCH(QStringList, blocks);
        QFETCH(QString, operation);
        const ScenarioReadResult read = ReadScenario(Scenario(blocks));
        ScenarioDocument document = read.document;
        const int count = Apply(document, static_cast<int>(blocks.size()), operation);
        QFETCH(QStringList, saved);
        QCOMPARE(ShipSection(SavedScenarioBytes(document, 0, count)), Ships(saved));
    }

    // A ship docked in the editor is shown docked at its partner's port, on the partner's body,
    // before any save; one taken out of its dock is not.
    void dockedShipIsPlacedByItsDock() {
        ScenarioDocument document =
            ReadScenario(Scenario({kStation, "V:Kite|STATUS Orbiting Vesk|RPOS 1 2 3"})).document;
        DockShip(document, 2, DockRequest{1, 0, 0, 2});
        const ShipDockedAt at = ShipDocks(document, 2).DockedAt(1);
        QVERIFY(ShipDocks(document, 2).PlacedByDock(1));
        QCOMPARE(at.station + '/' + at.port + '/' + at.planet, QString("S/3/Tarn"));
        QVERIFY(UndockShip(document, 2, 1));
        QVERIFY(!ShipDocks(document, 2).PlacedByDock(1));
        QVERIFY(!UndockShip(document, 2, 1));
    }

    void refusal_data() {
        QTest::addColumn<QStringList>("blocks");
        QTest::addColumn<QString>("request"); // ship partner own port partner port
        QTest::addColumn<QString>("refusal");
        const QStringList docked{kStation + "|DOCKINFO 0:2,V", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S",
                                 "G:Kite|STATUS Orbiting Tarn|RPOS 1 2 3"};
        QTest::newRow("a free port") << docked << "2 0 0 1"
                                     << "";
        QTest::newRow("the partner's port taken") << docked << "2 0 0 0"
                                                  << "Port 1 of S is taken by the ship V already.";
        QTest::newRow("the ship's own port taken") << docked << "0 2 0 0"
                                                   << "Port 1 of S is taken by the ship V already.";
        QTest::newRow("a port of the ship beyond any list") << docked << "2 0 40 1"
                                                            << "";
        QTest::newRow("the docked ship moves to another port of its partner") << docked << "1 0 2 1"
                                                                              << "";
        QTest::newRow("the docked ship takes another port of its own")
            << QStringList{kStation + "|DOCKINFO 0:2,V", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S 1:0,G",
                           "G:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,V"}
            << "1 0 1 1"
            << "Port 2 of V is taken by the ship G already.";
    }
    void refusal() {
        QFETCH(QStringList, blocks);
        QFETCH(QString, request);
        const QStringList n = request.split(' ');
        const ScenarioDocument document = ReadScenario(Scenario(blocks)).document;
        const int count = static_cast<int>(blocks.size());
        QTEST(
            DockRefusal(document, count, DockRequest{n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()}),
            "refusal");
    }

    // The session's operations change both ships of a pair: a ship given another status leaves
    // its dock, a renamed one is renamed in its partners' pairs, a deleted one leaves them.
    void sessionEdits_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("saved");
        const QString floating = "V:Kite|STATUS Orbiting Tarn|RPOS 6800000 0 0|RVEL 0 0 7655";
        QTest::newRow("as read") << ""
                                 << QStringList{kStation + "|DOCKINFO 0:2,V",
                                                "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S"};
        QTest::newRow("orbiting: it floats free") << "orbiting" << QStringList{kStation, floating};
        QTest::newRow("renamed") << "rename"
                                 << QStringList{kStation + "|DOCKINFO 0:2,Shuttle",
                                                "Shuttle:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S"};
        QTest::newRow("the station deleted") << "delete" << QStringList{floating};
        QTest::newRow("docked at another port")
            << "dock"
            << QStringList{kStation + "|DOCKINFO 1:0,V", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 0:1,S"};
    }
    void sessionEdits() {
        QFETCH(QString, operation);
        const ScenarioReadResult read = ReadScenario(
            Scenario({kStation + "|DOCKINFO 0:2,V", "V:Kite|STATUS Orbiting Tarn|DOCKINFO 2:0,S"}));
        EditorSession session;
        session.openScenario(read.document, {}, read.shipNames, {}, true);
        ShipEditorTexts texts = ShipDisplayTexts(session.document(), 1, ShipDocks(session.document(), 2));
        if (operation == "orbiting") {
            texts.status = ShipStatusChoice::Orbiting;
            session.storeShip(1, texts);
        } else if (operation == "rename") {
            texts.name = "Shuttle";
            session.storeShip(1, texts);
        } else if (operation == "delete") {
            QVERIFY(session.deleteShip(0));
        } else if (operation == "dock") {
            QCOMPARE(session.dockShip(DockRequest{1, 0, 0, 1}), QString());
        }
        QFETCH(QStringList, saved);
        QCOMPARE(ShipSection(SavedScenarioBytes(session.documentToSave(), 0, session.shipCount())),
                 Ships(saved));
    }

    void firstFreePort_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("port");
        QTest::newRow("no pairs") << "XPDR 1" << 0;
        QTest::newRow("port 0 used") << "DOCKINFO 0:1,A" << 1;
        QTest::newRow("a gap") << "DOCKINFO 0:1,A 2:0,B" << 1;
    }
    void firstFreePort() {
        QFETCH(QString, line);
        QTEST(FirstFreePort(DockPairsOf(line)), "port");
    }
};

QTEST_GUILESS_MAIN(DockPairsTest)
#include "test_dock_pairs.moc"
