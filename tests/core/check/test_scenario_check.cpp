#include "core/check/check_installation.h"
#include "core/check/check_report.h"
#include "core/check/check_run.h"
#include "core/check/scenario_check.h"
#include "test_files.h"

#include <QDir>
#include <QTest>

namespace {
// The lines a file's problems print as, the file named "f".
QStringList Lines(const FileCheck& check) {
    QStringList lines;
    for (const CheckProblem& problem : check.problems)
        lines.append(ProblemLine(QStringLiteral("f"), problem));
    return lines;
}

QStringList Keys(const FileCheck& check) {
    QStringList keys;
    for (const CheckProblem& problem : check.problems)
        keys.append(CheckProblemKey(problem.kind));
    return keys;
}
} // namespace

// Each scenario of the test installation holds one kind of problem, and the clean ones none:
// the check reports each once, for the right row, with the text the user reads.
class ScenarioCheckTest : public QObject {
    Q_OBJECT
  private:
    std::optional<CheckInstallation> installation_;

    std::unique_ptr<ScenarioChecker> Checker() const {
        return std::make_unique<ScenarioChecker>(installation_->configFolder, installation_->catalogs);
    }

  private slots:
    void initTestCase() {
        const InstallationSearch search =
            FindCheckInstallation(TestDataPath("check/sim"), QDir::currentPath());
        QVERIFY2(search.installation, qPrintable(search.error));
        installation_ = search.installation;
    }

