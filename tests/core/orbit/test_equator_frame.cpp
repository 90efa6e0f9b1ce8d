// A body's equator frame, orbits measured against it, and states turned with its surface.
// The expected axes follow from the construction by hand; the inclinations are facts about
// real orbits (a station on the orbit of the ISS at 51.6 degrees, a geostationary satellite
// at 0 with a period of one sidereal day).
#include "core/orbit/equator_frame.h"
#include "core/orbit/orbit_insight.h"
#include "core/orbit/orbital_elements.h"
#include "core/orbit/surface_turning.h"
#include "orbit_test_vectors.h"

#include <QTest>
#include <cmath>

using namespace orbit_test;

namespace {
constexpr double kJ2000 = 51544.5;
// The precession of the Earth's axis: about 25,772 years, retrograde.
constexpr double kEarthPrecessionDays = -25772 * 365.25;

BodyRotation Earth(double precessionPeriod = 0) {
    BodyRotation b;
    b.Obliquity = kEarthObliquity;
    b.LanMjd = kJ2000;
    b.PrecessionPeriod = precessionPeriod;
    b.SidRotPeriod = kSiderealDay;
    return b;
}

double EarthMu() {
    return kSimulatorG * kEarthMass;
}

PlanetData EarthPlanet() {
    PlanetData p;
    p.readable = p.Known = true;
    p.Mu = EarthMu();
    p.MeanRadius = 6.371e6;
    return p;
}
} // namespace

class EquatorFrameTest : public QObject {
    Q_OBJECT
  private slots:
    void axes_data() {
        QTest::addColumn<double>("obliquity");
        QTest::addColumn<double>("lan");
        QTest::addColumn<double>("precessionObliquity");
        QTest::addColumn<double>("precessionLan");
        QTest::addColumn<double>("precessionPeriod");
        QTest::addColumn<double>("mjd");
        QTest::addColumn<Vector3>("x");
        QTest::addColumn<Vector3>("y");
        QTest::addColumn<Vector3>("z");
        const double c = std::cos(kEarthObliquity), s = std::sin(kEarthObliquity);
        // The Earth's north axis leans towards ecliptic longitude 90 degrees; its equator
        // crosses the ecliptic at the vernal equinox.
        QTest::newRow("Earth at J2000") << kEarthObliquity << 0.0 << 0.0 << 0.0 << 0.0 << kJ2000
                                        << Vector3{1, 0, 0} << Vector3{0, c, s} << Vector3{0, -s, c};
        QTest::newRow("Earth without precession, years on")
            << kEarthObliquity << 0.0 << 0.0 << 0.0 << 0.0 << 60000.0 << Vector3{1, 0, 0} << Vector3{0, c, s}
            << Vector3{0, -s, c};
        // A quarter of a retrograde precession later the node stands at longitude -90.
        QTest::newRow("Earth a quarter precession on")
            << kEarthObliquity << 0.0 << 0.0 << 0.0 << kEarthPrecessionDays
            << kJ2000 - kEarthPrecessionDays / 4 << Vector3{0, 0, -1} << Vector3{s, c, 0}
            << Vector3{c, -s, 0};
        const double c5 = std::cos(0.5), s5 = std::sin(0.5);
        QTest::newRow("node at 90 degrees")
            << 0.5 << kPi / 2 << 0.0 << 0.0 << 0.0 << kJ2000 << Vector3{0, 0, 1} << Vector3{-s5, c5, 0}
            << Vector3{-c5, -s5, 0};
        // About a reference leaning the same way the two obliquities add up.
        QTest::newRow("reference axis leaning the same way")
            << 0.3 << 0.0 << 0.1 << 0.0 << 0.0 << kJ2000 << Vector3{1, 0, 0}
            << Vector3{0, std::cos(0.4), std::sin(0.4)} << Vector3{0, -std::sin(0.4), std::cos(0.4)};
        const double c1 = std::cos(0.1), s1 = std::sin(0.1);
        QTest::newRow("upright on a leaning reference")
            << 0.0 << 0.0 << 0.1 << kPi / 2 << 0.0 << kJ2000 << Vector3{0, 0, 1} << Vector3{-s1, c1, 0}
            << Vector3{-c1, -s1, 0};
        QTest::newRow("upright") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << kJ2000 << Vector3{1, 0, 0}
                                 << Vector3{0, 1, 0} << Vector3{0, 0, 1};
    }
    void axes() {
        QFETCH(double, obliquity);
        QFETCH(double, lan);
        QFETCH(double, precessionObliquity);
        QFETCH(double, precessionLan);
        QFETCH(double, precessionPeriod);
        QFETCH(double, mjd);
        QFETCH(Vector3, x);
        QFETCH(Vector3, y);
        QFETCH(Vector3, z);
        BodyRotation b;
        b.Obliquity = obliquity;
        b.Lan = lan;
        b.LanMjd = kJ2000;
        b.PrecessionObliquity = precessionObliquity;
        b.PrecessionLan = precessionLan;
        b.PrecessionPeriod = precessionPeriod;
        const EquatorFrame f = EquatorFrameAt(b, mjd);
        QVERIFY2(Distance(f.X, x) < 1e-12, qPrintable(Text(f.X)));
        QVERIFY2(Distance(f.Y, y) < 1e-12, qPrintable(Text(f.Y)));
        QVERIFY2(Distance(f.Z, z) < 1e-12, qPrintable(Text(f.Z)));

        // Both ways back to the vector turned.
        const Vector3 v{1.5e6, -2.5e6, 3.5e6};
        QVERIFY(Distance(EquatorToEcliptic(EclipticToEquator(v, f), f), v) < 1e-9);
        QVERIFY(Distance(EclipticToEquator(EquatorToEcliptic(v, f), f), v) < 1e-9);
    }

