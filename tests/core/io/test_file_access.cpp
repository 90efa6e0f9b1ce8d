// Reading a file by a path as the simulator writes it: a folder text with "\" separators and a
// file name whose letter case may differ from the name on disk. What cannot be read as a
// regular file reads as no file at all. The files below a folder, as the vessel classes of
// today's installation lie in the sub-folders of "Config\Vessels\", and the files of a folder
// that match a pattern, in the order the lists show them.
#include "core/io/file_access.h"
#include "core/io/folder_walk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kEarth("Mass = 5.973698968e+24\r\n");
}

class FileAccessTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkpath("Config/Moon.cfg"));
        QFile file(dir_.filePath("Config/Earth.cfg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(kEarth), kEarth.size());
        for (const char* name :
             {"Config/Vessels/Zeta.cfg", "Config/Vessels/alpha.CFG", "Config/Vessels/Sub/Beta.cfg",
              "Config/Vessels/sub2/deeper/Gamma.cfg", "Config/Vessels/readme.txt"}) {
            QVERIFY(QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(name)).path()));
            QFile vessel(dir_.filePath(name));
            QVERIFY(vessel.open(QIODevice::WriteOnly));
        }
        // A folder whose name looks like a file, and a link back up that must not make the walk endless.
        QVERIFY(QDir(dir_.path()).mkpath("Config/Vessels/Folder.cfg"));
        QVERIFY(QFile::link(dir_.filePath("Config"), dir_.filePath("Config/Vessels/Sub/Up")));
    }

    void filesBelow_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("relative");
        // Sorted by the case-folded path: "2" comes before "\".
        const QStringList all{"alpha.CFG", "sub2\\deeper\\Gamma.cfg", "Sub\\Beta.cfg", "Zeta.cfg"};
        QTest::newRow("every depth, suffix in any case") << "/Config/Vessels/" << all;
        QTest::newRow("backslashes and another letter case") << "\\config\\VESSELS\\" << all;
        QTest::newRow("a folder below") << "/Config/Vessels/sub2" << QStringList{"deeper\\Gamma.cfg"};
        QTest::newRow("no such folder") << "/Config/Missing/" << QStringList();
        QTest::newRow("a file is no folder") << "/Config/Earth.cfg" << QStringList();
    }
    void filesBelow() {
        QFETCH(QString, folder);
        QFETCH(QStringList, relative);
        QStringList found;
        for (const FileBelow& file : ListFilesBelow(QDir::toNativeSeparators(dir_.path()) + folder, ".cfg")) {
            found << file.relative;
            QVERIFY2(QFileInfo(file.platformPath).isFile(), qPrintable(file.platformPath));
        }
        QCOMPARE(found, relative);
    }

    // A folder's files and folders from one listing, and the folders of a folder found by name
    // whatever their letter case.
    void folderListing() {
        const FolderListing listing =
            ListFolder(QDir::toNativeSeparators(dir_.path()) + "\\Config\\", ".cfg");
        QCOMPARE(listing.files, QStringList{"Earth.cfg"});
        QStringList folders = listing.folders;
        folders.sort();
        QCOMPARE(folders, (QStringList{"Moon.cfg", "Vessels"}));
        QCOMPARE(NameIgnoringCase(listing.folders, "VESSELS"), QString("Vessels"));
        QCOMPARE(NameIgnoringCase(listing.folders, "Vessel"), QString());
        QCOMPARE(ListFolder(dir_.path() + "/Missing", ".cfg").files, QStringList());
    }

    void folderIndex_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("found"); // below the temporary folder; empty for none
        QTest::newRow("as written") << "Vessels\\Sub\\"
                                    << "Config/Vessels/Sub";
        QTest::newRow("other letter case at every level") << "vessels\\SUB2\\Deeper"
                                                          << "Config/Vessels/sub2/deeper";
        QTest::newRow("a file is no folder") << "Earth.cfg"
                                             << "";
        QTest::newRow("no such folder") << "Vessels\\Nothing\\"
                                        << "";
        QTest::newRow("nothing named") << ""
                                       << "";
    }
    void folderIndex() {
        QFETCH(QString, relative);
        QFETCH(QString, found);
        const FolderIndex index(QDir::toNativeSeparators(dir_.path()) + "\\Config\\");
        const QString path = index.Find(relative);
        QCOMPARE(QDir::cleanPath(path), found.isEmpty() ? QString() : QDir::cleanPath(dir_.filePath(found)));
    }

    void readWholeFile_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("readable");
        QTest::newRow("name as written") << "/Config/Earth.cfg" << true;
        QTest::newRow("backslashes and another letter case") << "\\config\\EARTH.cfg" << true;
        QTest::newRow("missing file") << "/missing.cfg" << false;
        QTest::newRow("a folder where a file is expected") << "/Config/Moon.cfg" << false;
    }
    void readWholeFile() {
        QFETCH(QString, relative);
        QFETCH(bool, readable);
        const std::optional<QByteArray> bytes =
            ReadWholeFile(QDir::toNativeSeparators(dir_.path()) + relative);
        QCOMPARE(bytes.has_value(), readable);
        if (readable) QCOMPARE(*bytes, kEarth);
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
};

QTEST_GUILESS_MAIN(FileAccessTest)
#include "test_file_access.moc"
