// Reading a file by a path as the simulator writes it: a folder text with "\" separators and a
// file name whose letter case may differ from the name on disk. What cannot be read as a
// regular file reads as no file at all. The files below a folder, as the vessel classes of
// today's installation lie in the sub-folders of "Config\Vessels\".
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
};

QTEST_GUILESS_MAIN(FileAccessTest)
#include "test_file_access.moc"
