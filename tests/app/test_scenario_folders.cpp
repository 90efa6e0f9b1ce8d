// Scenario folders in the load, save-as and delete dialogs, on a test installation laid out as
// the simulator installs it today: the tree beside the file list, a scenario opened two
// folders down, saved, saved as into another folder and deleted there, the protected names at
// the top and in a folder below, a folder that cannot be read, and opening from outside.
#include "opening_checks.h"
#include "support/core/unreadable_folder.h"
#include "support/trash_scope.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <functional>

namespace {
const QString kVeskPass = "The Corvid System\\Outer flybys\\Vesk Pass.scn";
const QString kVeskPassText = "A fast pass by Vesk, the small dry planet.";

QTreeWidget* Folders(const QDialog& d) {
    return FindControl<QTreeWidget>(d, ObjectNames::ScenarioFolders);
}

// The items of the tree, parents before children, indented by depth: "+" for an open item, "*"
// for the picked one. The installation's vessel and base scenarios have tests of their own.
QStringList FolderLines(const QDialog& d) {
    QStringList lines;
    const QTreeWidget* tree = Folders(d);
    std::function<void(QTreeWidgetItem*, int)> visit = [&](QTreeWidgetItem* item, int depth) {
        if (depth == 1 && item->text(0) == "Installation") return;
        lines << QString(depth * 2, u' ') + item->text(0) + (item->isExpanded() ? " +" : "") +
                     (tree->currentItem() == item ? " *" : "");
        for (int c = 0; c < item->childCount(); ++c)
            visit(item->child(c), depth + 1);
    };
    for (int r = 0; r < tree->topLevelItemCount(); ++r)
        visit(tree->topLevelItem(r), 0);
    return lines;
}

QString Picked(const QDialog& d) {
    const QTreeWidgetItem* item = Folders(d)->currentItem();
    return item ? item->text(0) : QString();
}

QString Description(const TYX& w) {
    return FindControl<QPlainTextEdit>(w, ObjectNames::Description)->toPlainText();
}

// The scenario folder of the copy, the files a user sees in it: the folders below it apart.
QStringList TopFiles(const SimulatorFixture& sim) {
    return QDir(sim.ScenarioFolder()).entryList(QDir::Files, QDir::Name);
}
} // namespace

