#include "core/scenario/dates.h"
#include "core/scenario/day_dates.h"

#include <QDate>
#include <QTest>
#include <cmath>
#include <limits>

namespace {
double Day(int year, int month, int day) {
    return QDate(1899, 12, 30).daysTo(QDate(year, month, day));
}
} // namespace

class DatesTest : public QObject {
    Q_OBJECT
  private slots:
    void calendarFromMjd_data() {
        QTest::addColumn<double>("mjd");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("noon") << 51981.5 << QDate(2001, 3, 13) << 12 << 0;
        QTest::newRow("midnight") << 52000.0 << QDate(2001, 4, 1) << 0 << 0;
        QTest::newRow("J2000") << 51544.5 << QDate(2000, 1, 1) << 12 << 0;
        QTest::newRow("MJD origin") << 0.0 << QDate(1858, 11, 17) << 0 << 0;
        QTest::newRow("day zero") << 15018.0 << QDate(1899, 12, 30) << 0 << 0;
        // 12:30 written with 15 significant digits is a few microseconds early.
        QTest::newRow("shortened 12:30") << 52531.5208333333 << QDate(2002, 9, 14) << 12 << 30;
        // Two seconds before a whole minute is still cut off.
        QTest::newRow("seconds before minute")
            << 52531.5 + (30 * 60 - 2) / 86400.0 << QDate(2002, 9, 14) << 12 << 29;
        QTest::newRow("23:59:30") << 52000 + (86400 - 30) / 86400.0 << QDate(2001, 4, 1) << 23 << 59;
        // A hair below midnight, as a shortened text gives, is the next day.
        QTest::newRow("carry to next day") << 52000.99999999999 << QDate(2001, 4, 2) << 0 << 0;
        QTest::newRow("before 1899") << 10000.25 << QDate(1886, 4, 4) << 6 << 0;
    }
    void calendarFromMjd() {
        QFETCH(double, mjd);
        QFETCH(QDate, date);
        QFETCH(int, hour);
        QFETCH(int, minute);
        const CalendarTime t = CalendarFromMjd(mjd);
        QCOMPARE(t.day, Day(date.year(), date.month(), date.day()));
        QCOMPARE(t.hour, hour);
        QCOMPARE(t.minute, minute);
    }

    void mjdText_data() {
        QTest::addColumn<double>("day");
        QTest::addColumn<double>("hour");
        QTest::addColumn<double>("minute");
        QTest::addColumn<QString>("text");
        QTest::newRow("13 March 2001 12:00") << Day(2001, 3, 13) << 12.0 << 0.0 << "51981.5";
        QTest::newRow("14 September 2002 12:30") << Day(2002, 9, 14) << 12.0 << 30.0 << "52531.5208333333";
        QTest::newRow("1 January 2000") << Day(2000, 1, 1) << 0.0 << 0.0 << "51544";
        QTest::newRow("empty day") << 0.0 << 0.0 << 0.0 << "15018";
        QTest::newRow("MJD origin") << -15018.0 << 0.0 << 0.0 << "0";
    }
    void mjdText() {
        QFETCH(double, day);
        QFETCH(double, hour);
        QFETCH(double, minute);
        QFETCH(QString, text);
        QCOMPARE(MjdText(day, hour, minute), text);
    }

    void timeForms_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("mjd");
        QTest::newRow("MJD") << "MJD" << 51981.5 << 51981.5;
        QTest::newRow("JD") << "JD" << 2451545.0 << 51544.5;
        QTest::newRow("JE") << "JE" << 2000.0 << 51544.5;
        QTest::newRow("JE half year") << "JE" << 2001.5 << 51544.5 + 1.5 * 365.25;
        QTest::newRow("lower case is no form") << "jd" << 2451545.0 << 2451545.0;
        QTest::newRow("unknown form") << "XX" << 42.0 << 42.0;
    }
    void timeForms() {
        QFETCH(QString, form);
        QFETCH(double, value);
        QFETCH(double, mjd);
        QCOMPARE(MjdFromTimeForm(form, value), mjd);
    }

    // Every minute of a day survives being written as text and read back.
    void everyMinuteRoundTrips() {
        const double day = Day(2002, 9, 14);
        for (int hour = 0; hour < 24; ++hour) {
            for (int minute = 0; minute < 60; ++minute) {
                const CalendarTime t = CalendarFromMjd(MjdText(day, hour, minute).toDouble());
                QCOMPARE(t.day, day);
                QCOMPARE(t.hour, hour);
                QCOMPARE(t.minute, minute);
            }
        }
    }

    void absurdValuesStayInRange() {
        for (double v : {1e300, -1e300, std::numeric_limits<double>::infinity(), std::nan("")}) {
            const CalendarTime t = CalendarFromMjd(v);
            QVERIFY(t.hour >= 0 && t.hour <= 23);
            QVERIFY(t.minute >= 0 && t.minute <= 59);
        }
    }

    void dayCounts_data() {
        QTest::addColumn<double>("day");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day zero") << 0.0 << QDate(1899, 12, 30);
        QTest::newRow("first of 1900") << 2.0 << QDate(1900, 1, 1);
        QTest::newRow("mjd origin") << -15018.0 << QDate(1858, 11, 17);
        QTest::newRow("2001-03-13") << 36963.0 << QDate(2001, 3, 13);
        QTest::newRow("2000-01-01") << 36526.0 << QDate(2000, 1, 1);
    }
    void dayCounts() {
        QFETCH(double, day);
        QFETCH(QDate, date);
        QCOMPARE(DateFromDayCount(day), date);
        QCOMPARE(DayCountFromDate(date), day);
        QCOMPARE(DateFromDayCount(day + 0.75), date); // the time of day does not change the day
    }

    void absurdDayCountsStayValid() {
        QVERIFY(DateFromDayCount(1e300).isValid());
        QVERIFY(DateFromDayCount(-1e300).isValid());
        QVERIFY(DateFromDayCount(std::numeric_limits<double>::quiet_NaN()).isValid());
        QCOMPARE(DayCountFromDate(QDate()), 0.0);
    }
};
QTEST_GUILESS_MAIN(DatesTest)
#include "test_dates.moc"
