// How the start-up reads the configuration folder, and the progress shown on a long start-up.
#include "core/io/file_access.h"
#include "widgets/dialogs/start_up_progress.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class StartUpReadingTest : public QObject {
    Q_OBJECT
  private slots:
    void folderIsNotReadAsFile() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.path() + "/Folder.cfg"));
        QVERIFY(!ReadWholeFile(dir.path() + "\\Folder.cfg"));
        QVERIFY(!ReadWholeFile(dir.path() + "\\FOLDER.CFG"));
    }

    void nameInOtherLetterCaseIsRead() {
        QTemporaryDir dir;
        QFile file(dir.path() + "/Earth.cfg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Mass = 1");
        file.close();
        QCOMPARE(ReadWholeFile(dir.path() + "\\EARTH.cfg").value_or("none"), QByteArray("Mass = 1"));
    }

    void failedReadIsNoFile() {
        if (!QFile::exists("/proc/self/mem")) QSKIP("needs a file whose reading fails");
        QVERIFY(!ReadWholeFile("/proc/self/mem"));
    }

    void listedFileIsRead() {
        QTemporaryDir dir;
        QFile file(dir.path() + "/Kite.cfg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ClassName = Kite\r\n");
        file.close();
        const QStringList listed = ListFiles(dir.path() + "\\", "*.cfg");
        QCOMPARE(listed, QStringList{"Kite.cfg"});
        for (const QString& folder : {dir.path(), dir.path() + "/"})
            QCOMPARE(ReadListedFile(folder, listed[0]).value_or("none"), QByteArray("ClassName = Kite\r\n"));
        QVERIFY(!ReadListedFile(dir.path(), "Gone.cfg"));
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
QTEST_MAIN(StartUpReadingTest)
#include "test_start_up_reading.moc"
