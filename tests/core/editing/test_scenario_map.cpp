// The scenario map of a scenario of today's installation (tests/data/map, over the bodies and bases
// of tests/data/today): which bodies it offers, what goes round and stands on each, and where.
// Skerry's file has no rotation, so its equator is the ecliptic; Tarn's axis is the Earth's, whose
// equator meets the ecliptic on the vernal equinox and is tilted by the obliquity of its file.
#include "core/editing/scenario_map.h"
#include "core/installation/planetary_system_data.h"
#include "core/io/file_access.h"
#include "opened_scenario.h"
#include "test_files.h"

#include <QTest>
#include <algorithm>
#include <cmath>

namespace {
const double kTarnObliquity = 0.4090928023;

struct Corvid {
    Open open = Load(TestDataFile("map/Corvid at a Glance.scn"));
    QString config = TestDataPath("today/Config") + '/';
    QStringList bodies = BodyList(TestDataFile("today/Config/Corvid.cfg"));
    std::vector<InstalledBase> bases = ReadInstalledBases(
        bodies, [this](const QString& f) { return ReadWholeFile(config + f); }, ConfigFoldersOnDisk(config));

    ScenarioMap Map(const QString& body, bool withBases = true) const {
        const QString folder = config;
        return ScenarioMapOf(
            ScenarioMapSources{open.document, open.stations, open.ships, bodies,
                               [folder](const QString& b) { return PlanetDataOfBody(folder, b); },
                               withBases ? bases : std::vector<InstalledBase>{}, 61000.5},
            body);
    }
};

const MapOrbit* OrbitNamed(const ScenarioMap& map, const QString& name) {
    const auto found = std::find_if(map.Orbits.begin(), map.Orbits.end(),
                                    [&name](const MapOrbit& o) { return o.Name == name; });
    return found == map.Orbits.end() ? nullptr : &*found;
}

QStringList Names(const ScenarioMap& map) {
    QStringList names;
    for (const MapOrbit& o : map.Orbits)
        names << o.Name;
    for (const MapLander& l : map.Landers)
        names << l.Name;
    for (const MapBase& b : map.Bases)
        names << b.Name;
    return names;
}
} // namespace

