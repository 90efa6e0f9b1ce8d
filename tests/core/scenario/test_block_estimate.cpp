// The count of station and ship blocks the reader makes its tables from: exact for the files
// the simulator and this program write, and never more rows than a file gives, however it is
// made; the rows read never depend on it.
#include "core/scenario/block_estimate.h"
#include "core/scenario/scenario_reader.h"
#include "scenario_columns.h"

#include <QTest>

class BlockEstimateTest : public QObject {
    Q_OBJECT
  private slots:
    void estimate_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("stations");
        QTest::addColumn<int>("ships");
        QTest::addColumn<bool>("exact"); // false: the estimate may be short, never more
        const QByteArray station = Crlf({"ST:Lantern", "  REF Earth", "  EL_MJD 51544.5",
                                         "  ELEMENTS 6778137 0 51.6 0 0 0", "  AROT 0 0 0", "END"});
        const QByteArray ship = Crlf({"K0:Kestrel", "  STATUS Landed Earth", "  ENGINE_MAIN 0.5", "END"});
        QTest::newRow("written form")
            << Crlf({"BEGIN_STATIONS"}) + station + station + Crlf({"END_STATIONS"}) + Crlf({"BEGIN_SHIPS"}) +
                   ship + ship + ship + Crlf({"END_SHIPS"})
            << 2 << 3 << true;
        QTest::newRow("LF line ends")
            << QByteArray("BEGIN_SHIPS\nA:B\nEND\nC:D\n  FUEL 1\nEND\nEND_SHIPS\n") << 0 << 2 << true;
        QTest::newRow("markers in lower case, with comments")
            << Crlf({"begin_ships ; all", "A:B", "end", "; between", "C:D", "END ; last", "End_Ships"}) << 0
            << 2 << true;
        QTest::newRow("blank lines and comments between blocks")
            << Crlf({"BEGIN_SHIPS", "", "  ; first", "A:B", "END", "", "C:D", "END", "", "END_SHIPS"}) << 0
            << 2 << true;
        QTest::newRow("last block without END")
            << Crlf({"BEGIN_SHIPS", "A:B", "END", "C:D", "  FUEL 1", "END_SHIPS"}) << 0 << 2 << true;
        QTest::newRow("file ends inside a block")
            << Crlf({"BEGIN_STATIONS", "A:B", "END", "C:D", "  REF Earth"}) << 2 << 0 << true;
        QTest::newRow("ship named like an end marker")
            << Crlf({"BEGIN_SHIPS", "Endeavour:Heron", "END", "ENDS:Heron", "END", "END_SHIPS"}) << 0 << 2
            << true;
        QTest::newRow("stray END lines make no block")
            << Crlf({"BEGIN_SHIPS", "END", "END", "A:B", "END", "END", "END", "END_SHIPS"}) << 0 << 1 << true;
        QTest::newRow("nothing but END lines")
            << Crlf({"BEGIN_SHIPS", "END", "END", "END", "END", "END_SHIPS"}) << 0 << 0 << true;
        QTest::newRow("empty sections")
            << Crlf({"BEGIN_STATIONS", "END_STATIONS", "BEGIN_SHIPS", "END_SHIPS"}) << 0 << 0 << true;
        QTest::newRow("lone CR line ends: estimated short")
            << QByteArray("BEGIN_SHIPS\rA:B\rEND\rC:D\rEND\rEND_SHIPS\r") << 0 << 2 << false;
        QTest::newRow("indented END: estimated short")
            << Crlf({"BEGIN_SHIPS", "A:B", "  END", "C:D", "  END", "END_SHIPS"}) << 0 << 2 << false;
    }
    void estimate() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, stations);
        QFETCH(int, ships);
        QFETCH(bool, exact);
        const ScenarioReadResult read = ReadScenario(bytes);
        QCOMPARE(read.stationNames.size(), qsizetype(stations));
        QCOMPARE(read.shipNames.size(), qsizetype(ships));
        const BlockEstimate estimate = EstimateBlocks(bytes);
        QVERIFY(estimate.stations <= stations);
        QVERIFY(estimate.ships <= ships);
        if (exact) {
            QCOMPARE(estimate.stations, qsizetype(stations));
            QCOMPARE(estimate.ships, qsizetype(ships));
        }
    }

    // A large file of END lines alone reserves nothing, where one row each would be many
    // times the file's size.
    void endLinesReserveNothing() {
        QByteArray bytes = "BEGIN_SHIPS\r\n";
        for (int i = 0; i < 100000; ++i)
            bytes += "END\r\n";
        const BlockEstimate estimate = EstimateBlocks(bytes);
        QCOMPARE(estimate.ships, qsizetype(0));
        QCOMPARE(estimate.stations, qsizetype(0));
    }
};

QTEST_GUILESS_MAIN(BlockEstimateTest)
#include "test_block_estimate.moc"
