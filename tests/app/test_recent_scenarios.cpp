// "&Recent scenarios" in the Files menu: the last eight files of the scenario folder loaded or
// saved, newest first, each opened as the Load button would after the save prompt. The list
// lives in the user's settings, which the test programs keep in a folder of their own.
#include "opening_checks.h"

#include "core/editing/recent_scenarios.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace {
// The entries as the submenu shows them: "&1 Name.scn"...
QStringList Captions(const QStringList& names) {
    QStringList captions;
    for (int i = 0; i < names.size(); ++i)
        captions << QStringLiteral("&%1 %2").arg(i + 1).arg(names[i]);
    return captions;
}

// Runs the user's steps: "load X" (the load dialog's Load button), "save" ("&Save"), "save as X"
// ("S&ave as"), "double X" (a double click in the load dialog). The user declines every offer
// to save before a load.
void Run(TYX& window, const QStringList& steps) {
    for (const QString& step : steps) {
        MessageBoxScript boxes;
        const QString open = LabelText(window, ObjectNames::scnfile);
        if ((step.startsWith("load ") || step.startsWith("double ")) && !open.isEmpty())
            boxes.Expect("Do you wish to save " + open + " ?", "Skelvan Scenario Editor",
                         MsgButtons::OkCancel, MsgIcon::None, MsgResult::Cancel);
        if (step.startsWith("load ")) {
            LoadScenario(window, step.mid(5));
        } else if (step == "save") {
            ChooseMenuItem(window, ObjectNames::Menu13);
        } else if (step.startsWith("save as ")) {
            SaveAs(window, step.mid(8));
        } else if (step.startsWith("double ")) {
            DialogScript dialogs;
            const QString name = step.mid(7);
            dialogs.Expect(ObjectNames::LoadFile, [name](QDialog* d) {
                QVERIFY(DoubleClickEntry(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad), name));
            });
            ChooseMenuItem(window, ObjectNames::Menu12);
            VERIFY_SCRIPT_DONE(dialogs);
        }
        VERIFY_SCRIPT_DONE(boxes);
    }
}
} // namespace

class RecentScenariosTest : public QObject {
    Q_OBJECT
  private slots:
    void submenuFollowsOpen() {
        SimulatorFixture sim(AppInstallation());
        auto w = sim.MakeWindow();
        auto* files = FindControl<QMenu>(*w, ObjectNames::Menu1);
        auto* recent = FindControl<QMenu>(*w, ObjectNames::MenuRecent);
        QVERIFY(files && recent);
        QCOMPARE(files->actions().at(0)->objectName(), QString(ObjectNames::Menu12));
        QCOMPARE(files->actions().at(1), recent->menuAction());
        QCOMPARE(recent->title(), QString("&Recent scenarios"));
        // Nothing loaded or saved yet in this folder: nothing to choose.
        QVERIFY(!recent->menuAction()->isEnabled());
    }

