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

    // Which names a listing gives and in what order: by name without regard to letter case,
    // names that differ only in case in code order, folders and other suffixes left out.
    void listingMatchesAndSorts_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("case of the suffix")
            << QStringList{"b.SCN", "a.scn", "c.Scn"} << "*.scn" << QStringList{"a.scn", "b.SCN", "c.Scn"};
        QTest::newRow("case of the name")
            << QStringList{"beta.scn", "Alpha.scn", "alpha.scn", "ALPHA.scn"} << "*.scn"
            << QStringList{"ALPHA.scn", "Alpha.scn", "alpha.scn", "beta.scn"};
        QTest::newRow("other suffixes")
            << QStringList{"a.scn.bak", "a.scnx", "a.sc", "scn", "b.scn"} << "*.scn" << QStringList{"b.scn"};
        QTest::newRow("hidden and bare suffix") << QStringList{".hidden.scn", ".scn", "z.scn"} << "*.scn"
                                                << QStringList{".hidden.scn", ".scn", "z.scn"};
        // Letters are compared in lower case, so "_" comes before them.
        QTest::newRow("digits and an underscore")
            << QStringList{"Generated 0010.scn", "Generated 0002.scn", "generated 0003.scn", "_x.scn"}
            << "*.scn"
            << QStringList{"_x.scn", "Generated 0002.scn", "generated 0003.scn", "Generated 0010.scn"};
        QTest::newRow("a wildcard inside") << QStringList{"Earth.cfg", "Mars.cfg", "Eros.cfg", "E.txt"}
                                           << "E*.cfg" << QStringList{"Earth.cfg", "Eros.cfg"};
        QTest::newRow("one character")
            << QStringList{"a1.cfg", "a22.cfg", "b1.cfg"} << "a?.cfg" << QStringList{"a1.cfg"};
    }

    void listingMatchesAndSorts() {
        QFETCH(QStringList, files);
        QFETCH(QString, pattern);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(dir.filePath("folder.scn")));
        QCOMPARE(ListFiles(dir.path(), pattern), listed);
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
