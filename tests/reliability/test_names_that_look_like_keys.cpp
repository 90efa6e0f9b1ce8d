// The start date, the system and the focus ship are looked up by key over the file, and the
// writer puts the ships after them: a ship, a station or a description line whose text
// begins with one of those keys must not take their place when the file is read again.
#include "document/dates.h"
#include "document/scenario_reader.h"
#include "document/scenario_writer.h"
#include "document/text_rules.h"
#include "test_registry.h"

#include <QTest>

namespace {
QByteArray Crlf(const QStringList& lines) { return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1(); }
} // namespace

class NamesThatLookLikeKeysTest : public QObject {
    Q_OBJECT
private slots:
    void environmentSurvivesSaving_data() {
        QTest::addColumn<QByteArray>("file");
        const QStringList environment = {"BEGIN_DESC", "System failure on board", "END_DESC",
                                         "BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 51981.5", "END_ENVIRONMENT",
                                         "BEGIN_FOCUS", "  Ship Kite", "END_FOCUS"};
        QTest::newRow("ship called Dateline")
            << Crlf(environment + QStringList{"BEGIN_SHIPS", "Dateline:Heron", "END", "Kite:Kestrel", "END", "END_SHIPS"});
        QTest::newRow("ship called Shipwright")
            << Crlf(environment + QStringList{"BEGIN_SHIPS", "Kite:Kestrel", "END", "Shipwright:Heron", "END", "END_SHIPS"});
        QTest::newRow("station called Systema")
            << Crlf(environment + QStringList{"BEGIN_STATIONS", "Systema:Dock", "  REF Earth", "  EL_MJD 51981.5",
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

    // A file that states a key nowhere else still finds it where it stands.
    void keyOnlyInsideASection() {
        const ScenarioReadResult r = ReadScenario(Crlf({"BEGIN_SHIPS", "Kite:Kestrel", "  Ship Gull", "END", "END_SHIPS"}));
        QCOMPARE(r.document.FocusShip, QStringLiteral("Gull"));
    }

    // Every minute of the last day the calendar offers comes back as written.
    void minutesOfTheLastDay() {
        const double lastDay = 2958465; // 31 December 9999
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QString text = MjdText(lastDay, minute / 60, minute % 60);
            const CalendarTime back = CalendarFromMjd(LeadingNumber(text));
            QVERIFY2(back.day == lastDay && back.hour * 60 + back.minute == minute, qPrintable(text));
        }
    }
};
SKELVAN_TEST(NamesThatLookLikeKeysTest);
#include "test_names_that_look_like_keys.moc"
