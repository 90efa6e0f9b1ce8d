// A ship's position and velocity as a scenario gives them, in the simulator's frame: the
// ecliptic frame of the planet, left-handed, x and z in the ecliptic and +y towards its north
// pole. The inclination, the node and the drawing's orientation are checked against state
// vectors whose answers are known by hand.
#include "core/orbit/orbit_insight.h"
#include "core/orbit/orbit_outline.h"
#include "reference_earth.h"

#include <QTest>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;
// The obliquity of the Earth's equator to the ecliptic, degrees.
constexpr double kObliquity = 23.44;
constexpr double kR = 7000000; // m from the centre
constexpr double kV = 7500;    // m/s, a closed orbit at that distance

QString Text(double v) {
    return QString::number(v, 'f', 9);
}

// Six texts in the order of the ship tab's boxes: RPOS x y z, RVEL x y z.
QStringList State(double rx, double ry, double rz, double vx, double vy, double vz) {
    return {Text(rx), Text(ry), Text(rz), Text(vx), Text(vy), Text(vz)};
}

// A ship at the ascending node of an orbit inclined i to the Earth's equator, that node at
// the vernal equinox (+x) or at the autumnal one (-x), in the simulator's frame. The equator
// is the ecliptic turned by the obliquity about the equinox line, so that the summer solstice
// (ecliptic longitude 90 degrees) lies at declination +23.44 degrees.
QStringList EquatorialOrbit(double i, bool vernal) {
    const double e = kObliquity * kRad, inc = i * kRad;
    const double side = vernal ? 1 : -1;
    // Velocity in the equatorial frame (x to the equinox, y a quarter turn east, z north).
    const double vxq = 0, vyq = side * kV * std::cos(inc), vzq = kV * std::sin(inc);
    // To the ecliptic frame (x, y east in the ecliptic, z north of the ecliptic).
    const double vxe = vxq;
    const double vye = std::cos(e) * vyq + std::sin(e) * vzq;
    const double vze = -std::sin(e) * vyq + std::cos(e) * vzq;
    // The simulator's order: x, north, then the ecliptic's y.
    return State(side * kR, 0, 0, vxe, vze, vye);
}

double BodyAngle(const OrbitOutline& o) {
    double a = std::atan2(o.Body.y(), o.Body.x()) / kRad;
    return a < 0 ? a + 360 : a;
}

// Between two angles in degrees, folded into [-180, 180].
double Gap(double a, double b) {
    return std::remainder(a - b, 360.0);
}
} // namespace

class SimulatorFrameTest : public QObject {
    Q_OBJECT
  private slots:
    void inclination_data() {
        QTest::addColumn<QStringList>("state");
        QTest::addColumn<double>("inclination");
        const double c30 = kV * std::cos(30 * kRad), s30 = kV * std::sin(30 * kRad);
        QTest::newRow("prograde in the ecliptic") << State(kR, 0, 0, 0, 0, kV) << 0.0;
        QTest::newRow("retrograde in the ecliptic") << State(kR, 0, 0, 0, 0, -kV) << 180.0;
        QTest::newRow("over the poles, northwards") << State(kR, 0, 0, 0, kV, 0) << 90.0;
        QTest::newRow("over the poles, southwards") << State(kR, 0, 0, 0, -kV, 0) << 90.0;
        QTest::newRow("prograde, seen from +z") << State(0, 0, kR, -kV, 0, 0) << 0.0;
        QTest::newRow("above the north pole") << State(0, kR, 0, 0, 0, kV) << 90.0;
        QTest::newRow("30 degrees, northwards at +z") << State(0, 0, kR, -c30, s30, 0) << 30.0;
        QTest::newRow("150 degrees, northwards at +z") << State(0, 0, kR, c30, s30, 0) << 150.0;
        // 51.6 degrees to the equator: 51.6 - 23.44 or 51.6 + 23.44 to the ecliptic.
        QTest::newRow("51.6 to the equator, node at the vernal equinox")
            << EquatorialOrbit(51.6, true) << 51.6 - kObliquity;
        QTest::newRow("51.6 to the equator, node at the autumnal equinox")
            << EquatorialOrbit(51.6, false) << 51.6 + kObliquity;
        QTest::newRow("in the equator, node at the vernal equinox") << EquatorialOrbit(0, true) << kObliquity;
    }
    void inclination() {
        QFETCH(QStringList, state);
        QFETCH(double, inclination);
        const OrbitInsight insight =
            ShipOrbitInsight({state[0], state[1], state[2], state[3], state[4], state[5]}, Earth());
        QCOMPARE(insight.Problem, OrbitInsightProblem::None);
        QVERIFY2(std::fabs(insight.Figures.Inclination - inclination) < 1e-6,
                 qPrintable(QString::number(insight.Figures.Inclination, 'f', 9)));
    }

    // The ascending node is where the orbit crosses the ecliptic going north (+y), at its
    // longitude from +x towards +z; the drawing puts it to the right (+x) and the direction
    // of motion up (+y), so that the ship is drawn at its angle from the node.
    void nodeAndDrawing_data() {
        QTest::addColumn<QStringList>("state");
        QTest::addColumn<double>("node");
        QTest::addColumn<double>("bodyAngle");
        const double c30 = kV * std::cos(30 * kRad), s30 = kV * std::sin(30 * kRad);
        const double rc30 = kR * std::cos(30 * kRad), rs30 = kR * std::sin(30 * kRad);
        QTest::newRow("at the node on +x") << State(kR, 0, 0, 0, s30, c30) << 0.0 << 0.0;
        QTest::newRow("at the node on +z") << State(0, 0, kR, -c30, s30, 0) << 90.0 << 0.0;
        QTest::newRow("at the node on -x") << State(-kR, 0, 0, 0, s30, -c30) << 180.0 << 0.0;
        QTest::newRow("north-most, node on +x") << State(0, rs30, rc30, -kV, 0, 0) << 0.0 << 90.0;
        QTest::newRow("north-most, node on +z") << State(-rc30, rs30, 0, 0, 0, -kV) << 90.0 << 90.0;
        QTest::newRow("at the descending node, node on +z")
            << State(0, 0, -kR, c30, -s30, 0) << 90.0 << 180.0;
    }
    void nodeAndDrawing() {
        QFETCH(QStringList, state);
        QFETCH(double, node);
        QFETCH(double, bodyAngle);
        const PlanetData earth = Earth();
        const OrbitInsight insight =
            ShipOrbitInsight({state[0], state[1], state[2], state[3], state[4], state[5]}, earth);
        QCOMPARE(insight.Problem, OrbitInsightProblem::None);
        QVERIFY(std::fabs(insight.Figures.Inclination - 30) < 1e-6);
        QVERIFY2(std::fabs(Gap(insight.Figures.AscendingNode, node)) < 1e-6,
                 qPrintable(QString::number(insight.Figures.AscendingNode)));
        const OrbitOutline outline = OutlineOfOrbit(insight.Figures, earth);
        QVERIFY2(std::fabs(Gap(BodyAngle(outline), bodyAngle)) < 1e-6,
                 qPrintable(QString::number(BodyAngle(outline))));
        QVERIFY(std::fabs(std::hypot(outline.Body.x(), outline.Body.y()) - kR) < 1e-3);
    }

    void fromSimulatorFrame() {
        const Vector3 v = FromSimulatorFrame(1, 2, 3);
        QCOMPARE(v.X, 1.0);
        QCOMPARE(v.Y, 3.0);
        QCOMPARE(v.Z, 2.0);
    }
};

QTEST_GUILESS_MAIN(SimulatorFrameTest)
#include "test_simulator_frame.moc"
