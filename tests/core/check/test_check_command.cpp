// The check as a user runs it: the built program, without a display, over a copy of the test
// installation; its output, its exit status, and the files it must leave as they were.
#include "test_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Every file below the folder with a digest of its bytes, to see that nothing was written.
QStringList Snapshot(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        files.append(path + ' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex() +
                     ' ' + QString::number(QFileInfo(path).lastModified().toMSecsSinceEpoch()));
    }
    files.sort();
    return files;
}

bool CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& entry :
         QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + '/' + entry.fileName();
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}
} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;

    QString Sim() const { return dir_.path() + "/sim"; }
    QString Start() const { return dir_.path() + "/start"; }

    Run Check(const QStringList& arguments, const QString& workingFolder) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No display of any kind: the check needs none.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workingFolder);
        process.start(SKELVAN_EDITOR_PROGRAM, QStringList{"--check"} + arguments);
        Run run;
        if (!process.waitForFinished(30000)) return run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(CopyFolder(TestDataPath("check/sim"), Sim()));
        // A sub-folder: the check of a folder named reaches it only with --recursive.
        QVERIFY(QDir().mkpath(Sim() + "/Scenarios/More"));
        QVERIFY(QFile::copy(Sim() + "/Scenarios/ship-class.scn", Sim() + "/Scenarios/More/deeper.scn"));
        QVERIFY(QDir().mkpath(Start()));
        QFile setting(Start() + "/tyx.cfg");
        QVERIFY(setting.open(QIODevice::WriteOnly));
        setting.write(QDir::toNativeSeparators(Sim()).toLocal8Bit() + "\r\n");
    }

    void plainOutput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fromStart"); // from the folder whose tyx.cfg names the installation
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("lines");
        const QString scn = "Scenarios" + QString(QDir::separator());
        QTest::newRow("clean file") << QStringList{"--simulator", "../sim", "../sim/Scenarios/clean.scn"}
                                    << true << 0 << QStringList{"1 file, 0 with errors, 0 errors, 0 notes"};
        QTest::newRow("two files, one problem")
            << QStringList{"--simulator", ".", scn + "clean.scn", scn + "ship-class.scn"} << false << 1
            << QStringList{scn + "ship-class.scn: ship Swift: The ship class \"Gull\" is not installed.",
                           "2 files, 1 with errors, 1 error, 0 notes"};
        QTest::newRow("a missing file")
            << QStringList{"--simulator", ".", "none.scn"} << false << 1
            << QStringList{"none.scn: The file cannot be read.", "1 file, 1 with errors, 1 error, 0 notes"};
        QTest::newRow("installation from tyx.cfg, folder named")
            << QStringList{"../sim/Scenarios/More"} << true << 1
            << QStringList{"../sim/Scenarios/More" + QString(QDir::separator()) +
                               "deeper.scn: ship Swift: The ship class \"Gull\" is not installed.",
                           "1 file, 1 with errors, 1 error, 0 notes"};
        // An orbit that meets the atmosphere may well be meant: a note, and the check passes.
        QTest::newRow("a note alone")
            << QStringList{"--simulator", ".", scn + "ship-atmosphere.scn"} << false << 0
            << QStringList{scn +
                               "ship-atmosphere.scn: ship Swift: note: The orbit's periapsis lies inside the "
                               "atmosphere of Terra.",
                           "1 file, 0 with errors, 0 errors, 1 note"};
        QTest::newRow("a note beside an error")
            << QStringList{"--simulator", ".", scn + "ship-atmosphere.scn", scn + "ship-class.scn"} << false
            << 1
            << QStringList{scn +
                               "ship-atmosphere.scn: ship Swift: note: The orbit's periapsis lies inside the "
                               "atmosphere of Terra.",
                           scn + "ship-class.scn: ship Swift: The ship class \"Gull\" is not installed.",
                           "2 files, 1 with errors, 1 error, 1 note"};
    }
    void plainOutput() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fromStart);
        QFETCH(int, status);
        QFETCH(QStringList, lines);
        const Run run = Check(arguments, fromStart ? Start() : Sim());
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts), lines);
        QCOMPARE(run.status, status);
    }

    // With no folder named, the scenario folder of the installation with every folder below it,
    // --recursive or not: the simulator keeps its scenarios there. A folder named has its
    // folders below it checked only with --recursive. The last line counts the files of the test
    // installation, whose every file but three has a problem.
    void wholeFolder_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<bool>("deeper"); // the file in the folder below was checked
        const QString all = "25 files, 19 with errors, 22 errors, 4 notes";
        QTest::newRow("no folder named") << QStringList() << all << true;
        QTest::newRow("no folder named, --recursive") << QStringList{"--recursive"} << all << true;
        QTest::newRow("the scenario folder named")
            << QStringList{"../sim/Scenarios"} << "24 files, 18 with errors, 21 errors, 4 notes" << false;
        QTest::newRow("the scenario folder named, --recursive")
            << QStringList{"--recursive", "../sim/Scenarios"} << all << true;
    }
    void wholeFolder() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, counts);
        QFETCH(bool, deeper);
        const QStringList before = Snapshot(dir_.path());
        const Run run = Check(arguments, Start());
        QCOMPARE(run.status, 1);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.last(), counts);
        QCOMPARE(lines.filter("deeper.scn").size(), deeper ? 1 : 0);
        // Nothing written: no scenario, and no "tyx.cfg" either.
        QCOMPARE(Snapshot(dir_.path()), before);
    }

    void json() {
        const Run run =
            Check({"--json", "--simulator", Sim(), Sim() + "/Scenarios/clean.scn",
                   Sim() + "/Scenarios/port-taken.scn", Sim() + "/Scenarios/ship-below-surface.scn"},
                  Start());
        QCOMPARE(run.status, 1);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject root = document.object();
        const QJsonObject counts = root["counts"].toObject();
        QCOMPARE(counts["files"].toInt(), 3);
        QCOMPARE(counts["filesWithErrors"].toInt(), 1);
        QCOMPARE(counts["errors"].toInt(), 1);
        QCOMPARE(counts["notes"].toInt(), 1);
        QCOMPARE(counts["filesWithProblems"].toInt(), 2);
        QCOMPARE(counts["problems"].toInt(), 2);
        const QJsonArray files = root["files"].toArray();
        QCOMPARE(files.size(), 3);
        const QJsonObject note = files[2].toObject()["problems"].toArray().first().toObject();
        QCOMPARE(note["kind"].toString(), QString("periapsis-below-surface"));
        QCOMPARE(note["severity"].toString(), QString("note"));
        QVERIFY(files[0].toObject()["problems"].toArray().isEmpty());
        QVERIFY(files[1].toObject()["readable"].toBool());
        const QJsonObject problem = files[1].toObject()["problems"].toArray().first().toObject();
        QCOMPARE(problem["row"].toString(), QString("ship"));
        QCOMPARE(problem["name"].toString(), QString("Robin"));
        QCOMPARE(problem["kind"].toString(), QString("port-taken"));
        QCOMPARE(problem["severity"].toString(), QString("error"));
        QCOMPARE(problem["message"].toString(), QString("Port 1 of Hub is taken by the ship Finch already."));
    }

    // Without an installation the check cannot run: it says why and ends with 2.
    void noInstallation_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("no tyx.cfg, no --simulator") << QStringList() << "No simulator installation";
        QTest::newRow("not an installation") << QStringList{"--simulator", "."} << "holds no \"skelvan.cfg\"";
        QTest::newRow("json too") << QStringList{"--json"} << "No simulator installation";
    }
    void noInstallation() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        const Run run = Check(arguments, dir_.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(CheckCommandTest)
#include "test_check_command.moc"
