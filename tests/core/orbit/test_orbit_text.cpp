// The texts of the orbit panels, the "From periapsis and apoapsis" helper and the geometry of
// the orbit drawing.
#include "core/orbit/apsides_helper.h"
#include "core/orbit/orbit_outline.h"
#include "core/orbit/orbit_text.h"
#include "core/text/text_rules.h"
#include "reference_earth.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

double Distance(const QPointF& p) {
    return std::hypot(p.x(), p.y());
}
} // namespace

class OrbitTextTest : public QObject {
    Q_OBJECT
  private slots:
    void distanceText_data() {
        QTest::addColumn<double>("metres");
        QTest::addColumn<QString>("text");
        QTest::newRow("a few km") << 5430.0 << "5.43 km";
        QTest::newRow("low orbit") << 408200.0 << "408.2 km";
        QTest::newRow("geostationary") << 35786000.0 << "35786.0 km";
        QTest::newRow("millions of km") << 1.5e9 << "1500000 km";
        QTest::newRow("below the surface") << -120500.0 << "-120.5 km";
        QTest::newRow("rounds to zero without a sign") << -1.0 << "0.00 km";
        QTest::newRow("half a metre") << 0.5 << "0.00 km";
        QTest::newRow("infinite") << kInf << "\u2014";
        QTest::newRow("not a number") << kNaN << "\u2014";
    }
    void distanceText() {
        QFETCH(double, metres);
        QFETCH(QString, text);
        QCOMPARE(DistanceText(metres), text);
    }

