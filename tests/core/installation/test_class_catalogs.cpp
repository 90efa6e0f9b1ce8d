// The three start-up catalogs built from a configuration folder's files, and the vessel
// classes of today's installation.
#include "core/installation/class_catalogs.h"
#include "core/installation/installed_catalogs.h"
#include "test_files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

namespace {
struct ConfigFile {
    QString name;
    QByteArray bytes;
};

std::vector<ConfigFile> FolderFiles(const QString& folder) {
    std::vector<ConfigFile> files;
    QDir dir(folder);
    QStringList names = dir.entryList({"*.cfg"}, QDir::Files);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& name : names) {
        if (const auto bytes = ReadFileBytes(dir.filePath(name))) files.push_back({name, *bytes});
    }
    return files;
}

// The catalogs as the start-up builds them, the files added in the order given.
ClassCatalogs Catalogs(const std::vector<ConfigFile>& files) {
    CatalogBuilder builder;
    for (const ConfigFile& file : files)
        builder.Add(file.name, file.bytes);
    return builder.Take();
}

// One key scan over the files in the order given, as the main window makes it.
KeyScan Scan(const std::vector<ConfigFile>& files, const QString& key1, const QString& key2) {
    KeyScan scan;
    for (const ConfigFile& file : files)
        AddToKeyScan(scan, file.name, KeysOfFile(file.bytes, key1, key2));
    return scan;
}
} // namespace

