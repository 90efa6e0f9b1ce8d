// The pairs of a PRPLEVEL line as the tank table reads them, and the line written back with
// only the levels that changed by number.
#include "core/scenario/tank_pairs.h"

#include <QTest>

class TankPairsTest : public QObject {
    Q_OBJECT
  private slots:
    void pairs_data() {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QStringList>("pairs"); // "<tank>=<level>"
        QTest::newRow("two tanks") << "0:1.000000 1:0.25" << QStringList{"0=1.000000", "1=0.25"};
        QTest::newRow("odd spacing") << "  0:1   2:0.5 " << QStringList{"0=1", "2=0.5"};
        QTest::newRow("a word without a colon is no pair") << "x 0:1" << QStringList{"0=1"};
        QTest::newRow("empty level, tank without number") << "0: :0.5" << QStringList{"0=", "=0.5"};
        QTest::newRow("only the first colon splits") << "3:0.5:1" << QStringList{"3=0.5:1"};
        QTest::newRow("nothing") << "" << QStringList();
    }
    void pairs() {
        QFETCH(QString, values);
        QFETCH(QStringList, pairs);
        QStringList read;
        for (const TankPair& pair : TankPairs(values))
            read << pair.tank.toString() + u'=' + pair.level.toString();
        QCOMPARE(read, pairs);
    }

    void lineWith_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("written");
        const QString three = "  PRPLEVEL 0:1.000000 1:0.250000 2:0.500000";
        QTest::newRow("nothing changed") << three << "0:1.000000 1:0.250000 2:0.500000"
                                         << "0:1.000000 1:0.250000 2:0.500000" << three;
        QTest::newRow("one tank changed") << three << "0:1.000000 1:0.300000 2:0.500000"
                                          << "0:1.000000 1:0.250000 2:0.500000"
                                          << "  PRPLEVEL 0:1.000000 1:0.300000 2:0.500000";
        // The slider sets every tank: one already at its level keeps its text.
        QTest::newRow("slider moved") << "  PRPLEVEL 0:1 1:0.5 2:0.25"
                                      << "0:0.500000 1:0.500000 2:0.500000"
                                      << "0:1 1:0.5 2:0.25"
                                      << "  PRPLEVEL 0:0.500000 1:0.5 2:0.500000";
        QTest::newRow("unchanged number in another spelling") << "  PRPLEVEL 0:1 1:.25"
                                                              << "0:1.000000 1:0.250000"
                                                              << "0:1 1:.25"
                                                              << "  PRPLEVEL 0:1 1:.25";
        QTest::newRow("odd spacing and a comment stay")
            << "   PRPLEVEL  0:1   1:0.25 ; main, then reserve"
            << "0:1 1:0.100000"
            << "0:1   1:0.25"
            << "   PRPLEVEL  0:1   1:0.100000 ; main, then reserve";
        QTest::newRow("a word without a colon stays") << "  PRPLEVEL x 0:1 1:0.25"
                                                      << "0:0.200000 1:0.25"
                                                      << "0:1 1:0.25"
                                                      << "  PRPLEVEL x 0:0.200000 1:0.25";
        QTest::newRow("keyword in lower case") << "  prplevel 0:1"
                                               << "0:0.750000"
                                               << "0:1"
                                               << "  prplevel 0:0.750000";
        // Another line of the block names its tanks in another order: its pairs stay.
        QTest::newRow("pairs of other tanks stay") << "  PRPLEVEL 1:0.5 0:1"
                                                   << "0:0.200000 1:0.5"
                                                   << "0:1 1:0.5"
                                                   << "  PRPLEVEL 1:0.5 0:1";
        QTest::newRow("a level that was no number, now one") << "  PRPLEVEL 0:full"
                                                             << "0:1.000000"
                                                             << "0:full"
                                                             << "  PRPLEVEL 0:1.000000";
    }
    void lineWith() {
        QFETCH(QString, line);
        QFETCH(QString, now);
        QFETCH(QString, read);
        QFETCH(QString, written);
        QCOMPARE(TankLineWith(line, now, read), written);
    }
};
QTEST_GUILESS_MAIN(TankPairsTest)
#include "test_tank_pairs.moc"
