// The validations as the tabs and the check run them: the planet looked up by the name the row
// writes, its file named when it cannot be read, the other listed rows' names; and the station
// table as a validation and a deletion change it.
#include "core/editing/row_validation.h"
#include "core/editing/station_rows.h"
#include "test_files.h"

#include <QDir>
#include <QTest>

namespace {
const QString kConfig = QStringLiteral("/sim/Config/");

StationControlTexts Station(const QString& name, const QString& planet) {
    StationControlTexts t;
    t.name = name;
    t.rotationFrequency = "0.05";
    t.xAngle = t.yAngle = t.zAngle = "0";
    t.semiMajorAxis = "7000000";
    t.excentricity = "0.05";
    t.inclination = "51.6";
    t.ascendingNodeLongitude = t.periapsisLongitude = t.meanLongitude = "0";
    t.refPlanet = planet;
    return t;
}

ShipEditorTexts OrbitingShip(const QString& name, const QString& planet) {
    ShipEditorTexts t;
    t.status = ShipStatusChoice::Orbiting;
    t.name = name;
    t.orbitingPlanet = planet;
    t.rposX = "7000000";
    t.rposY = t.rposZ = t.rvelX = t.rvelZ = "0";
    t.rvelY = "7546.05";
    t.arotX = t.arotY = t.arotZ = t.angularVelocity = "0";
    return t;
}

// A lookup that knows Earth only, and notes every body asked for.
PlanetLookup EarthOnly(QStringList* asked) {
    return [asked](const QString& body) {
        asked->append(body);
        PlanetData planet;
        if (body.trimmed() == u"Earth") planet = ReadPlanetData("Size = 6371000\r\nAtmAltLimit = 200000\r\n");
        planet.file = kConfig + body.trimmed() + ".cfg";
        return planet;
    };
}

QString Unreadable(const QString& body, const char* rest) {
    return "The planet file \"" + QDir::toNativeSeparators(kConfig + body + ".cfg") + "\" cannot be read" +
           rest;
}
} // namespace

class RowValidationTest : public QObject {
    Q_OBJECT
  private slots:
    // Which body is looked up, and what an unreadable or missing planet gives.
    void planetLookedUp_data() {
        QTest::addColumn<QString>("planet");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("stationValid");
        QTest::addColumn<bool>("shipValid");
        QTest::newRow("known") << "Earth" << QStringList{"Earth"} << true << true;
        QTest::newRow("moon caption with blanks") << "   Earth" << QStringList{"   Earth"} << true << true;
        QTest::newRow("unreadable") << "Vulcan" << QStringList{"Vulcan"} << false << false;
        QTest::newRow("none chosen: nothing read") << "  " << QStringList{} << false << false;
    }
    void planetLookedUp() {
        QFETCH(QString, planet);
        QFETCH(QStringList, asked);
        QFETCH(bool, stationValid);
        QFETCH(bool, shipValid);
        QStringList stationAsked;
        const QStringList messages =
            ValidateStationRow(Station("Ring", planet), EarthOnly(&stationAsked), {});
        QCOMPARE(stationAsked, asked);
        QCOMPARE(messages.isEmpty(), stationValid);
        QStringList shipAsked;
        const ShipValidation ship = ValidateShipRow(OrbitingShip("Kite", planet), EarthOnly(&shipAsked), {});
        QCOMPARE(shipAsked, asked);
        QCOMPARE(ship.Valid(), shipValid);
    }

    void unreadablePlanetFileIsNamed() {
        QStringList asked;
        const QStringList station = ValidateStationRow(Station("Ring", " Vulcan"), EarthOnly(&asked), {});
        QVERIFY2(!station.filter(Unreadable("Vulcan", "")).isEmpty(), qPrintable(station.join('\n')));
        const ShipValidation ship = ValidateShipRow(OrbitingShip("Kite", "Vulcan"), EarthOnly(&asked), {});
        QCOMPARE(ship.failed,
                 QStringList{Unreadable("Vulcan", ": choose the planet the ship orbits around.")});
    }

