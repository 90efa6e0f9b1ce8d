// The commands of the Files menu as the user meets them: the exit and its question, the save
// prompt before another scenario is opened, "&Save" and "S&ave as" refused or failing, and what
// a save takes from the first tab.
#include "support/simulator_fixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
// A second planetary system beside SystemA, around the same planet.
const QByteArray kSystemB = "Name = SystemB\r\nStar1 = SunB\r\nPlanet1 = PlanetA\r\n";

// The line of a saved file that starts with the given text, without its line end.
QByteArray LineStarting(const QByteArray& file, const QByteArray& start) {
    const qsizetype at = file.indexOf(start);
    return at < 0 ? QByteArray() : file.mid(at, file.indexOf("\r\n", at) - at);
}
} // namespace

Q_DECLARE_METATYPE(QKeySequence::StandardKey)

class FileCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    // The platform's usual keys reach the same commands as the menu items.
    void platformKeysChooseTheirItems_data() {
        QTest::addColumn<QKeySequence::StandardKey>("key");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("box");
        QTest::newRow("open") << QKeySequence::Open << ObjectNames::LoadFile
                              << "Do you wish to save Plain.scn ?";
        QTest::newRow("save as") << QKeySequence::SaveAs << ObjectNames::SaveAs << QString();
        QTest::newRow("quit") << QKeySequence::Quit << QString()
                              << "Are you sure you want to leave Skelvan Scenario Editor?";
    }
    void platformKeysChooseTheirItems() {
        QFETCH(QKeySequence::StandardKey, key);
        QFETCH(QString, dialog);
        QFETCH(QString, box);
        if (QKeySequence::keyBindings(key).isEmpty()) QSKIP("this platform has no key for the command");
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Plain.scn");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        if (!box.isEmpty())
            boxes.Expect(box, box.startsWith("Are") ? "Exit confirmation" : "Skelvan Scenario Editor",
                         MsgButtons::OkCancel, MsgIcon::None, MsgResult::Cancel);
        if (!dialog.isEmpty())
            dialogs.Expect(dialog,
                           [](QDialog* d) { Click(FindControl<QPushButton>(*d, ObjectNames::Command2)); });
        QTest::keySequence(w.get(), QKeySequence(key));
        VERIFY_SCRIPT_DONE(boxes);
        VERIFY_SCRIPT_DONE(dialogs);
        QVERIFY(w->isVisible());
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Plain.scn"));
    }

    void saveKeyWrites() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Plain.scn");
        sim.WriteScenario("Plain.scn", "stale\r\n");
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keySequence(w.get(), QKeySequence(QKeySequence::Save));
        QVERIFY(sim.ScenarioBytes("Plain.scn").startsWith("BEGIN_DESC\r\n"));
    }

    void exitCancelledLeavesEverything() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        boxes.Expect("Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Cancel);
        ChooseMenuItem(*w, ObjectNames::Menu16);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(w->isVisible());
    }

    void exitWithoutScenarioAsksOnce() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        // The start-up made the simulator's folder the working folder.
        QCOMPARE(QDir::currentPath(), sim.SimulatorFolder());
        boxes.Expect("Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok);
        ChooseMenuItem(*w, ObjectNames::Menu16);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!w->isVisible());
        // Closing returns to the start folder.
        QCOMPARE(QDir::currentPath(), sim.Root() + "/start");
    }

    void exitOffersToSave_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancel on the prompt") << false;
        QTest::newRow("save under a new name") << true;
    }
    void exitOffersToSave() {
        QFETCH(bool, save);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Mission.scn"));
        boxes.Expect("Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok);
        boxes.Expect("Do you wish to save Mission.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, save ? MsgResult::Ok : MsgResult::Cancel);
        if (save) {
            dialogs.Expect(ObjectNames::SaveAs, SaveAsTyped("Leaving"));
        }
        ChooseMenuItem(*w, ObjectNames::Menu16);
        VERIFY_SCRIPT_DONE(boxes);
        VERIFY_SCRIPT_DONE(dialogs);
        QVERIFY(!w->isVisible());
        QCOMPARE(QFile::exists(sim.ScenarioPath("Leaving.scn")), save);
    }

    void closeBoxAsksNothing() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QCOMPARE(boxes.ShownTexts(), QStringList());
    }

    void openWithoutScenarioHasNoPrompt() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile,
                       [](QDialog* d) { Click(FindControl<QPushButton>(*d, ObjectNames::Command2)); });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
    }

    void openOffersToSaveFirst_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancel goes straight to the load dialog") << false;
        QTest::newRow("OK shows the save-as dialog first") << true;
    }
    void openOffersToSaveFirst() {
        QFETCH(bool, save);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "NoShips.scn");
        const QByteArray before = sim.ScenarioBytes("NoShips.scn");
        boxes.Expect("Do you wish to save NoShips.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, save ? MsgResult::Ok : MsgResult::Cancel);
        // From the prompt a scenario without ships is saved as well.
        if (save) {
            dialogs.Expect(ObjectNames::SaveAs, SaveAsTyped("Kept"));
        }
        dialogs.Expect(ObjectNames::LoadFile,
                       [](QDialog* d) { Click(FindControl<QPushButton>(*d, ObjectNames::Command2)); });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(boxes);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(QFile::exists(sim.ScenarioPath("Kept.scn")), save);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString(save ? "Kept.scn" : "NoShips.scn"));
        QCOMPARE(sim.ScenarioBytes("NoShips.scn"), before);
    }

    void saveRefusedWithoutShips_data() {
        QTest::addColumn<QString>("menu");
        QTest::newRow("save") << ObjectNames::Menu13;
        QTest::newRow("save as") << ObjectNames::Menu14;
    }
    void saveRefusedWithoutShips() {
        QFETCH(QString, menu);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "NoShips.scn");
        const QByteArray before = sim.ScenarioBytes("NoShips.scn");
        boxes.Expect("You must have at least one ship in the scenario !", "Forbidden action", MsgButtons::Ok,
                     MsgIcon::Exclamation);
        ChooseMenuItem(*w, qPrintable(menu));
        VERIFY_SCRIPT_DONE(boxes);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(sim.ScenarioBytes("NoShips.scn"), before);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("NoShips.scn"));
        QCOMPARE(QDir(sim.ScenarioFolder()).entryList(QDir::Files).size(), 6);
    }

    void saveOverwritesWithoutAsking() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Plain.scn");
        QVERIFY(FindControl<QComboBox>(*w, ObjectNames::ShipName)->count() > 0); // "&Save" needs a ship
        sim.WriteScenario("Plain.scn", "stale\r\n");
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QVERIFY(sim.ScenarioBytes("Plain.scn") != QByteArray("stale\r\n"));
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Plain.scn"));
    }

    void failedSaveIsReported() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Plain.scn");
        const QByteArray before = sim.ScenarioBytes("Plain.scn");
        // The scenario folder has gone since the file was loaded.
        const QString moved = sim.SimulatorFolder() + "/Moved";
        QVERIFY(QDir().rename(sim.ScenarioFolder(), moved));
        boxes.ExpectStart("The scenario could not be saved to " +
                              QDir::toNativeSeparators(sim.ScenarioPath("Plain.scn")),
                          "Saving failed", MsgButtons::Ok, MsgIcon::Exclamation);
        ChooseMenuItem(*w, ObjectNames::Menu13);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Plain.scn"));
        QVERIFY(!QFileInfo::exists(sim.ScenarioFolder()));
        QCOMPARE(ReadTestFile(moved + "/Plain.scn"), before);
    }

    // A save writes what the controls of the first tab show, whatever the file held.
    void snapshotTakesTheControls() {
        SimulatorFixture sim(AppInstallation());
        sim.Write("sim/Config/SystemB.cfg", kSystemB);
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        Paste(FindControl<QPlainTextEdit>(*w, ObjectNames::Description),
              "First line, with a comma\n  second ; line");
        {
            // Dart orbits by position and velocity: kept at each pick that changes the start, as
            // the file has it (the hour is already 12).
            DialogScript dates;
            ExpectKeepShipsOnDateChange(dates, 2);
            PickDate(FindControl<QCalendarWidget>(*w, ObjectNames::Calendar), QDate(2001, 3, 14));
            Pick(FindControl<QComboBox>(*w, ObjectNames::Hour), 12);
            Pick(FindControl<QComboBox>(*w, ObjectNames::Minute), 30);
            VERIFY_SCRIPT_DONE(dates);
        }
        QVERIFY(PickText(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus), "Dart:ShipClassA"));
        ClickNamed(*w, ObjectNames::Command7);
        QCOMPARE(LabelText(*w, ObjectNames::ShipFocus), QString("Dart"));
        ChooseMenuItem(*w, ObjectNames::Menu13);
        const QByteArray saved = sim.ScenarioBytes("Mission.scn");
        QVERIFY(
            saved.startsWith("BEGIN_DESC\r\nFirst line, with a comma\r\n  second ; line\r\nEND_DESC\r\n"));
        QCOMPARE(LineStarting(saved, "  System "), QByteArray("  System SystemA"));
        // 14 March 2001 12:30 is day 36964.5208333... counted from 30 December 1899, MJD 51982.5208333...
        QVERIFY2(LineStarting(saved, "  Date MJD ").startsWith("  Date MJD 51982.52083"),
                 LineStarting(saved, "  Date MJD ").constData());
        QCOMPARE(LineStarting(saved, "  Ship "), QByteArray("  Ship Dart"));

        // Another planetary system empties the scenario; the file names the system chosen.
        boxes.Expect("As soon as you select a planetary system, all the stations and ships are reset !",
                     "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        ClickNamed(*w, ObjectNames::Check2);
        QVERIFY(PickText(FindControl<QComboBox>(*w, ObjectNames::PlanetarySystem), "SystemB"));
        ClickNamed(*w, ObjectNames::Command5); // a save needs a ship
        ChooseMenuItem(*w, ObjectNames::Menu13);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(LineStarting(sim.ScenarioBytes("Mission.scn"), "  System "), QByteArray("  System SystemB"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"
