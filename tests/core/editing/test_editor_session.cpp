#include "core/editing/editor_session.h"

#include <QTest>

namespace {
// A run of operations, one per word: "S+" adds a station, "S-i" deletes station i, "Si=N"
// stores station i named N; "P+", "P-i" and "Pi=N" the same for ships (of class "C" + N);
// "ci" shows ship row i, "E" empties the scenario, "GN" changes to the planetary system N, "k"
// keeps a snapshot and "R" restores it.
void Run(EditorSession& s, const QString& run) {
    EditorSnapshot kept;
    for (const QString& op : run.split(u' ', Qt::SkipEmptyParts)) {
        const int row =
            op.mid(op.startsWith("S-") || op.startsWith("P-") ? 2 : 1).section(u'=', 0, 0).toInt();
        StationControlTexts station;
        ShipEditorTexts ship;
        station.name = ship.name = op.section(u'=', 1);
        ship.className = "C" + ship.name;
        if (op == "S+")
            s.addStation();
        else if (op == "P+")
            s.addShip();
        else if (op.startsWith("S-"))
            s.deleteStation(row);
        else if (op.startsWith("P-"))
            s.deleteShip(row);
        else if (op[0] == u'S')
            s.storeStation(row, station, {});
        else if (op[0] == u'P')
            s.storeShip(row, ship);
        else if (op[0] == u'c')
            s.setCurrentShip(row);
        else if (op == "E")
            s.emptyScenario();
        else if (op[0] == u'G')
            s.changePlanetarySystem(op.mid(1));
        else if (op == "k")
            kept = s.snapshot();
        else if (op == "R")
            s.restore(kept);
    }
}
} // namespace

class EditorSessionTest : public QObject {
    Q_OBJECT
  private slots:
    // From a scenario of stations A, B and ships X, Y (focus X), each with its spare row: the
    // lists the session keeps, the rows of the tables (a ship's name and its unknown lines, which
    // move with it), the ship row shown when the scenario began to change, as undo shows it, and
    // what the session told, in order: S the stations, P the ships, F the focus entries, N the
    // system's name changed.
    void operations_data() {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QStringList>("stations");
        QTest::addColumn<QStringList>("ships");
        QTest::addColumn<QStringList>("focus");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("shipBefore");
        QTest::addColumn<QString>("told");
        const QStringList ab{"A", "B"}, xy{"X", "Y"}, focusXY{"X:CX", "Y:CY"};
        QTest::newRow("as read") << "" << ab << xy << focusXY << "A|B| Xx|Yy|" << 0 << "";
        QTest::newRow("a new ship waits for its validation")
            << "P+" << ab << QStringList{"X", "Y", "New Ship"} << focusXY << "A|B| Xx|Yy||" << 0 << "P";
        QTest::newRow("validated, it is offered as focus")
            << "P+ P2=Z" << ab << QStringList{"X", "Y", "Z"} << QStringList{"X:CX", "Y:CY", "Z:CZ"}
            << "A|B| Xx|Yy|Z|" << 0 << "PPF";
        QTest::newRow("a ship renamed") << "P0=W" << ab << QStringList{"W", "Y"}
                                        << QStringList{"W:CW", "Y:CY"} << "A|B| Wx|Yy|" << 0 << "PF";
        QTest::newRow("the first ship deleted: the last one stays in the spare row")
            << "P-0" << ab << QStringList{"Y"} << QStringList{"Y:CY"} << "A|B| Yy|Yy" << 0 << "PF";
        QTest::newRow("the last ship deleted, on the row shown")
            << "c1 P-1" << ab << QStringList{"X"} << QStringList{"X:CX"} << "A|B| Xx|Yy" << 1 << "PF";
        QTest::newRow("a row past the ships") << "c1 P-2" << ab << xy << focusXY << "A|B| Xx|Yy|" << 1 << "";
        QTest::newRow("a negative ship row") << "P--1" << ab << xy << focusXY << "A|B| Xx|Yy|" << 0 << "";
        QTest::newRow("a station renamed")
            << "S1=Q" << QStringList{"A", "Q"} << xy << focusXY << "A|Q| Xx|Yy|" << 0 << "S";
        QTest::newRow("the first station deleted")
            << "S-0" << QStringList{"B"} << xy << focusXY << "B|B Xx|Yy|" << 0 << "S";
        QTest::newRow("the last one leaves its row")
            << "S-0 S-0" << QStringList{} << xy << focusXY << "B|B Xx|Yy|" << 0 << "SS";
        QTest::newRow("a row past the stations") << "S-2" << ab << xy << focusXY << "A|B| Xx|Yy|" << 0 << "S";
        QTest::newRow("a new station")
            << "S+" << QStringList{"A", "B", "New Station"} << xy << focusXY << "A|B|| Xx|Yy|" << 0 << "S";
        QTest::newRow("emptied") << "c1 E" << QStringList{} << QStringList{} << QStringList{} << " " << 1
                                 << "SPF";
        QTest::newRow("another planetary system")
            << "c1 GOther" << QStringList{} << QStringList{} << QStringList{} << " " << 1 << "SPFN";
        QTest::newRow("restored") << "k E P+ S+ R" << ab << xy << focusXY << "A|B| Xx|Yy|" << 0
                                  << "SPFPSSPFN";
    }
    void operations() {
        QFETCH(QString, run);
        EditorSession session;
        ScenarioDocument read;
        read.FocusShip = "X";
        read.StationTableRedim(2);
        read.ShipTableRedim(2);
        for (const int k : {0, 1}) {
            read.StationTable[std::size_t(k)].Name = QString("AB")[k];
            read.ShipTable[std::size_t(k)].Name = QString("XY")[k];
            read.ShipTable[std::size_t(k)].ClassName = "C" + read.ShipTable[std::size_t(k)].Name;
            read.ShipTable[std::size_t(k)].OtherLines = QString("xy")[k];
        }
        session.openScenario(read, {"A", "B"}, {"X", "Y"}, {"X:CX", "Y:CY"}, true);
        QString told;
        const auto tell = [&](char what) { return [&told, what] { told += QLatin1Char(what); }; };
        connect(&session, &EditorSession::stationsChanged, this, tell('S'));
        connect(&session, &EditorSession::shipsChanged, this, tell('P'));
        connect(&session, &EditorSession::focusEntriesChanged, this, tell('F'));
        connect(&session, &EditorSession::systemNameChanged, this, tell('N'));
        Run(session, run);
        QTEST(told, "told");
        QTEST(session.stationNames(), "stations");
        QTEST(session.shipNames(), "ships");
        QTEST(session.focusEntries(), "focus");
        QStringList stations, ships;
        for (const StationRow& row : session.document().StationTable)
            stations.append(row.Name);
        for (const ShipRow& row : session.document().ShipTable)
            ships.append(row.Name + row.OtherLines);
        QTEST(stations.join(u'|') + " " + ships.join(u'|'), "rows");
        QTEST(session.takeRowsBeforeChange().second, "shipBefore");
        const bool emptied = (run.contains('E') || run.contains('G')) && !run.contains('R');
        QCOMPARE(session.document().FocusShip, emptied ? "" : "X");
        QCOMPARE(session.document().SystemName, run.contains('G') ? "Other" : "");
    }
};

QTEST_GUILESS_MAIN(EditorSessionTest)
#include "test_editor_session.moc"
