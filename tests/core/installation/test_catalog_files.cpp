#include "core/installation/base_catalog.h"
#include "core/installation/dock_catalog.h"
#include "test_files.h"

#include <QDir>
#include <QTest>
#include <map>

namespace {
const QString kConfig = TestDataPath("stations/config/");

QByteArray ConfigFile(const QString& name) {
    return ReadFileBytes(kConfig + name).value_or(QByteArray());
}
} // namespace

class CatalogFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void dockListCount_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("expected");
        QTest::newRow("four ports and a blank line") << "Wheel.cfg" << 5;
        QTest::newRow("markers in other case, indented, with a comment") << "Ring.cfg" << 2;
        QTest::newRow("no dock list") << "Plain.cfg" << -1;
        QTest::newRow("two lists: both plus one") << "Twice.cfg" << 4;
        QTest::newRow("list never closed: lines after it less one") << "Open.cfg" << 2;
    }
    void dockListCount() {
        QFETCH(QString, file);
        QFETCH(int, expected);
        QCOMPARE(DockListCount(ConfigFile(file)), expected);
    }

    void dockListLineEnds() {
        // Files edited elsewhere: lone LF and lone CR end lines too.
        QCOMPARE(DockListCount("BEGIN_DOCKLIST\nA\nB\nEND_DOCKLIST\n"), 2);
        QCOMPARE(DockListCount("BEGIN_DOCKLIST\rA\rEND_DOCKLIST"), 1);
        QCOMPARE(DockListCount(""), -1);
    }

    void baseFilesOfBody_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("first word after the equals sign")
            << QByteArray("NumBases = 2\r\nBase1 = A x y\r\nBase2 = B x y\r\n") << QStringList({"A", "B"});
        QTest::newRow("blank lines skipped, any key read")
            << QByteArray("Size = 1\r\nNUMBASES 1\r\n\r\n   \r\nAnything = C\r\n") << QStringList({"C"});
        QTest::newRow("no equals sign: the whole line")
            << QByteArray("NumBases\r\n  D 1 2\r\n") << QStringList({"D"});
        QTest::newRow("comment only line is blank")
            << QByteArray("NumBases = 1\r\n; comment\r\nBase = E ; here\r\n") << QStringList({"E"});
        QTest::newRow("indented NumBases not seen")
            << QByteArray("  NumBases = 1\r\nBase = F\r\n") << QStringList();
        QTest::newRow("no NumBases") << QByteArray("Base = G\r\n") << QStringList();
    }
    void baseFilesOfBody() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QCOMPARE(BaseFilesOfBody(file), expected);
    }

    void baseFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pads");
        QTest::newRow("three pads, unindented name")
            << QByteArray("Name = X\r\nLPAD 1\r\nLPAD 2\r\nLpad 3\r\n") << " X" << 3;
        QTest::newRow("no name: the file name") << QByteArray("LPAD 1\r\n") << "Base" << 1;
        QTest::newRow("indented name keeps more") << QByteArray("  Name = X\r\n") << " = X" << 0;
        QTest::newRow("later name wins") << QByteArray("Name = X\r\nNAMES = YY\r\n") << "= YY" << 0;
        QTest::newRow("name too short") << QByteArray("Name\r\n") << "" << 0;
        QTest::newRow("comment after the name")
            << QByteArray("Name = Port Royal ; old\r\n") << " Port Royal" << 0;
    }
    void baseFile() {
        QFETCH(QByteArray, file);
        const BaseFileContents contents = ReadBaseFile(file, "Base");
        QTEST(contents.name, "name");
        QTEST(contents.padCount, "pads");
    }

    void catalogFromFiles() {
        std::map<QString, int> reads;
        auto readFile = [&reads](const QString& name) -> std::optional<QByteArray> {
            ++reads[name];
            return ReadFileBytes(kConfig + name);
        };
        // Venus has no file: it is skipped and the bodies after it are still read.
        const QStringList catalog = BuildBaseCatalog({"Earth", "Venus", "   Moon", "Mars"}, readFile);
        QCOMPARE(catalog, QStringList({" Alpha Base: 3:Earth", "Beta: 1:Earth", " = Gamma: 0:Moon"}));
        QCOMPARE(reads["Moon.cfg"], 1);
        QCOMPARE(reads["Venus.cfg"], 1);
        // Mars lists Alpha only under an indented NumBases, so Alpha is read for Earth alone.
        QCOMPARE(reads["Alpha.cfg"], 1);
    }

    void catalogSkipsBaseFilesThatCannotBeRead() {
        auto readFile = [](const QString& name) -> std::optional<QByteArray> {
            if (name == "P.cfg") return QByteArray("NumBases = 2\r\nB1 = Lost\r\nB2 = Kept\r\n");
            if (name == "Kept.cfg") return QByteArray("LPAD\r\nLPAD\r\n");
            return std::nullopt;
        };
        QCOMPARE(BuildBaseCatalog({"P"}, readFile), QStringList({"Kept: 2:P"}));
        QCOMPARE(BaseCatalogEntry(" X", 0, "P"), QString(" X: 0:P"));
    }
};
QTEST_GUILESS_MAIN(CatalogFilesTest)
#include "test_catalog_files.moc"
