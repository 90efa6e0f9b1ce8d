// The built program asked for its help or version, or given a wrong option, answers on its
// own output and ends, with no display to open a window on; given a scenario, it opens it.
#include "test_files.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
bool CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + '/' + entry.fileName();
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

QByteArray Digest(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                          : QByteArray();
}
} // namespace

class ProgramOutputTest : public QObject {
    Q_OBJECT
  private slots:
    void answersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("output"); // texts the standard output holds
        QTest::addColumn<QString>("errors");     // what the error output holds, or empty for none
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QStringList{"skelvan-scenario-editor 1.06\n"} << QString();
        QTest::newRow("version, short")
            << QStringList{"-v"} << 0 << QStringList{"skelvan-scenario-editor 1.06\n"} << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << QStringList{"Usage: ", "skelvan-scenario-editor", "--version", "--check",
                                             "[FILE|FOLDER...]"}
                              << QString();
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 2 << QStringList{} << "Try \"skelvan-scenario-editor --help\".";
    }
    void answersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, output);
        QFETCH(QString, errors);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(SKELVAN_PROGRAM), arguments);
        QVERIFY2(program.waitForFinished(60000), qPrintable(program.errorString()));
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        if (arguments.first().startsWith("-v") || arguments.first() == "--version")
            QCOMPARE(out, output.first());
        for (const QString& text : output)
            QVERIFY2(out.contains(text), qPrintable(out));
        if (errors.isEmpty())
            QCOMPARE(err, QString());
        else
            QVERIFY2(err.contains(errors), qPrintable(err));
    }

    // The scenario named on the command line opens once the window is up, as a load would: the
    // program, started as a user starts it, puts it at the head of its recent scenarios.
    void namedScenarioOpens() {
        QTemporaryDir dir;
        const QString sim = dir.filePath("demo");
        QVERIFY(CopyFolder(DemoPath(QString()), sim));
        QFile setting(dir.filePath("tyx.cfg"));
        QVERIFY(setting.open(QIODevice::WriteOnly));
        setting.write(QFile::encodeName(sim) + "\r\n");
        setting.close();
        const QString scenario = sim + "/Scenarios/Lunar Shuttle.scn";
        const QByteArray before = Digest(scenario);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(SKELVAN_PROGRAM), {"Lunar Shuttle.scn"});
        QVERIFY2(program.waitForStarted(60000), qPrintable(program.errorString()));

        // The recent list is written when the load has read the file; the editor runs on.
        const QString settings = dir.filePath("config/Skelvan/skelvan-scenario-editor.conf");
        QStringList recent;
        for (QDeadlineTimer deadline(60000); recent.isEmpty() && !deadline.hasExpired();) {
            QTest::qWait(100);
            QVERIFY2(program.state() == QProcess::Running, program.readAllStandardError().constData());
            QSettings written(settings, QSettings::IniFormat);
            const int count = written.beginReadArray("recentScenarios");
            for (int i = 0; i < count; ++i) {
                written.setArrayIndex(i);
                recent += written.value("files").toStringList();
            }
            written.endArray();
        }
        program.kill();
        program.waitForFinished(10000);
        QCOMPARE(recent.value(0), QString("Lunar Shuttle.scn"));
        QCOMPARE(Digest(scenario), before);
    }
};

QTEST_GUILESS_MAIN(ProgramOutputTest)
#include "test_program_output.moc"