    void problemKinds_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("lines");
        const QString angle =
            "f: station Hub: The station frame rotation angle around X axis is not correct.";
        QTest::newRow("clean") << "clean.scn" << QStringList() << QStringList();
        QTest::newRow("newer form, clean") << "newer-form.scn" << QStringList() << QStringList();
        QTest::newRow("station validation") << "angle.scn" << QStringList{"validation"} << QStringList{angle};
        QTest::newRow("ship class") << "ship-class.scn" << QStringList{"class-not-installed"}
                                    << QStringList{
                                           "f: ship Swift: The ship class \"Gull\" is not installed."};
        QTest::newRow("station class")
            << "station-class.scn" << QStringList{"class-not-installed"}
            << QStringList{"f: station Hub: The station class \"Wheel\" is not installed."};
        QTest::newRow("base") << "base-missing.scn" << QStringList{"base-missing"}
                              << QStringList{"f: ship Lark: Terra has no base \"Dock\"."};
        QTest::newRow("pad") << "pad-missing.scn" << QStringList{"pad-missing"}
                             << QStringList{"f: ship Lark: The base Port has no pad \"3\"."};
        QTest::newRow("pad taken") << "pad-taken.scn" << QStringList{"pad-taken"}
                                   << QStringList{
                                          "f: ship Finch: Pad 1 of Port is taken by the ship Lark already."};
        QTest::newRow("port taken")
            << "port-taken.scn" << QStringList{"port-taken"}
            << QStringList{"f: ship Robin: Port 1 of Hub is taken by the ship Finch already."};
        QTest::newRow("station missing")
            << "station-missing.scn" << QStringList{"station-missing"}
            << QStringList{"f: ship Finch: The station \"Spoke\" is not in the scenario."};
        QTest::newRow("focus ship") << "focus-missing.scn" << QStringList{"focus-ship-missing"}
                                    << QStringList{"f: The focus ship \"Heron\" is not among the ships."};
        QTest::newRow("no focus ship") << "no-focus.scn" << QStringList{"no-focus-ship"}
                                       << QStringList{"f: The scenario names no focus ship."};
        QTest::newRow("system") << "system-missing.scn" << QStringList{"system-not-installed"}
                                << QStringList{"f: The planetary system \"Vast\" is not installed."};
        QTest::newRow("no system") << "no-system.scn" << QStringList{"no-system"}
                                   << QStringList{"f: The scenario names no planetary system."};
        const QString shipTaken = "f: ship Lark: The ship name is already used by another ship.";
        QTest::newRow("two ships of one name") << "ship-names.scn" << QStringList{"validation", "validation"}
                                               << QStringList{shipTaken, shipTaken};
        QTest::newRow("two stations of one name")
            << "station-names.scn" << QStringList{"validation", "validation"}
            << QStringList{"f: station Hub: The station name is already used by another station.",
                           "f: station hub : The station name is already used by another station."};
        QTest::newRow("tank level beyond full")
            << "tank-level.scn" << QStringList{"validation"}
            << QStringList{"f: ship Swift: The fuel level of tank 1 is not correct."};
        QTest::newRow("ship orbit in the atmosphere")
            << "ship-atmosphere.scn" << QStringList{"periapsis-in-atmosphere"}
            << QStringList{"f: ship Swift: note: The orbit's periapsis lies inside the atmosphere of Terra."};
        QTest::newRow("ship orbit below the surface")
            << "ship-below-surface.scn" << QStringList{"periapsis-below-surface"}
            << QStringList{"f: ship Swift: note: The orbit's periapsis lies below the surface of Terra."};
        QTest::newRow("ship by elements below the surface")
            << "newer-form-low.scn" << QStringList{"periapsis-below-surface"}
            << QStringList{"f: ship Swift: note: The orbit's periapsis lies below the surface of Luna."};
        QTest::newRow("station orbit in the atmosphere")
            << "station-atmosphere.scn" << QStringList{"periapsis-in-atmosphere"}
            << QStringList{
                   "f: station Hub: note: The orbit's periapsis lies inside the atmosphere of Terra."};
        // The validations already tell these two: the orbit insight does not tell them again.
        QTest::newRow("station orbit crossing, told once")
            << "station-crossing.scn" << QStringList{"validation"}
            << QStringList{
                   "f: station Hub: The station orbit crosses the planet atmosphere or the planet surface; "
                   "check the excentricity or the semi-major axis."};
        QTest::newRow("ships at a surface position off the globe")
            << "landed-position.scn" << QStringList{"validation", "validation"}
            << QStringList{"f: ship Finch: The landed ship longitude is not correct.",
                           "f: ship Robin: The landed ship latitude is not correct."};
        QTest::newRow("ship inside its planet, told once")
            << "ship-inside-planet.scn" << QStringList{"validation"}
            << QStringList{
                   "f: ship Swift: The ship is located inside the planet; adjust the position parameters "
                   "relative to reference."};
    }
    void problemKinds() {
        QFETCH(QString, file);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, lines);
        const FileCheck check = Checker()->CheckFile(TestDataPath("check/sim/Scenarios/" + file), "f");
        QVERIFY(check.readable);
        QCOMPARE(Lines(check), lines);
        QCOMPARE(Keys(check), keys);
    }

    void unreadableFile() {
        const FileCheck check =
            Checker()->CheckFile(TestDataPath("check/sim/Scenarios/none.scn"), "none.scn");
        QVERIFY(!check.readable);
        QCOMPARE(Lines(check), QStringList{"f: The file cannot be read."});
        QCOMPARE(Keys(check), QStringList{"unreadable"});
    }

    // One checker goes through many files: what it learnt of the installation from one file
    // must not leak into the verdict on the next.
    void oneCheckerForEveryFile() {
        const auto checker = Checker();
        const QDir dir(TestDataPath("check/sim/Scenarios"));
        for (const QString& name : dir.entryList({"*.scn"}, QDir::Files)) {
            const FileCheck again = Checker()->CheckFile(dir.filePath(name), "f");
            QCOMPARE(Lines(checker->CheckFile(dir.filePath(name), "f")), Lines(again));
        }
    }

    // The scenarios users have: the demo's and those of the newer form come out clean, except
    // for a ship whose class the newer-form installation lacks and two DOCKINFO pairs that
    // their partners do not name back.
    void installedCorpora_data() {
        QTest::addColumn<QString>("installation");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("demo") << DemoPath("") << QStringList();
        QTest::newRow("newer form")
            << TestDataPath("newer-form")
            << QStringList{"Lagrange Yard.scn: ship Wayfarer: The ship Tug-2 does not name it "
                           "back: it has no DOCKINFO pair \"1:0,Wayfarer\".",
                           "Pale Relay.scn: ship Beacon-7: The ship class \"Beacon-7\" is "
                           "not installed.",
                           "Pale Relay.scn: ship Beacon-8: The ship Lander does not name it "
                           "back: it has no DOCKINFO pair \"1:0,Beacon-8\"."};
    }
    // Today's installation, its folder of planted scenarios checked with the folders below it:
    // each problem is found once, with its severity, and the clean files give none (vessel
    // classes in any letter case or by their file alone, bases of the base folders, ships
    // docked to ships).
    void todaysInstallation() {
        CheckRequest request;
        request.simulator = ".";
        request.workingFolder = TestDataPath("today");
        request.paths = {"Scenarios/Installation"};
        request.recursive = true;
        const CheckRun run = RunCheck(request);
        QVERIFY2(run.ran, qPrintable(run.error));
        auto in = [](const QString& file) {
            return QDir::toNativeSeparators("Scenarios/Installation/" + file) + ": ";
        };
        const QStringList expected = {
            in("Bases/Wrong Pads.scn") + "ship Lark: Tarn has no base \"Nowhere\".",
            in("Bases/Wrong Pads.scn") + "ship Finch: The base Ridge Point has no pad \"3\".",
            in("Bases/Wrong Pads.scn") + "ship Swift: Pad 2 of Saltpan is taken by the ship Robin already.",
            in("Docking/Crowded Port.scn") + "ship Glider-3: The ship Spindle does not name it back: it has "
                                             "no DOCKINFO pair \"1:0,Glider-3\".",
            in("Docking/Crowded Port.scn") +
                "ship Glider-3: Port 2 of Spindle (DOCKINFO port 1) is taken by the ship Wren already.",
            in("Docking/Lost Partner.scn") + "ship Glider-2: The DOCKINFO pair \"1:0,Ghost\" names the ship "
                                             "\"Ghost\", which is not in the "
                                             "scenario.",
            in("Docking/Open Pair.scn") +
                "ship Wren: The ship Spindle does not name it back: it has no DOCKINFO pair \"2:0,Wren\".",
            in("Flights/Low Passes.scn") +
                "ship Swift: note: The orbit's periapsis lies below the surface of Skerry.",
            in("Flights/Low Passes.scn") +
                "ship Heron: note: The orbit's periapsis lies inside the atmosphere of Tarn.",
            in("Flights/Strangers.scn") + "The focus ship \"Heron\" is not among the ships.",
            in("Flights/Strangers.scn") + "ship Moth-1: The ship class \"Moth\" is not installed.",
            "8 files, 5 with errors, 9 errors, 2 notes"};
        QCOMPARE(ReportLines(run.report), expected);
        QStringList keys;
        for (const FileCheck& file : run.report.files)
            for (const CheckProblem& problem : file.problems)
                keys << CheckProblemKey(problem.kind) + ' ' + CheckSeverityWord(problem.Severity());
        QCOMPARE(keys, (QStringList{"base-missing error", "pad-missing error", "pad-taken error",
                                    "dockinfo-not-returned error", "port-taken error",
                                    "dockinfo-partner-missing error", "dockinfo-not-returned error",
                                    "periapsis-below-surface note", "periapsis-in-atmosphere note",
                                    "focus-ship-missing error", "class-not-installed error"}));
    }

    // The severity of each kind: notes for orbits that may well be meant, errors for the rest.
    void severities_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("severity");
        QTest::newRow("below the surface") << int(CheckProblemKind::PeriapsisBelowSurface) << "note";
        QTest::newRow("in the atmosphere") << int(CheckProblemKind::PeriapsisInAtmosphere) << "note";
        for (const CheckProblemKind kind :
             {CheckProblemKind::Unreadable, CheckProblemKind::NoSystem, CheckProblemKind::SystemNotInstalled,
              CheckProblemKind::NoFocusShip, CheckProblemKind::FocusShipMissing, CheckProblemKind::Validation,
              CheckProblemKind::ClassNotInstalled, CheckProblemKind::BaseMissing,
              CheckProblemKind::PadMissing, CheckProblemKind::PadTaken, CheckProblemKind::PortTaken,
              CheckProblemKind::StationMissing, CheckProblemKind::DockPartnerMissing,
              CheckProblemKind::DockNotReturned})
            QTest::newRow(qPrintable(CheckProblemKey(kind))) << int(kind) << "error";
    }
    void severities() {
        QFETCH(int, kind);
        QTEST(CheckSeverityWord(SeverityOf(CheckProblemKind(kind))), "severity");
    }

    // The count line, "1" singular.
    void countLine_data() {
        QTest::addColumn<QStringList>(
            "kinds"); // one file per entry, its problems as letters: e error, n note
        QTest::addColumn<QString>("line");
        QTest::newRow("nothing") << QStringList{""} << "1 file, 0 with errors, 0 errors, 0 notes";
        QTest::newRow("one of each") << QStringList{"e", "n"} << "2 files, 1 with errors, 1 error, 1 note";
        QTest::newRow("notes alone") << QStringList{"nn", ""} << "2 files, 0 with errors, 0 errors, 2 notes";
        QTest::newRow("many") << QStringList{"een", "e", ""} << "3 files, 2 with errors, 3 errors, 1 note";
    }
    void countLine() {
        QFETCH(QStringList, kinds);
        CheckReport report;
        for (const QString& file : kinds) {
            FileCheck check;
            for (const QChar c : file)
                check.problems.push_back(
                    {CheckRow::File, QString(),
                     c == u'n' ? CheckProblemKind::PeriapsisBelowSurface : CheckProblemKind::FocusShipMissing,
                     "m"});
            report.files.push_back(check);
        }
        QTEST(CountLine(report), "line");
    }

    void installedCorpora() {
        QFETCH(QString, installation);
        QFETCH(QStringList, problems);
        const InstallationSearch search = FindCheckInstallation(installation, QDir::currentPath());
        QVERIFY2(search.installation, qPrintable(search.error));
        ScenarioChecker checker(search.installation->configFolder, search.installation->catalogs);
        const QDir dir(installation + "/Scenarios");
        const QStringList files = dir.entryList({"*.scn"}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 3);
        QStringList found;
        for (const QString& name : files) {
            for (const CheckProblem& problem : checker.CheckFile(dir.filePath(name), name).problems)
                found.append(ProblemLine(name, problem));
        }
        QCOMPARE(found, problems);
    }
};

QTEST_GUILESS_MAIN(ScenarioCheckTest)
#include "test_scenario_check.moc"