class ScenarioMapTest : public QObject {
    Q_OBJECT
  private slots:
    void bodies_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("withBases");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("names"); // orbits (stations first), landers, bases
        const QStringList all{"Tarn", "Skerry", "Vesk"};
        const QStringList tarn{"Lifter", "Glider-1", "Kittiwake",    "Heron",
                               "Ox-3",   "Rover-1",  "Harbour Flats"};
        QTest::newRow("the user-controlled ship's body") << "" << true << "Tarn" << all << tarn;
        QTest::newRow("a name in other letter case")
            << "skerry" << true << "Skerry" << all << QStringList{"Beacon", "Wren", "Hopper", "Crater Rim"};
        QTest::newRow("a body of no system") << "Nowhere" << true << "Tarn" << all << tarn;
        QTest::newRow("bases only") << "Vesk" << true << "Vesk" << all << QStringList{"Dunmore Field"};
        QTest::newRow("nothing there, still offered") << "Vesk" << false << "Vesk" << all << QStringList();
        QTest::newRow("without bases")
            << "" << false << "Tarn" << QStringList{"Tarn", "Skerry"}
            << QStringList{"Lifter", "Glider-1", "Kittiwake", "Heron", "Ox-3", "Rover-1"};
    }
    void bodies() {
        QFETCH(QString, asked);
        QFETCH(bool, withBases);
        QFETCH(QString, shown);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, names);
        const ScenarioMap map = Corvid().Map(asked, withBases);
        QCOMPARE(map.Body, shown);
        QCOMPARE(map.Bodies, offered);
        QCOMPARE(Names(map), names);
        QCOMPARE(map.Empty(), names.isEmpty());
        if (names.isEmpty()) QCOMPARE(map.NothingText(), "Nothing orbits or stands on Vesk.");
    }

    void theMostShipsWithoutAUserControlledShip() {
        Corvid corvid;
        corvid.open.document.FocusShip = "Hopper"; // landed on Skerry
        QCOMPARE(corvid.Map("").Body, "Skerry");
        corvid.open.document.FocusShip.clear();
        QCOMPARE(corvid.Map("").Body, "Tarn"); // four orbits and two landers against three
    }

    // Where each orbit is at the start, and how far its path reaches from the centre.
    void orbits_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("dockedAt");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("nearest"); // 0: no path of its own; below 0: its reach not compared
        QTest::addColumn<double>("farthest");
        const double tilted = 7e6 * std::cos(kTarnObliquity);
        // On the vernal equinox, in both planes.
        QTest::newRow("by position") << "Tarn"
                                     << "Lifter" << int(OrbiterKind::ShipByState) << "" << 6.8e6 << 0.0
                                     << -1.0 << -1.0;
        QTest::newRow("docked") << "Tarn"
                                << "Glider-1" << int(OrbiterKind::ShipDocked) << "Lifter" << 6.8e6 << 0.0
                                << 0.0 << 0.0;
        // A circle of the ecliptic seen from above the tilted equator: an ellipse.
        QTest::newRow("ecliptic circle")
            << "Tarn"
            << "Kittiwake" << int(OrbiterKind::ShipByState) << "" << 0.0 << tilted << tilted << 7e6;
        QTest::newRow("by elements") << "Tarn"
                                     << "Heron" << int(OrbiterKind::ShipByElements) << "" << -7e6 << 0.0
                                     << tilted << 7e6;
        QTest::newRow("circle") << "Skerry"
                                << "Wren" << int(OrbiterKind::ShipByState) << "" << 2e6 << 0.0 << 2e6 << 2e6;
        // Its mean longitude of 90 degrees at an epoch that is the start.
        QTest::newRow("station") << "Skerry"
                                 << "Beacon" << int(OrbiterKind::Station) << "" << 0.0 << 2.5e6 << 2.5e6
                                 << 2.5e6;
    }
    void orbits() {
        QFETCH(QString, body);
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, dockedAt);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, nearest);
        QFETCH(double, farthest);
        const ScenarioMap map = Corvid().Map(body);
        const MapOrbit* orbit = OrbitNamed(map, name);
        QVERIFY(orbit);
        QCOMPARE(int(orbit->Kind), kind);
        QCOMPARE(orbit->DockedAt, dockedAt);
        QVERIFY2(std::hypot(orbit->AtStart.x() - x, orbit->AtStart.y() - y) < 1,
                 qPrintable(QString("%1 %2").arg(orbit->AtStart.x()).arg(orbit->AtStart.y())));
        if (nearest == 0) {
            QVERIFY(orbit->Path.isEmpty());
            return;
        }
        QVERIFY(orbit->Closed);
        QVERIFY(orbit->Path.size() >= 180);
        if (nearest < 0) return;
        double low = INFINITY, high = 0;
        for (const QPointF& p : orbit->Path) {
            low = std::min(low, std::hypot(p.x(), p.y()));
            high = std::max(high, std::hypot(p.x(), p.y()));
        }
        QVERIFY2(std::abs(low - nearest) < 1e-5 * nearest, qPrintable(QString::number(low, 'f', 1)));
        QVERIFY2(std::abs(high - farthest) < 1e-5 * farthest, qPrintable(QString::number(high, 'f', 1)));
        const QRectF bounds = map.Bounds.adjusted(-1, -1, 1, 1);
        QVERIFY(std::all_of(orbit->Path.begin(), orbit->Path.end(),
                            [&](const QPointF& p) { return bounds.contains(p); }));
    }

    void landersAndBases_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("pad");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::newRow("on a pad, at its base") << "Tarn"
                                               << "Ox-3"
                                               << "Harbour Flats"
                                               << "2" << -12.5 << 41.25;
        QTest::newRow("at a position") << "Tarn"
                                       << "Rover-1"
                                       << ""
                                       << "" << 100.25 << -20.5;
        QTest::newRow("east of 180 degrees") << "Skerry"
                                             << "Hopper"
                                             << ""
                                             << "" << -170.0 << 5.0;
        QTest::newRow("a base") << "Skerry"
                                << "Crater Rim"
                                << ""
                                << "" << 23.5 << -8.75;
        QTest::newRow("a base of today's folder") << "Vesk"
                                                  << "Dunmore Field"
                                                  << ""
                                                  << "" << 10.5 << 20.25;
    }
    void landersAndBases() {
        QFETCH(QString, body);
        QFETCH(QString, name);
        QFETCH(QString, base);
        QFETCH(QString, pad);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        const ScenarioMap map = Corvid().Map(body);
        for (const MapLander& l : map.Landers) {
            if (l.Name != name) continue;
            QVERIFY(l.Located);
            QCOMPARE(l.Base, base);
            QCOMPARE(l.Pad, pad);
            QCOMPARE(l.Longitude, longitude);
            QCOMPARE(l.Latitude, latitude);
            return;
        }
        for (const MapBase& b : map.Bases) {
            if (b.Name != name) continue;
            QCOMPARE(b.Longitude, longitude);
            QCOMPARE(b.Latitude, latitude);
            return;
        }
        QFAIL("not on the map");
    }

    void aPadOfAnUnknownBaseIsNotPlaced() {
        Corvid corvid;
        corvid.open.document.ShipTable[std::size_t(corvid.open.Row("Ox-3"))].Base = "Ridge Point";
        const ScenarioMap map = corvid.Map("Tarn");
        QCOMPARE(map.Landers.front().Name, "Ox-3");
        QVERIFY(!map.Landers.front().Located); // the older file gives no location
    }

    void wrappedLongitudes_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("wrapped");
        for (const auto& [in, out] : std::vector<std::pair<double, double>>{
                 {0, 0}, {179.5, 179.5}, {180, -180}, {190, -170}, {-190, 170}, {540, -180}, {-725, -5}})
            QTest::addRow("%g", in) << in << out;
    }
    void wrappedLongitudes() {
        QFETCH(double, degrees);
        QFETCH(double, wrapped);
        QCOMPARE(WrappedLongitude(degrees), wrapped);
    }
};

QTEST_GUILESS_MAIN(ScenarioMapTest)
#include "test_scenario_map.moc"
