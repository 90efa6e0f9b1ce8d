// What the orbit insight takes from a planet file: the planet known or not, its gravitational
// parameter, mean radius and atmosphere, and the insight worked out from them.
#include "core/installation/planet_data.h"
#include "core/orbit/orbit_insight.h"
#include "test_files.h"

#include <QTest>
#include <cmath>

namespace {
QByteArray DataFile(const QString& name) {
    return TestDataFile(QStringLiteral("orbit/") + name);
}

PlanetData PlanetOf(const QByteArray& bytes) {
    return ReadPlanetData(bytes);
}
} // namespace

class PlanetOrbitDataTest : public QObject {
    Q_OBJECT
  private slots:
    void planetData_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("known");
        QTest::addColumn<double>("mass");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("atmosphere");
        QTest::newRow("Earth") << "Earth.cfg" << true << 5.973698968e24 << 6.37101e6 << 2e5;
        QTest::newRow("Moon without atmosphere limit") << "Moon.cfg" << true << 7.342e22 << 1.7374e6 << 0.0;
        QTest::newRow("no mass") << "NoMass.cfg" << false << 0.0 << 1e6 << 1e5;
        QTest::newRow("zero size") << "ZeroSize.cfg" << false << 1e20 << 0.0 << 0.0;
    }
    void planetData() {
        QFETCH(QString, file);
        QFETCH(bool, known);
        QFETCH(double, mass);
        QFETCH(double, radius);
        QFETCH(double, atmosphere);
        const PlanetData p = PlanetOf(DataFile(file));
        QCOMPARE(p.Known, known);
        // The simulator's gravitational constant, 6.67259e-11 m^3 kg^-1 s^-2.
        QVERIFY(std::fabs(p.Mu - 6.67259e-11 * mass) <= 1e-9 * p.Mu);
        QCOMPARE(p.MeanRadius, radius);
        QCOMPARE(p.AtmosphereLimit, atmosphere);
    }
    // The Earth file's own mass gives the same day for the geostationary radius.
    void geostationaryFromPlanetFile() {
        const PlanetData earth = PlanetOf(DataFile("Earth.cfg"));
        StationElementTexts t{"42164000", "0", "0", "0", "0", "0"};
        const OrbitInsight insight = StationOrbitInsight(t, earth);
        QCOMPARE(insight.Problem, OrbitInsightProblem::None);
        QVERIFY(std::fabs(insight.Figures.Period - 86164.1) < 5);
        // Circular: the same altitude at both ends, the radius less the mean radius.
        QVERIFY(std::fabs(insight.Figures.PeriapsisAltitude - (42164000 - 6.37101e6)) < 1e-3);
        QVERIFY(std::fabs(insight.Figures.ApoapsisAltitude - (42164000 - 6.37101e6)) < 1e-3);
        QCOMPARE(insight.Figures.Periapsis, PeriapsisPlace::Clear);
    }

    void noPlanetData() {
        const PlanetData none = PlanetOf(DataFile("NoMass.cfg"));
        QCOMPARE(StationOrbitInsight({"7e6", "0", "0", "0", "0", "0"}, none).Problem,
                 OrbitInsightProblem::NoPlanetData);
        QCOMPARE(ShipOrbitInsight({"7e6", "0", "0", "0", "7500", "0"}, none).Problem,
                 OrbitInsightProblem::NoPlanetData);
    }

    void bodyFile_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("known");
        QTest::newRow("planet") << "Earth" << true;
        QTest::newRow("moon caption with its blanks") << "   Moon" << true;
        QTest::newRow("no such file") << "Vulcan" << false;
        QTest::newRow("no body") << "  " << false;
    }
    void bodyFile() {
        QFETCH(QString, body);
        QFETCH(bool, known);
        const PlanetData planet = PlanetDataOfBody(TestDataPath("orbit/"), body);
        QCOMPARE(planet.Known, known);
        if (known) QCOMPARE(planet.MeanRadius, PlanetOf(DataFile(body.trimmed() + ".cfg")).MeanRadius);
    }
};

QTEST_GUILESS_MAIN(PlanetOrbitDataTest)
#include "test_planet_orbit_data.moc"
