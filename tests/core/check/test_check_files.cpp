// The files a check goes through in today's layout: the scenario folder alone or with every
// folder below it, the links back up skipped, and a folder that cannot be read named as such.
#include "core/check/check_files.h"
#include "core/check/check_installation.h"
#include "core/check/scenario_check.h"
#include "test_files.h"
#include "unreadable_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList Shown(const std::vector<ScenarioFileEntry>& files) {
    QStringList shown;
    for (const ScenarioFileEntry& file : files)
        shown.append(file.shown);
    // The installation's vessel and base scenarios have tests of their own.
    shown.removeIf([](const QString& path) {
        return path.startsWith(QDir::toNativeSeparators(QStringLiteral("Scenarios/Installation/")));
    });
    return shown;
}

QStringList Native(const QStringList& paths) {
    QStringList native;
    for (const QString& path : paths)
        native.append(QDir::toNativeSeparators(path));
    return native;
}

bool WriteEmpty(const QString& path) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly);
}
} // namespace

class CheckFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void todaysInstallation_data() {
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("recursive");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("the scenario folder alone")
            << "Scenarios" << false
            << QStringList{"Scenarios/(Current state).scn", "Scenarios/(Quicksave state).scn"};
        // "Kite Trials/All scenarios" and "Outer flybys/Back to the system" lead back up: no
        // file is checked twice.
        QTest::newRow("every folder below, links back up skipped")
            << "Scenarios" << true
            << QStringList{"Scenarios/(Current state).scn",
                           "Scenarios/(Quicksave state).scn",
                           "Scenarios/First Orbits/Tarn Orbit.scn",
                           "Scenarios/Kite Trials/(Current state).scn",
                           "Scenarios/Kite Trials/(Quicksave state).scn",
                           "Scenarios/Kite Trials/Hop to Skerry.scn",
                           "Scenarios/Placements/Element Orbits.scn",
                           "Scenarios/Placements/Landers.scn",
                           "Scenarios/Placements/Rendezvous.scn",
                           "Scenarios/Placements/Tank Levels.scn",
                           "Scenarios/The Corvid System/Grand Tour.scn",
                           "Scenarios/The Corvid System/Moons/Skerry Low Orbit.scn",
                           "Scenarios/The Corvid System/Outer flybys/Long Coast.scn",
                           "Scenarios/The Corvid System/Outer flybys/Vesk Pass.scn"};
        QTest::newRow("a folder below, named")
            << "Scenarios/The Corvid System/Outer flybys" << true
            << QStringList{"Scenarios/The Corvid System/Outer flybys/Long Coast.scn",
                           "Scenarios/The Corvid System/Outer flybys/Vesk Pass.scn"};
        QTest::newRow("a folder with no scenario") << "Scenarios/Empty Hangar" << true << QStringList();
    }
    void todaysInstallation() {
        QFETCH(QString, named);
        QFETCH(bool, recursive);
        QFETCH(QStringList, shown);
        const auto files = ScenarioFilesToCheck({named}, TestDataPath("today"), recursive);
        QCOMPARE(Shown(files), Native(shown));
        for (const ScenarioFileEntry& file : files)
            QVERIFY2(QFileInfo(file.path).isFile(), qPrintable(file.path));
    }

    // Its files were not checked: the report must not read as if they had been.
    void unreadableFolderIsNamed_data() {
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("recursive");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("below a folder named")
            << "Scenarios" << true << QStringList{"Scenarios/Open.scn", "Scenarios/Locked"};
        QTest::newRow("named itself") << "Scenarios/Locked" << false << QStringList{"Scenarios/Locked"};
    }
    void unreadableFolderIsNamed() {
        QFETCH(QString, named);
        QFETCH(bool, recursive);
        QFETCH(QStringList, shown);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(WriteEmpty(dir.path() + "/Scenarios/Open.scn"));
        QVERIFY(WriteEmpty(dir.path() + "/Scenarios/Locked/Draft.scn"));
        const UnreadableFolder locked(dir.path() + "/Scenarios/Locked");
        if (!locked.Ready()) QSKIP(qPrintable(locked.Reason()));
        const auto files = ScenarioFilesToCheck({named}, dir.path(), recursive);
        QCOMPARE(Shown(files), Native(shown));

        const InstallationSearch search =
            FindCheckInstallation(TestDataPath("check/sim"), QDir::currentPath());
        QVERIFY2(search.installation, qPrintable(search.error));
        ScenarioChecker checker(search.installation->configFolder, search.installation->catalogs);
        const ScenarioFileEntry& folder = files.back();
        const FileCheck check = checker.CheckFile(folder.path, folder.shown, folder.listed);
        QVERIFY(!check.readable);
        QCOMPARE(check.problems.size(), std::size_t(1));
    }
};

QTEST_GUILESS_MAIN(CheckFilesTest)
#include "test_check_files.moc"
