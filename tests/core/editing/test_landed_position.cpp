// Landed ships at a surface position in a scenario of today's form: what the landed frame
// shows for each, where a ship leaving its pad starts, and what a save writes after an edit,
// line by line against the save made right after loading. The editor's steps are taken here
// without the windows: the display of a ship, its validation, the save.
#include "changed_lines.h"
#include "core/editing/landed_position.h"
#include "core/editing/scenario_saving.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_validation.h"
#include "core/scenario/scenario_reader.h"
#include "opened_scenario.h"
#include "test_files.h"

#include <QTest>

namespace {

Open Landers() {
    return Load(TestDataFile("today/Scenarios/Placements/Landers.scn"));
}

// The bases of today's installation as the catalog gives them: a name after one blank.
std::vector<InstalledBase> Bases() {
    return {{" Harbour Flats", 3, "Tarn", "Tarn\\Base\\Harbour.cfg", BaseLocation{"-12.5", "41.25"}},
            {" Ridge Point", 2, "Tarn", "Tarn\\Base\\Ridge.cfg", std::nullopt},
            {" Crater Rim", 1, "Skerry", "skerry\\BASE\\Crater.cfg", BaseLocation{"23.5 ", " -8.75"}}};
}

// The edits of a table row, "field=value" each, on the texts the frame shows.
bool Edit(ShipEditorTexts& t, const QStringList& edits) {
    for (const QString& edit : edits) {
        const QString field = edit.section('=', 0, 0);
        const QString value = edit.section('=', 1);
        if (field == "at") {
            if (value == "start") t = StartedAtPosition(t, Bases());
            t.landedAt = value == "pad" ? LandedAt::Pad : LandedAt::Position;
            continue;
        }
        const std::pair<const char*, QString*> fields[] = {
            {"planet", &t.landedPlanet},     {"base", &t.landedBase}, {"pad", &t.landedPad},
            {"heading", &t.heading},         {"body", &t.landedBody}, {"longitude", &t.landedLongitude},
            {"latitude", &t.landedLatitude}, {"status", nullptr}};
        bool found = false;
        for (const auto& [name, box] : fields) {
            if (field != QLatin1String(name)) continue;
            found = true;
            if (box)
                *box = value;
            else
                t.status = ShipStatusChoice::Landed;
        }
        if (!found) return false;
    }
    return true;
}

} // namespace

