// Deleting to the desktop's trash: which trash a file may go to, the file deleted where there
// is none, and a file that the move took anywhere but its trash put back. Every test works in
// a temporary folder that is also the home, the data folder's parent and the working folder.
#include "core/io/trash.h"
#include "environment_scope.h"
#include "test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Every file and folder below a folder, hidden ones included, by their paths relative to it.
QStringList Tree(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(folder).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A path of a test row below the temporary root when it starts with "@/".
QString BelowRoot(const QString& root, const QString& path) {
    return path.startsWith(QLatin1String("@/")) ? root + path.mid(1) : path;
}

const QByteArray kScenario("BEGIN_DESC\r\nTo be deleted\r\nEND_DESC\r\n");
} // namespace

class TrashTest : public QObject {
    Q_OBJECT
    QString previousFolder_;

  private slots:
    void init() { previousFolder_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(previousFolder_); }

    // The home below the root holds .local/share or not; XDG_DATA_HOME is unset (empty column),
    // absolute ("@/") or relative to the working folder root/work.
    void removeToTrash_data() {
        QTest::addColumn<bool>("homeDataFolder");
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QString>("workingSubfolder");
        QTest::addColumn<QString>("trash"); // below the root; empty: the file is deleted
        QTest::newRow("fresh home") << false << ""
                                    << ""
                                    << "";
        QTest::newRow("home with its data folder") << true << ""
                                                   << ""
                                                   << "home/.local/share/Trash";
        QTest::newRow("data folder named") << false << "@/data"
                                           << ""
                                           << "data/Trash";
        QTest::newRow("data folder named but missing") << true << "@/missing"
                                                       << ""
                                                       << "";
        QTest::newRow("relative data folder") << true << "data"
                                              << ""
                                              << "";
        QTest::newRow("relative data folder in the working folder") << true << "data"
                                                                    << "data"
                                                                    << "";
    }
    void removeToTrash() {
        QFETCH(bool, homeDataFolder);
        QFETCH(QString, dataHome);
        QFETCH(QString, workingSubfolder);
        QFETCH(QString, trash);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = QDir(dir.path()).canonicalPath();
        EnvironmentScope environment;
        environment.Set("HOME", QFile::encodeName(root + "/home"));
        if (dataHome.isEmpty())
            environment.Unset("XDG_DATA_HOME");
        else
            environment.Set("XDG_DATA_HOME", QFile::encodeName(BelowRoot(root, dataHome)));
        QVERIFY(QDir().mkpath(root + "/home"));
        QVERIFY(QDir().mkpath(root + "/work"));
        if (homeDataFolder) QVERIFY(QDir().mkpath(root + "/home/.local/share"));
        if (dataHome.startsWith(QLatin1String("@/")) && !dataHome.contains(QLatin1String("missing")))
            QVERIFY(QDir().mkpath(BelowRoot(root, dataHome)));
        if (!workingSubfolder.isEmpty()) QVERIFY(QDir(root + "/work").mkpath(workingSubfolder));
        QVERIFY(QDir::setCurrent(root + "/work"));
        const QString file = root + "/scenarios/Old flight.scn";
        QVERIFY(WriteFile(file, kScenario));

        QCOMPARE(TrashFolder(file), trash.isEmpty() ? QString() : root + "/" + trash);
        QStringList expected = Tree(root);
        QVERIFY(expected.removeOne("scenarios/Old flight.scn"));
        if (!trash.isEmpty()) {
            for (const QString& entry : {QString(), QString("/files"), QString("/files/Old flight.scn"),
                                         QString("/info"), QString("/info/Old flight.scn.trashinfo")}) {
                if (!expected.contains(trash + entry)) expected.append(trash + entry);
            }
            expected.sort();
        }

        const RemovalResult result = RemoveToTrash(file);
        QVERIFY(result.removed);
        QCOMPARE(result.inTrash, !trash.isEmpty());
        QCOMPARE(result.error, QString());
        QVERIFY(!QFile::exists(file));
        QCOMPARE(Tree(root), expected);
        if (!trash.isEmpty()) QCOMPARE(ReadTestFile(root + "/" + trash + "/files/Old flight.scn"), kScenario);
    }

    void missingFileIsReported() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const RemovalResult result = RemoveToTrash(dir.filePath("gone.scn"));
        QVERIFY(!result.removed);
        QVERIFY(!result.inTrash);
        QVERIFY(!result.error.isEmpty());
    }

    // What happens once the move is done, wherever it took the file: the expected trash is
    // root/Trash; the file came from root/scenarios.
    void settleTrashedFile_data() {
        QTest::addColumn<QString>("movedTo"); // below the root
        QTest::addColumn<bool>("strayNote");  // the move left its note beside the stray file
        QTest::addColumn<bool>("pathTaken");  // a new file took the old path meanwhile
        QTest::addColumn<bool>("inTrash");
        QTest::addColumn<QString>("errorStart");
        QTest::newRow("in the trash") << "Trash/files/Old.scn" << false << false << true << "";
        QTest::newRow("in the trash, under another name")
            << "Trash/files/Old.2.scn" << false << false << true << "";
        QTest::newRow("in the working folder's files")
            << "work/files/Old.scn" << true << false << false << "The trash put it in ";
        QTest::newRow("beside the trash")
            << "Trash/Old.scn" << false << false << false << "The trash put it in ";
        QTest::newRow("in the trash's info")
            << "Trash/info/Old.scn" << false << false << false << "The trash put it in ";
        QTest::newRow("old path taken")
            << "work/files/Old.scn" << true << true << false << "It was moved to ";
    }
    void settleTrashedFile() {
        QFETCH(QString, movedTo);
        QFETCH(bool, strayNote);
        QFETCH(bool, pathTaken);
        QFETCH(bool, inTrash);
        QFETCH(QString, errorStart);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = QDir(dir.path()).canonicalPath();
        QVERIFY(QDir().mkpath(root + "/Trash/files"));
        QVERIFY(QDir().mkpath(root + "/Trash/info"));
        QVERIFY(QDir().mkpath(root + "/scenarios"));
        const QString original = root + "/scenarios/Old.scn";
        const QString moved = root + "/" + movedTo;
        QVERIFY(WriteFile(moved, kScenario));
        const QString note =
            QFileInfo(moved).absolutePath() + "/../info/" + QFileInfo(moved).fileName() + ".trashinfo";
        if (strayNote) QVERIFY(WriteFile(note, "[Trash Info]\n"));
        if (pathTaken) QVERIFY(WriteFile(original, "another\r\n"));

        const RemovalResult result = SettleTrashedFile(original, moved, root + "/Trash");
        QCOMPARE(result.removed, inTrash);
        QCOMPARE(result.inTrash, inTrash);
        QVERIFY2(errorStart.isEmpty() ? result.error.isEmpty() : result.error.startsWith(errorStart),
                 qPrintable(result.error));
        if (inTrash || pathTaken) {
            // Left where the move took it: in the trash, or astray since its place is taken.
            QCOMPARE(ReadTestFile(moved), kScenario);
            if (pathTaken) QCOMPARE(ReadTestFile(original), QByteArray("another\r\n"));
            if (pathTaken) QVERIFY(result.error.contains(QDir::toNativeSeparators(moved)));
        } else {
            QVERIFY(!QFile::exists(moved));
            QCOMPARE(ReadTestFile(original), kScenario);
            QVERIFY(result.error.contains(QDir::toNativeSeparators(QFileInfo(moved).absolutePath())));
            QVERIFY(!QFile::exists(note));
        }
    }
};

QTEST_GUILESS_MAIN(TrashTest)
#include "test_trash.moc"
