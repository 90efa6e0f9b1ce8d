// A scenario loaded through the dialog and saved again: the first tab shows the file, the
// description comes through whole, and the bytes written are the simulator's format.
#include "support/simulator_fixture.h"

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
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QString preview;
        LoadScenario(*w, "Mission.scn", &preview);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(preview, QString("A training flight, with a comma\n  around PlanetA ; twice"));
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(),
                 QString("A training flight, with a comma\n  around PlanetA ; twice"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PlanetarySystem)->currentText(), QString("SystemA"));
        QCOMPARE(FindControl<QCalendarWidget>(*w, ObjectNames::Calendar)->selectedDate(), QDate(2001, 3, 13));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::Hour)->currentIndex(), 12);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::Minute)->currentIndex(), 0);
        QCOMPARE(FindControl<QLabel>(*w, ObjectNames::ShipFocus)->text(), QString("Horizon"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus)->count(), 2);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus)->itemText(0),
                 QString("Horizon:ShipClassA"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus)->itemText(1),
                 QString("Dart:ShipClassA"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus)->currentIndex(), 0);
        QVERIFY(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->isVisible());
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::ShipName)->count(), 2);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::ShipName)->currentIndex(), 0);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::StationName)->count(), 1);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::StationName)->itemText(0), QString("Orbiter"));
    }

    void savedUnchangedGivesTheSimulatorFormat() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(sim.ScenarioBytes("Mission.scn"), TestDataFile("app/expected/Mission.saved.scn"));
    }

    void saveAsWritesTheSameBytes() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        DialogScript dialogs;
        dialogs.Expect(ObjectNames::SaveAs, SaveAsTyped(" Copy of mission "));
        ChooseMenuItem(*w, ObjectNames::Menu14);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Copy of mission.scn"));
        const QByteArray expected = TestDataFile("app/expected/Mission.saved.scn");
        QCOMPARE(sim.ScenarioBytes("Copy of mission.scn"), expected);
        // "&Save" now writes to the new name.
        sim.WriteScenario("Copy of mission.scn", "stale\r\n");
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QCOMPARE(sim.ScenarioBytes("Copy of mission.scn"), expected);
    }

    void descriptionComesThroughWhole_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("shown");
        QTest::newRow("several lines") << QByteArray("First line\r\nSecond line\r\nThird line\r\n")
                                       << "First line\nSecond line\nThird line";
        QTest::newRow("code page") << QByteArray("Caf\xe9 at 5\xb0 for 3\x80\r\n")
                                   << QString::fromUtf8("Café at 5° for 3€");
    }
    void descriptionComesThroughWhole() {
        QFETCH(QByteArray, section);
        QFETCH(QString, shown);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        QByteArray file = TestDataFile("app/sim/Scenarios/Plain.scn");
        file.prepend("BEGIN_DESC\r\n" + section + "END_DESC\r\n\r\n");
        sim.WriteScenario("Described.scn", file);
        auto w = sim.MakeWindow();
        QString preview;
        LoadScenario(*w, "Described.scn", &preview);
        QCOMPARE(preview, shown);
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(), shown);
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(DescriptionSection(sim.ScenarioBytes("Described.scn")), section);
    }

    // The start date goes through the month calendar on loading and comes back from it on
    // saving: every date the reader can give must survive that unchanged.
    void startDateComesThroughASave_data() {
        QTest::addColumn<QByteArray>("dateLine");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("2001") << QByteArray("  Date MJD 51981.5") << QByteArray("  Date MJD 51981.5\r\n");
        QTest::newRow("year 50") << QByteArray("  Date JE 50") << QByteArray("  Date JE 50\r\n");
        QTest::newRow("year 50, 06:00")
            << QByteArray("  Date MJD -660692.75") << QByteArray("  Date MJD -660692.75\r\n");
        QTest::newRow("fourth millennium BC")
            << QByteArray("  Date MJD -2000000") << QByteArray("  Date MJD -2000000\r\n");
    }
    void startDateComesThroughASave() {
        QFETCH(QByteArray, dateLine);
        QFETCH(QByteArray, written);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        QByteArray file = TestDataFile("app/sim/Scenarios/Plain.scn");
        file.replace("  Date MJD 51981.5", dateLine);
        sim.WriteScenario("Dated.scn", file);
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Dated.scn");
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        const QByteArray saved = sim.ScenarioBytes("Dated.scn");
        const qsizetype at = saved.indexOf("  Date ");
        QVERIFY(at >= 0);
        QCOMPARE(saved.mid(at, saved.indexOf("\r\n", at) + 2 - at), written);
    }

    void fileWithoutDescription() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        Paste(FindControl<QPlainTextEdit>(*w, ObjectNames::Description), "left over from before");
        boxes.Expect("Do you wish to save Mission.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        QString preview = "not set";
        LoadScenario(*w, "Plain.scn", &preview);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(preview, QString());
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(), QString());
        QCOMPARE(DocumentOf(*w).Description, QString());
        // Saved, the file has an empty description line.
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QVERIFY(sim.ScenarioBytes("Plain.scn").startsWith("BEGIN_DESC\r\n\r\nEND_DESC\r\n"));
    }
};

QTEST_MAIN(ScenarioRoundTripTest)
#include "test_scenario_round_trip.moc"