    // The ecliptic north in the Earth's equator frame: right ascension 18 h, declination
    // 90 degrees - obliquity, i.e. (0, cos e, -sin e).
    void eclipticNorthFromTheEquator() {
        const Vector3 n = EclipticToEquator(Vector3{0, 1, 0}, EquatorFrameAt(Earth(), kJ2000));
        const double c = std::cos(kEarthObliquity), s = std::sin(kEarthObliquity);
        QVERIFY2(Distance(n, {0, c, -s}) < 1e-12, qPrintable(Text(n)));
    }

    // A station of the simulator's own scenarios on the ISS's orbit.
    void stationInclination_data() {
        QTest::addColumn<double>("precessionPeriod");
        QTest::newRow("without precession") << 0.0;
        QTest::newRow("with the Earth's precession") << kEarthPrecessionDays;
    }
    void stationInclination() {
        QFETCH(double, precessionPeriod);
        const OrbitalElements station{6734914.2, 0.00090,   74.51300,      169.03397,
                                      328.28777, 438.61137, 51985.24000440};
        const StateAtTime s = StateFromElements(station, EarthMu(), station.Epoch);
        QCOMPARE(s.Problem, ElementsProblem::None);
        const double i =
            InclinationToEquator(s.State, EquatorFrameAt(Earth(precessionPeriod), station.Epoch));
        QVERIFY2(std::fabs(i - 51.6) <= 0.1, qPrintable(QString::number(i)));
        // The orbit panel's way, from the figures of the orbit, gives the same angle.
        const OrbitFigures figures = FiguresFromState(FromSimulatorFrame(s.State.Position),
                                                      FromSimulatorFrame(s.State.Velocity), EarthPlanet());
        const double fromFigures =
            InclinationToEquator(figures, EquatorFrameAt(Earth(precessionPeriod), station.Epoch));
        QVERIFY2(std::fabs(fromFigures - i) < 1e-9, qPrintable(QString::number(fromFigures)));
    }