    // A converted vector's rounding shows as 0: below 1e-9 of the vector's length.
    void shownVector_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        QTest::addColumn<double>("shownX");
        QTest::addColumn<double>("shownY");
        QTest::addColumn<double>("shownZ");
        QTest::newRow("rounding of a turn") << 6.778e6 << 1.2e-9 << -3e-3 << 6.778e6 << 0.0 << 0.0;
        QTest::newRow("small but real") << 7500.0 << 1e-5 << 0.0 << 7500.0 << 1e-5 << 0.0;
        QTest::newRow("negative rounding") << -4e-10 << 1.0 << 0.0 << 0.0 << 1.0 << 0.0;
        QTest::newRow("nothing to round") << 3.0 << -4.0 << 12.0 << 3.0 << -4.0 << 12.0;
        QTest::newRow("zero vector") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    }
    void shownVector() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        QFETCH(double, shownX);
        QFETCH(double, shownY);
        QFETCH(double, shownZ);
        const Vector3 shown = ShownVector({x, y, z});
        QCOMPARE(shown.X, shownX);
        QCOMPARE(shown.Y, shownY);
        QCOMPARE(shown.Z, shownZ);
    }

    void durationText_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("low Earth orbit") << 5553.6 << "1 h 32 min 34 s";
        QTest::newRow("sidereal day") << 86164.09 << "23 h 56 min 4 s";
        QTest::newRow("under an hour") << 3599.4 << "59 min 59 s";
        QTest::newRow("rounds up to a minute") << 59.6 << "1 min 0 s";
        QTest::newRow("days") << 200000.0 << "2 d 7 h 33 min";
        QTest::newRow("lunar month") << 2360591.5 << "27 d 7 h 43 min";
        QTest::newRow("infinite") << kInf << "\u2014";
        QTest::newRow("negative") << -5.0 << "\u2014";
    }
    void durationText() {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(DurationText(seconds), text);
    }

    void smallTexts() {
        QCOMPARE(SpeedText(7668.56), QStringLiteral("7.669 km/s"));
        QCOMPARE(SpeedText(512), QStringLiteral("0.512 km/s"));
        QCOMPARE(AngleText(51.6416), QStringLiteral("51.64\u00B0"));
        QCOMPARE(AngleText(180), QStringLiteral("180.00\u00B0"));
        QCOMPARE(EccentricityText(0), QStringLiteral("0"));
        QCOMPARE(EccentricityText(0.5), QStringLiteral("0.5"));
        QCOMPARE(EccentricityText(0.0001234), QStringLiteral("0.000123"));
        QCOMPARE(EccentricityText(1.25), QStringLiteral("1.25"));
        QCOMPARE(EccentricityText(kNaN), QStringLiteral("\u2014"));
    }

    void stationTexts() {
        PlanetData p = Earth(200e3);
        p.MeanRadius = 6371e3;
        const OrbitPanelTexts clear =
            StationOrbitTexts(StationOrbitInsight({"7000000", "0.05", "", "", "", ""}, p));
        QCOMPARE(clear.Captions, QStringList({"Periapsis altitude", "Apoapsis altitude", "Period"}));
        QCOMPARE(clear.Values.at(0), QStringLiteral("279.0 km"));
        QCOMPARE(clear.Values.at(1), QStringLiteral("979.0 km"));
        // 7000 km round the Earth: 2 pi sqrt(a^3 / GM) = 5828.5 s.
        QCOMPARE(clear.Values.at(2), QStringLiteral("1 h 37 min 9 s"));
        QVERIFY(clear.Warning.isEmpty());
        QVERIFY(clear.Note.isEmpty());

        const OrbitPanelTexts low =
            StationOrbitTexts(StationOrbitInsight({"7000000", "0.07", "", "", "", ""}, p));
        QCOMPARE(low.Place, PeriapsisPlace::InsideAtmosphere);
        QCOMPARE(low.Warning, QStringLiteral("The periapsis lies inside the atmosphere."));
        const OrbitPanelTexts crash =
            StationOrbitTexts(StationOrbitInsight({"7000000", "0.1", "", "", "", ""}, p));
        QCOMPARE(crash.Place, PeriapsisPlace::BelowSurface);
        QCOMPARE(crash.Warning, QStringLiteral("The periapsis lies below the surface."));

        const OrbitPanelTexts none = StationOrbitTexts(StationOrbitInsight({"7e6", "0", "", "", "", ""}, {}));
        QCOMPARE(none.Note, QStringLiteral("No planet data"));
        QVERIFY(none.Captions.isEmpty());
        QVERIFY(none.Warning.isEmpty());
        QVERIFY(!StationOrbitTexts(StationOrbitInsight({"", "0", "", "", "", ""}, p)).Note.isEmpty());
        const OrbitPanelTexts blank = StationOrbitTexts(StationOrbitInsight({"", "", "", "", "", ""}, {}));
        QVERIFY(blank.Note.isEmpty());
        QVERIFY(blank.Values.isEmpty());
    }

    void shipTexts() {
        const PlanetData earth = Earth(100e3);
        // Circular, in the ecliptic (the simulator's x and z).
        const OrbitPanelTexts circular =
            ShipOrbitTexts(ShipOrbitInsight({" 6778137", " 0", " 0", " 0", " 0", " 7668.56"}, earth));
        QCOMPARE(circular.Captions, QStringList({"Altitude", "Speed", "Semi-major axis", "Excentricity",
                                                 "Inclination", "Inclination to the equator",
                                                 "Periapsis altitude", "Apoapsis altitude", "Period"}));
        // Without the start time the equator inclination is not worked out.
        QCOMPARE(circular.Values.at(5), QStringLiteral("\u2014"));
        QCOMPARE(circular.Values.at(0), QStringLiteral("400.0 km"));
        QCOMPARE(circular.Values.at(1), QStringLiteral("7.669 km/s"));
        QCOMPARE(circular.Values.at(4), QStringLiteral("0.00\u00B0"));
        QCOMPARE(circular.Values.at(8).left(8), QStringLiteral("1 h 32 m"));
        QVERIFY(circular.Warning.isEmpty());

        const OrbitPanelTexts escape =
            ShipOrbitTexts(ShipOrbitInsight({" 6778137", " 0", " 0", " 0", " 11000", " 0"}, earth));
        QCOMPARE(escape.Values.at(7), QStringLiteral("escape trajectory"));
        QCOMPARE(escape.Values.at(8), QStringLiteral("escape trajectory"));
        QVERIFY(escape.Warning.isEmpty());

        const OrbitPanelTexts falling =
            ShipOrbitTexts(ShipOrbitInsight({"7e6", "0", "0", "-10", "0", "0"}, earth));
        QCOMPARE(falling.Warning, QStringLiteral("The periapsis lies below the surface."));
        QCOMPARE(ShipOrbitTexts(ShipOrbitInsight({" 0", " 0", " 0", " 1", " 0", " 0"}, earth)).Note,
                 QStringLiteral("The position is the planet's centre."));
    }

    // Periapsis and apoapsis altitudes over the 6378.137 km Earth.
    void apsides_data() {
        QTest::addColumn<QString>("periapsis");
        QTest::addColumn<QString>("apoapsis");
        QTest::addColumn<QString>("axis");
        QTest::addColumn<QString>("excentricity");
        // Transfer orbit 250 km by 35 786 km: a = (6628.137 + 42164.137) / 2 km,
        // e = 35536 / 48792.274.
        QTest::newRow("transfer orbit") << "250"
                                        << "35786"
                                        << "24396137"
                                        << "0.7283120274";
        QTest::newRow("either order") << "35786"
                                      << "250"
                                      << "24396137"
                                      << "0.7283120274";
        QTest::newRow("circular") << "400"
                                  << "400"
                                  << "6778137"
                                  << "0";
        // One metre apart: e = 0.5 / 6778137.5, far below what an exponent would be needed for.
        QTest::newRow("tiny excentricity stays plain") << "400"
                                                       << "400.001"
                                                       << "6778137.5"
                                                       << "0.0000000738";
        QTest::newRow("decimals and blanks") << " 200.5"
                                             << "1000.25 "
                                             << "6978512"
                                             << "0.0573008974";
    }
    void apsides() {
        QFETCH(QString, periapsis);
        QFETCH(QString, apoapsis);
        QFETCH(QString, axis);
        QFETCH(QString, excentricity);
        const ApsidesElements r = ElementsFromApsides(periapsis, apoapsis, Earth());
        QVERIFY(r.Ok);
        QCOMPARE(r.SemiMajorAxis, axis);
        QCOMPARE(r.Excentricity, excentricity);
        // What the helper writes must pass the station's own number rule.
        QVERIFY(IsANumber(r.SemiMajorAxis));
        QVERIFY(IsANumber(r.Excentricity));
    }

    void apsidesProblems_data() {
        QTest::addColumn<QString>("periapsis");
        QTest::addColumn<QString>("apoapsis");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no planet data") << "200"
                                        << "300" << false << "No planet data";
        QTest::newRow("empty") << ""
                               << "300" << true << "Enter both altitudes in km.";
        QTest::newRow("letters") << "200"
                                 << "high" << true << "Enter both altitudes in km.";
        QTest::newRow("through the centre")
            << "-6378.137"
            << "300" << true << "The periapsis must lie above the planet's centre.";
    }
    void apsidesProblems() {
        QFETCH(QString, periapsis);
        QFETCH(QString, apoapsis);
        QFETCH(bool, known);
        QFETCH(QString, problem);
        PlanetData p = Earth();
        p.Known = known;
        const ApsidesElements r = ElementsFromApsides(periapsis, apoapsis, p);
        QVERIFY(!r.Ok);
        QCOMPARE(r.Problem, problem);
        QVERIFY(r.SemiMajorAxis.isEmpty());
    }

    void plainNumberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 6778137.0 << 3 << "6778137";
        QTest::newRow("half") << 0.5 << 10 << "0.5";
        QTest::newRow("negative half") << -0.5 << 3 << "-0.5";
        QTest::newRow("tiny rounds to zero") << 1e-12 << 10 << "0";
        QTest::newRow("tiny negative rounds to zero") << -1e-12 << 10 << "0";
        QTest::newRow("large stays plain") << 1.5e16 << 3 << "15000000000000000";
    }
    void plainNumberText() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(PlainNumberText(value, decimals), text);
    }

    // The drawing of a closed orbit: apsides at a(1-e) and a(1+e) on opposite sides, the
    // periapsis turned by the argument of periapsis from the node line.
    void closedOutline() {
        const PlanetData earth = Earth(100e3);
        const OrbitFigures f = FiguresFromElements(24396137, 0.7283120274, 7, 0, 90, 90, earth);
        const OrbitOutline o = OutlineOfOrbit(f, earth, 360);
        QVERIFY(o.Closed);
        QVERIFY(std::fabs(Distance(o.Periapsis) - 6628137) < 1);
        QVERIFY(std::fabs(Distance(o.Apoapsis) - 42164137) < 1);
        QVERIFY(std::fabs(o.Periapsis.x()) < 1e-3 && o.Periapsis.y() > 0); // 90 degrees from the node
        QVERIFY(std::fabs(o.Apoapsis.x()) < 1e-3 && o.Apoapsis.y() < 0);
        // Mean longitude equal to the periapsis longitude: the station stands at its periapsis.
        QVERIFY(std::fabs(o.Body.x() - o.Periapsis.x()) < 1 && std::fabs(o.Body.y() - o.Periapsis.y()) < 1);
        QCOMPARE(o.PlanetRadius, 6378137.0);
        QCOMPARE(o.AtmosphereRadius, 6478137.0);
        QCOMPARE(o.Path.size(), 361);
        for (const QPointF& point : o.Path) {
            QVERIFY(Distance(point) >= 6628137 - 1 && Distance(point) <= 42164137 + 1);
            QVERIFY(o.Bounds.adjusted(-1, -1, 1, 1).contains(point));
        }
        QVERIFY(std::fabs(o.Bounds.height() - 2 * 24396137) < 10); // along the major axis
    }

    // An escape trajectory is drawn out to four times the larger of periapsis and distance.
    void openOutline() {
        const PlanetData earth = Earth();
        const OrbitFigures f = FiguresFromState({6778137, 0, 0}, {0, 12000, 0}, earth);
        QVERIFY(!f.Closed);
        const OrbitOutline o = OutlineOfOrbit(f, earth);
        QVERIFY(!o.Closed);
        QVERIFY(std::fabs(Distance(o.Path.first()) - 4 * 6778137) < 10);
        QVERIFY(std::fabs(Distance(o.Path.last()) - 4 * 6778137) < 10);
        for (const QPointF& point : o.Path)
            QVERIFY(std::isfinite(point.x()) && std::isfinite(point.y()));
        QVERIFY(std::fabs(Distance(o.Periapsis) - 6778137) < 1);
        QVERIFY(o.Bounds.contains(o.Body));
    }

    // The planet always fits, even for an orbit that hides inside it.
    void outlineHoldsPlanet() {
        const PlanetData earth = Earth(100e3);
        const OrbitFigures f = FiguresFromElements(1000e3, 0.1, 0, 0, 0, 0, earth);
        const OrbitOutline o = OutlineOfOrbit(f, earth);
        QVERIFY(o.Bounds.contains(QRectF(-6478137, -6478137, 2 * 6478137, 2 * 6478137)));
    }

    void scaleBar_data() {
        QTest::addColumn<double>("atMost");
        QTest::addColumn<double>("length");
        QTest::newRow("exact power of ten") << 1000.0 << 1000.0;
        QTest::newRow("just under a power") << 999.0 << 500.0;
        QTest::newRow("two") << 3999.0 << 2000.0;
        QTest::newRow("five") << 7.3e6 << 5e6;
        QTest::newRow("millions of km") << 2.4e9 << 2e9;
        QTest::newRow("below one") << 0.3 << 0.2;
        QTest::newRow("nothing") << 0.0 << 0.0;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 0.0;
    }
    void scaleBar() {
        QFETCH(double, atMost);
        QFETCH(double, length);
        QCOMPARE(ScaleBarLength(atMost), length);
    }

    void scaleBarText() {
        QCOMPARE(ScaleBarText(5e6), QStringLiteral("5000 km"));
        QCOMPARE(ScaleBarText(1e9), QStringLiteral("1000000 km"));
        QCOMPARE(ScaleBarText(1000), QStringLiteral("1 km"));
        QCOMPARE(ScaleBarText(500), QStringLiteral("500 m"));
        QCOMPARE(ScaleBarText(0.2), QStringLiteral("0.2 m"));
    }

    void fitView() {
        // 20 by 10 units into 220 by 120 pixels with a 10 pixel margin: 10 pixels a unit,
        // centred, y pointing up.
        const OrbitViewMapping m = FitOrbitView(QRectF(-10, -5, 20, 10), QSizeF(220, 120), 10);
        QCOMPARE(m.Scale, 10.0);
        QCOMPARE(m.Map(QPointF(0, 0)), QPointF(110, 60));
        QCOMPARE(m.Map(QPointF(10, 0)), QPointF(210, 60));
        QCOMPARE(m.Map(QPointF(0, 5)), QPointF(110, 10));
        // A tall drawing is limited by the height.
        const OrbitViewMapping tall = FitOrbitView(QRectF(0, 0, 10, 100), QSizeF(220, 120), 10);
        QCOMPARE(tall.Scale, 1.0);
        QCOMPARE(tall.Map(QPointF(5, 50)), QPointF(110, 60));
        // Nothing to draw: no scale rather than a division by zero.
        QCOMPARE(FitOrbitView(QRectF(), QSizeF(220, 120), 10).Scale, 0.0);
    }
};

QTEST_GUILESS_MAIN(OrbitTextTest)
#include "test_orbit_text.moc"
