// Saving onto storage that refuses the write: the save says so with a reason the user can
// read, and the old file stays byte for byte what it was, with no stray file beside it.
#include "child_process.h"
#include "core/io/file_access.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {
const QByteArray kOld = "BEGIN_DESC\r\nthe old scenario\r\nEND_DESC\r\n";

struct Outcome {
    bool written = false;
    QString error;
    bool noOrdinaryUser = false; // root could not take an ordinary user's ids in the child
};

constexpr const char* kNoOrdinaryUser = "root cannot take an ordinary user's ids here";

// Runs one save in a child process: the file size limit stays in the child, and a test run
// as root (which every permission lets through) drops to an ordinary user there, so that a
// read-only folder or file refuses the write as it does for the editor's user.
Outcome SaveInChild(const QString& path, const QByteArray& bytes, rlim_t sizeLimit = RLIM_INFINITY,
                    bool asOrdinaryUser = false) {
    const ChildReport report = RunInChild([&](int* exitCode) {
        if (sizeLimit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{sizeLimit, sizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (asOrdinaryUser && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            *exitCode = 3;
            return QByteArray("cannot become an ordinary user");
        }
        QString error;
        *exitCode = WriteWholeFile(path, bytes, &error) ? 0 : 1;
        return error.toUtf8();
    });
    if (report.finished && report.exitCode == 3) return {false, QString(), true};
    if (!report.finished || report.exitCode > 1)
        return {false, QStringLiteral("the save process failed: ") + QString::fromUtf8(report.text)};
    return {report.exitCode == 0, QString::fromUtf8(report.text)};
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void MakeOld(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(kOld), kOld.size());
}

// A folder the child's user may write into, as the editor's user may write into its own.
void OpenToEveryone(const QString& folder) {
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::WriteOther |
                                      QFileDevice::ExeOther);
}
} // namespace

class FailingDiskTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    const QByteArray newBytes_ = QByteArray(100000, 'x');

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        OpenToEveryone(dir_.path());
    }

    void missingFolder() {
        const QString path = dir_.filePath(QStringLiteral("missing/Scenario.scn"));
        const Outcome out = SaveInChild(path, newBytes_);
        QVERIFY(!out.written);
        QVERIFY(!out.error.isEmpty());
        QVERIFY(!QFileInfo::exists(dir_.filePath(QStringLiteral("missing"))));
    }

    void readOnlyFolder() {
        const QString folder = dir_.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + QStringLiteral("/Scenario.scn");
        MakeOld(path);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
        const Outcome out = SaveInChild(path, newBytes_, RLIM_INFINITY, true);
        OpenToEveryone(folder);
        if (out.noOrdinaryUser) QSKIP(kNoOrdinaryUser);
        QVERIFY(!out.written);
        QVERIFY(!out.error.isEmpty());
        QCOMPARE(Contents(path), kOld);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Scenario.scn")});
    }

    void readOnlyFile() {
        const QString path = dir_.filePath(QStringLiteral("Protected.scn"));
        MakeOld(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        const Outcome out = SaveInChild(path, newBytes_, RLIM_INFINITY, true);
        if (out.noOrdinaryUser) QSKIP(kNoOrdinaryUser);
        QVERIFY(!out.written);
        QVERIFY(!out.error.isEmpty());
        QCOMPARE(Contents(path), kOld);
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("Protected*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Protected.scn")});
    }

    void targetIsAFolder() {
        const QString path = dir_.filePath(QStringLiteral("Folder.scn"));
        QVERIFY(QDir().mkdir(path));
        MakeOld(path + QStringLiteral("/inside.txt"));
        OpenToEveryone(path);
        const Outcome out = SaveInChild(path, newBytes_);
        QVERIFY(!out.written);
        QVERIFY(!out.error.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(Contents(path + QStringLiteral("/inside.txt")), kOld);
    }

    // The file size limit makes the write fail as a full disk does. A file smaller than the
    // file device's write buffer reaches the disk only when the buffer is flushed at the end,
    // so the rows on both sides of that buffer (16 KiB) matter, under a limit below it and at it.
    void diskFull_data() {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("written");
        QTest::newRow("limit 512, 100 bytes") << qint64(512) << qint64(100) << true;
        QTest::newRow("limit 512, 600 bytes") << qint64(512) << qint64(600) << false;
        QTest::newRow("limit 512, 16383 bytes") << qint64(512) << qint64(16383) << false;
        QTest::newRow("limit 512, 16385 bytes") << qint64(512) << qint64(16385) << false;
        QTest::newRow("limit 512, 1 MiB") << qint64(512) << qint64(1 << 20) << false;
        QTest::newRow("limit 16384, 16383 bytes") << qint64(16384) << qint64(16383) << true;
        QTest::newRow("limit 16384, 16385 bytes") << qint64(16384) << qint64(16385) << false;
    }
    void diskFull() {
        QFETCH(qint64, limit);
        QFETCH(qint64, size);
        QFETCH(bool, written);
        // A folder of its own per row, so that its listing shows only what this save left.
        QTemporaryDir room(dir_.filePath(QStringLiteral("full-XXXXXX")));
        QVERIFY(room.isValid());
        const QString path = room.filePath(QStringLiteral("Full.scn"));
        MakeOld(path);
        const QByteArray bytes(size, 'x');
        const Outcome out = SaveInChild(path, bytes, rlim_t(limit));
        QCOMPARE(out.written, written);
        if (written) {
            QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
            QCOMPARE(Contents(path), bytes);
        } else {
            // The system's own reason for a write past the limit, not Qt's "Unknown error".
            QCOMPARE(out.error, QString::fromLocal8Bit(std::strerror(EFBIG)));
            QCOMPARE(Contents(path), kOld);
        }
        QCOMPARE(QDir(room.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Full.scn")});
    }

    // The same child, given room, does write: the refusals above are the storage's.
    void sameSaveWithRoom() {
        const QString path = dir_.filePath(QStringLiteral("Room.scn"));
        MakeOld(path);
        OpenToEveryone(path);
        const Outcome out = SaveInChild(path, newBytes_, RLIM_INFINITY, true);
        if (out.noOrdinaryUser) QSKIP(kNoOrdinaryUser);
        QVERIFY2(out.written, qPrintable(out.error));
        QCOMPARE(Contents(path), newBytes_);
    }
};
QTEST_GUILESS_MAIN(FailingDiskTest)
#include "test_failing_disk.moc"
