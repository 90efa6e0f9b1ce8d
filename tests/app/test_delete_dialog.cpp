// The delete dialog: protected names, the confirmation, the three equal ways to delete, the
// refresh of the list, and the trash that keeps a deleted file recoverable.
#include "app_fixture.h"
#include "test_registry.h"
#include "widgets/dialogs/delete_dialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
enum class DeleteWay { Button, DoubleClick, Enter };

void DeleteBy(DeleteFileDialog& d, const QString& name, DeleteWay way) {
    switch (way) {
    case DeleteWay::Button:
        QVERIFY(ClickEntry(d.FileListtoDelete, name));
        d.Command1->click();
        break;
    case DeleteWay::DoubleClick:
        QVERIFY(DoubleClickEntry(d.FileListtoDelete, name));
        break;
    case DeleteWay::Enter:
        QVERIFY(ClickEntry(d.FileListtoDelete, name));
        d.FileListtoDelete->setFocus();
        PressEnter(d.FileListtoDelete);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(DeleteWay)

class DeleteDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void controls() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        DeleteFileDialog d(w.get());
        QCOMPARE(d.objectName(), QString("DeleteFile"));
        QCOMPARE(d.windowTitle(), QString("Delete a scenario file"));
        QCOMPARE(d.FileListtoDelete->objectName(), QString("FileListtoDelete"));
        QCOMPARE(d.FileListtoDelete->toolTip(),
                 QString("List of the scenario files installed in the Skelvan configuration"));
        QCOMPARE(d.Label1->text(), QString("Scenario file to delete"));
        QCOMPARE(d.Label3->text(), QString("Scenario descripton"));
        QCOMPARE(d.FileDeleteDescription->objectName(), QString("FileDeleteDescription"));
        QCOMPARE(d.FileDeleteDescription->text(), QString());
        QCOMPARE(d.FileDeleteDescription->toolTip(), QString("Selected scenario description"));
        QCOMPARE(d.Command1->text(), QString("Delete"));
        QCOMPARE(
            d.Command1->toolTip(),
            QString("Delete the selected scenario file. Both standard scenario files (Current save and quick "
                    "save) are protected from deleting in order to ensure to keep at least a scenario when "
                    "starting Skelvan"));
        QCOMPARE(d.Command2->text(), QString("Cancel"));
        QCOMPARE(
            d.Command2->toolTip(),
            QString(
                "Return to the Skelvan Scenario Editor main windows without deleting the selected scenario"));
        QCOMPARE(Entries(d.FileListtoDelete), QStringList({"(Current state).scn", "(Quicksave state).scn",
                                                           "Mission.scn", "NoShips.scn", "Plain.scn"}));
        QVERIFY(d.FileListtoDelete->selectedItems().isEmpty());
    }

    void protectedNamesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<DeleteWay>("way");
        QTest::newRow("current state, button") << "(Current state).scn" << DeleteWay::Button;
        QTest::newRow("quicksave state, double click") << "(Quicksave state).scn" << DeleteWay::DoubleClick;
        QTest::newRow("current state, Enter") << "(Current state).scn" << DeleteWay::Enter;
    }
    void protectedNamesAreRefused() {
        QFETCH(QString, name);
        QFETCH(DeleteWay, way);
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        DeleteFileDialog d(w.get());
        d.show();
        boxes.expect("This file must not be deleted !", "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        DeleteBy(d, name, way);
        QVERIFY(boxes.done());
        QVERIFY(QFile::exists(sim.scenarioPath(name)));
        QVERIFY(Entries(d.FileListtoDelete).contains(name));
        QVERIFY(d.isVisible());
    }

    void deleteWays_data() {
        QTest::addColumn<DeleteWay>("way");
        QTest::newRow("button") << DeleteWay::Button;
        QTest::newRow("double click") << DeleteWay::DoubleClick;
        QTest::newRow("Enter") << DeleteWay::Enter;
    }
    void deleteWays() {
        QFETCH(DeleteWay, way);
        SimulatorFixture sim;
        TrashInTemp trash(sim.tempPath() + "/data");
        MessageScript boxes;
        auto w = sim.makeWindow();
        DeleteFileDialog d(w.get());
        d.show();
        // Cancel on the confirmation deletes nothing.
        boxes.expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Cancel);
        DeleteBy(d, "Mission.scn", way);
        QVERIFY(boxes.done());
        QVERIFY(QFile::exists(sim.scenarioPath("Mission.scn")));
        const QByteArray bytes = sim.scenarioBytes("Mission.scn");

        boxes.expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "Mission.scn", way);
        QVERIFY(boxes.done());
        QVERIFY(!QFile::exists(sim.scenarioPath("Mission.scn")));
        // The dialog stays open, the list is read again and its first entry is selected.
        QVERIFY(d.isVisible());
        QCOMPARE(Entries(d.FileListtoDelete),
                 QStringList({"(Current state).scn", "(Quicksave state).scn", "NoShips.scn", "Plain.scn"}));
        QCOMPARE(d.FileListtoDelete->selectedItems().size(), 1);
        QCOMPARE(d.FileListtoDelete->selectedItems().first()->text(), QString("(Current state).scn"));
        QCOMPARE(d.FileDeleteDescription->text(), QString("Current state"));
        // The file went to the trash and can be recovered from there.
        QCOMPARE(ReadTestFile(sim.tempPath() + "/data/Trash/files/Mission.scn"), bytes);
    }

    void protectionIsCaseSensitive() {
        SimulatorFixture sim;
        TrashInTemp trash(sim.tempPath() + "/data");
        sim.writeScenario("(current state).scn", "BEGIN_DESC\r\nlower case\r\nEND_DESC\r\n");
        MessageScript boxes;
        auto w = sim.makeWindow();
        DeleteFileDialog d(w.get());
        d.show();
        boxes.expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "(current state).scn", DeleteWay::Button);
        QVERIFY(boxes.done());
        QVERIFY(!QFile::exists(sim.scenarioPath("(current state).scn")));
        QVERIFY(QFile::exists(sim.scenarioPath("(Current state).scn")));
    }

    void lastFileAndNoSelection() {
        SimulatorFixture sim;
        TrashInTemp trash(sim.tempPath() + "/data");
        for (const char* name :
             {"(Current state).scn", "(Quicksave state).scn", "Mission.scn", "NoShips.scn"})
            QVERIFY(QFile::remove(sim.scenarioPath(name)));
        MessageScript boxes;
        auto w = sim.makeWindow();
        DeleteFileDialog d(w.get());
        d.show();
        // Nothing selected: every way does nothing, and no box comes.
        d.Command1->click();
        d.FileListtoDelete->setFocus();
        PressEnter(d.FileListtoDelete);
        QVERIFY(boxes.shown.isEmpty());
        boxes.expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "Plain.scn", DeleteWay::Button);
        QVERIFY(boxes.done());
        QCOMPARE(d.FileListtoDelete->count(), 0);
        QCOMPARE(d.FileDeleteDescription->text(), QString());
        d.Command1->click();
        PressEnter(d.FileListtoDelete);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(d.isVisible());
        d.Command2->click();
        QVERIFY(!d.isVisible());
    }

    void fileThatCannotBeRemovedStaysListed() {
        SimulatorFixture sim;
        TrashInTemp trash(sim.tempPath() + "/data");
        MessageScript boxes;
        auto w = sim.makeWindow();
        DeleteFileDialog d(w.get());
        d.show();
        QVERIFY(ClickEntry(d.FileListtoDelete, "Plain.scn"));
        // Another program removed it after the list was read.
        QVERIFY(QFile::remove(sim.scenarioPath("Plain.scn")));
        boxes.expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        boxes.expectStart("The file Plain.scn could not be deleted", "Warning", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        d.Command1->click();
        QVERIFY(boxes.done());
        QVERIFY(Entries(d.FileListtoDelete).contains("Plain.scn"));
    }

    void openScenarioSurvivesItsFile() {
        SimulatorFixture sim;
        TrashInTemp trash(sim.tempPath() + "/data");
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Mission.scn");
        const QString description = w->DescriptionText();
        dialogs.expect("DeleteFile", [](QDialog* dialog) {
            auto* list = dialog->findChild<QListWidget*>("FileListtoDelete");
            QVERIFY(DoubleClickEntry(list, "Mission.scn"));
            dialog->findChild<QPushButton*>("Command2")->click();
        });
        boxes.expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        w->Menu11->trigger();
        QVERIFY(dialogs.done());
        QVERIFY(boxes.done());
        QVERIFY(!QFile::exists(sim.scenarioPath("Mission.scn")));
        QCOMPARE(w->scnfile->text(), QString("Mission.scn"));
        QCOMPARE(w->DescriptionText(), description);
    }
};

SKELVAN_TEST(DeleteDialogTest);
#include "test_delete_dialog.moc"
