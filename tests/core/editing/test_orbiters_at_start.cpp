// Where each station and ship is at the start, as the placement beside another ship and the
// scenario map take it: which rows are there, of which kind, round which body, and where.
// The orbit of the test body has a period of 6 hours at 10,000 km, so that a quarter turn is a
// whole number of minutes, which a station's epoch is kept to.
#include "core/editing/orbiters_at_start.h"
#include "opened_scenario.h"

#include <QTest>
#include <cmath>
#include <numbers>

namespace {
constexpr double kRadius = 1e7;
constexpr double kPeriod = 21600;
const double kMu =
    4 * std::numbers::pi * std::numbers::pi * kRadius * kRadius * kRadius / (kPeriod * kPeriod);

const QByteArray kScenario = R"(BEGIN_ENVIRONMENT
  System Tarnish
  Date MJD 60000.5
END_ENVIRONMENT

BEGIN_STATIONS
Ring:Hoop
  REF Tarn
  EL_MJD 60000.4375
  ELEMENTS 10000000 0 0 0 0 0
  AROT 0 0 0
END
Far:Hoop
  REF Nowhere
  EL_MJD 60000.5
  ELEMENTS 10000000 0 0 0 0 0
  AROT 0 0 0
END
END_STATIONS

BEGIN_SHIPS
Hub:Crate
  STATUS Orbiting Tarn
  RPOS 10000000 0 0
  RVEL 0 0 6000
  DOCKINFO 1:0,Tug
END
Tug:Crate
  STATUS Orbiting Tarn
  DOCKINFO 0:1,Hub
END
Visitor:Crate
  STATUS Docked Tarn:Ring:1
END
Drifter:Crate
  STATUS Orbiting Tarn
  ELEMENTS 10000000 0 0 0 0 90
END
Late:Crate
  STATUS Orbiting Tarn
  ELEMENTS 10000000 0 0 0 0 0 60000.4375
END
Lander:Crate
  STATUS Landed Tarn
  POS 10 20
END
Broken:Crate
  STATUS Orbiting Tarn
  RPOS 1e7 x 0
  RVEL 0 0 6000
END
Stray:Crate
  STATUS Orbiting Nowhere
  RPOS 10000000 0 0
  RVEL 0 0 6000
END
END_SHIPS
)";

PlanetData PlanetOf(const QString& body) {
    PlanetData p;
    if (body != QLatin1String("Tarn")) return p;
    p.readable = p.Known = true;
    p.Mu = kMu;
    p.MeanRadius = 2e6;
    return p;
}

std::vector<OrbiterAtStart> All(const Open& open) {
    return OrbitersAtStart(open.document, open.stations, open.ships, PlanetOf, 60000.5);
}
} // namespace

Q_DECLARE_METATYPE(OrbiterKind)

class OrbitersAtStartTest : public QObject {
    Q_OBJECT
  private slots:
    void orbiters_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<OrbiterKind>("kind");
        QTest::addColumn<QString>("dockedAt");
        QTest::addColumn<double>("x"); // the position at the start, simulator frame
        QTest::addColumn<double>("z");
        QTest::newRow("station a quarter turn after its epoch")
            << "Ring" << OrbiterKind::Station << "" << 0.0 << kRadius;
        QTest::newRow("ship by state as written")
            << "Hub" << OrbiterKind::ShipByState << "" << kRadius << 0.0;
        QTest::newRow("placed by DOCKINFO at its partner")
            << "Tug" << OrbiterKind::ShipDocked << "Hub" << kRadius << 0.0;
        QTest::newRow("older form, docked at a station")
            << "Visitor" << OrbiterKind::ShipDocked << "Ring" << 0.0 << kRadius;
        QTest::newRow("elements without epoch, at the start")
            << "Drifter" << OrbiterKind::ShipByElements << "" << 0.0 << kRadius;
        QTest::newRow("elements carried from their epoch")
            << "Late" << OrbiterKind::ShipByElements << "" << 0.0 << kRadius;
    }
    void orbiters() {
        QFETCH(QString, name);
        QFETCH(OrbiterKind, kind);
        QFETCH(QString, dockedAt);
        QFETCH(double, x);
        QFETCH(double, z);
        const std::vector<OrbiterAtStart> all = All(Load(kScenario));
        const auto found =
            std::find_if(all.begin(), all.end(), [&](const auto& o) { return o.Name == name; });
        QVERIFY(found != all.end());
        QCOMPARE(found->Kind, kind);
        QCOMPARE(found->Body, QStringLiteral("Tarn"));
        QCOMPARE(found->DockedAt, dockedAt);
        QVERIFY2(std::abs(found->State.Position.X - x) < 1e-3 &&
                     std::abs(found->State.Position.Z - z) < 1e-3 && std::abs(found->State.Position.Y) < 1e-3,
                 qPrintable(QStringLiteral("at %1 %2 %3")
                                .arg(found->State.Position.X)
                                .arg(found->State.Position.Y)
                                .arg(found->State.Position.Z)));
    }

    // Stations first, then ships, each in row order; landed ships, rows that do not read and
    // bodies without data are left out, and so are rows beyond the listed counts.
    void orderAndOmissions() {
        Open open = Load(kScenario);
        QStringList names;
        for (const OrbiterAtStart& o : All(open))
            names << o.Name;
        QCOMPARE(names, QStringList({"Ring", "Hub", "Tug", "Visitor", "Drifter", "Late"}));
        open.ships = open.Row(QStringLiteral("Visitor"));
        open.stations = 0;
        names.clear();
        for (const OrbiterAtStart& o : All(open))
            names << o.Name + u'@' + QString::number(o.Row);
        QCOMPARE(names, QStringList({"Hub@0", "Tug@1"}));
    }
};

QTEST_GUILESS_MAIN(OrbitersAtStartTest)
#include "test_orbiters_at_start.moc"
