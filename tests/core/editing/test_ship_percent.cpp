#include "core/editing/ship_percent.h"

#include <QTest>
#include <climits>

class ShipPercentTest : public QObject {
    Q_OBJECT
  private slots:
    void percentText_data() {
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("three quarters") << "0.75"
                                        << " 75 %" << 75;
        QTest::newRow("half as validation stores it") << " .5"
                                                      << " 50 %" << 50;
        QTest::newRow("full") << "1"
                              << " 100 %" << 100;
        QTest::newRow("retro half") << "-0.5"
                                    << "-50 %" << -50;
        QTest::newRow("quarter") << "0.25"
                                 << " 25 %" << 25;
        QTest::newRow("empty column") << ""
                                      << " 0 %" << 0;
        QTest::newRow("letters") << "abc"
                                 << " 0 %" << 0;
        QTest::newRow("fraction of a percent") << "0.755"
                                               << " 75.5 %" << 76;
        QTest::newRow("tie goes down to even") << "0.125"
                                               << " 12.5 %" << 12;
        QTest::newRow("tie goes up to even") << "0.375"
                                             << " 37.5 %" << 38;
        QTest::newRow("negative tie to even") << "-0.375"
                                              << "-37.5 %" << -38;
        QTest::newRow("negative tie down") << "-0.625"
                                           << "-62.5 %" << -62;
        QTest::newRow("beyond full") << "1.5"
                                     << " 150 %" << 150;
    }
    void percentText() {
        QFETCH(QString, fraction);
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(PercentText(fraction), text);
        QCOMPARE(PercentPosition(fraction), position);
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("-3.5") << -3.5 << -4;
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("2.49") << 2.49 << 2;
        QTest::newRow("2.51") << 2.51 << 3;
        QTest::newRow("-2.51") << -2.51 << -3;
        QTest::newRow("huge") << 1e20 << INT_MAX;
        QTest::newRow("huge negative") << -1e20 << INT_MIN;
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(RoundHalfEven(value), rounded);
    }

    void sliderText_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("75") << 75 << " 75 %";
        QTest::newRow("-50") << -50 << "-50 %";
        QTest::newRow("0") << 0 << " 0 %";
        QTest::newRow("-100") << -100 << "-100 %";
        QTest::newRow("100") << 100 << " 100 %";
    }
    void sliderText() {
        QFETCH(int, position);
        QFETCH(QString, text);
        QCOMPARE(SliderText(position), text);
    }

    void fractionText_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fraction");
        QTest::newRow("75 %") << " 75 %"
                              << " .75";
        QTest::newRow("-50 %") << "-50 %"
                               << "-.5";
        QTest::newRow("engine off") << "0"
                                    << " 0";
        QTest::newRow("empty") << ""
                               << " 0";
        QTest::newRow("-100 %") << "-100 %"
                                << "-1";
        QTest::newRow("100 %") << " 100 %"
                               << " 1";
        QTest::newRow("75.5 %") << " 75.5 %"
                                << " .755";
        QTest::newRow("1 %") << " 1 %"
                             << " .01";
    }
    void fractionText() {
        QFETCH(QString, caption);
        QFETCH(QString, fraction);
        QCOMPARE(FractionText(caption), fraction);
    }
};
QTEST_GUILESS_MAIN(ShipPercentTest)
#include "test_ship_percent.moc"
