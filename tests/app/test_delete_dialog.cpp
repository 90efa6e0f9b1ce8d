// The delete dialog: protected names, the confirmation, the three equal ways to delete, the
// refresh of the list, and the trash that keeps a deleted file recoverable.
#include "support/simulator_fixture.h"
#include "support/trash_scope.h"
#include "widgets/dialogs/delete_dialog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace {
enum class DeleteWay { Button, DoubleClick, Enter };

QListWidget* FileList(QDialog& d) {
    return FindControl<QListWidget>(d, ObjectNames::FileListtoDelete);
}

void DeleteBy(QDialog& d, const QString& name, DeleteWay way) {
    switch (way) {
    case DeleteWay::Button:
        QVERIFY(ClickEntry(FileList(d), name));
        Click(FindControl<QPushButton>(d, ObjectNames::Command1));
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

// Every file and folder below a folder, hidden ones included, by their paths relative to it.
QStringList Tree(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(folder).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

// A path of the test given relative to the temporary root when it starts with "@/".
QString BelowRoot(const SimulatorFixture& sim, const QString& path) {
    return path.startsWith(QLatin1String("@/")) ? sim.Root() + path.mid(1) : path;
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
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
        QCOMPARE(d.objectName(), QString(ObjectNames::DeleteFile));
        QCOMPARE(d.windowTitle(), QString("Delete a scenario file"));
        QCOMPARE(FileList(d)->objectName(), QString(ObjectNames::FileListtoDelete));
        QCOMPARE(FileList(d)->toolTip(),
                 QString("List of the scenario files installed in the Skelvan configuration"));
        QCOMPARE(FindControl<QLabel>(d, ObjectNames::Label1)->text(), QString("Scenario file to delete"));
        QCOMPARE(FindControl<QLabel>(d, ObjectNames::Label3)->text(), QString("Scenario descripton"));
        QCOMPARE(FindControl<QLabel>(d, ObjectNames::FileDeleteDescription)->objectName(),
                 QString(ObjectNames::FileDeleteDescription));
        QCOMPARE(FindControl<QLabel>(d, ObjectNames::FileDeleteDescription)->text(), QString());
        QCOMPARE(FindControl<QLabel>(d, ObjectNames::FileDeleteDescription)->toolTip(),
                 QString("Selected scenario description"));
        QCOMPARE(FindControl<QPushButton>(d, ObjectNames::Command1)->text(), QString("Delete"));
        QCOMPARE(
            FindControl<QPushButton>(d, ObjectNames::Command1)->toolTip(),
            QString("Delete the selected scenario file. Both standard scenario files (Current save and quick "
                    "save) are protected from deleting in order to ensure to keep at least a scenario when "
                    "starting Skelvan"));
        QCOMPARE(FindControl<QPushButton>(d, ObjectNames::Command2)->text(), QString("Cancel"));
        QCOMPARE(
            FindControl<QPushButton>(d, ObjectNames::Command2)->toolTip(),
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
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
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
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
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
        QCOMPARE(FindControl<QLabel>(d, ObjectNames::FileDeleteDescription)->text(),
                 QString("Current state"));
        // The file went to the trash and can be recovered from there.
        QCOMPARE(ReadTestFile(sim.Root() + "/data/Trash/files/Mission.scn"), bytes);
    }

    void protectionIsCaseSensitive() {
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        sim.WriteScenario("(current state).scn", "BEGIN_DESC\r\nlower case\r\nEND_DESC\r\n");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
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
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
        d.show();
        // Nothing selected: every way does nothing, and no box comes.
        Click(FindControl<QPushButton>(d, ObjectNames::Command1));
        FileList(d)->setFocus();
        PressEnter(FileList(d));
        QCOMPARE(boxes.ShownTexts(), QStringList());
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "Plain.scn", DeleteWay::Button);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(FileList(d)->count(), 0);
        QCOMPARE(FindControl<QLabel>(d, ObjectNames::FileDeleteDescription)->text(), QString());
        Click(FindControl<QPushButton>(d, ObjectNames::Command1));
        PressEnter(FileList(d));
        QCOMPARE(boxes.shown.size(), qsizetype(1));
        QVERIFY(d.isVisible());
        Click(FindControl<QPushButton>(d, ObjectNames::Command2));
        QVERIFY(!d.isVisible());
    }

    void fileThatCannotBeRemovedStaysListed() {
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
        d.show();
        QVERIFY(ClickEntry(FileList(d), "Plain.scn"));
        // Another program removed it after the list was read.
        QVERIFY(QFile::remove(sim.ScenarioPath("Plain.scn")));
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        boxes.ExpectStart("The file Plain.scn could not be deleted", "Warning", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        Click(FindControl<QPushButton>(d, ObjectNames::Command1));
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(Entries(FileList(d)).contains("Plain.scn"));
    }

    // On an account without a data folder (a fresh one, or a server's) there is no trash: the
    // file is deleted, as the confirmation said, and no folder appears in the working folder,
    // the simulator, configuration or scenario folder, nor in the home. A data folder named by
    // a relative path counts as none, since it would lie in the working folder.
    void deletedWithoutDataFolder_data() {
        QTest::addColumn<bool>("homeDataFolder");      // the home holds .local/share
        QTest::addColumn<QString>("dataHome");         // XDG_DATA_HOME; unset when empty
        QTest::addColumn<QString>("workingSubfolder"); // made in the working folder first
        QTest::newRow("fresh home") << false << ""
                                    << "";
        QTest::newRow("named data folder that is missing") << false << "@/data"
                                                           << "";
        QTest::newRow("relative data folder") << true << "data"
                                              << "";
        QTest::newRow("relative data folder in the working folder") << true << "data"
                                                                    << "data";
    }
    void deletedWithoutDataFolder() {
        QFETCH(bool, homeDataFolder);
        QFETCH(QString, dataHome);
        QFETCH(QString, workingSubfolder);
        SimulatorFixture sim(AppInstallation());
        const QString home = sim.Root() + "/home";
        HomeInTemp homeScope(home, dataHome.isEmpty() ? std::nullopt
                                                      : std::optional<QString>(BelowRoot(sim, dataHome)));
        if (homeDataFolder) QVERIFY(QDir().mkpath(home + "/.local/share"));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        // The editor works in the simulator's folder once it has found it.
        QCOMPARE(QDir::currentPath(), QDir(sim.SimulatorFolder()).canonicalPath());
        if (!workingSubfolder.isEmpty()) QVERIFY(QDir().mkpath(workingSubfolder));
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
        d.show();
        QStringList expected = Tree(sim.Root());
        QVERIFY(expected.removeOne("sim/Scenarios/Mission.scn"));

        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "Mission.scn", DeleteWay::Button);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!QFile::exists(sim.ScenarioPath("Mission.scn")));
        QCOMPARE(Tree(sim.Root()), expected);
        QVERIFY(!Entries(FileList(d)).contains("Mission.scn"));
    }

    // With a data folder the file goes to the trash inside it, with the note of where it came
    // from, and nothing else changes.
    void deletedIntoDataFolderTrash_data() {
        QTest::addColumn<QString>("dataHome"); // XDG_DATA_HOME; unset when empty
        QTest::addColumn<QString>("trash");    // below the temporary root
        QTest::newRow("the home's data folder") << ""
                                                << "home/.local/share/Trash";
        QTest::newRow("a data folder named") << "@/data"
                                             << "data/Trash";
    }
    void deletedIntoDataFolderTrash() {
        QFETCH(QString, dataHome);
        QFETCH(QString, trash);
        SimulatorFixture sim(AppInstallation());
        const QString home = sim.Root() + "/home";
        HomeInTemp homeScope(home, dataHome.isEmpty() ? std::nullopt
                                                      : std::optional<QString>(BelowRoot(sim, dataHome)));
        QVERIFY(QDir().mkpath(dataHome.isEmpty() ? home + "/.local/share" : BelowRoot(sim, dataHome)));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
        d.show();
        const QByteArray bytes = sim.ScenarioBytes("Mission.scn");
        QStringList expected = Tree(sim.Root());
        QVERIFY(expected.removeOne("sim/Scenarios/Mission.scn"));
        expected << trash << trash + "/files" << trash + "/files/Mission.scn" << trash + "/info"
                 << trash + "/info/Mission.scn.trashinfo";
        expected.sort();

        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        DeleteBy(d, "Mission.scn", DeleteWay::Button);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(Tree(sim.Root()), expected);
        QCOMPARE(ReadTestFile(sim.Root() + "/" + trash + "/files/Mission.scn"), bytes);
        const QByteArray note = ReadTestFile(sim.Root() + "/" + trash + "/info/Mission.scn.trashinfo");
        QVERIFY2(
            note.contains("\nPath=" + QUrl::toPercentEncoding(sim.ScenarioPath("Mission.scn"), "/") + "\n"),
            note.constData());
    }

    void openScenarioSurvivesItsFile() {
        SimulatorFixture sim(AppInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        const QString description = FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText();
        dialogs.Expect(ObjectNames::DeleteFile, [](QDialog* dialog) {
            auto* list = FindControl<QListWidget>(*dialog, ObjectNames::FileListtoDelete);
            QVERIFY(DoubleClickEntry(list, "Mission.scn"));
            Click(FindControl<QPushButton>(*dialog, ObjectNames::Command2));
        });
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        ChooseMenuItem(*w, ObjectNames::Menu11);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!QFile::exists(sim.ScenarioPath("Mission.scn")));
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Mission.scn"));
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(), description);
        QCOMPARE(DocumentOf(*w).Description,
                 QString("A training flight, with a comma\r\n  around PlanetA ; twice"));
    }
};

QTEST_MAIN(DeleteDialogTest)
#include "test_delete_dialog.moc"
