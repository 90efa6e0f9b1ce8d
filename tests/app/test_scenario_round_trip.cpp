// A scenario loaded through the dialog and saved again: the first tab shows the file, the
// description comes through whole, and the bytes written are the simulator's format.
#include "app_fixture.h"
#include "test_registry.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
// The text between the description markers, line ends included.
QByteArray DescriptionSection(const QByteArray& file) {
    const int begin = file.indexOf("BEGIN_DESC\r\n");
    const int end = file.indexOf("END_DESC\r\n");
    if (begin < 0 || end < begin) return QByteArray();
    return file.mid(begin + 12, end - begin - 12);
}
} // namespace

class ScenarioRoundTripTest : public QObject {
    Q_OBJECT
  private slots:
    void firstTabShowsTheFile() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        QString preview;
        LoadScenario(*w, "Mission.scn", &preview);
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(preview, QString("A training flight, with a comma\n  around PlanetA ; twice"));
        QCOMPARE(w->Description->toPlainText(),
                 QString("A training flight, with a comma\n  around PlanetA ; twice"));
        QCOMPARE(w->PlanetarySystem->currentText(), QString("SystemA"));
        QCOMPARE(w->Calendar->selectedDate(), QDate(2001, 3, 13));
        QCOMPARE(w->Hour->currentIndex(), 12);
        QCOMPARE(w->Minute->currentIndex(), 0);
        QCOMPARE(w->ShipFocus->text(), QString("Horizon"));
        QCOMPARE(w->PossibleShipFocus->count(), 2);
        QCOMPARE(w->PossibleShipFocus->itemText(0), QString("Horizon:ShipClassA"));
        QCOMPARE(w->PossibleShipFocus->itemText(1), QString("Dart:ShipClassA"));
        QCOMPARE(w->PossibleShipFocus->currentIndex(), 0);
        QVERIFY(w->Description->isVisible());
        QCOMPARE(w->ShipName->count(), 2);
        QCOMPARE(w->ShipName->currentIndex(), 0);
        QCOMPARE(w->StationName->count(), 1);
        QCOMPARE(w->StationName->itemText(0), QString("Orbiter"));
    }

    void savedUnchangedGivesTheSimulatorFormat() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Mission.scn");
        w->Menu13->trigger();
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(sim.scenarioBytes("Mission.scn"), ReadTestFile(TestDataPath("expected/Mission.saved.scn")));
    }

    void saveAsWritesTheSameBytes() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Mission.scn");
        DialogScript dialogs;
        dialogs.expect("SaveAs", SaveAsTyped(" Copy of mission "));
        w->Menu14->trigger();
        QVERIFY(dialogs.done());
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(w->scnfile->text(), QString("Copy of mission.scn"));
        const QByteArray expected = ReadTestFile(TestDataPath("expected/Mission.saved.scn"));
        QCOMPARE(sim.scenarioBytes("Copy of mission.scn"), expected);
        // "&Save" now writes to the new name.
        sim.writeScenario("Copy of mission.scn", "stale\r\n");
        w->Menu13->trigger();
        QCOMPARE(sim.scenarioBytes("Copy of mission.scn"), expected);
    }

    void descriptionComesThroughWhole_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("shown");
        QTest::newRow("comma") << QByteArray("A flight, with a comma\r\n") << "A flight, with a comma";
        QTest::newRow("several lines") << QByteArray("First line\r\nSecond line\r\nThird line\r\n")
                                       << "First line\nSecond line\nThird line";
        QTest::newRow("leading blanks")
            << QByteArray("   Indented text\r\n  and more\r\n") << "   Indented text\n  and more";
        QTest::newRow("semicolon") << QByteArray("Fuel low ; watch the gauge\r\n")
                                   << "Fuel low ; watch the gauge";
        QTest::newRow("empty line inside") << QByteArray("Before\r\n\r\nAfter\r\n") << "Before\n\nAfter";
        QTest::newRow("code page") << QByteArray("Caf\xe9 at 5\xb0 for 3\x80\r\n")
                                   << QString::fromUtf8("Café at 5° for 3€");
    }
    void descriptionComesThroughWhole() {
        QFETCH(QByteArray, section);
        QFETCH(QString, shown);
        SimulatorFixture sim;
        MessageScript boxes;
        QByteArray file = ReadTestFile(TestDataPath("sim/Scenarios/Plain.scn"));
        file.prepend("BEGIN_DESC\r\n" + section + "END_DESC\r\n\r\n");
        sim.writeScenario("Described.scn", file);
        auto w = sim.makeWindow();
        QString preview;
        LoadScenario(*w, "Described.scn", &preview);
        QCOMPARE(preview, shown);
        QCOMPARE(w->Description->toPlainText(), shown);
        w->Menu13->trigger();
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(DescriptionSection(sim.scenarioBytes("Described.scn")), section);
    }

    // The start date goes through the month calendar on loading and comes back from it on
    // saving: every date the reader can give must survive that unchanged.
    void startDateComesThroughASave_data() {
        QTest::addColumn<QByteArray>("dateLine");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("2001") << QByteArray("  Date MJD 51981.5") << QByteArray("  Date MJD 51981.5\r\n");
        QTest::newRow("year 50") << QByteArray("  Date JE 50") << QByteArray("  Date MJD -660693\r\n");
        QTest::newRow("year 50, 06:00")
            << QByteArray("  Date MJD -660692.75") << QByteArray("  Date MJD -660692.75\r\n");
        QTest::newRow("fourth millennium BC")
            << QByteArray("  Date MJD -2000000") << QByteArray("  Date MJD -2000000\r\n");
    }
    void startDateComesThroughASave() {
        QFETCH(QByteArray, dateLine);
        QFETCH(QByteArray, written);
        SimulatorFixture sim;
        MessageScript boxes;
        QByteArray file = ReadTestFile(TestDataPath("sim/Scenarios/Plain.scn"));
        file.replace("  Date MJD 51981.5", dateLine);
        sim.writeScenario("Dated.scn", file);
        auto w = sim.makeWindow();
        LoadScenario(*w, "Dated.scn");
        w->Menu13->trigger();
        QVERIFY(boxes.shown.isEmpty());
        const QByteArray saved = sim.scenarioBytes("Dated.scn");
        const qsizetype at = saved.indexOf("  Date ");
        QVERIFY(at >= 0);
        QCOMPARE(saved.mid(at, saved.indexOf("\r\n", at) + 2 - at), written);
    }

    void fileWithoutDescription() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        w->Description->setPlainText("left over from before");
        QString preview = "not set";
        LoadScenario(*w, "Plain.scn", &preview);
        QCOMPARE(preview, QString());
        QCOMPARE(w->Description->toPlainText(), QString());
        QCOMPARE(w->DescriptionText(), QString());
    }
};

SKELVAN_TEST(ScenarioRoundTripTest);
#include "test_scenario_round_trip.moc"