    // Over the equator, eastward: in the ecliptic its plane leans by the obliquity, and it
    // goes north through the ecliptic at the autumnal equinox (longitude 180 degrees), where
    // the equator does.
    void geostationaryOrbit() {
        const double mu = EarthMu(), a = 42164.17e3, obliquity = kEarthObliquity / kRad;
        const EquatorFrame earth = EquatorFrameAt(Earth(), kJ2000);
        const StateAtTime s = StateFromElements({a, 0, obliquity, 180, 180, 123, kJ2000}, mu, kJ2000);
        QCOMPARE(s.Problem, ElementsProblem::None);
        QVERIFY2(InclinationToEquator(s.State, earth) < 1e-9,
                 qPrintable(QString::number(InclinationToEquator(s.State, earth))));
        const ElementsAtTime inEquator = ElementsFromState(EclipticToEquator(s.State, earth), mu, kJ2000);
        QCOMPARE(inEquator.Problem, ElementsProblem::None);
        QVERIFY(inEquator.Elements.Inclination < 1e-9);
        const double period = OrbitalPeriod(inEquator.Elements.SemiMajorAxis, mu);
        QVERIFY2(std::fabs(period - kSiderealDay) < 1, qPrintable(QString::number(period, 'f', 3)));

        // The other way: typed in the equator frame, read in the ecliptic.
        const double v = std::sqrt(mu / a);
        const OrbitState typed{{a, 0, 0}, {0, 0, v}};
        const ElementsAtTime ecliptic = ElementsFromState(EquatorToEcliptic(typed, earth), mu, kJ2000);
        QCOMPARE(ecliptic.Problem, ElementsProblem::None);
        QVERIFY(std::fabs(ecliptic.Elements.Inclination - obliquity) < 1e-9);
        QVERIFY(std::fabs(ecliptic.Elements.AscendingNode - 180) < 1e-9);
    }

    // A point at latitude phi and longitude l of the equator frame is
    // r (cos phi cos l, sin phi, cos phi sin l); turning east adds to l.
    void surfaceTurning_data() {
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("turn"); // degrees east
        const double T = kSiderealDay;
        QTest::newRow("a quarter sidereal day, east") << T << T / 4 << 0.0 << 90.0;
        QTest::newRow("one sidereal day, back at the start") << T << T << 0.0 << 0.0;
        QTest::newRow("ten and a quarter days") << T << 10.25 * T << 0.0 << 90.0;
        QTest::newRow("back a quarter day, west") << T << -T / 4 << 0.0 << -90.0;
        QTest::newRow("retrograde rotation turns west") << -T << T / 4 << 0.0 << -90.0;
        QTest::newRow("latitude 45 kept") << T << T / 8 << 45.0 << 45.0;
        QTest::newRow("no rotation period") << 0.0 << T / 4 << 30.0 << 0.0;
    }
    void surfaceTurning() {
        QFETCH(double, period);
        QFETCH(double, seconds);
        QFETCH(double, latitude);
        QFETCH(double, turn);
        const EquatorFrame earth = EquatorFrameAt(Earth(), kJ2000);
        const double R = 6778e3, phi = latitude * kRad, l0 = 30 * kRad, l1 = l0 + turn * kRad;
        const auto at = [&](double l) {
            return Vector3{R * std::cos(phi) * std::cos(l), R * std::sin(phi),
                           R * std::cos(phi) * std::sin(l)};
        };
        // A velocity east and a little north, turned by hand about the axis (y).
        const Vector3 v0{-7e3 * std::sin(l0), 500, 7e3 * std::cos(l0)};
        const double c = std::cos(turn * kRad), s = std::sin(turn * kRad);
        const Vector3 v1{c * v0.X - s * v0.Z, v0.Y, s * v0.X + c * v0.Z};
        const OrbitState start = EquatorToEcliptic(OrbitState{at(l0), v0}, earth);
        const OrbitState turned = EclipticToEquator(TurnedWithSurface(start, earth, period, seconds), earth);
        QVERIFY2(Distance(turned.Position, at(l1)) < 1e-9 * R, qPrintable(Text(turned.Position)));
        QVERIFY2(Distance(turned.Velocity, v1) < 1e-9 * 7e3, qPrintable(Text(turned.Velocity)));
    }
};

QTEST_GUILESS_MAIN(EquatorFrameTest)
#include "test_equator_frame.moc"
