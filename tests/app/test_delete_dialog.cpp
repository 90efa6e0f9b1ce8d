// The delete dialog: protected names, the confirmation, the three equal ways to delete, the
// refresh of the list, and the trash that keeps a deleted file recoverable.
#include "app_fixture.h"
#include "widgets/dialogs/delete_dialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
enum class DeleteWay { Button, DoubleClick, Enter };

QListWidget* FileList(QDialog& d) {
    return FindControl<QListWidget>(d, "FileListtoDelete");
}

void DeleteBy(QDialog& d, const QString& name, DeleteWay way) {
    switch (way) {
    case DeleteWay::Button:
        QVERIFY(ClickEntry(FileList(d), name));
        Click(FindControl<QPushButton>(d, "Command1"));
        break;
    case DeleteWay::DoubleClick:
        QVERIFY(DoubleClickEntry(FileList(d), name));
        break;
    case DeleteWay::Enter:
        QVERIFY(ClickEntry(FileList(d), name));
        FileList(d)->setFocus();
        PressEnter(FileList(d));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(DeleteWay)

class DeleteDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void controls() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, "ScnDir"), w.get());
        QCOMPARE(d.objectName(), QString("DeleteFile"));
        QCOMPARE(d.windowTitle(), QString("Delete a scenario file"));
        QCOMPARE(FileList(d)->objectName(), QString("FileListtoDelete"));
        QCOMPARE(FileList(d)->toolTip(),
                 QString("List of the scenario files installed in the Skelvan configuration"));
        QCOMPARE(FindControl<QLabel>(d, "Label1")->text(), QString("Scenario file to delete"));
        QCOMPARE(FindControl<QLabel>(d, "Label3")->text(), QString("Scenario descripton"));
        QCOMPARE(FindControl<QLabel>(d, "FileDeleteDescription")->objectName(),
                 QString("FileDeleteDescription"));
        QCOMPARE(FindControl<QLabel>(d, "FileDeleteDescription")->text(), QString());
        QCOMPARE(FindControl<QLabel>(d, "FileDeleteDescription")->toolTip(),
                 QString("Selected scenario description"));
        QCOMPARE(FindControl<QPushButton>(d, "Command1")->text(), QString("Delete"));
        QCOMPARE(
            FindControl<QPushButton>(d, "Command1")->toolTip(),
            QString("Delete the selected scenario file. Both standard scenario files (Current save and quick "
                    "save) are protected from deleting in order to ensure to keep at least a scenario when "
                    "starting Skelvan"));
        QCOMPARE(FindControl<QPushButton>(d, "Command2")->text(), QString("Cancel"));
        QCOMPARE(
            FindControl<QPushButton>(d, "Command2")->toolTip(),
            QString(
                "Return to the Skelvan Scenario Editor main windows without deleting the selected scenario"));
        QCOMPARE(Entries(FileList(d)), QStringList({"(Current state).scn", "(Quicksave state).scn",
                                                    "Mission.scn", "NoShips.scn", "Plain.scn"}));
        QVERIFY(FileList(d)->selectedItems().isEmpty());
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
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, "ScnDir"), w.get());
        d.show();
        boxes.Expect("This file must not be deleted !", "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        DeleteBy(d, name, way);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(QFile::exists(sim.ScenarioPath(name)));
        QVERIFY(Entries(FileList(d)).contains(name));
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
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, "ScnDir"), w.get());
        d.show();
        // Cancel on the confirmation deletes nothing.
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Cancel);
        DeleteBy(d, "Mission.scn", way);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(QFile::exists(sim.ScenarioPath("Mission.scn")));
        const QByteArray bytes = sim.ScenarioBytes("Mission.scn");

        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "Mission.scn", way);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!QFile::exists(sim.ScenarioPath("Mission.scn")));
        // The dialog stays open, the list is read again and its first entry is selected.
        QVERIFY(d.isVisible());
        QCOMPARE(Entries(FileList(d)),
                 QStringList({"(Current state).scn", "(Quicksave state).scn", "NoShips.scn", "Plain.scn"}));
        QCOMPARE(FileList(d)->selectedItems().size(), 1);
        QCOMPARE(FileList(d)->selectedItems().first()->text(), QString("(Current state).scn"));
        QCOMPARE(FindControl<QLabel>(d, "FileDeleteDescription")->text(), QString("Current state"));
        // The file went to the trash and can be recovered from there.
        QCOMPARE(ReadTestFile(sim.Root() + "/data/Trash/files/Mission.scn"), bytes);
    }

    void protectionIsCaseSensitive() {
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        sim.WriteScenario("(current state).scn", "BEGIN_DESC\r\nlower case\r\nEND_DESC\r\n");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, "ScnDir"), w.get());
        d.show();
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "(current state).scn", DeleteWay::Button);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!QFile::exists(sim.ScenarioPath("(current state).scn")));
        QVERIFY(QFile::exists(sim.ScenarioPath("(Current state).scn")));
    }

    void lastFileAndNoSelection() {
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        for (const char* name :
             {"(Current state).scn", "(Quicksave state).scn", "Mission.scn", "NoShips.scn"})
            QVERIFY(QFile::remove(sim.ScenarioPath(name)));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, "ScnDir"), w.get());
        d.show();
        // Nothing selected: every way does nothing, and no box comes.
        Click(FindControl<QPushButton>(d, "Command1"));
        FileList(d)->setFocus();
        PressEnter(FileList(d));
        QCOMPARE(boxes.ShownTexts(), QStringList());
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "Plain.scn", DeleteWay::Button);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(FileList(d)->count(), 0);
        QCOMPARE(FindControl<QLabel>(d, "FileDeleteDescription")->text(), QString());
        Click(FindControl<QPushButton>(d, "Command1"));
        PressEnter(FileList(d));
        QCOMPARE(boxes.shown.size(), qsizetype(1));
        QVERIFY(d.isVisible());
        Click(FindControl<QPushButton>(d, "Command2"));
        QVERIFY(!d.isVisible());
    }

    void fileThatCannotBeRemovedStaysListed() {
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, "ScnDir"), w.get());
        d.show();
        QVERIFY(ClickEntry(FileList(d), "Plain.scn"));
        // Another program removed it after the list was read.
        QVERIFY(QFile::remove(sim.ScenarioPath("Plain.scn")));
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        boxes.ExpectStart("The file Plain.scn could not be deleted", "Warning", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        Click(FindControl<QPushButton>(d, "Command1"));
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(Entries(FileList(d)).contains("Plain.scn"));
    }

    void openScenarioSurvivesItsFile() {
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        const QString description = FindControl<QPlainTextEdit>(*w, "Description")->toPlainText();
        dialogs.Expect("DeleteFile", [](QDialog* dialog) {
            auto* list = FindControl<QListWidget>(*dialog, "FileListtoDelete");
            QVERIFY(DoubleClickEntry(list, "Mission.scn"));
            Click(FindControl<QPushButton>(*dialog, "Command2"));
        });
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        ChooseMenuItem(*w, "Menu11");
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!QFile::exists(sim.ScenarioPath("Mission.scn")));
        QCOMPARE(LabelText(*w, "scnfile"), QString("Mission.scn"));
        QCOMPARE(FindControl<QPlainTextEdit>(*w, "Description")->toPlainText(), description);
        QCOMPARE(DocumentOf(*w).Description,
                 QString("A training flight, with a comma\r\n  around PlanetA ; twice"));
    }
};

QTEST_MAIN(DeleteDialogTest)
#include "test_delete_dialog.moc"
