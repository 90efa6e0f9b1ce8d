// Files that are not what a scenario or configuration file should be: never opened when
// they are not regular files, never waited on, read within seconds and without a memory
// bill many times their size when they are merely enormous.
#include "child_process.h"
#include "core/installation/class_catalogs.h"
#include "core/io/file_access.h"
#include "core/scenario/scenario_reader.h"
#include "core/text/codepage.h"
#include "core/text/record_lookup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>

#if defined(__SANITIZE_ADDRESS__)
#define SKELVAN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKELVAN_ASAN 1
#endif
#endif

namespace {
void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The peak resident size of the process so far, in bytes.
qint64 PeakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}
} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

  private slots:
    void notRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to itself") << "self link";
        QTest::newRow("link to a folder") << "folder link";
    }
    void notRegularFiles() {
        QFETCH(QString, kind);
        const QString path = dir_.filePath(kind + QStringLiteral(".scn"));
        if (kind == u"folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == u"pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == u"self link") {
            QVERIFY(QFile::link(path, path));
        } else {
            QVERIFY(QFile::link(dir_.path(), path));
        }
        // A pipe with no writer would block an open for ever: the test's time limit catches it.
        QVERIFY(!FileExists(path));
        QVERIFY(!ReadWholeFile(path).has_value());
        QVERIFY(!ListFiles(dir_.path(), QStringLiteral("*.scn")).contains(kind + QStringLiteral(".scn")));
    }

    void enormous_data() {
        QTest::addColumn<bool>("oneLine");
        QTest::addColumn<QString>("lastRecord");
        QTest::newRow("50 MB in one line") << true << QStringLiteral("Size = 1 x...x");
        QTest::newRow("a million short lines") << false << QStringLiteral("Size = 999");
    }
    void enormous() {
        QFETCH(bool, oneLine);
        QFETCH(QString, lastRecord);
        // In a child of its own, so that the peak memory measured is this lookup's alone.
        const ChildReport report = RunInChild([&](int* exitCode) {
            QByteArray bytes;
            if (oneLine) {
                bytes = "Size = 1 " + QByteArray(50 * 1024 * 1024, 'x');
            } else {
                bytes.reserve(12 * 1000000);
                for (int i = 0; i < 1000000; ++i)
                    bytes += "Size = " + QByteArray::number(i % 1000) + "\r\n";
            }
            const qint64 before = PeakMemory();
            QElapsedTimer timer;
            timer.start();
            QString found = GetData(bytes, QStringLiteral("size"));
            const bool collected = !ScenarioDescription(bytes).isEmpty();
            const qint64 elapsed = timer.elapsed();
            const qint64 growth = PeakMemory() - before;
            if (found.size() > 20) found = found.left(10) + QStringLiteral("...") + found.right(1);
            *exitCode = 0;
            return QStringLiteral("%1|%2|%3|%4|%5")
                .arg(found)
                .arg(collected)
                .arg(elapsed)
                .arg(growth)
                .arg(bytes.size())
                .toUtf8();
        });
        QVERIFY(report.finished);
        const QStringList parts = QString::fromUtf8(report.text).split(u'|');
        QCOMPARE(parts.size(), 5);
        QCOMPARE(parts[0], lastRecord);
        QCOMPARE(parts[1], QStringLiteral("0"));
        // Seconds, not minutes, also under the sanitizers.
        QVERIFY2(parts[2].toLongLong() < 60000, qPrintable(parts[2] + QStringLiteral(" ms")));
#ifndef SKELVAN_ASAN
        // The text is held as two bytes a character; the lookups keep no copy of every line
        // or record. (The sanitizers hold freed memory back, so only plain builds measure.)
        QVERIFY2(parts[3].toLongLong() < 5 * parts[4].toLongLong(),
                 qPrintable(QStringLiteral("%1 bytes more for a file of %2").arg(parts[3], parts[4])));
#endif
    }

    // Sections of other programs that never close, each reaching past the next: every one is
    // looked for its end once, not walked to the end of the file.
    void manyUnclosedSections() {
        QByteArray bytes;
        for (int i = 0; i < 100000; ++i)
            bytes += "BEGIN_X" + QByteArray::number(i) + "\r\n";
        bytes += "BEGIN_SHIPS\r\nA:B\r\nEND\r\nEND_SHIPS\r\n";
        QElapsedTimer timer;
        timer.start();
        const ScenarioReadResult read = ReadScenario(bytes);
        QVERIFY2(timer.elapsed() < 60000,
                 qPrintable(QString::number(timer.elapsed()) + QStringLiteral(" ms")));
        QCOMPARE(read.shipNames, QStringList{QStringLiteral("A")});
    }

    // Every byte value, at every place a record or key could begin.
    void everyByte() {
        QByteArray bytes;
        for (int round = 0; round < 64; ++round) {
            for (int b = 0; b < 256; ++b)
                bytes += char((b * 7 + round) & 0xFF);
        }
        const QString text = DecodeText(bytes);
        QCOMPARE(EncodeText(text), bytes);
        const QStringList records = ReadConfigRecord(bytes);
        QVERIFY(!records.isEmpty());
        for (const QString& r : records)
            QVERIFY(!r.contains(u'\r') && !r.contains(u'\n'));
        QCOMPARE(GetData(bytes, QStringLiteral("no such key anywhere")), kNoData);
        const QString path = dir_.filePath(QStringLiteral("bytes.cfg"));
        Write(path, bytes);
        QCOMPARE(*ReadWholeFile(path), bytes);
    }

    // A configuration folder with thousands of empty, binary and unreadable files.
    void crowdedConfigurationFolder() {
        const QString folder = dir_.filePath(QStringLiteral("Config"));
        QVERIFY(QDir().mkdir(folder));
        QByteArray binary;
        for (int b = 0; b < 4096; ++b)
            binary += char((b * 131) & 0xFF);
        for (int i = 0; i < 3000; ++i) {
            const QString path = folder + QStringLiteral("/f%1.cfg").arg(i, 4, 10, QLatin1Char('0'));
            Write(path, i % 3 == 0 ? QByteArray() : i % 3 == 1 ? binary : QByteArray("Name = Locked\r\n"));
            if (i % 3 == 2) QFile::setPermissions(path, QFileDevice::Permissions());
        }
        Write(folder + QStringLiteral("/Sol.cfg"), "Name = Sol\r\nStar1 = Sun\r\n");
        QElapsedTimer timer;
        timer.start();
        // As the start-up reads it: the listing, each listed file once, the catalogs built.
        const QStringList names = ListFiles(folder, QStringLiteral("*.cfg"));
        QCOMPARE(names.size(), 3001);
        const QString platformFolder = PlatformPath(folder);
        CatalogBuilder builder;
        for (const QString& name : names) {
            if (const std::optional<QByteArray> bytes = ReadListedFile(platformFolder, name))
                builder.Add(name, *bytes);
        }
        const ClassCatalogs catalogs = builder.Take();
        QCOMPARE(catalogs.planetarySystems, QStringList{QStringLiteral("Sol")});
        QCOMPARE(catalogs.planetarySystemFiles, QStringList{QStringLiteral("Sol.cfg")});
        QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
    }
};
QTEST_GUILESS_MAIN(HostileFilesTest)
#include "test_hostile_files.moc"
