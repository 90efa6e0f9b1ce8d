#include "core/text/record_lookup.h"

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
};

QTEST_GUILESS_MAIN(RecordLookupTest)
#include "test_record_lookup.moc"
