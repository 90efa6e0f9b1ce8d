// Files kept in memory for the rest of the start-up, and the progress shown on a long one.
#include "core/io/file_access.h"
#include "widgets/dialogs/start_up_progress.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ReadOnceTest : public QObject {
    Q_OBJECT
  private slots:
    void keptFileIsNotReadAgain() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "\\";
        QFile file(dir.path() + "/Station.cfg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BEGIN_DOCKLIST\r\n");
        file.close();
        {
            ReadOnceScope scope;
            scope.Keep(folder + "Station.cfg", "kept bytes");
            QVERIFY(QFile::remove(dir.path() + "/Station.cfg"));
            QCOMPARE(ReadWholeFile(folder + "Station.cfg").value_or("none"), QByteArray("kept bytes"));
            {
                ReadOnceScope inner; // shares the outer scope's files
            }
            QCOMPARE(ReadWholeFile(folder + "Station.cfg").value_or("none"), QByteArray("kept bytes"));
            QVERIFY(!ReadWholeFile(folder + "Other.cfg"));
        }
        // After the scope the disk is asked again, and the file is gone.
        QVERIFY(!ReadWholeFile(folder + "Station.cfg"));
    }

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

    void keepWithoutScopeDoesNothing() {
        ReadOnceScope* scope = new ReadOnceScope;
        delete scope;
        QVERIFY(!ReadWholeFile("/nonexistent/Nothing.cfg"));
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
QTEST_MAIN(ReadOnceTest)
#include "test_read_once.moc"
