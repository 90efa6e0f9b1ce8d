#include "core/scenario/scenario_reader.h"
#include "scenario_columns.h"

#include <QTest>

class ScenarioReaderTest : public QObject {
    Q_OBJECT
  private slots:
    // One cell of a table after reading a test file.
    void cells_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        const auto station = [](const char* tag, int row, const char* column, const QString& expected) {
            QTest::newRow(tag) << "basic.scn"
                               << "station" << row << column << expected;
        };
        station("header name, comment dropped", 0, "Name", "Beacon");
        station("header class", 0, "ClassName", "Lantern");
        station("ref without comment", 0, "Ref", "Earth");
        station("element 1", 0, "SemiMajorAxis", "6778137");
        station("element 2", 0, "Excentricity", "0");
        station("element 3", 0, "Inclination", "51.6");
        station("element 6", 0, "MeanLongitude", "0");
        station("no frequency line: class rotation", 0, "ClassRotation", "True");
        station("arot", 0, "ArotZ", "0");
        station("epoch day 13 March 2001", 0, "EpochDate", "36963");
        station("epoch hour", 0, "EpochHour", "12");
        station("epoch minute", 0, "EpochMinute", "0");
        station("frequency line: own rotation", 1, "ClassRotation", "False");
        station("frequency value", 1, "ZrotFrequency", "0.0016");
        station("arot after frequency", 1, "ArotY", "2");
        station("element 4", 1, "AscendingNodeLongitude", "20");
        station("element 5", 1, "PeriapsisLongitude", "30");
        station("epoch day 14 September 2002", 1, "EpochDate", "37513");
        station("shortened 12:30 stays 12:30", 1, "EpochMinute", "30");
        station("spare row empty", 2, "Name", "");

        const auto ship = [](const char* tag, const char* file, int row, const char* column,
                             const QString& expected) {
            QTest::newRow(tag) << file << "ship" << row << column << expected;
        };
        ship("landed status", "basic.scn", 0, "Status", "Landed");
        ship("landed planet", "basic.scn", 0, "StatusRef", "Earth");
        ship("base", "basic.scn", 0, "Base", "Canaveral");
        ship("pad", "basic.scn", 0, "Pad", "2");
        ship("heading", "basic.scn", 0, "Heading", "45.5");
        ship("first row is not blanked", "basic.scn", 0, "RposX", "");
        ship("keyword in lower case", "basic.scn", 1, "Status", "orbiting");
        ship("orbiting planet", "basic.scn", 1, "StatusRef", "Earth");
        ship("rvel y", "basic.scn", 1, "RvelY", "7660");
        ship("arot x", "basic.scn", 1, "ArotX", "10");
        ship("vrot untrimmed cut", "basic.scn", 1, "Vrot", "0.5");
        ship("hover engine", "basic.scn", 1, "HoverEngine", "0.25");
        ship("unknown lines kept", "basic.scn", 1, "OtherLines", "  XPDR 0\r\n  NAVFREQ 0 0");
        ship("second row blanked", "basic.scn", 1, "Heading", "Toto");
        ship("docked planet", "basic.scn", 2, "StatusRef", "Earth");
        ship("docked station", "basic.scn", 2, "DockedStation", "Beacon");
        ship("docked port", "basic.scn", 2, "DockedPort", "1");
        ship("unwritten rpos still read", "basic.scn", 2, "RposZ", "3");
        ship("spare row blanked", "basic.scn", 3, "Heading", "Toto");
        ship("spare row has no name", "basic.scn", 3, "Name", "");