class ClassCatalogsTest : public QObject {
    Q_OBJECT
  private slots:
    void findData_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("key1");
        QTest::addColumn<QString>("key2");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("system and name") << QByteArray("Star1 = Sun\r\nName = Sol\r\n") << "Star1"
                                         << "Name" << QStringList{"f.cfg"} << QStringList{"Sol"};
        QTest::newRow("no blanks around the equals sign lose two characters")
            << QByteArray("ClassName=Tight\r\n") << "ClassName"
            << "ClassName" << QStringList{"f.cfg"} << QStringList{"ght"};
        QTest::newRow("indented key is found")
            << QByteArray("    ClassName = Indent\r\n") << "ClassName"
            << "ClassName" << QStringList{"f.cfg"} << QStringList{"Indent"};
        QTest::newRow("other letter case is not found") << QByteArray("classname = Lower\r\n") << "ClassName"
                                                        << "ClassName" << QStringList{} << QStringList{};
        QTest::newRow("two key records list the file twice and its values twice")
            << QByteArray("ClassName = A\r\nClassName = B\r\n") << "ClassName"
            << "ClassName" << QStringList{"f.cfg", "f.cfg"} << QStringList{"A", "B", "A", "B"};
        QTest::newRow("comma starts a record") << QByteArray("Module = M, ClassName = C\r\n") << "ClassName"
                                               << "ClassName" << QStringList{"f.cfg"} << QStringList{"C"};
        QTest::newRow("quoted record keeps its comma")
            << QByteArray("\"ClassName = Q, R\" dropped, x = 1\r\n") << "ClassName"
            << "ClassName" << QStringList{"f.cfg"} << QStringList{"Q, R"};
        QTest::newRow("lone CR and lone LF end lines")
            << QByteArray("Star1 = S\rName = N1\nName = N2") << "Star1"
            << "Name" << QStringList{"f.cfg"} << QStringList{"N1", "N2"};
        // The value is cut by count: the key and three more characters go.
        QTest::newRow("a key that begins a longer key matches")
            << QByteArray("Star10 = S\r\nNameless = X\r\n") << "Star1"
            << "Name" << QStringList{"f.cfg"} << QStringList{"s = X"};
        QTest::newRow("key record alone has an empty value")
            << QByteArray("ClassName\r\n") << "ClassName"
            << "ClassName" << QStringList{"f.cfg"} << QStringList{""};
    }
    void findData() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key1);
        QFETCH(QString, key2);
        QFETCH(QStringList, files);
        QFETCH(QStringList, values);
        const KeyScan scan = Scan({{"f.cfg", bytes}}, key1, key2);
        QCOMPARE(scan.files, files);
        QCOMPARE(scan.values, values);
    }

    void catalogsOfTestFolder() {
        const ClassCatalogs c = Catalogs(FolderFiles(TestDataPath("simulator/sim/Config")));
        // One entry per system file: Beta holds two "Star1" and two "Name" records and takes its
        // first name; Gamma has no name and is listed under its file name.
        QCOMPARE(c.planetarySystems, (QStringList{"Alpha", "Beta", "Gamma", "Hybrid"}));
        QCOMPARE(c.planetarySystemFiles, (QStringList{"Alpha.cfg", "Beta.cfg", "Gamma.cfg", "Hybrid.cfg"}));
        QCOMPARE(c.spacecraftClasses,
                 (QStringList{"Comma", "Hybrid Ship", "Indent", "Kite", "Quoted, with comma", "ght", "Twin A",
                              "Twin B", "Twin A", "Twin B"}));
        QCOMPARE(c.stationClassFiles, (QStringList{"Dock2.cfg", "Double.cfg", "Double.cfg"}));
        QCOMPARE(c.stationClasses, (QStringList{"Dock2", "Double", "Double"}));
        QCOMPARE(c.stationMeshNames, (QStringList{"Dock2Mesh", "DoubleMesh", "DoubleMesh"}));
    }

    void catalogsOfDemo() {
        const ClassCatalogs c = Catalogs(FolderFiles(DemoPath("Config")));
        QCOMPARE(c.planetarySystems, (QStringList{"Corvus", "Sol"}));
        QCOMPARE(c.planetarySystemFiles, (QStringList{"Corvus.cfg", "Sol.cfg"}));
        QCOMPARE(c.spacecraftClasses, (QStringList{"Albatross", "Heron", "Kestrel", "Petrel"}));
        QCOMPARE(c.stationClasses, (QStringList{"Carousel", "Lantern", "Trellis"}));
    }

    // The one-pass catalogs are those of the separate key scans, where the scans cannot break
    // the pairing: random files built from key records, blanks, commas, quotes and line ends.
    void onePassEqualsKeyScans() {
        const QList<QByteArray> pieces = {"Star1 = S",
                                          "Name = N",
                                          "Name=M",
                                          "ClassName = C",
                                          "ClassName",
                                          "BEGIN_DOCKLIST",
                                          "END_DOCKLIST",
                                          "Meshname = X",
                                          "  ",
                                          ",",
                                          "\"",
                                          "\r\n",
                                          "\r",
                                          "\n",
                                          "Star",
                                          "Class Name = Z",
                                          "\xe9\x80",
                                          "Meshname=Y",
                                          "  ClassName = D ",
                                          "Nam"};
        QRandomGenerator random(20261208);
        for (int round = 0; round < 300; ++round) {
            std::vector<ConfigFile> files;
            const int count = random.bounded(1, 6);
            for (int f = 0; f < count; ++f) {
                QByteArray bytes;
                const int n = random.bounded(0, 25);
                for (int k = 0; k < n; ++k)
                    bytes += pieces[random.bounded(int(pieces.size()))];
                files.push_back({QString("F%1.cfg").arg(f), bytes});
            }
            const ClassCatalogs c = Catalogs(files);
            const KeyScan ships = Scan(files, "ClassName", "ClassName");
            QCOMPARE(c.spacecraftClasses, ships.values);
            const KeyScan stations = Scan(files, "BEGIN_DOCKLIST", "Meshname");
            QCOMPARE(c.stationClassFiles, stations.files);
            QCOMPARE(c.stationMeshNames, stations.values);
            // Systems: one entry per file holding a "Star1" record, named by its first "Name" value.
            QStringList systems, systemFiles;
            for (const ConfigFile& file : files) {
                const FileKeys keys = KeysOfFile(file.bytes, "Star1", "Name");
                if (keys.key1Count > 0) {
                    systemFiles.append(file.name);
                    systems.append(keys.key2Values.isEmpty() ? file.name.chopped(4)
                                                             : keys.key2Values.first());
                }
            }
            QCOMPARE(c.planetarySystems, systems);
            QCOMPARE(c.planetarySystemFiles, systemFiles);
            QCOMPARE(c.planetarySystems.size(), c.planetarySystemFiles.size());
        }
    }

    void shortFileNameLosesEverything() {
        // A class file name shorter than its extension leaves an empty class name, not a crash.
        const ClassCatalogs c = Catalogs({{"a", "BEGIN_DOCKLIST\r\n"}});
        QCOMPARE(c.stationClasses, QStringList{""});
    }

    // Today's installation names its vessel classes by their paths below "Config\Vessels\",
    // subfolders joined by "\"; the "ClassName" values of the folder's own files come first.
    // Only the vessel classes with a dock list have ports, and none joins the station classes.
    void catalogsOfTodaysInstallation() {
        const InstalledCatalogs c = ReadInstalledCatalogs(TestDataPath("today/Config/"));
        QCOMPARE(c.classes.spacecraftClasses, QStringList{"Kestrel"});
        QCOMPARE(c.classes.vesselClasses,
                 (QStringList{"Glider", "Haulers\\Ox", "Kite", "Lifter", "Stations\\Spindle"}));
        QCOMPARE(ShipClasses(c.classes),
                 (QStringList{"Kestrel", "Glider", "Haulers\\Ox", "Kite", "Lifter", "Stations\\Spindle"}));
        QCOMPARE(c.classes.stationClasses, QStringList());
        QCOMPARE(c.vesselDocks.size(), std::size_t(2));
        QCOMPARE(c.vesselDocks[0].className, QString("Lifter"));
        QCOMPARE(c.vesselDocks[0].dockCount, 3);
        QCOMPARE(c.vesselDocks[1].className, QString("Stations\\Spindle"));
        QCOMPARE(c.vesselDocks[1].dockCount, 4);
        QCOMPARE(AllClassDocks(c).size(), std::size_t(2));
        QCOMPARE(c.unreadable, QStringList());
    }

    // The class list: the "ClassName" values as ever (repeats too), then each vessel class that
    // no earlier entry names, letter case ignored.
    void shipClasses_data() {
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QStringList>("vessels");
        QTest::addColumn<QStringList>("classes");
        QTest::newRow("vessels after the named classes")
            << QStringList{"Kestrel"} << QStringList{"Glider", "Haulers\\Ox"}
            << QStringList{"Kestrel", "Glider", "Haulers\\Ox"};
        QTest::newRow("a vessel that a ClassName names in other case is that class")
            << QStringList{"Kestrel"} << QStringList{"KESTREL", "Kite"} << QStringList{"Kestrel", "Kite"};
        QTest::newRow("repeated ClassName values stay")
            << QStringList{"A", "A"} << QStringList() << QStringList{"A", "A"};
        QTest::newRow("vessels alone") << QStringList() << QStringList{"Glider"} << QStringList{"Glider"};
    }
    void shipClasses() {
        QFETCH(QStringList, named);
        QFETCH(QStringList, vessels);
        ClassCatalogs catalogs;
        catalogs.spacecraftClasses = named;
        catalogs.vesselClasses = vessels;
        QTEST(ShipClasses(catalogs), "classes");
    }

    // Two vessel files whose paths differ only in letter case (possible where the file system
    // tells them apart) are one class for the simulator: the first stands.
    void vesselPathsEqualButForCase() {
        CatalogBuilder builder;
        QVERIFY(builder.AddVessel("Haulers\\Ox.cfg"));
        QVERIFY(!builder.AddVessel("haulers\\OX.cfg"));
        QVERIFY(builder.AddVessel("Kite.CFG"));
        QCOMPARE(builder.Take().vesselClasses, (QStringList{"Haulers\\Ox", "Kite"}));
    }

    void holdsDockList_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("holds");
        QTest::newRow("a dock list") << QByteArray("Size = 2\r\nBEGIN_DOCKLIST\r\nEND_DOCKLIST\r\n") << true;
        QTest::newRow("indented, after a comma") << QByteArray("Mass = 1,   BEGIN_DOCKLIST\r\n") << true;
        QTest::newRow("other letter case is none") << QByteArray("begin_docklist\r\n") << false;
        QTest::newRow("inside a record is none") << QByteArray("Note = BEGIN_DOCKLIST\r\n") << false;
        QTest::newRow("no dock list") << QByteArray("Module = Kite\r\n") << false;
    }
    void holdsDockList() {
        QFETCH(QByteArray, bytes);
        QTEST(HoldsDockList(bytes), "holds");
    }

    void builderTellsStationClassFiles() {
        CatalogBuilder builder;
        builder.Add("S.cfg", "BEGIN_DOCKLIST\r\nEND_DOCKLIST\r\n");
        QVERIFY(builder.LastWasStationClass());
        builder.Add("P.cfg", "ClassName = P\r\n");
        QVERIFY(!builder.LastWasStationClass());
    }
};
QTEST_GUILESS_MAIN(ClassCatalogsTest)
#include "test_class_catalogs.moc"
