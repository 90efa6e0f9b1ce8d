// The built program asked for its help or version, or given a wrong option, answers on its
// own output and ends, with no display to open a window on.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(ProgramOutputTest)
#include "test_program_output.moc"