    // A landed ship never looks its planet up, whatever it names.
    void landedShipReadsNoPlanet() {
        ShipEditorTexts t = OrbitingShip("Kite", "Vulcan");
        t.status = ShipStatusChoice::Landed;
        QStringList asked;
        ValidateShipRow(t, EarthOnly(&asked), {});
        QVERIFY(asked.isEmpty());
    }

    void planetFilesOnDisk() {
        const PlanetLookup disk = PlanetFilesOnDisk(TestDataPath("ships/Config/"));
        QCOMPARE(disk("Earth").MeanRadius, 6371000.0);
        const PlanetData moon = disk("  Moon");
        QCOMPARE(moon.MeanRadius, 1737100.0);
        QCOMPARE(moon.file, TestDataPath("ships/Config/Moon.cfg"));
        const PlanetData vulcan = disk("Vulcan");
        QVERIFY(!vulcan.readable);
        QCOMPARE(vulcan.file, TestDataPath("ships/Config/Vulcan.cfg"));
    }

    void otherNames_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("self");
        QTest::addColumn<QStringList>("others");
        QTest::newRow("middle row") << 3 << 1 << QStringList{"A", "C"};
        QTest::newRow("spare row beyond the list") << 2 << 3 << QStringList{"A", "B"};
        QTest::newRow("count beyond the table") << 9 << 0 << QStringList{"B", "C", "D"};
        QTest::newRow("empty list") << 0 << 0 << QStringList{};
    }
    void otherNames() {
        QFETCH(int, count);
        QFETCH(int, self);
        QFETCH(QStringList, others);
        std::vector<StationRow> stations(4);
        std::vector<ShipRow> ships(4);
        for (int k = 0; k < 4; ++k)
            stations[std::size_t(k)].Name = ships[std::size_t(k)].Name = QString(QChar(u'A' + k));
        QCOMPARE(OtherStationNames(stations, count, self), others);
        QCOMPARE(OtherShipNames(ships, count, self), others);
    }

    // Ships docked at the station by its stored name follow it to its new planet; others stay.
    void storedStationTakesItsDockedShips() {
        ScenarioDocument document;
        document.StationTableRedim(1);
        document.StationTable[0].Name = "Hub";
        document.StationTable[0].Ref = "Earth";
        document.ShipTableRedim(3); // rows 0 to 3
        const QStringList statuses{"Docked", "DOCKED", "Docked", "Landed"};
        const QStringList stations{"Hub", "Hub", "Ring", "Hub"};
        for (int k = 0; k < 4; ++k) {
            ShipRow& ship = document.ShipTable[std::size_t(k)];
            ship.Status = statuses[k];
            ship.DockedStation = stations[k];
            ship.StatusRef = "Earth";
        }
        // Only three ships are listed: the fourth row is spare and stays.
        document.ShipTable[3].Status = "Docked";
        StoreStationRow(document, 0, 3, Station("Hub 2", "Mars"), {"Lantern", 12.0, "6", "30"});
        QStringList refs;
        for (const ShipRow& ship : document.ShipTable)
            refs.append(ship.StatusRef);
        QCOMPARE(refs, (QStringList{"Mars", "Mars", "Earth", "Earth"}));
        const StationRow& row = document.StationTable[0];
        QCOMPARE(row.Name, QString("Hub 2"));
        QCOMPARE(row.Ref, QString("Mars"));
        QCOMPARE(row.ClassName, QString("Lantern"));
        QCOMPARE(row.EpochDate, 12.0);
        QCOMPARE(row.EpochHour + ":" + row.EpochMinute, QString("6:30"));
        QCOMPARE(row.SemiMajorAxis, QString("7000000"));
    }

    void storedRowGrowsTheTable() {
        ScenarioDocument document;
        StoreStationRow(document, 2, 0, Station("Far", "Earth"), {});
        QCOMPARE(document.StationTable.size(), std::size_t(3));
        QCOMPARE(document.StationTable[2].Name, QString("Far"));
    }
};
QTEST_MAIN(RowValidationTest)
#include "test_row_validation.moc"