class ScenarioFoldersTest : public QObject {
    Q_OBJECT
  private slots:
    // Before the first load every dialog opens on the top: the scenario folder, open, its
    // folders below sorted by name, the links back up left out.
    void treeBeforeTheFirstLoad() {
        SimulatorFixture sim(TodayInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        const QStringList tree{"Scenarios + *", "  Empty Hangar",      "  First Orbits", "  Kite Trials",
                               "  Placements",  "  The Corvid System", "    Moons",      "    Outer flybys"};
        dialogs.Expect(ObjectNames::DeleteFile, [&](QDialog* d) {
            QCOMPARE(FolderLines(*d), tree);
            QCOMPARE(Entries(FindControl<QListWidget>(*d, ObjectNames::FileListtoDelete)),
                     QStringList({"(Current state).scn", "(Quicksave state).scn"}));
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu11);
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            QCOMPARE(FolderLines(*d), tree);
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
    }

    // A single click on a folder lists its scenario files, and the preview is emptied.
    void folderLists_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("a folder with no scenario") << "Empty Hangar\\" << QStringList();
        QTest::newRow("one folder down, the protected names")
            << "Kite Trials\\"
            << QStringList{"(Current state).scn", "(Quicksave state).scn", "Hop to Skerry.scn"};
        QTest::newRow("two folders down")
            << "The Corvid System\\Outer flybys\\" << QStringList{"Long Coast.scn", "Vesk Pass.scn"};
        QTest::newRow("a folder that holds folders and a file")
            << "The Corvid System\\" << QStringList{"Grand Tour.scn"};
        QTest::newRow("back at the top") << "" << QStringList{"(Current state).scn", "(Quicksave state).scn"};
    }
    void folderLists() {
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        SimulatorFixture sim(TodayInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            auto* list = FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad);
            QVERIFY(ClickEntry(list, "(Quicksave state).scn"));
            QCOMPARE(FindControl<QLabel>(*d, ObjectNames::Label3)->text(),
                     QString("Saved in flight, a moment ago."));
            if (folder.isEmpty()) QVERIFY(PickScenarioFolder(*d, "Kite Trials\\"));
            QVERIFY(PickScenarioFolder(*d, folder));
            QCOMPARE(Entries(list), files);
            QVERIFY(list->selectedItems().isEmpty());
            QCOMPARE(FindControl<QLabel>(*d, ObjectNames::Label3)->text(), QString());
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
    }

    // It is shown, greyed and saying so, and lists nothing, though a scenario is in it.
    void unreadableFolder() {
        SimulatorFixture sim(TodayInstallation());
        sim.WriteScenario("Locked Drafts/Draft.scn", ScenarioDescribed("Draft"));
        const UnreadableFolder locked(sim.ScenarioPath("Locked Drafts"));
        if (!locked.Ready()) QSKIP(qPrintable(locked.Reason()));
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            QTreeWidgetItem* item = TreeItem(Folders(*d), {"Scenarios", "Locked Drafts"});
            QVERIFY(item);
            QCOMPARE(item->toolTip(0), QString("This folder cannot be read."));
            QCOMPARE(item->childCount(), 0);
            QVERIFY(PickScenarioFolder(*d, "Locked Drafts\\"));
            QCOMPARE(Entries(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad)), QStringList());
            QVERIFY(PickScenarioFolder(*d, "Kite Trials\\"));
            QCOMPARE(Entries(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad)).size(), 3);
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
    }

    // Opened two folders down, saved in place, saved as into another folder and deleted there;
    // each dialog opens on the folder of the open scenario.
    void openSaveSaveAsAndDelete() {
        SimulatorFixture sim(TodayInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        QString preview;
        LoadScenario(*w, kVeskPass, &preview);
        QCOMPARE(preview, kVeskPassText);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), kVeskPass);
        QCOMPARE(Description(*w), kVeskPassText);
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::ShipName)), QStringList({"Swift", "Martin"}));
        QCOMPARE(FindControl<QStatusBar>(*w, ObjectNames::StatusBar)->currentMessage(),
                 "Loaded " + kVeskPass);
        QCOMPARE(
            QFileInfo(LabelText(*w, ObjectNames::StatusFile)).canonicalFilePath(),
            QFileInfo(sim.ScenarioPath("The Corvid System/Outer flybys/Vesk Pass.scn")).canonicalFilePath());
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent), QStringList{"&1 " + kVeskPass});

        // "&Save" writes the file where it was read, and nothing at the top.
        const QStringList topFiles = TopFiles(sim);
        Paste(FindControl<QPlainTextEdit>(*w, ObjectNames::Description), "Past Vesk, and back.");
        ChooseMenuItem(*w, ObjectNames::Menu13);
        const QByteArray saved = sim.ScenarioBytes("The Corvid System/Outer flybys/Vesk Pass.scn");
        QVERIFY(saved.contains("BEGIN_DESC\r\nPast Vesk, and back.\r\nEND_DESC\r\n"));
        QCOMPARE(TopFiles(sim), topFiles);
        QCOMPARE(boxes.ShownTexts(), QStringList());

        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            QCOMPARE(Picked(*d), QString("Outer flybys"));
            QCOMPARE(Entries(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad)),
                     QStringList({"Long Coast.scn", "Vesk Pass.scn"}));
            d->reject();
        });
        boxes.Expect("Do you wish to save " + kVeskPass + " ?", "Skelvan Scenario Editor",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Cancel);
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);

        // Save as: the bare name typed, the folder picked in the tree.
        dialogs.Expect(ObjectNames::SaveAs, [&](QDialog* d) {
            QCOMPARE(Picked(*d), QString("Outer flybys"));
            auto* list = FindControl<QListWidget>(*d, ObjectNames::ScenarioFileList);
            QCOMPARE(Entries(list), QStringList({"Long Coast.scn", "Vesk Pass.scn"}));
            QVERIFY(PickScenarioFolder(*d, "Kite Trials\\"));
            QCOMPARE(Entries(list),
                     QStringList({"(Current state).scn", "(Quicksave state).scn", "Hop to Skerry.scn"}));
            Type(FindControl<QLineEdit>(*d, ObjectNames::FileToSave), "Copy of the pass");
            Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
        });
        ChooseMenuItem(*w, ObjectNames::Menu14);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Kite Trials\\Copy of the pass.scn"));
        QCOMPARE(sim.ScenarioBytes("Kite Trials/Copy of the pass.scn"), saved);
        QCOMPARE(TopFiles(sim), topFiles);
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent),
                 QStringList({"&1 Kite Trials\\Copy of the pass.scn", "&2 " + kVeskPass}));

        // Delete: the dialog opens on the new file's folder and deletes from there.
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        dialogs.Expect(ObjectNames::DeleteFile, [&](QDialog* d) {
            QCOMPARE(Picked(*d), QString("Kite Trials"));
            auto* list = FindControl<QListWidget>(*d, ObjectNames::FileListtoDelete);
            QVERIFY(ClickEntry(list, "Copy of the pass.scn"));
            Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
            QCOMPARE(Entries(list),
                     QStringList({"(Current state).scn", "(Quicksave state).scn", "Hop to Skerry.scn"}));
            QCOMPARE(list->selectedItems().value(0)->text(), QString("(Current state).scn"));
            QCOMPARE(FindControl<QLabel>(*d, ObjectNames::FileDeleteDescription)->text(),
                     QString("A copy of an earlier state, kept by hand."));
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu11);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(!QFile::exists(sim.ScenarioPath("Kite Trials/Copy of the pass.scn")));
        QVERIFY(QFile::exists(sim.ScenarioPath("The Corvid System/Outer flybys/Vesk Pass.scn")));
        // The editor keeps the scenario, as after deleting its file at the top.
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Kite Trials\\Copy of the pass.scn"));

        // Its folder gone too, the dialogs open on the top.
        QVERIFY(QDir(sim.ScenarioFolder()).rename("Kite Trials", "Kite Trials, done"));
        dialogs.Expect(ObjectNames::DeleteFile, [&](QDialog* d) {
            QCOMPARE(Picked(*d), QString("Scenarios"));
            QCOMPARE(Entries(FindControl<QListWidget>(*d, ObjectNames::FileListtoDelete)),
                     QStringList({"(Current state).scn", "(Quicksave state).scn"}));
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu11);
        VERIFY_SCRIPT_DONE(dialogs);
    }

    // Protected at the top, where the simulator writes them; the same names below are the
    // user's own files.
    void protectedNames_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isProtected");
        QTest::newRow("current state at the top") << ""
                                                  << "(Current state).scn" << true;
        QTest::newRow("quicksave state at the top") << ""
                                                    << "(Quicksave state).scn" << true;
        QTest::newRow("current state in a folder") << "Kite Trials\\"
                                                   << "(Current state).scn" << false;
        QTest::newRow("quicksave state in a folder") << "Kite Trials\\"
                                                     << "(Quicksave state).scn" << false;
    }
    void protectedNames() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(bool, isProtected);
        SimulatorFixture sim(TodayInstallation());
        TrashInTemp trash(sim.Root() + "/data");
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        if (isProtected)
            boxes.Expect("This file must not be deleted !", "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        else
            boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                         MsgIcon::Question, MsgResult::Ok);
        dialogs.Expect(ObjectNames::DeleteFile, [&](QDialog* d) {
            QVERIFY(PickScenarioFolder(*d, folder));
            QVERIFY(DoubleClickEntry(FindControl<QListWidget>(*d, ObjectNames::FileListtoDelete), name));
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu11);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        const QString path = sim.ScenarioPath(QString(folder).replace(u'\\', u'/') + name);
        QCOMPARE(QFile::exists(path), isProtected);
        // The same name at the top stays whatever happened below.
        QVERIFY(QFile::exists(sim.ScenarioPath(name)));
    }

    // From the command line and by a drop, a file of a folder below opens under its name within
    // the scenario folder, whatever way leads to it.
    void openedFromOutside_data() {
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("path"); // command line: as typed; drop: below the fixture's root
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString hop = "Kite Trials\\Hop to Skerry.scn";
        const QString hopText = "A short hop from an orbit of Tarn to its moon Skerry.";
        QTest::newRow("command line, a name with \"\\\"") << false << kVeskPass << kVeskPass << kVeskPassText;
        QTest::newRow("command line, \"/\" and other letter case")
            << false << "the corvid system/OUTER FLYBYS/vesk pass.SCN" << kVeskPass << kVeskPassText;
        QTest::newRow("command line, a path from the start folder")
            << false << "../sim/Scenarios/Kite Trials/Hop to Skerry.scn" << hop << hopText;
        QTest::newRow("command line, through a link back up")
            << false << "../sim/Scenarios/Kite Trials/All scenarios/Kite Trials/Hop to Skerry.scn" << hop
            << hopText;
        QTest::newRow("drop, two folders down")
            << true << "sim/Scenarios/The Corvid System/Outer flybys/Vesk Pass.scn" << kVeskPass
            << kVeskPassText;
        QTest::newRow("drop, through a link back up")
            << true
            << "sim/Scenarios/The Corvid System/Outer flybys/Back to the system/Outer flybys/Vesk Pass.scn"
            << kVeskPass << kVeskPassText;
    }
    void openedFromOutside() {
        QFETCH(bool, dropped);
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, description);
        SimulatorFixture sim(TodayInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        if (dropped) {
            std::unique_ptr<QMimeData> data(DraggedFiles(sim, {path}));
            QVERIFY(Drop(*w, *data));
            QTRY_COMPARE(LabelText(*w, ObjectNames::scnfile), name);
        } else {
            w->OpenFromCommandLine(path);
        }
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), name);
        QCOMPARE(Description(*w), description);
        QVERIFY(FindControl<QAction>(*w, ObjectNames::Menu31)->isEnabled());
    }
};

QTEST_MAIN(ScenarioFoldersTest)
#include "test_scenario_folders.moc"
