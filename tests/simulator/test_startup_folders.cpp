// Where the editor finds the simulator at start-up: the setting "tyx.cfg", the folder search
// window when the setting names no installation, the folders "skelvan.cfg" names, and the
// progress shown on a long start-up.
#include "core/installation/settings.h"
#include "core/io/file_access.h"
#include "support/refused_storage.h"
#include "support/simulator_fixture.h"
#include "widgets/dialogs/skelvan_folder_search.h"
#include "widgets/dialogs/start_up_progress.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {
const QString kRestart = "You must restart the program to take into account the modification.";
} // namespace

class StartupFoldersTest : public QObject {
    Q_OBJECT
  private slots:
    void validSettingNeedsNoSearch() {
        SimulatorFixture sim;
        MessageBoxScript messages;
        DialogScript modal; // none expected
        TYX tyx;
        QVERIFY(tyx.StartedUp());
        QCOMPARE(modal.shown, QStringList());
        // The simulator folder is the working folder, and its two folders are named for others.
        QCOMPARE(QDir::currentPath(), sim.SimulatorFolder());
        QCOMPARE(LabelText(tyx, ObjectNames::CfgDir), sim.SimulatorFolder() + "\\Config\\");
        QCOMPARE(LabelText(tyx, ObjectNames::ScnDir), sim.SimulatorFolder() + "\\Scenarios\\");
        // The setting is rewritten with the cleaned folder alone.
        QCOMPARE(sim.Read("start/tyx.cfg"), (sim.SimulatorFolder() + "\r\n").toUtf8());
        QVERIFY(FindControl<QLabel>(tyx, ObjectNames::CfgDir)->isHidden());
        QVERIFY(FindControl<QLabel>(tyx, ObjectNames::ScnDir)->isHidden());
    }

