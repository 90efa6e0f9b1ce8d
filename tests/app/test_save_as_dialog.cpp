// The save-as dialog: name completion, the overwrite question, and the difference between
// the button (closes in every case) and the Enter key (closes only after a save).
#include "app_fixture.h"
#include "test_registry.h"
#include "widgets/common/modal.h"
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
    QCOMPARE(w.scnfile->text(), QString("Plain.scn"));
}

// Types a name and saves with the button or the Enter key; true when the dialog is still open.
bool SaveAs(TYX& w, const QString& typed, bool withEnter) {
    SaveAsDialog dialog(&w);
    bool open = false;
    DialogScript dialogs;
    dialogs.expect("SaveAs", [&](QDialog*) {
        dialog.FileToSave->setText(typed);
        if (withEnter) {
            dialog.FileToSave->setFocus();
            PressEnter(dialog.FileToSave);
        } else {
            dialog.Command1->click();
        }
        open = dialog.isVisible();
        if (open) QCOMPARE(dialog.FileToSave->text(), typed);
    });
    ExecModal(&dialog);
    return open;
}
} // namespace

class SaveAsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void controls() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        SaveAsDialog d(w.get());
        QCOMPARE(d.objectName(), QString("SaveAs"));
        QCOMPARE(d.windowTitle(), QString("Save the scenario file as ..."));
        QCOMPARE(d.ScenarioFileList->objectName(), QString("ScenarioFileList"));
        QCOMPARE(d.ScenarioFileList->toolTip(), QString("List of the scenario files already installed"));
        QCOMPARE(Entries(d.ScenarioFileList), QStringList({"(Current state).scn", "(Quicksave state).scn",
                                                           "Mission.scn", "NoShips.scn", "Plain.scn"}));
        QCOMPARE(d.FileToSave->objectName(), QString("FileToSave"));
        QCOMPARE(d.FileToSave->text(), QString("NewScenario"));
        QCOMPARE(d.FileToSave->toolTip(), QString("Name of the scenario file to save"));
        QCOMPARE(d.Command1->text(), QString("Save as"));
        QCOMPARE(d.Command1->toolTip(), QString("Save the file"));
        QCOMPARE(d.Command2->text(), QString("Cancel"));
        QCOMPARE(d.Command2->toolTip(), QString("Cancel the saving and close the windows"));
        d.show();
        QVERIFY(ClickEntry(d.ScenarioFileList, "Mission.scn"));
        QCOMPARE(d.FileToSave->text(), QString("Mission.scn"));
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
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadPlain(*w);
        QVERIFY(!SaveAs(*w, typed, withEnter));
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(QFile::exists(sim.scenarioPath(file)));
        QCOMPARE(w->scnfile->text(), file);
        // No second extension and no other new file.
        QCOMPARE(QDir(sim.scenarioFolder()).entryList(QDir::Files).size(), 7);
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
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadPlain(*w);
        sim.writeScenario("Mission.scn", "kept\r\n");
        boxes.expect("Do you want to overwrite it ?", "This file already exists.", MsgButtons::OkCancel,
                     MsgIcon::Question, answerOk ? MsgResult::Ok : MsgResult::Cancel);
        QCOMPARE(SaveAs(*w, typed, withEnter), stillOpen);
        QVERIFY(boxes.done());
        // The existing file is the one written, never a second file of another letter case.
        QCOMPARE(QDir(sim.scenarioFolder()).entryList(QDir::Files).size(), 6);
        QCOMPARE(sim.scenarioBytes("Mission.scn") == QByteArray("kept\r\n"), !answerOk);
        const QString completed = typed.endsWith(".scn", Qt::CaseInsensitive) ? typed : typed + ".scn";
        QCOMPARE(w->scnfile->text(), answerOk ? completed : QString("Plain.scn"));
    }

    void blankNameSavesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withEnter");
        QTest::newRow("empty, button") << "" << false;
        QTest::newRow("blanks, Enter") << "   " << true;
    }
    void blankNameSavesNothing() {
        QFETCH(QString, typed);
        QFETCH(bool, withEnter);
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadPlain(*w);
        boxes.expect("A file name is needed to save the scenario.", "Save the scenario file as ...",
                     MsgButtons::Ok, MsgIcon::Exclamation);
        QVERIFY(SaveAs(*w, typed, withEnter));
        QVERIFY(boxes.done());
        QVERIFY(!QFile::exists(sim.scenarioPath(".scn")));
        QCOMPARE(w->scnfile->text(), QString("Plain.scn"));
    }

    void failedSave_data() {
        QTest::addColumn<bool>("withEnter");
        QTest::newRow("button closes") << false;
        QTest::newRow("Enter stays open") << true;
    }
    void failedSave() {
        QFETCH(bool, withEnter);
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadPlain(*w);
        // A folder where the file would go: the file cannot be written.
        QVERIFY(QDir().mkpath(sim.scenarioPath("Blocked.scn")));
        boxes.expectStart("The scenario could not be saved to ", "Saving failed", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        QCOMPARE(SaveAs(*w, "Blocked", withEnter), withEnter);
        QVERIFY(boxes.done());
        QCOMPARE(w->scnfile->text(), QString("Plain.scn"));
        QVERIFY(QFileInfo(sim.scenarioPath("Blocked.scn")).isDir());
    }

    void cancelSavesNothing() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadPlain(*w);
        SaveAsDialog dialog(w.get());
        DialogScript dialogs;
        dialogs.expect("SaveAs", [&](QDialog*) { dialog.Command2->click(); });
        QCOMPARE(ExecModal(&dialog), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(sim.scenarioPath("NewScenario.scn")));
        QCOMPARE(w->scnfile->text(), QString("Plain.scn"));
    }

    void saveAsFromTheMenu() {
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        LoadPlain(*w);
        if (w->ShipName->count() == 0) w->ShipName->addItem("Horizon");
        dialogs.expect("SaveAs", [](QDialog* d) {
            auto* list = d->findChild<QListWidget*>("ScenarioFileList");
            QVERIFY(ClickEntry(list, "NoShips.scn"));
            d->findChild<QPushButton*>("Command1")->click();
        });
        boxes.expect("Do you want to overwrite it ?", "This file already exists.", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        w->Menu14->trigger();
        QVERIFY(dialogs.done());
        QVERIFY(boxes.done());
        QCOMPARE(w->scnfile->text(), QString("NoShips.scn"));
    }
};

SKELVAN_TEST(SaveAsDialogTest);
#include "test_save_as_dialog.moc"
