#include "core/check/check_installation.h"
#include "core/check/check_report.h"
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
        QTest::newRow("ship orbit in the atmosphere")
            << "ship-atmosphere.scn" << QStringList{"periapsis-in-atmosphere"}
            << QStringList{"f: ship Swift: The orbit's periapsis lies inside the atmosphere of Terra."};
        QTest::newRow("ship orbit below the surface")
            << "ship-below-surface.scn" << QStringList{"periapsis-below-surface"}
            << QStringList{"f: ship Swift: The orbit's periapsis lies below the surface of Terra."};
        QTest::newRow("ship by elements below the surface")
            << "newer-form-low.scn" << QStringList{"periapsis-below-surface"}
            << QStringList{"f: ship Swift: The orbit's periapsis lies below the surface of Luna."};
        QTest::newRow("station orbit in the atmosphere")
            << "station-atmosphere.scn" << QStringList{"periapsis-in-atmosphere"}
            << QStringList{"f: station Hub: The orbit's periapsis lies inside the atmosphere of Terra."};
        // The validations already tell these two: the orbit insight does not tell them again.
        QTest::newRow("station orbit crossing, told once")
            << "station-crossing.scn" << QStringList{"validation"}
            << QStringList{
                   "f: station Hub: The station orbit crosses the planet atmosphere or the planet surface; "
                   "check the excentricity or the semi-major axis."};
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
    // for a ship whose class the newer-form installation lacks.
    void installedCorpora_data() {
        QTest::addColumn<QString>("installation");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("demo") << DemoPath("") << QStringList();
        QTest::newRow("newer form") << TestDataPath("newer-form")
                                    << QStringList{
                                           "Pale Relay.scn: ship Beacon-7: The ship class \"Beacon-7\" is "
                                           "not installed."};
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