    void staleOrMissingSettingOpensSearch_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("missing setting") << 0;
        QTest::newRow("folder without skelvan.cfg") << 1;
        QTest::newRow("empty setting") << 2;
    }
    void staleOrMissingSettingOpensSearch() {
        QFETCH(int, kind);
        SimulatorFixture sim;
        if (kind == 0)
            sim.RemoveSetting();
        else if (kind == 1)
            sim.WriteSetting(sim.Root());
        else
            sim.Write("start/tyx.cfg", "");
        MessageBoxScript messages;
        DialogScript modal;
        modal.Expect(ObjectNames::SkelvanFolderSearch, [&](QDialog* dialog) {
            auto* search = qobject_cast<SkelvanFolderSearch*>(dialog);
            QVERIFY(search);
            QCOMPARE(search->windowTitle(), QString("Skelvan folder search"));
            auto* validate = FindControl<QPushButton>(*search, ObjectNames::Command1);
            QVERIFY(!validate->isEnabled());
            QVERIFY(ClickFolder(FindControl<QTreeView>(*search, ObjectNames::Dir1), sim.SimulatorFolder()));
            QVERIFY(validate->isEnabled());
            Click(validate);
        });
        TYX tyx;
        QVERIFY(tyx.StartedUp());
        VERIFY_SCRIPT_DONE(modal);
        QCOMPARE(QDir::currentPath(), sim.SimulatorFolder());
        QCOMPARE(LabelText(tyx, ObjectNames::CfgDir), sim.SimulatorFolder() + "\\Config\\");
        // "TYX.cfg" written by the search window is the "tyx.cfg" read and rewritten at start-up.
        QCOMPARE(SimulatorFolderFromSetting(ReadWholeFile(sim.StartFolder() + "/tyx.cfg").value_or("")),
                 sim.SimulatorFolder());
        QCOMPARE(QDir(sim.StartFolder()).entryList({"*.cfg"}, QDir::Files, QDir::IgnoreCase).size(), 1);
    }

    void searchClosedWithoutFolderEndsCleanly() {
        SimulatorFixture sim;
        sim.RemoveSetting();
        MessageBoxScript messages;
        messages.Expect("Skelvan Scenario Editor cannot work without the folder where Skelvan is installed. "
                        "The program ends now; start it again to choose the folder.",
                        "Skelvan folder search", MsgButtons::Ok, MsgIcon::Exclamation);
        DialogScript modal;
        modal.Expect(ObjectNames::SkelvanFolderSearch, [](QDialog* dialog) { dialog->reject(); });
        TYX tyx;
        QVERIFY(!tyx.StartedUp());
        VERIFY_SCRIPT_DONE(modal);
        VERIFY_SCRIPT_DONE(messages);
        QVERIFY(!QFile::exists(sim.StartFolder() + "/tyx.cfg"));
        QVERIFY(!QFile::exists(sim.StartFolder() + "/TYX.cfg"));
    }

    void validateNeedsSkelvanCfgInAnyCase_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("exact") << "skelvan.cfg" << true;
        QTest::newRow("capitals") << "SKELVAN.CFG" << true;
        QTest::newRow("other file") << "skelvan.bak" << false;
    }
    void validateNeedsSkelvanCfgInAnyCase() {
        QFETCH(QString, fileName);
        QFETCH(bool, enabled);
        SimulatorFixture sim;
        sim.Write("other/" + fileName, "ConfigDir = .\\Config\\\r\n");
        SkelvanFolderSearch search(sim.StartFolder() + "/");
        search.show();
        auto* validate = FindControl<QPushButton>(search, ObjectNames::Command1);
        auto* folders = FindControl<QTreeView>(search, ObjectNames::Dir1);
        QVERIFY(ClickFolder(folders, sim.Root() + "/other"));
        QCOMPARE(validate->isEnabled(), enabled);
        QCOMPARE(LabelText(search, ObjectNames::Label1), QDir::toNativeSeparators(sim.Root() + "/other"));
        QVERIFY(ClickFolder(folders, sim.Root()));
        QVERIFY(!validate->isEnabled());
    }

    void validateWritesTheSetting() {
        SimulatorFixture sim;
        SkelvanFolderSearch search(sim.StartFolder() + "/");
        search.show();
        QVERIFY(ClickFolder(FindControl<QTreeView>(search, ObjectNames::Dir1), sim.SimulatorFolder()));
        Click(FindControl<QPushButton>(search, ObjectNames::Command1));
        QVERIFY(search.Validated());
        // Written as "TYX.cfg", read as "tyx.cfg": one file, whatever the platform's case rules.
        QCOMPARE(SimulatorFolderFromSetting(sim.Read("start/tyx.cfg")),
                 QDir::toNativeSeparators(sim.SimulatorFolder()));
        QCOMPARE(QDir(sim.StartFolder()).entryList({"*.cfg"}, QDir::Files, QDir::IgnoreCase).size(), 1);
    }

    // The start-up rewrites a setting that is not in its cleaned form; on storage that refuses
    // the write it says why, goes on, and the setting stays as it was. A setting already in that
    // form is not written at all, so the refusal never shows.
    void settingThatCannotBeWrittenIsReported_data() {
        QTest::addColumn<bool>("clean");
        QTest::newRow("with a comment to drop") << false;
        QTest::newRow("already clean") << true;
    }
    void settingThatCannotBeWrittenIsReported() {
#ifndef Q_OS_UNIX
        QSKIP("a full disk is made with the POSIX file size limit");
#else
        QFETCH(bool, clean);
        SimulatorFixture sim;
        if (clean) sim.WriteSetting(QDir::toNativeSeparators(sim.SimulatorFolder()));
        const QByteArray setting = sim.Read("start/tyx.cfg");
        MessageBoxScript messages;
        if (!clean)
            messages.ExpectStart("The setting file \"tyx.cfg\" could not be written: ", "Warning",
                                 MsgButtons::Ok, MsgIcon::Exclamation);
        std::unique_ptr<TYX> tyx;
        {
            FileSizeLimit limit(4); // less than the setting's line
            QVERIFY(limit.ok());
            tyx = sim.MakeWindow();
        }
        VERIFY_SCRIPT_DONE(messages);
        QVERIFY(tyx->StartedUp());
        QCOMPARE(sim.Read("start/tyx.cfg"), setting);
        QCOMPARE(QDir::currentPath(), sim.SimulatorFolder());
#endif
    }

    void menuAsksForRestart() {
        SimulatorFixture sim;
        MessageBoxScript messages;
        auto tyx = sim.MakeWindow();
        QVERIFY(tyx->StartedUp());
        DialogScript modal;
        modal.Expect(ObjectNames::SkelvanFolderSearch, [](QDialog* dialog) { dialog->reject(); });
        messages.Expect(kRestart, "Information", MsgButtons::Ok, MsgIcon::Information);
        ChooseMenuItem(*tyx, ObjectNames::Menu32);
        VERIFY_SCRIPT_DONE(modal);
        VERIFY_SCRIPT_DONE(messages);
        // Closed without a folder: the simulator folder stays the working folder.
        QCOMPARE(QDir::currentPath(), sim.SimulatorFolder());
    }

    void progressAppearsOnlyAfterTheThreshold() {
        StartUpProgress quick(100, 60 * 60 * 1000);
        for (int i = 0; i < 100; ++i)
            quick.Advance();
        QVERIFY(!quick.Shown());

        StartUpProgress slow(4, 0);
        QTest::qWait(2);
        slow.Advance();
        QVERIFY(slow.Shown());
        QCOMPARE(slow.Percent(), 25);
        slow.Advance();
        QCOMPARE(slow.Percent(), 50);
    }
};

QTEST_MAIN(StartupFoldersTest)
#include "test_startup_folders.moc"
