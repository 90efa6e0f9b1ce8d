// The FILE of the command line: what main calls once the window is up. A path opens only when
// it really leads into the scenario folder or a folder below it; any other text is a name within
// the scenario folder. A path that leads elsewhere is refused with a box and the editor starts
// as usual.
#include "opening_checks.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {
// The texts of a row with {root}, {start} and {scenarios} for the fixture's folders, resolved.
QString Expand(QString text, const SimulatorFixture& sim) {
    const QString root = QFileInfo(sim.Root()).canonicalFilePath();
    text.replace("{scenarios}", root + "/sim/Scenarios");
    text.replace("{start}", root + "/start");
    text.replace("{root}", root);
    return QDir::toNativeSeparators(text);
}
} // namespace

class CommandLineOpenTest : public QObject {
    Q_OBJECT
  private slots:
    void fileOpensOnlyFromTheScenarioFolder_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("opened"); // the file opened, or empty
        QTest::addColumn<QString>("shown");  // the path the refusal names, or empty
        QTest::newRow("bare name") << "Alpha.scn"
                                   << "Alpha.scn" << QString();
        QTest::newRow("relative to the start folder") << "../sim/Scenarios/Alpha.scn"
                                                      << "Alpha.scn" << QString();
        QTest::newRow("absolute") << "{scenarios}/Alpha.scn"
                                  << "Alpha.scn" << QString();
        QTest::newRow("dots that stay inside") << "../sim/Config/../Scenarios/./Beta.scn"
                                               << "Beta.scn" << QString();
        QTest::newRow("link from outside into the folder") << "{root}/ToAlpha.scn"
                                                           << "Alpha.scn" << QString();
        QTest::newRow("absolute outside") << "{root}/Outside.scn" << QString() << "{root}/Outside.scn";
        QTest::newRow("relative outside") << "./Outside.scn" << QString() << "{start}/Outside.scn";
        QTest::newRow("dots leaving the folder")
            << "../sim/Scenarios/../Outside.scn" << QString() << "{root}/sim/Outside.scn";
        QTest::newRow("bare dots") << ".." << QString() << "{root}/sim";
        QTest::newRow("link from the folder to outside") << "Escape.scn" << QString() << "{root}/Outside.scn";
        QTest::newRow("folder below") << "{scenarios}/Sub/Alpha.scn"
                                      << "Sub\\Alpha.scn" << QString();
        QTest::newRow("name within a folder below") << "Sub\\Alpha.scn"
                                                    << "Sub\\Alpha.scn" << QString();
        QTest::newRow("name within, \"/\" and other letter case") << "sub/ALPHA.scn"
                                                                  << "Sub\\Alpha.scn" << QString();
        QTest::newRow("link from a folder below to outside")
            << "Sub/Escape.scn" << QString() << "{root}/Outside.scn";
        QTest::newRow("missing outside") << "{root}/Nowhere.scn" << QString() << "{root}/Nowhere.scn";
    }
    void fileOpensOnlyFromTheScenarioFolder() {
        QFETCH(QString, argument);
        QFETCH(QString, opened);
        QFETCH(QString, shown);
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        WriteDescribedScenario(sim, "Beta.scn");
        sim.Write("Outside.scn", ScenarioDescribed("Outside"));
        sim.Write("start/Outside.scn", ScenarioDescribed("Outside"));
        sim.Write("sim/Outside.scn", ScenarioDescribed("Outside"));
        sim.Write("sim/Scenarios/Sub/Alpha.scn", ScenarioDescribed("Sub\\Alpha"));
        if (!QFile::link(sim.ScenarioPath("Alpha.scn"), sim.Root() + "/ToAlpha.scn") ||
            !QFile::link(sim.Root() + "/Outside.scn", sim.ScenarioPath("Escape.scn")) ||
            !QFile::link(sim.Root() + "/Outside.scn", sim.ScenarioPath("Sub/Escape.scn")))
            QSKIP("this file system makes no symbolic links");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        if (!shown.isEmpty())
            boxes.Expect(Expand(shown, sim) + " is not in the scenario folder " + Expand("{scenarios}", sim) +
                             ".",
                         "Open", MsgButtons::Ok, MsgIcon::Exclamation);
        w->OpenFromCommandLine(Expand(argument, sim));
        VERIFY_SCRIPT_DONE(boxes);
        if (opened.isEmpty()) {
            // The editor starts as if no file had been named.
            QVERIFY(FindControl<QLabel>(*w, ObjectNames::scnfile)->isHidden());
            QVERIFY(!FindControl<QAction>(*w, ObjectNames::Menu31)->isEnabled());
            QVERIFY(!FindControl<QAction>(*w, ObjectNames::Menu13)->isEnabled());
        } else {
            VERIFY_OPENED_AS_LOAD_BUTTON(*w, opened);
        }
    }

    // A name of the folder that names no file is the load's own failure: the box names the
    // file, and the editor stays as it was.
    void missingFileOfTheFolderCannotBeRead_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("name");
        QTest::newRow("bare name") << "Missing.scn"
                                   << "Missing.scn";
        QTest::newRow("relative path") << "../sim/Scenarios/Missing.scn"
                                       << "Missing.scn";
        QTest::newRow("name within a folder below") << "Sub/Missing.scn"
                                                    << "Sub\\Missing.scn";
        QTest::newRow("name within a folder that is not there") << "Nowhere\\Missing.scn"
                                                                << "Nowhere\\Missing.scn";
    }
    void missingFileOfTheFolderCannotBeRead() {
        QFETCH(QString, argument);
        QFETCH(QString, name);
        SimulatorFixture sim(AppInstallation());
        QVERIFY(QDir(sim.ScenarioFolder()).mkdir("Sub"));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        boxes.Expect("The scenario file " + name + " could not be read.", "Load a scenery", MsgButtons::Ok,
                     MsgIcon::Exclamation);
        w->OpenFromCommandLine(argument);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(FindControl<QLabel>(*w, ObjectNames::scnfile)->isHidden());
        QVERIFY(!FindControl<QAction>(*w, ObjectNames::Menu31)->isEnabled());
    }

    // Called with a scenario open, it offers to save it first, as "&Open" does.
    void openScenarioIsOfferedForSaving() {
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        WriteDescribedScenario(sim, "Beta.scn");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        w->OpenFromCommandLine("Alpha.scn");
        boxes.Expect("Do you wish to save Alpha.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        w->OpenFromCommandLine("Beta.scn");
        VERIFY_SCRIPT_DONE(boxes);
        VERIFY_OPENED_AS_LOAD_BUTTON(*w, "Beta.scn");
    }
};

QTEST_MAIN(CommandLineOpenTest)
#include "test_command_line_open.moc"
