// The start date, the system and the focus ship are looked up by key over the file, and the
// writer puts the ships after them: a ship, a station or a description line whose text
// begins with one of those keys must not take their place when the file is read again.
#include "core/scenario/dates.h"
#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "core/text/text_rules.h"

#include <QTest>
#include <limits>

namespace {
QByteArray Crlf(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}
} // namespace

class NamesThatLookLikeKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void environmentSurvivesSaving_data() {
        QTest::addColumn<QByteArray>("file");
        const QStringList environment = {"BEGIN_DESC",      "System failure on board",
                                         "END_DESC",        "BEGIN_ENVIRONMENT",
                                         "  System Sol",    "  Date MJD 51981.5",
                                         "END_ENVIRONMENT", "BEGIN_FOCUS",
                                         "  Ship Kite",     "END_FOCUS"};
        QTest::newRow("ship called Dateline")
            << Crlf(environment +
                    QStringList{"BEGIN_SHIPS", "Dateline:Heron", "END", "Kite:Kestrel", "END", "END_SHIPS"});
        QTest::newRow("ship called Shipwright")
            << Crlf(environment + QStringList{"BEGIN_SHIPS", "Kite:Kestrel", "END", "Shipwright:Heron", "END",
                                              "END_SHIPS"});
        QTest::newRow("station called Systema") << Crlf(
            environment + QStringList{"BEGIN_STATIONS", "Systema:Dock", "  REF Earth", "  EL_MJD 51981.5",
                                      "  ELEMENTS 1 0 0 0 0 0", "  AROT 0 0 0", "END", "END_STATIONS",
                                      "BEGIN_SHIPS", "Kite:Kestrel", "END", "END_SHIPS"});
    }
    void environmentSurvivesSaving() {
        QFETCH(QByteArray, file);
        for (int round = 0; round < 2; ++round) {
            ScenarioReadResult r = ReadScenario(file);
            QCOMPARE(r.document.SystemName, QStringLiteral("Sol"));
            QCOMPARE(r.document.FocusShip, QStringLiteral("Kite"));
            // 13 March 2001, 12:00
            QCOMPARE(r.document.StartDate, 36963.0);
            QCOMPARE(r.document.StartHour, 12);
            QCOMPARE(r.document.StartMinute, 0);
            r.document.Description = ScenarioDescription(file);
            file = ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size()));
        }
    }

    // The description, the sections the editor does not write and the stations and ships
    // give a key only when no other line does; among them the last record wins.
    void keyOnlyWhereNoOtherLineHasIt_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("focus");
        QTest::newRow("system only in the description")
            << Crlf({"BEGIN_DESC", "System Sol", "END_DESC"}) << "Sol"
            << "";
        QTest::newRow("system only in an unknown section")
            << Crlf({"BEGIN_NOTES", "System Vega", "END_NOTES"}) << "Vega"
            << "";
        QTest::newRow("the later of two places wins")
            << Crlf({"BEGIN_DESC", "System Sol", "END_DESC", "BEGIN_SHIPS", "Kite:Kestrel", "  System Vega",
                     "END", "END_SHIPS"})
            << "Vega"
            << "";
        QTest::newRow("a line outside every section wins, even before them")
            << Crlf({"System Vega", "BEGIN_DESC", "System Sol", "END_DESC"}) << "Vega"
            << "";
        QTest::newRow("places apart, each key from its own")
            << Crlf({"BEGIN_NOTES", "Ship Gull", "END_NOTES", "", "System Sol", "BEGIN_SHIPS", "Kite:Kestrel",
                     "END", "END_SHIPS"})
            << "Sol"
            << "Gull";
        QTest::newRow("an unclosed description and the ships, the ships later")
            << Crlf({"BEGIN_DESC", "Ship Gull", "BEGIN_SHIPS", "Kite:Kestrel", "  Ship Heron", "END"}) << ""
            << "Heron";
    }
    void keyOnlyWhereNoOtherLineHasIt() {
        QFETCH(QByteArray, file);
        QFETCH(QString, system);
        QFETCH(QString, focus);
        const ScenarioReadResult r = ReadScenario(file);
        QCOMPARE(r.document.SystemName, system);
        QCOMPARE(r.document.FocusShip, focus);
        QCOMPARE(r.hasSystem, !system.isEmpty());
        QCOMPARE(r.hasFocusShip, !focus.isEmpty());
    }

    // A file that states a key nowhere else still finds it where it stands.
    void keyOnlyInsideASection() {
        const ScenarioReadResult r =
            ReadScenario(Crlf({"BEGIN_SHIPS", "Kite:Kestrel", "  Ship Gull", "END", "END_SHIPS"}));
        QCOMPARE(r.document.FocusShip, QStringLiteral("Gull"));
    }

    // Every minute of the first and the last day the calendar offers comes back as written.
    void minutesOfTheCalendarEnds_data() {
        QTest::addColumn<double>("day");
        QTest::newRow("31 December 9999") << 2958465.0;
        QTest::newRow("2 January 4713 BC") << -2415018.0;
    }
    void minutesOfTheCalendarEnds() {
        QFETCH(double, day);
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QString text = MjdText(day, minute / 60, minute % 60);
            const CalendarTime back = CalendarFromMjd(LeadingNumber(text));
            QVERIFY2(back.day == day && back.hour * 60 + back.minute == minute, qPrintable(text));
        }
    }

    // A time beyond the calendar is held at its nearest end instead of drifting at each save.
    void timesBeyondTheCalendar_data() {
        QTest::addColumn<double>("mjd");
        QTest::addColumn<double>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("a thousand times the age of the universe") << 5.1e45 << 2958465.0 << 23 << 59;
        QTest::newRow("largest number") << std::numeric_limits<double>::max() << 2958465.0 << 23 << 59;
        QTest::newRow("far past") << -1e20 << -2415018.0 << 0 << 0;
        QTest::newRow("1 January 10000") << 2958466.0 + 15018 << 2958465.0 << 23 << 59;
    }
    void timesBeyondTheCalendar() {
        QFETCH(double, mjd);
        QFETCH(double, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        const CalendarTime t = CalendarFromMjd(mjd);
        QCOMPARE(t.day, day);
        QCOMPARE(t.hour, hour);
        QCOMPARE(t.minute, minute);
    }

    // The reader drops control characters at the end of every line; a value that ends in them
    // is written without them, so that what is read back is what was written.
    void valuesEndingInControlCharacters() {
        ScenarioDocument document;
        document.ShipTableRedim(0);
        document.ShipTable[0].Name = QStringLiteral("Kite");
        document.ShipTable[0].ClassName = QStringLiteral("Kestrel");
        document.ShipTable[0].Status = QStringLiteral("Landed");
        document.ShipTable[0].Heading = QStringLiteral("45.5\x01\t ");
        const QByteArray bytes = ScenarioFileBytes(document, 0, 1);
        QVERIFY(bytes.contains("\r\n  HEADING 45.5\r\n"));
        QCOMPARE(ReadScenario(bytes).document.ShipTable[0].Heading, QStringLiteral("45.5"));
    }
};
QTEST_GUILESS_MAIN(NamesThatLookLikeKeysTest)
#include "test_names_that_look_like_keys.moc"
