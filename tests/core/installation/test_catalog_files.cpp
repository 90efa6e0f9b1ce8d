#include "core/installation/base_catalog.h"
#include "core/installation/dock_catalog.h"
#include "core/io/file_access.h"
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
        QTest::addColumn<QString>("location"); // longitude and latitude, or empty for none
        QTest::newRow("three pads, unindented name")
            << QByteArray("Name = X\r\nLPAD 1\r\nLPAD 2\r\nLpad 3\r\n") << " X" << 3 << "";
        QTest::newRow("no name: the file name") << QByteArray("LPAD 1\r\n") << "Base" << 1 << "";
        QTest::newRow("indented name keeps more") << QByteArray("  Name = X\r\n") << " = X" << 0 << "";
        QTest::newRow("later name wins") << QByteArray("Name = X\r\nNAMES = YY\r\n") << "= YY" << 0 << "";
        QTest::newRow("name too short") << QByteArray("Name\r\n") << "" << 0 << "";
        QTest::newRow("comment after the name")
            << QByteArray("Name = Port Royal ; old\r\n") << " Port Royal" << 0 << "";
        QTest::newRow("older form keeps no location")
            << QByteArray("Name = X\r\nLocation = 1 2\r\n") << " X" << 0 << "";
        // Today's form: the pads are the unindented objects of the object list whose type
        // begins with "LPAD"; the name and the location stand outside the list.
        const QByteArray today = "BASE-V2.0\r\nName = Harbour Flats\r\nLocation = -12.5  41.25\r\n"
                                 "LPADTEX = Lpad01\r\nBEGIN_OBJECTLIST\r\nLPAD2\r\n  POS 0 0 0\r\nEND\r\n"
                                 "HANGAR\r\n  LPAD 1\r\nEND\r\nlpad1 ; small\r\n  LPAD1\r\n\tLPAD1\r\n"
                                 "END_OBJECTLIST\r\n";
        QTest::newRow("today's form") << today << " Harbour Flats" << 2 << "-12.5 41.25";
        QTest::newRow("today's form, marker in other case and with a comment")
            << QByteArray(" base-v2.0 ; form\r\nBEGIN_OBJECTLIST\r\nLPAD1\r\nEND_OBJECTLIST\r\n") << "Base"
            << 1 << "";
        QTest::newRow("today's form, two object lists add up")
            << QByteArray("BASE-V2.0\nBEGIN_OBJECTLIST\nLPAD1\nEND_OBJECTLIST\nLPAD9\n"
                          "begin_objectlist\nLPAD2\nend_objectlist\n")
            << "Base" << 2 << "";
        QTest::newRow("today's form, name without blanks, location without latitude")
            << QByteArray("BASE-V2.0\r\nName=Tight\r\nLocation = 5\r\n") << " Tight" << 0 << "";
        QTest::newRow("today's form, the object list's own Name is none")
            << QByteArray(
                   "BASE-V2.0\r\nName = Outer\r\nBEGIN_OBJECTLIST\r\nName = Inner\r\nEND_OBJECTLIST\r\n")
            << " Outer" << 0 << "";
        QTest::newRow("marker after the first line: the older form")
            << QByteArray("; base\r\nBASE-V2.0\r\nLPAD1\r\n") << "Base" << 1 << "";
    }
    void baseFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, location);
        const BaseFileContents contents = ReadBaseFile(file, "Base");
        QTEST(contents.name, "name");
        QTEST(contents.padCount, "pads");
        QCOMPARE(contents.location ? contents.location->longitude + ' ' + contents.location->latitude
                                   : QString(),
                 location);
    }

    // A body's bases: those its file lists after "NumBases", then those of its folder
    // "<Body>\Base\" in name order; one name (trimmed, letter case ignored) counts once, and
    // a base of the folder wins. Files are given as path and bytes, the folder in name order.
    void basesOfBodyAndFolder_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("catalog");
        QTest::newRow("listed bases, then the folder's")
            << QStringList{"P.cfg",          "NumBases = 1\r\nB = A\r\n",
                           "A.cfg",          "Name = Alpha\r\nLPAD\r\n",
                           "P\\Base\\B.cfg", "BASE-V2.0\r\nName = Beta\r\n"}
            << QStringList{" Alpha: 1:P", " Beta: 0:P"};
        QTest::newRow("the folder's file wins, named in other case and blanks")
            << QStringList{"P.cfg",
                           "NumBases = 2\r\nB = A\r\nB = C\r\n",
                           "A.cfg",
                           "Name = Alpha\r\nLPAD\r\n",
                           "C.cfg",
                           "Name = Gamma\r\n",
                           "P\\Base\\A.cfg",
                           "BASE-V2.0\r\nName =  ALPHA "
                           "\r\nBEGIN_OBJECTLIST\r\nLPAD1\r\nLPAD2\r\nEND_OBJECTLIST\r\n"}
            << QStringList{" Gamma: 0:P", " ALPHA: 2:P"};
        QTest::newRow("two listed bases of one name: the first")
            << QStringList{"P.cfg",  "NumBases = 2\r\nB = A\r\nB = A2\r\n",
                           "A.cfg",  "Name = Alpha\r\nLPAD\r\n",
                           "A2.cfg", "Name = alpha\r\n"}
            << QStringList{" Alpha: 1:P"};
        QTest::newRow("two folder files of one name: the first by name")
            << QStringList{"P\\Base\\A.cfg", "BASE-V2.0\r\nName = Same\r\n", "P\\Base\\B.cfg",
                           "BASE-V2.0\r\nName = same\r\nBEGIN_OBJECTLIST\r\nLPAD1\r\nEND_OBJECTLIST\r\n"}
            << QStringList{" Same: 0:P"};
        QTest::newRow("a folder without a body file, an unnamed base by its file")
            << QStringList{"P\\Base\\Quay.cfg", "LPAD = 1\r\n"} << QStringList{"Quay: 1:P"};
    }
    void basesOfBodyAndFolder() {
        QFETCH(QStringList, files);
        std::vector<std::pair<QString, QByteArray>> disk;
        for (qsizetype i = 0; i + 1 < files.size(); i += 2)
            disk.emplace_back(files[i], files[i + 1].toLatin1());
        auto readFile = [&](const QString& name) -> std::optional<QByteArray> {
            for (const auto& [path, bytes] : disk)
                if (path == name) return bytes;
            return std::nullopt;
        };
        auto listFolder = [&](const QString& folder) {
            QStringList names;
            for (const auto& [path, bytes] : disk)
                if (path.startsWith(folder)) names << path.mid(folder.size());
            return names;
        };
        QTEST(BuildBaseCatalog({"P"}, readFile, listFolder), "catalog");
    }

    // Today's installation: Tarn's bases are files of its base folder, of both forms; the
    // moon's folder is written "skerry\BASE"; Vesk lists two bases and its folder names one of
    // them again, with three pads where the older file had one.
    void basesOfTodaysInstallation() {
        const QString config = TestDataPath("today/Config/");
        const std::vector<InstalledBase> bases = ReadInstalledBases(
            {"Tarn", "   Skerry", "Vesk"}, [&](const QString& name) { return ReadWholeFile(config + name); },
            ConfigFoldersOnDisk(config));
        const std::vector<InstalledBase> expected = {
            {" Harbour Flats", 3, "Tarn", "Tarn\\Base\\Harbour.cfg", BaseLocation{"-12.5", "41.25"}},
            {" Ridge Point", 2, "Tarn", "Tarn\\Base\\Ridge.cfg", std::nullopt},
            {" Crater Rim", 1, "Skerry", "Skerry\\Base\\Crater.cfg", BaseLocation{"23.5", "-8.75"}},
            {" Saltpan", 2, "Vesk", "Saltpan.cfg", std::nullopt},
            {" Dunmore Field", 3, "Vesk", "Vesk\\Base\\Dunmore.cfg", BaseLocation{"10.5", "20.25"}}};
        QCOMPARE(bases.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(bases[i] == expected[i], qPrintable(bases[i].name + " " + bases[i].file));
        QCOMPARE(BaseCatalogEntries(bases),
                 (QStringList{" Harbour Flats: 3:Tarn", " Ridge Point: 2:Tarn", " Crater Rim: 1:Skerry",
                              " Saltpan: 2:Vesk", " Dunmore Field: 3:Vesk"}));
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
