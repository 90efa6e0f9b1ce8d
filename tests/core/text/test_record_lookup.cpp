#include "core/text/record_lookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class RecordLookupTest : public QObject {
    Q_OBJECT
  private slots:
    void records_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("comma splits a line")
            << QByteArray("Mass = 5.97e24, Size = 5\r\n") << QStringList{"Mass = 5.97e24", "Size = 5"};
        QTest::newRow("leading blanks skipped, trailing kept")
            << QByteArray("   a b  \r\n") << QStringList{"a b  "};
        QTest::newRow("quoted record keeps its comma")
            << QByteArray("\"a, b\" tail, c\r\n") << QStringList{"a, b", "c"};
        QTest::newRow("unclosed quote runs to the line end")
            << QByteArray("\"a, b\r\nc") << QStringList{"a, b", "c"};
        QTest::newRow("LF and CR end lines") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
        QTest::newRow("empty line is an empty record")
            << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("code page") << QByteArray("Name = Z\xfcrich\r\n")
                                   << QStringList{QString::fromUtf8("Name = Zürich")};
    }
    void records() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, records);
        QCOMPARE(ReadConfigRecord(bytes), records);
    }

    void getData_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("second record of a line") << QByteArray("Mass = 5.97e24, Size = 5\r\n") << "Size"
                                                 << "Size = 5";
        QTest::newRow("lower-case key") << QByteArray("  Mass = 7\r\n") << "mass"
                                        << "Mass = 7";
        QTest::newRow("last match wins") << QByteArray("Mass = 1\r\nMass = 2\r\n") << "Mass"
                                         << "Mass = 2";
        QTest::newRow("longer key matches") << QByteArray("SizeX = 3\r\n") << "Size"
                                            << "SizeX = 3";
        QTest::newRow("missing key") << QByteArray("Mass = 1\r\n") << "Size"
                                     << "No Data";
        QTest::newRow("short record") << QByteArray("Si\r\n") << "Size"
                                      << "No Data";
        QTest::newRow("scenario date")
            << QByteArray("BEGIN_ENVIRONMENT\r\n  System Sol\r\n  Date MJD 51981.5\r\n") << "Date"
            << "Date MJD 51981.5";
        QTest::newRow("nothing") << QByteArray() << "Mass"
                                 << "No Data";
    }
    void getData() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, flag);
        QFETCH(QString, expected);
        QCOMPARE(GetData(bytes, flag), expected);
    }

    void extractData_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("comma in description")
            << QByteArray("BEGIN_DESC\r\nOne, two\r\nEND_DESC\r\n") << QStringList{"One", "two"};
        QTest::newRow("two sections in order")
            << QByteArray("BEGIN_DESC\r\na\r\nEND_DESC\r\nx\r\nBEGIN_DESC\r\nb\r\nEND_DESC\r\n")
            << QStringList{"a", "b"};
        QTest::newRow("no start marker") << QByteArray("a\r\nEND_DESC\r\n") << QStringList{};
        QTest::newRow("markers compare exactly")
            << QByteArray("begin_desc\r\na\r\nEND_DESC\r\n") << QStringList{};
        QTest::newRow("indented markers are trimmed")
            << QByteArray("  BEGIN_DESC  \r\n  a  \r\nEND_DESC\r\n") << QStringList{"a"};
    }
    void extractData() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(ExtractData(bytes, "BEGIN_DESC", "END_DESC"), expected);
    }

    void filesThatCannotBeRead() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(GetDataFromFile(dir.path() + "/missing.cfg", "Mass"), QString("No Data"));
        QCOMPARE(ExtractDataFromFile(dir.path() + "/missing.cfg", "A", "B"), QStringList());
        // A folder where a file is expected reads as a missing file.
        QVERIFY(QDir(dir.path()).mkdir("Earth.cfg"));
        QCOMPARE(GetDataFromFile(dir.path() + "/Earth.cfg", "Mass"), QString("No Data"));
    }

    void fileNamesInSimulatorForm() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Config"));
        QFile file(dir.path() + "/Config/Earth.cfg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Mass = 5.973698968e+24\r\n");
        file.close();
        // Backslashes and a different letter case, as the simulator's own files name things.
        const QString path = QDir::toNativeSeparators(dir.path()) + "\\config\\EARTH.cfg";
        QCOMPARE(GetDataFromFile(path, "Mass"), QString("Mass = 5.973698968e+24"));
    }
};

QTEST_GUILESS_MAIN(RecordLookupTest)
#include "test_record_lookup.moc"
