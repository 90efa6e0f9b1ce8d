// The station and ship sections of a scenario: the rows read from them, block by block.
#include "core/scenario/scenario_reader.h"
#include "scenario_columns.h"

#include <QTest>

class ScenarioSectionsTest : public QObject {
    Q_OBJECT
  private slots:
    // Small station sections: the names read and one column of the first or last station.
    void stationSections_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("header without colon")
            << Crlf({"BEGIN_STATIONS", "Solo", "  REF Earth", "  EL_MJD 51544", "  ELEMENTS 1 2 3 4 5 6",
                     "  AROT 0 0 0", "END", "END_STATIONS"})
            << QStringList{"Solo"} << "ClassName"
            << "Solo";
        QTest::newRow("two blanks shift the elements")
            << Crlf({"BEGIN_STATIONS", "A:B", "  REF Earth", "  EL_MJD 51544",
                     "  ELEMENTS 6778137  0 51.6 0 0 0", "  AROT 0 0 0", "END", "END_STATIONS"})
            << QStringList{"A"} << "MeanLongitude"
            << "0 0";
        QTest::newRow("two blanks leave an empty value")
            << Crlf({"BEGIN_STATIONS", "A:B", "  REF Earth", "  EL_MJD 51544",
                     "  ELEMENTS 6778137  0 51.6 0 0 0", "  AROT 0 0 0", "END", "END_STATIONS"})
            << QStringList{"A"} << "Excentricity"
            << "";
        QTest::newRow("frequency keyword as written, then END")
            << Crlf({"BEGIN_STATIONS", "C:D", "  REF Mars", "  EL_MJD 51544", "  ELEMENTS 1 2 3 4 5 6",
                     "  AROT 0 0 0", "END", "A:B", "  REF Earth", "  EL_MJD 51544", "  ELEMENTS 1 2 3 4 5 6",
                     "  ZROT_FREQUENCY 0.0016", "END", "END_STATIONS"})
            << QStringList{"C", "A"} << "ZrotFrequency"
            << "0.0016";
        QTest::newRow("block after frequency-only block in step")
            << Crlf({"BEGIN_STATIONS", "A:B", "  REF Earth", "  EL_MJD 51544", "  ELEMENTS 1 2 3 4 5 6",
                     "  ZROT_FREQUENCY 0.0016", "END", "C:D", "  REF Mars", "  EL_MJD 51544",
                     "  ELEMENTS 1 2 3 4 5 6", "  AROT 0 0 0", "END", "END_STATIONS"})
            << QStringList{"A", "C"} << "Ref"
            << "Mars";
        QTest::newRow("blank line before END_STATIONS is no station")
            << Crlf({"BEGIN_STATIONS", "A:B", "  REF Earth", "  EL_MJD 51544", "  ELEMENTS 1 2 3 4 5 6",
                     "  AROT 0 0 0", "END", "", "END_STATIONS"})
            << QStringList{"A"} << "Ref"
            << "Earth";
        QTest::newRow("line shorter than its cut")
            << Crlf({"BEGIN_STATIONS", "A:B", "REF", "EL_MJD", "ELEMENTS", "AROT", "END", "END_STATIONS"})
            << QStringList{"A"} << "SemiMajorAxis"
            << "";
        QTest::newRow("file ends inside a block")
            << Crlf({"BEGIN_STATIONS", "A:B", "  REF Earth"}) << QStringList{"A"} << "Ref"
            << "Earth";
        QTest::newRow("block cut short by END") << Crlf({"BEGIN_STATIONS", "A:B", "  REF Earth", "END", "C:D",
                                                         "  REF Mars", "END", "END_STATIONS"})
                                                << QStringList{"A", "C"} << "Ref"
                                                << "Mars";
        QTest::newRow("marker with comment and blanks")
            << Crlf({" begin_stations ; here", "A:B", "  REF Earth", "END", " END_STATIONS ; done", "X:Y"})
            << QStringList{"A"} << "Name"
            << "A";
        QTest::newRow("station header keeps its indentation")
            << Crlf({"BEGIN_STATIONS", "  A:B", "  REF Earth", "END", "END_STATIONS"}) << QStringList{"  A"}
            << "ClassName"
            << "B";
    }
    void stationSections() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        const ScenarioReadResult r = ReadScenario(bytes);
        QCOMPARE(r.stationNames, names);
        QCOMPARE(r.document.StationTable.size(), std::size_t(names.size() + 1));
        QCOMPARE(Columns(r.document.StationTable[std::size_t(names.size() - 1)]).value(column), expected);
    }

    // Small ship sections: the names read, the ShipIndex text and one column of the last ship.
    void shipSections_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hover line as written") << Crlf({"BEGIN_SHIPS", "A:B", "  STATUS Orbiting Earth",
                                                        "  HOVER_MAIN  .25", "END", "END_SHIPS"})
                                               << QStringList{"A"} << " 1: 1"
                                               << "HoverEngine"
                                               << ".25";
        QTest::newRow("hover line is no unknown line")
            << Crlf(
                   {"BEGIN_SHIPS", "A:B", "  STATUS Orbiting Earth", "  HOVER_MAIN  .25", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "OtherLines"
            << "";
        QTest::newRow("marker with comment closes")
            << Crlf({"BEGIN_SHIPS", "A:B", "END", "END_SHIPS ; last ship", "C:D", "END"}) << QStringList{"A"}
            << " 1: 1"
            << "Name"
            << "A";
        QTest::newRow("marker in lower case does not close")
            << Crlf({"BEGIN_SHIPS", "A:B", "  end_ships", "  XPDR 1", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "OtherLines"
            << "  end_ships\r\n  XPDR 1";
        QTest::newRow("missing END: marker closes the block")
            << Crlf({"BEGIN_SHIPS", "A:B", "  FUEL 1", "END_SHIPS"}) << QStringList{"A"} << " 0: 1"
            << "OtherLines"
            << "";
        QTest::newRow("file ends inside a block")
            << Crlf({"BEGIN_SHIPS", "A:B", "  FUEL 0.3"}) << QStringList{"A"} << " 0: 1"
            << "Fuel"
            << "0.3";
        QTest::newRow("stray END is no ship")
            << Crlf({"BEGIN_SHIPS", "A:B", "END", "END", "C:D", "  FUEL 1", "END", "END_SHIPS"})
            << QStringList{"A", "C"} << " 2: 2"
            << "Fuel"
            << "1";
        QTest::newRow("lines starting with the name are collected")
            << Crlf({"BEGIN_SHIPS", "X:B", "  XPDR 1", "  NAVFREQ 0 0", "END", "END_SHIPS"})
            << QStringList{"X"} << " 1: 1"
            << "OtherLines"
            << "  XPDR 1\r\n  NAVFREQ 0 0";
        QTest::newRow("name ending in a blank: a line of the name alone is collected too")
            << Crlf({"BEGIN_SHIPS", "D :B", "D", "  XPDR 1", "END", "END_SHIPS"}) << QStringList{"D "}
            << " 1: 1"
            << "OtherLines"
            << "D\r\n  XPDR 1";
        QTest::newRow("a repeat of the header is no line of the ship")
            << Crlf({"BEGIN_SHIPS", "N:B", "  N:B ; again", "  NAVFREQ 0 0", "END", "END_SHIPS"})
            << QStringList{"N"} << " 1: 1"
            << "OtherLines"
            << "  NAVFREQ 0 0";
        QTest::newRow("tank levels give the fuel of the first tank")
            << Crlf({"BEGIN_SHIPS", "A:B", "  FUEL 0.3", "  PRPLEVEL 2:0.750000 0:0.250000", "END",
                     "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "Fuel"
            << "0.750000";
        QTest::newRow("tank levels before a FUEL line still give the fuel")
            << Crlf({"BEGIN_SHIPS", "A:B", "  PRPLEVEL 0:0.500000", "  FUEL 0.3", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "Fuel"
            << "0.500000";
        QTest::newRow("tank levels: the pairs as read, without keyword and comment")
            << Crlf({"BEGIN_SHIPS", "A:B", "  PRPLEVEL  0:1   2:.25 x ; main first", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "TankLevels"
            << "0:1   2:.25 x";
        QTest::newRow("tank levels of the last line, as the fuel")
            << Crlf({"BEGIN_SHIPS", "A:B", "  PRPLEVEL 0:0.5", "  PRPLEVEL 0:0.7 1:0.1", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "TankLevels"
            << "0:0.7 1:0.1";
        QTest::newRow("tank levels stay among the unknown lines")
            << Crlf({"BEGIN_SHIPS", "A:B", "  PRPLEVEL 0:0.5", "  XPDR 1", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "OtherLines"
            << "  PRPLEVEL 0:0.5\r\n  XPDR 1";
        QTest::newRow("no tank levels without a PRPLEVEL line")
            << Crlf({"BEGIN_SHIPS", "A:B", "  FUEL 0.3", "  PRPLEVEL", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "TankLevels"
            << "";
        QTest::newRow("tank line without a pair is no level")
            << Crlf({"BEGIN_SHIPS", "A:B", "  FUEL 0.3", "  PRPLEVEL", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "Fuel"
            << "0.3";
        QTest::newRow("simulator's hover keyword wins over the old one")
            << Crlf({"BEGIN_SHIPS", "A:B", "  ENGINE_HOVR 0.4", "  HOVER_MAIN 0.9", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "HoverEngine"
            << "0.4";
        QTest::newRow("simulator's hover keyword wins also when it comes last")
            << Crlf({"BEGIN_SHIPS", "A:B", "  HOVER_MAIN 0.9", "  ENGINE_HOVR 0.4", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "HoverEngine"
            << "0.4";
        QTest::newRow("vrot keeps every number")
            << Crlf({"BEGIN_SHIPS", "A:B", "  VROT 0.1 -0.2 0.3", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "Vrot"
            << "0.1 -0.2 0.3";
        QTest::newRow("comment removed from unknown line")
            << Crlf({"BEGIN_SHIPS", "A:B", "  XPDR 1 ; transponder", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "OtherLines"
            << "XPDR 1";
        QTest::newRow("blank line inside a block is kept")
            << Crlf({"BEGIN_SHIPS", "A:B", "  XPDR 1", "", "  NAVFREQ 0 0", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "OtherLines"
            << "  XPDR 1\r\n\r\n  NAVFREQ 0 0";
        QTest::newRow("docked without colons")
            << Crlf({"BEGIN_SHIPS", "A:B", "  STATUS Docked Earth", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "StatusRef"
            << "Earth";
        QTest::newRow("unknown status sets only the status")
            << Crlf({"BEGIN_SHIPS", "A:B", "  STATUS Drifting Earth", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "StatusRef"
            << "";
        QTest::newRow("status without a planet")
            << Crlf({"BEGIN_SHIPS", "A:B", "  STATUS", "END", "END_SHIPS"}) << QStringList{"A"} << " 1: 1"
            << "Status"
            << "";
        QTest::newRow("base without pad")
            << Crlf({"BEGIN_SHIPS", "A:B", "  BASE Canaveral", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "Base"
            << "Canaveral";
        QTest::newRow("rpos with two values")
            << Crlf({"BEGIN_SHIPS", "A:B", "  RPOS 1 2", "END", "END_SHIPS"}) << QStringList{"A"} << " 1: 1"
            << "RposZ"
            << "";
        QTest::newRow("vrot keeps its blank")
            << Crlf({"BEGIN_SHIPS", "A:B", "  VROT  0", "END", "END_SHIPS"}) << QStringList{"A"} << " 1: 1"
            << "Vrot"
            << " 0";
        QTest::newRow("two sections continue the rows")
            << Crlf({"BEGIN_SHIPS", "A:B", "END", "END_SHIPS", "BEGIN_SHIPS", "C:D", "  FUEL 1", "END",
                     "END_SHIPS"})
            << QStringList{"A", "C"} << " 2: 2"
            << "Fuel"
            << "1";
        // Unknown lines are joined as they come, except that empty ones before the first line
        // with anything on it leave nothing.
        QTest::newRow("comment line before the first unknown line leaves nothing")
            << Crlf({"BEGIN_SHIPS", "A:B", "  ; note", "  XPDR 1", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "OtherLines"
            << "  XPDR 1";
        QTest::newRow("comment line after an unknown line is kept empty")
            << Crlf({"BEGIN_SHIPS", "A:B", "  XPDR 1", "  ; note", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "OtherLines"
            << "  XPDR 1\r\n";
        QTest::newRow("unknown lines of the last block, closed by the file's end")
            << Crlf({"BEGIN_SHIPS", "A:B", "END", "C:D", "  XPDR 1", "  NAVFREQ 0 0"})
            << QStringList{"A", "C"} << " 1: 2"
            << "OtherLines"
            << "  XPDR 1\r\n  NAVFREQ 0 0";
        // Keywords are matched as UCase turns them, characters outside ASCII included.
        QTest::newRow("sharp s upper-cases the keyword to STATUS")
            << Crlf({"BEGIN_SHIPS", "A:B", "  STATU\xDF Landed Earth", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "Status"
            << "Landed";
        QTest::newRow("accent right after a keyword")
            << Crlf({"BEGIN_SHIPS", "A:B", "  FUEL\xE9 1", "END", "END_SHIPS"}) << QStringList{"A"} << " 1: 1"
            << "Fuel"
            << "1";
        QTest::newRow("keyword in lower case")
            << Crlf({"BEGIN_SHIPS", "A:B", "  engine_hovr 0.5", "END", "END_SHIPS"}) << QStringList{"A"}
            << " 1: 1"
            << "HoverEngine"
            << "0.5";
        QTest::newRow("word keyword with more letters is an unknown line")
            << Crlf({"BEGIN_SHIPS", "A:B", "  ELEMENTSX 1 2", "  DOCKINFOS 1", "END", "END_SHIPS"})
            << QStringList{"A"} << " 1: 1"
            << "OtherLines"
            << "  ELEMENTSX 1 2\r\n  DOCKINFOS 1";
        QTest::newRow("LF line ends")
            << QByteArray("BEGIN_SHIPS\nA:B\n  FUEL 1\nEND\nC:D\n  FUEL 2\nEND\nEND_SHIPS\n")
            << QStringList{"A", "C"} << " 2: 2"
            << "Fuel"
            << "2";
    }
    void shipSections() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        QFETCH(QString, index);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        const ScenarioReadResult r = ReadScenario(bytes);
        QCOMPARE(r.shipNames, names);
        QCOMPARE(r.shipIndexText, index);
        QCOMPARE(r.document.ShipTable.size(), std::size_t(names.size() + 1));
        QCOMPARE(Columns(r.document.ShipTable[std::size_t(names.size() - 1)]).value(column), expected);
    }

    void noShips() {
        const ScenarioReadResult r = ReadScenario(Crlf({"BEGIN_SHIPS", "", "END_SHIPS"}));
        QVERIFY(!r.hasShips);
        QVERIFY(r.shipNames.isEmpty());
        QVERIFY(r.possibleShipFocus.isEmpty());
        QCOMPARE(r.document.ShipTable.size(), std::size_t(1));
        QCOMPARE(r.shipIndexText, QString(" 0: 0"));
    }
};
QTEST_GUILESS_MAIN(ScenarioSectionsTest)
#include "test_scenario_sections.moc"
