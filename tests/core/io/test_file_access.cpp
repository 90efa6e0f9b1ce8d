// Reading a file by a path as the simulator writes it: a folder text with "\" separators and a
// file name whose letter case may differ from the name on disk. What cannot be read as a
// regular file reads as no file at all.
#include "core/io/file_access.h"

#include <QDir>
#include <QFile>
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