class LandedPositionTest : public QObject {
    Q_OBJECT
  private slots:
    void display_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<int>("at");
        QTest::addColumn<QStringList>("texts"); // body, longitude, latitude, heading, base
        const int position = int(LandedAt::Position);
        QTest::newRow("on the planet")
            << "Rover-1" << position << QStringList{"Tarn", "-12.4870000", "41.2530000", "127.50", ""};
        QTest::newRow("on the moon") << "Hopper" << position
                                     << QStringList{"Skerry", "23.5120000", "-8.7410000", "305.00", ""};
        QTest::newRow("on a pad") << "Ox-3" << int(LandedAt::Pad)
                                  << QStringList{"Tarn", "", "", "90", "Harbour Flats"};
        QTest::newRow("no heading line: none shown rather than the blank value")
            << "Relay-2" << position << QStringList{"Vesk", "10.6000000", "20.3000000", "", ""};
    }
    void display() {
        QFETCH(QString, ship);
        QFETCH(int, at);
        QFETCH(QStringList, texts);
        const Open open = Landers();
        QVERIFY(open.Row(ship) >= 0);
        const ShipEditorTexts t =
            ShipDisplayTexts(open.document, open.document.ShipTable[std::size_t(open.Row(ship))]);
        QCOMPARE(t.status, ShipStatusChoice::Landed);
        QCOMPARE(int(t.landedAt), at);
        QCOMPARE((QStringList{t.landedBody, t.landedLongitude, t.landedLatitude, t.heading, t.landedBase}),
                 texts);
    }

    void startedAtPosition_data() {
        QTest::addColumn<QStringList>("pad");      // planet, base, longitude and latitude shown before
        QTest::addColumn<QStringList>("position"); // body, longitude, latitude
        QTest::newRow("at the base's location")
            << QStringList{"Tarn", "Harbour Flats", "", ""} << QStringList{"Tarn", "-12.5", "41.25"};
        QTest::newRow("names in other letter case, blanks around")
            << QStringList{" skerry ", " CRATER RIM", "", ""} << QStringList{"skerry", "23.5", "-8.75"};
        QTest::newRow("a base without a location: the boxes as they were")
            << QStringList{"Tarn", "Ridge Point", "1", "2"} << QStringList{"Tarn", "1", "2"};
        QTest::newRow("a base of another body")
            << QStringList{"Vesk", "Harbour Flats", "", ""} << QStringList{"Vesk", "", ""};
        QTest::newRow("no pad picked: the body shown before stays")
            << QStringList{"", "", "", ""} << QStringList{"Vesk", "", ""};
    }
    void startedAtPosition() {
        QFETCH(QStringList, pad);
        QFETCH(QStringList, position);
        ShipEditorTexts t;
        t.landedBody = "Vesk";
        t.landedPlanet = pad[0];
        t.landedBase = pad[1];
        t.landedLongitude = pad[2];
        t.landedLatitude = pad[3];
        const ShipEditorTexts started = StartedAtPosition(t, Bases());
        QCOMPARE(started.landedAt, LandedAt::Position);
        QCOMPARE((QStringList{started.landedBody, started.landedLongitude, started.landedLatitude}),
                 position);
        // The pad stays in its labels, for a way back.
        QCOMPARE(started.landedBase, t.landedBase);
        // A ship at a position already keeps its boxes.
        QCOMPARE(StartedAtPosition(started, {}).landedLongitude, started.landedLongitude);
    }

    void saved_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("moved") << "Rover-1" << QStringList{"longitude=-12.3", "latitude= 41.3"}
                               << QStringList{"-  POS -12.4870000 41.2530000", "+  POS -12.3 41.3"};
        QTest::newRow("the same numbers in another spelling")
            << "Rover-1" << QStringList{"longitude=-12.487", "latitude=41.253000000"} << QStringList();
        QTest::newRow("moved to another body, the height over the ground kept")
            << "Hopper" << QStringList{"body=Tarn", "longitude=-12.5"}
            << QStringList{"-  STATUS Landed Skerry", "-  POS 23.5120000 -8.7410000", "+  STATUS Landed Tarn",
                           "+  POS -12.5 -8.7410000"};
        QTest::newRow("from the pad to a position, in the pad's place")
            << "Ox-3" << QStringList{"at=start"}
            << QStringList{"-  BASE Harbour Flats:2", "+  POS -12.5 41.25"};
        QTest::newRow("from a position to a pad, in the position's place")
            << "Rover-1" << QStringList{"at=pad", "planet=Tarn", "base= Harbour Flats", "pad=1"}
            << QStringList{"-  POS -12.4870000 41.2530000", "+  BASE Harbour Flats:1"};
        QTest::newRow("from a position to a pad, without the height over the ground")
            << "Hopper" << QStringList{"at=pad", "planet=Skerry", "base=Crater Rim", "pad=1"}
            << QStringList{"-  POS 23.5120000 -8.7410000", "-  ALT 2.150", "+  BASE Crater Rim:1"};
        QTest::newRow("a heading given")
            << "Relay-2" << QStringList{"heading=45"} << QStringList{"+  HEADING 45"};
        QTest::newRow("a heading taken away")
            << "Rover-1" << QStringList{"heading="} << QStringList{"-  HEADING 127.50"};
        QTest::newRow("there and back") << "Ox-3" << QStringList{"at=start", "at=pad"} << QStringList();
    }
    void saved() {
        QFETCH(QString, ship);
        QFETCH(QStringList, edits);
        QFETCH(QStringList, changes);
        Open open = Landers();
        const QByteArray before = open.Save();
        const int r = open.Row(ship);
        QVERIFY(r >= 0);
        ShipRow& row = open.document.ShipTable[std::size_t(r)];
        ShipEditorTexts t = ShipDisplayTexts(open.document, row);
        QVERIFY(Edit(t, edits));
        PlanetData planet;
        planet.readable = true;
        const ShipValidation validation = ValidateShip(t, planet, {});
        QVERIFY2(validation.Valid(), qPrintable(validation.failed.join(" / ")));
        row = StoredShipRow(row, t);
        QCOMPARE(ChangedLines(before, open.Save()), changes);
        // Read back, the ship stands where the edit put it.
        const Open again{ReadScenario(open.Save()).document, open.stations, open.ships};
        const ShipRow& back = again.document.ShipTable[std::size_t(r)];
        QCOMPARE(LandedAtPosition(back), t.landedAt == LandedAt::Position);
    }

    // A ship added in the editor and put at a position is written in the editor's own form.
    void addedShipAtPosition() {
        Open open = Landers();
        const QByteArray before = open.Save();
        ShipEditorTexts t;
        t.name = "Crawler";
        t.className = "Kite";
        t.status = ShipStatusChoice::Landed;
        t.landedAt = LandedAt::Position;
        t.landedBody = "Vesk";
        t.landedLongitude = "-1.5";
        t.landedLatitude = "2.25";
        t.heading = "180";
        t.fuel = " 50 %";
        QVERIFY(ValidateShip(t, PlanetData{}, {}).Valid());
        open.document.ShipTable.insert(open.document.ShipTable.begin() + open.ships,
                                       StoredShipRow(ShipRow{}, t));
        ++open.ships;
        QCOMPARE(ChangedLines(before, open.Save()),
                 (QStringList{"+Crawler:Kite", "+  STATUS Landed Vesk", "+  POS -1.5 2.25", "+  HEADING 180",
                              "+  FUEL .5", "+END"}));
        QCOMPARE(PlacementOf(open.document, open.document.ShipTable[std::size_t(open.ships - 1)]),
                 ShipPlacement::ByPosition);
    }
};
QTEST_GUILESS_MAIN(LandedPositionTest)
#include "test_landed_position.moc"
