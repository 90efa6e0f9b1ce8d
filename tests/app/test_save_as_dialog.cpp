// The save-as dialog: name completion, the overwrite question, and the difference between
// the button (closes in every case) and the Enter key (closes only after a save).
#include "support/simulator_fixture.h"
#include "widgets/dialogs/save_as_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
void LoadPlain(TYX& w) {
    LoadScenario(w, "Plain.scn");
    QCOMPARE(LabelText(w, ObjectNames::scnfile), QString("Plain.scn"));
}

QLineEdit* NameBox(QDialog& d) {
    return FindControl<QLineEdit>(d, ObjectNames::FileToSave);
}

// "S&ave as", a name typed and saved with the button or the Enter key; true when the dialog
// was still open after it.
bool SaveAsWith(TYX& w, const QString& typed, bool withEnter) {
    bool open = false;
    DialogScript dialogs;
    dialogs.Expect(ObjectNames::SaveAs, [&](QDialog* dialog) {
        Type(NameBox(*dialog), typed);
        if (withEnter)
            PressEnter(NameBox(*dialog));
        else
            Click(FindControl<QPushButton>(*dialog, ObjectNames::Command1));
        open = dialog->isVisible();
        if (open) QCOMPARE(NameBox(*dialog)->text(), typed);
    });
    ChooseMenuItem(w, ObjectNames::Menu14);
    if (!dialogs.Done()) QTest::qFail(qPrintable(dialogs.Missing()), __FILE__, __LINE__);
    return open;
}
} // namespace

class SaveAsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void controls() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        SaveAsDialog d(
            LabelText(*w, ObjectNames::ScnDir), QString(), [](const QString&) { return false; }, w.get());
        QCOMPARE(d.objectName(), QString(ObjectNames::SaveAs));
        QCOMPARE(d.windowTitle(), QString("Save the scenario file as ..."));
        QCOMPARE(FindControl<QListWidget>(d, ObjectNames::ScenarioFileList)->objectName(),
                 QString(ObjectNames::ScenarioFileList));
        QCOMPARE(FindControl<QListWidget>(d, ObjectNames::ScenarioFileList)->toolTip(),
                 QString("List of the scenario files already installed"));
        QCOMPARE(Entries(FindControl<QListWidget>(d, ObjectNames::ScenarioFileList)),
                 QStringList({"(Current state).scn", "(Quicksave state).scn", "Mission.scn", "NoShips.scn",
                              "Plain.scn"}));
        QCOMPARE(NameBox(d)->objectName(), QString(ObjectNames::FileToSave));
        QCOMPARE(NameBox(d)->text(), QString("NewScenario"));
        QCOMPARE(NameBox(d)->toolTip(), QString("Name of the scenario file to save"));
        QCOMPARE(FindControl<QPushButton>(d, ObjectNames::Command1)->text(), QString("Save as"));
        QCOMPARE(FindControl<QPushButton>(d, ObjectNames::Command1)->toolTip(), QString("Save the file"));
        QCOMPARE(FindControl<QPushButton>(d, ObjectNames::Command2)->text(), QString("Cancel"));
        QCOMPARE(FindControl<QPushButton>(d, ObjectNames::Command2)->toolTip(),
                 QString("Cancel the saving and close the windows"));
        d.show();
        QVERIFY(ClickEntry(FindControl<QListWidget>(d, ObjectNames::ScenarioFileList), "Mission.scn"));
        QCOMPARE(NameBox(d)->text(), QString("Mission.scn"));
    }

    void newNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withEnter");
        QTest::addColumn<QString>("file");
        QTest::newRow("default text, button") << "NewScenario" << false << "NewScenario.scn";
        QTest::newRow("default text, Enter") << "NewScenario" << true << "NewScenario.scn";
        QTest::newRow("blanks around") << "  Trip  " << false << "Trip.scn";
        QTest::newRow("extension in capitals") << "Trip.SCN" << true << "Trip.SCN";
    }
    void newNames() {
        QFETCH(QString, typed);
        QFETCH(bool, withEnter);
        QFETCH(QString, file);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadPlain(*w);
        QVERIFY(!SaveAsWith(*w, typed, withEnter));
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QVERIFY(QFile::exists(sim.ScenarioPath(file)));
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), file);
        // No second extension and no other new file.
        QCOMPARE(QDir(sim.ScenarioFolder()).entryList(QDir::Files).size(), 7);
    }

    void overwriteQuestion_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withEnter");
        QTest::addColumn<bool>("answerOk");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("OK, button") << "Mission.scn" << false << true << false;
        QTest::newRow("OK, Enter") << "Mission" << true << true << false;
        QTest::newRow("Cancel, button closes") << "Mission.scn" << false << false << false;
        QTest::newRow("Cancel, Enter stays open") << "Mission" << true << false << true;
        QTest::newRow("other letter case, Cancel") << "mission.SCN" << false << false << false;
        QTest::newRow("other letter case, OK") << "MISSION" << true << true << false;
    }
    void overwriteQuestion() {
        QFETCH(QString, typed);
        QFETCH(bool, withEnter);
        QFETCH(bool, answerOk);
        QFETCH(bool, stillOpen);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadPlain(*w);
        sim.WriteScenario("Mission.scn", "kept\r\n");
        boxes.Expect("Do you want to overwrite it ?", "This file already exists.", MsgButtons::OkCancel,
                     MsgIcon::Question, answerOk ? MsgResult::Ok : MsgResult::Cancel);
        QCOMPARE(SaveAsWith(*w, typed, withEnter), stillOpen);
        VERIFY_SCRIPT_DONE(boxes);
        // The existing file is the one written, never a second file of another letter case.
        QCOMPARE(QDir(sim.ScenarioFolder()).entryList(QDir::Files).size(), 6);
        QCOMPARE(sim.ScenarioBytes("Mission.scn") == QByteArray("kept\r\n"), !answerOk);
        const QString completed = typed.endsWith(".scn", Qt::CaseInsensitive) ? typed : typed + ".scn";
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), answerOk ? completed : QString("Plain.scn"));
    }

    // A blank name, or one that names a folder: the folder is the one picked in the tree.
    void refusedNameSavesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withEnter");
        QTest::addColumn<QString>("message");
        const QString blank = "A file name is needed to save the scenario.";
        const QString folder =
            "The file name cannot hold \"\\\" or \"/\": pick the folder in the tree of folders.";
        QTest::newRow("empty, button") << "" << false << blank;
        QTest::newRow("blanks, Enter") << "   " << true << blank;
        QTest::newRow("into a folder below, button") << "Sub\\Trip" << false << folder;
        QTest::newRow("beside the scenario folder, Enter") << "../Trip" << true << folder;
    }
    void refusedNameSavesNothing() {
        QFETCH(QString, typed);
        QFETCH(bool, withEnter);
        QFETCH(QString, message);
        SimulatorFixture sim(AppInstallation());
        QVERIFY(QDir(sim.ScenarioFolder()).mkdir("Sub"));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadPlain(*w);
        boxes.Expect(message, "Save the scenario file as ...", MsgButtons::Ok, MsgIcon::Exclamation);
        QVERIFY(SaveAsWith(*w, typed, withEnter));
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!QFile::exists(sim.ScenarioPath(".scn")));
        QVERIFY(!QFile::exists(sim.ScenarioPath("Sub/Trip.scn")));
        QVERIFY(!QFile::exists(sim.SimulatorFolder() + "/Trip.scn"));
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Plain.scn"));
    }

    void failedSave_data() {
        QTest::addColumn<bool>("withEnter");
        QTest::newRow("button closes") << false;
        QTest::newRow("Enter stays open") << true;
    }
    void failedSave() {
        QFETCH(bool, withEnter);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadPlain(*w);
        // A folder where the file would go: the file cannot be written.
        QVERIFY(QDir().mkpath(sim.ScenarioPath("Blocked.scn")));
        boxes.ExpectStart("The scenario could not be saved to ", "Saving failed", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        QCOMPARE(SaveAsWith(*w, "Blocked", withEnter), withEnter);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Plain.scn"));
        QVERIFY(QFileInfo(sim.ScenarioPath("Blocked.scn")).isDir());
    }

    void cancelSavesNothing() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadPlain(*w);
        DialogScript dialogs;
        int result = -1;
        dialogs.Expect(ObjectNames::SaveAs, [&](QDialog* dialog) {
            Click(FindControl<QPushButton>(*dialog, ObjectNames::Command2));
            QVERIFY(!dialog->isVisible());
            result = dialog->result();
        });
        ChooseMenuItem(*w, ObjectNames::Menu14);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!QFile::exists(sim.ScenarioPath("NewScenario.scn")));
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Plain.scn"));
    }

    void saveAsFromTheMenu() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        LoadPlain(*w);
        QVERIFY(FindControl<QComboBox>(*w, ObjectNames::ShipName)->count() > 0); // "S&ave as" needs a ship
        dialogs.Expect(ObjectNames::SaveAs, [](QDialog* d) {
            auto* list = FindControl<QListWidget>(*d, ObjectNames::ScenarioFileList);
            QVERIFY(ClickEntry(list, "NoShips.scn"));
            Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
        });
        boxes.Expect("Do you want to overwrite it ?", "This file already exists.", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        ChooseMenuItem(*w, ObjectNames::Menu14);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("NoShips.scn"));
    }
};

QTEST_MAIN(SaveAsDialogTest)
#include "test_save_as_dialog.moc"