    void newestFirstWithoutRepeats_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one load") << QStringList{"load Alpha.scn"} << QStringList{"Alpha.scn"};
        QTest::newRow("loads newest first")
            << QStringList{"load Alpha.scn", "load Beta.scn", "load Gamma.scn"}
            << QStringList{"Gamma.scn", "Beta.scn", "Alpha.scn"};
        QTest::newRow("a load again moves up")
            << QStringList{"load Alpha.scn", "load Beta.scn", "load Alpha.scn"}
            << QStringList{"Alpha.scn", "Beta.scn"};
        QTest::newRow("a double click counts as a load")
            << QStringList{"load Alpha.scn", "double Beta.scn"} << QStringList{"Beta.scn", "Alpha.scn"};
        QTest::newRow("save moves up") << QStringList{"load Alpha.scn", "load Beta.scn",  "load Alpha.scn",
                                                      "load Beta.scn",  "load Alpha.scn", "save"}
                                       << QStringList{"Alpha.scn", "Beta.scn"};
        QTest::newRow("save as adds the new name")
            << QStringList{"load Alpha.scn", "load Beta.scn", "save as Copy"}
            << QStringList{"Copy.scn", "Beta.scn", "Alpha.scn"};
    }
    void newestFirstWithoutRepeats() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        SimulatorFixture sim(AppInstallation());
        for (const QString name : {"Alpha.scn", "Beta.scn", "Gamma.scn"})
            WriteDescribedScenario(sim, name);
        auto w = sim.MakeWindow();
        Run(*w, steps);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent), Captions(expected));
    }

    void eightAtMost() {
        SimulatorFixture sim(AppInstallation());
        QStringList names;
        for (int i = 1; i <= 10; ++i) {
            names << QStringLiteral("File%1.scn").arg(i);
            WriteDescribedScenario(sim, names.last());
        }
        auto w = sim.MakeWindow();
        MessageBoxScript boxes;
        for (const QString& name : names) {
            if (!LabelText(*w, ObjectNames::scnfile).isEmpty())
                boxes.Expect("Do you wish to save " + LabelText(*w, ObjectNames::scnfile) + " ?",
                             "Skelvan Scenario Editor", MsgButtons::OkCancel, MsgIcon::None,
                             MsgResult::Cancel);
            LoadScenario(*w, name);
        }
        VERIFY_SCRIPT_DONE(boxes);
        QStringList newest;
        for (int i = 10; i >= 3; --i)
            newest << QStringLiteral("File%1.scn").arg(i);
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent), Captions(newest));
    }

    // Picking an entry offers to save the open scenario, then opens the file as the Load
    // button does.
    void pickingOpensAfterTheSavePrompt_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("prompt cancelled") << false;
        QTest::newRow("saved under a new name first") << true;
    }
    void pickingOpensAfterTheSavePrompt() {
        QFETCH(bool, save);
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        WriteDescribedScenario(sim, "Beta.scn");
        MessageBoxScript boxes;
        DialogScript dialogs;
        // The list outlives the window: a later start shows it.
        {
            auto first = sim.MakeWindow();
            LoadScenario(*first, "Alpha.scn");
        }
        auto w = sim.MakeWindow();
        QVERIFY(!FindControl<QAction>(*w, ObjectNames::Menu31)->isEnabled());
        QVERIFY(ChooseSubmenuEntry(*w, ObjectNames::MenuRecent, "&1 Alpha.scn"));
        VERIFY_OPENED_AS_LOAD_BUTTON(*w, "Alpha.scn");
        boxes.Expect("Do you wish to save Alpha.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        LoadScenario(*w, "Beta.scn");
        boxes.Expect("Do you wish to save Beta.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, save ? MsgResult::Ok : MsgResult::Cancel);
        if (save) dialogs.Expect(ObjectNames::SaveAs, SaveAsTyped("Kept"));
        QVERIFY(ChooseSubmenuEntry(*w, ObjectNames::MenuRecent, "&2 Alpha.scn"));
        VERIFY_SCRIPT_DONE(boxes);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_OPENED_AS_LOAD_BUTTON(*w, "Alpha.scn");
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent),
                 Captions(save ? QStringList{"Alpha.scn", "Kept.scn", "Beta.scn"}
                               : QStringList{"Alpha.scn", "Beta.scn"}));
    }

    // A file deleted since it was loaded stays in the list but cannot be chosen.
    void missingFileIsDisabled() {
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        WriteDescribedScenario(sim, "Beta.scn");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Alpha.scn");
        boxes.Expect("Do you wish to save Alpha.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        LoadScenario(*w, "Beta.scn");
        QVERIFY(QFile::remove(sim.ScenarioPath("Alpha.scn")));
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent),
                 (QStringList{"&1 Beta.scn", "&2 Alpha.scn (disabled)"}));
        ChooseSubmenuEntry(*w, ObjectNames::MenuRecent, "&2 Alpha.scn");
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Beta.scn"));
        // Back on disk, it can be chosen again.
        WriteDescribedScenario(sim, "Alpha.scn");
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent), (QStringList{"&1 Beta.scn", "&2 Alpha.scn"}));
    }

    // Another scenario folder keeps its own list, and shows none of this one's.
    void eachFolderHasItsOwnList() {
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        QTemporaryDir other;
        RecentScenarios(other.path()).add("Elsewhere.scn");
        RecentScenarios(sim.ScenarioFolder() + "/../Config").add("Config.scn");
        auto w = sim.MakeWindow();
        QVERIFY(!FindControl<QMenu>(*w, ObjectNames::MenuRecent)->menuAction()->isEnabled());
        LoadScenario(*w, "Alpha.scn");
        QCOMPARE(SubmenuEntries(*w, ObjectNames::MenuRecent), QStringList{"&1 Alpha.scn"});
        QCOMPARE(RecentScenarios(other.path()).names(), QStringList{"Elsewhere.scn"});
        // The same folder reached through "..": the same list.
        QCOMPARE(RecentScenarios(sim.ScenarioFolder() + "/../Scenarios/").names(), QStringList{"Alpha.scn"});
    }

    // The list goes to the settings of the test program, below QStandardPaths' test folders,
    // never to the user's own settings nor to "tyx.cfg".
    void listStaysOutOfTheUsersSettings() {
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        const QByteArray setting = sim.Read("start/tyx.cfg");
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Alpha.scn");
        const QString file = QSettings("Skelvan", "skelvan-scenario-editor").fileName();
        QVERIFY(QStandardPaths::isTestModeEnabled());
        QVERIFY2(file.startsWith(QDir::homePath() + "/.qttest/"), qPrintable(file));
        QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
        QVERIFY(ReadTestFile(file).contains("Alpha.scn"));
        QCOMPARE(sim.Read("start/tyx.cfg"), setting);
    }
};

QTEST_MAIN(RecentScenariosTest)
#include "test_recent_scenarios.moc"