        ship("class-less header", "classless.scn", 0, "Name", "Mir");
        ship("class-less header names its class", "classless.scn", 0, "ClassName", "Mir");
        ship("class-less ship own values", "classless.scn", 0, "Fuel", "0.9");
        ship("class-less ship own status", "classless.scn", 0, "Status", "Orbiting");
        ship("indented header", "classless.scn", 1, "Name", "Indented");
        ship("indented header class", "classless.scn", 1, "ClassName", "Heron");
        ship("indented ship own base", "classless.scn", 1, "Base", "Tranquility");
        ship("indented ship own fuel", "classless.scn", 1, "Fuel", "0.4");
        ship("header after blank line", "classless.scn", 2, "Name", "Blank");
        ship("ship after blank line own port", "classless.scn", 2, "DockedPort", "2");
        ship("header with comment", "classless.scn", 3, "Name", "Commented");
        ship("header with comment class", "classless.scn", 3, "ClassName", "Albatross");
        ship("commented ship own pad", "classless.scn", 3, "Pad", "3");
        ship("commented ship own lines", "classless.scn", 3, "OtherLines", "  XPDR 7");
        ship("class-less ship collects no header", "classless.scn", 0, "OtherLines", "");

        // A lander of today's form at a surface position; the line stays among the unknown ones.
        const char* landers = "../today/Scenarios/Placements/Landers.scn";
        ship("surface position longitude", landers, 0, "Longitude", "-12.4870000");
        ship("surface position latitude", landers, 0, "Latitude", "41.2530000");
        ship("surface position line kept", landers, 0, "OtherLines",
             "  POS -12.4870000 41.2530000\r\n  XPDR 466");
        ship("a pad, no position", landers, 2, "Longitude", "");
    }
    void cells() {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        const ScenarioReadResult r = ReadScenario(DataFile(file));
        const std::size_t size =
            table == "station" ? r.document.StationTable.size() : r.document.ShipTable.size();
        QVERIFY2(std::size_t(row) < size, "row missing");
        const auto columns = table == "station" ? Columns(r.document.StationTable[std::size_t(row)])
                                                : Columns(r.document.ShipTable[std::size_t(row)]);
        QVERIFY2(columns.contains(column), qPrintable(column));
        QCOMPARE(columns.value(column), expected);
    }

    void basicLists() {
        const ScenarioReadResult r = ReadScenario(DataFile("basic.scn"));
        QCOMPARE(r.document.Description,
                 QString("Shuttle rendezvous, day one; crew of 3\r\n  Second line with leading blanks"));
        QCOMPARE(r.document.SystemName, QString("Sol"));
        QCOMPARE(r.document.FocusShip, QString("Kite"));
        QCOMPARE(r.document.StartDate, 36963.0);
        QCOMPARE(r.document.StartHour, 12);
        QCOMPARE(r.document.StartMinute, 0);
        QCOMPARE(r.stationNames, QStringList({"Beacon", "Ring"}));
        QCOMPARE(r.document.StationTable.size(), std::size_t(3));
        QCOMPARE(r.shipNames, QStringList({"Kite", "Gull", "Tern"}));
        QCOMPARE(r.possibleShipFocus, QStringList({"Kite:Kestrel", "Gull:Heron", "Tern:Albatross"}));
        QCOMPARE(r.document.ShipTable.size(), std::size_t(4));
        QCOMPARE(r.shipIndexText, QString(" 3: 3"));
        QVERIFY(r.hasShips && r.hasDate && r.hasFocusShip && r.hasSystem);
    }

    // Every ship is listed once, in order, and entry k of the list is row k.
    void classlessShipsKeepTheirRows() {
        const ScenarioReadResult r = ReadScenario(DataFile("classless.scn"));
        QCOMPARE(r.shipNames, QStringList({"Mir", "Indented", "Blank", "Commented"}));
        QCOMPARE(r.possibleShipFocus,
                 QStringList({"Mir:Mir", "Indented:Heron", "Blank:Petrel", "Commented:Albatross"}));
        QCOMPARE(r.document.ShipTable.size(), std::size_t(5));
        for (int k = 0; k < r.shipNames.size(); ++k)
            QCOMPARE(r.document.ShipTable[std::size_t(k)].Name, r.shipNames[k]);
        QCOMPARE(r.shipIndexText, QString(" 4: 4"));
        QCOMPARE(r.document.StartDate, 36982.0); // 1 April 2001
        QCOMPARE(r.document.StartHour, 0);
        QVERIFY(r.stationNames.isEmpty());
        QCOMPARE(r.document.StationTable.size(), std::size_t(1));
    }

    void environment_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("system");
        const double j2000 = 36526; // 1 January 2000
        QTest::newRow("julian date") << Crlf({"BEGIN_ENVIRONMENT", "  System Sol", "  Date JD 2451545.0",
                                              "END_ENVIRONMENT"})
                                     << j2000 << 12 << 0 << ""
                                     << "Sol";
        QTest::newRow("julian epoch") << Crlf({"  Date JE 2000", "  System Sol"}) << j2000 << 12 << 0 << ""
                                      << "Sol";
        QTest::newRow("key in any case")
            << Crlf({"  DATE MJD 51544.5", "  SYSTEM  Sol"}) << j2000 << 12 << 0 << ""
            << "Sol";
        QTest::newRow("later focus wins, any section")
            << Crlf({"BEGIN_FOCUS", "  Ship Kite", "END_FOCUS", "BEGIN_CAMERA", "  Ship Gull", "END_CAMERA"})
            << -15018.0 << 0 << 0 << "Gull"
            << "";
        QTest::newRow("record after a comma")
            << Crlf({"  Mode 1, Ship Tern", "  Date MJD 52000.75"}) << 36982.0 << 18 << 0 << "Tern"
            << "";
        QTest::newRow("quoted record keeps its comma")
            << Crlf({"  \"Ship Kite, the first\" dropped, Date MJD 0"}) << -15018.0 << 0 << 0
            << "Kite, the first"
            << "";
        // Names run to the end of their line, as the writer puts them; a date does not.
        QTest::newRow("focus name with a comma")
            << Crlf({"  Ship Kite, the first", "  Date MJD 0, 5"}) << -15018.0 << 0 << 0 << "Kite, the first"
            << "";
        QTest::newRow("system name with a comma")
            << Crlf({"  System Sol, old", "  Ship Kite"}) << -15018.0 << 0 << 0 << "Kite"
            << "Sol, old";
        QTest::newRow("a name line holds no other record")
            << Crlf({"  System Sol", "  Ship Kite, System Vega, Date MJD 51544.5"}) << -15018.0 << 0 << 0
            << "Kite, System Vega, Date MJD 51544.5"
            << "Sol";
        QTest::newRow("camera target repeats the focus name")
            << Crlf({"BEGIN_FOCUS", "  Ship Kite, Shipyard", "END_FOCUS", "BEGIN_CAMERA",
                     "  Target Kite, Shipyard", "END_CAMERA"})
            << -15018.0 << 0 << 0 << "Kite, Shipyard"
            << "";
        QTest::newRow("name after a comma runs to the line end")
            << Crlf({"  Mode 1, Ship Kite, the first, Ship Gull"}) << -15018.0 << 0 << 0
            << "Kite, the first, Ship Gull"
            << "";
        QTest::newRow("a section of another program names no focus ship")
            << Crlf({"BEGIN_FOCUS", "  Ship Kite", "END_FOCUS", "BEGIN_ADDON", "  Ship Decoy", "  Date MJD 0",
                     "END_ADDON"})
            << -15018.0 << 0 << 0 << "Kite"
            << "";
        QTest::newRow("no keys at all")
            << Crlf({"BEGIN_DESC", "nothing", "END_DESC"}) << -15018.0 << 0 << 0 << ""
            << "";
        QTest::newRow("date without number") << Crlf({"  Date"}) << -15018.0 << 0 << 0 << ""
                                             << "";
        QTest::newRow("lone LF ends lines")
            << QByteArray("  Ship Kite\n  System Sol\n  Date MJD 51544.5\n") << j2000 << 12 << 0 << "Kite"
            << "Sol";
        QTest::newRow("lone CR ends lines")
            << QByteArray("  Ship Kite\r  System Sol\r  Date MJD 51544.5") << j2000 << 12 << 0 << "Kite"
            << "Sol";
    }
    void environment() {
        QFETCH(QByteArray, bytes);
        QFETCH(double, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, focus);
        QFETCH(QString, system);
        const ScenarioReadResult r = ReadScenario(bytes);
        QCOMPARE(r.document.StartDate, day);
        QCOMPARE(r.document.StartHour, hour);
        QCOMPARE(r.document.StartMinute, minute);
        QCOMPARE(r.document.FocusShip, focus);
        QCOMPARE(r.document.SystemName, system);
        QCOMPARE(r.hasFocusShip, !focus.isEmpty());
        QCOMPARE(r.hasSystem, !system.isEmpty());
    }

    void description_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("description");
        QTest::newRow("comma, semicolon, leading blanks")
            << Crlf({"BEGIN_DESC", "One, two; three", "   indented", "END_DESC"})
            << "One, two; three\r\n   indented";
        QTest::newRow("markers with blanks around")
            << Crlf({"  BEGIN_DESC ", "text", " END_DESC  "}) << "text";
        QTest::newRow("marker case counts") << Crlf({"begin_desc", "text", "END_DESC"}) << "";
        QTest::newRow("no section") << Crlf({"BEGIN_ENVIRONMENT", "END_ENVIRONMENT"}) << "";
        QTest::newRow("never closed") << Crlf({"BEGIN_DESC", "text"}) << "";
        QTest::newRow("empty lines kept") << Crlf({"BEGIN_DESC", "", "a", "", "END_DESC"}) << "\r\na\r\n";
        QTest::newRow("empty section") << Crlf({"BEGIN_DESC", "END_DESC"}) << "";
        QTest::newRow("only the first section")
            << Crlf({"BEGIN_DESC", "a", "END_DESC", "BEGIN_DESC", "b", "END_DESC"}) << "a";
        QTest::newRow("trailing blanks and tab kept") << Crlf({"BEGIN_DESC", "a \t", "END_DESC"}) << "a \t";
        QTest::newRow("mixed line ends") << QByteArray("BEGIN_DESC\na\rb\r\nEND_DESC") << "a\r\nb";
        // A comma ends a configuration record, never a description line.
        QTest::newRow("comma in description") << Crlf({"BEGIN_DESC", "One, two", "END_DESC"}) << "One, two";
        QTest::newRow("two sections in order")
            << Crlf({"BEGIN_DESC", "a", "END_DESC", "x", "BEGIN_DESC", "b", "END_DESC"}) << "a";
        QTest::newRow("no start marker") << Crlf({"a", "END_DESC"}) << "";
        QTest::newRow("markers compare exactly") << Crlf({"begin_desc", "a", "END_DESC"}) << "";
        QTest::newRow("indented markers are trimmed, the lines are not")
            << Crlf({"  BEGIN_DESC  ", "  a  ", "END_DESC"}) << "  a  ";
    }
    void description() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, description);
        QCOMPARE(ScenarioDescription(bytes), description);
        QCOMPARE(ReadScenario(bytes).document.Description, description);
    }

    // Any prefix of a good file reads without a crash; a marker cut short can at most read as
    // one more header.
    void everyPrefixReads() {
        const QByteArray whole = DataFile("basic.scn");
        for (qsizetype n = 0; n <= whole.size(); ++n) {
            const ScenarioReadResult r = ReadScenario(whole.left(n));
            QVERIFY(r.stationNames.size() <= 3);
            QVERIFY(r.shipNames.size() <= 4);
            QCOMPARE(r.document.ShipTable.size(), std::size_t(r.shipNames.size() + 1));
            QCOMPARE(r.document.StationTable.size(), std::size_t(r.stationNames.size() + 1));
        }
    }

    void arbitraryBytesRead() {
        quint32 seed = 12345;
        const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
        const QByteArray alphabet("\r\n :;,\"\tBEGIN_SHIPSTATIONSEND\x80\xff"
                                  "ab");
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes;
            const int size = int(next() % 400);
            for (int i = 0; i < size; ++i)
                bytes += alphabet[qsizetype(next() % quint32(alphabet.size()))];
            if (round % 3 == 0) bytes.prepend("BEGIN_SHIPS\r\n");
            if (round % 3 == 1) bytes.prepend("BEGIN_STATIONS\r\n");
            const ScenarioReadResult r = ReadScenario(bytes);
            QCOMPARE(r.document.ShipTable.size(), std::size_t(r.shipNames.size() + 1));
        }
    }
};
QTEST_GUILESS_MAIN(ScenarioReaderTest)
#include "test_scenario_reader.moc"
