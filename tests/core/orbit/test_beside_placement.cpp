// A ship put a given arc length along another's orbit. On a circle of radius R an arc s has
// the chord 2 R sin(s / 2R); on an ellipse half the circumference, by Ramanujan's second
// formula C = pi (a + b) (1 + 3h / (10 + sqrt(4 - 3h))), h = ((a - b) / (a + b))^2, leads from
// the periapsis to the apoapsis, 2a away. Ahead means along the other's velocity.
#include "core/orbit/beside_placement.h"
#include "orbit_test_vectors.h"

#include <QTest>
#include <cmath>

using namespace orbit_test;

namespace {
// Where an arc of length s from the periapsis ends on an ellipse whose periapsis is on +x and
// whose motion there is along +z: the length integrated over the true anomaly nu by the
// trapezoid rule in steps of a microradian, ds/dnu = sqrt(r^2 + (dr/dnu)^2), r = p / (1 + e cos nu).
Vector3 AlongEllipse(double a, double e, double s) {
    const double p = a * (1 - e * e);
    const auto rate = [p, e](double nu) {
        const double d = 1 + e * std::cos(nu), r = p / d, dr = p * e * std::sin(nu) / (d * d);
        return std::sqrt(r * r + dr * dr);
    };
    const double h = 1e-6;
    double nu = 0, length = 0;
    for (;;) {
        const double step = h * (rate(nu) + rate(nu + h)) / 2;
        if (length + step >= s) {
            nu += h * (s - length) / step;
            break;
        }
        length += step;
        nu += h;
    }
    const double r = p / (1 + e * std::cos(nu));
    return {r * std::cos(nu), 0, r * std::sin(nu)};
}
} // namespace

class BesidePlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void chord_data() {
        QTest::addColumn<Vector3>("r");
        QTest::addColumn<Vector3>("v");
        QTest::addColumn<double>("km");
        QTest::addColumn<double>("chord");  // m
        QTest::addColumn<Vector3>("where"); // the place, where the test knows it; else 0
        const double R = 6778e3, V = std::sqrt(kEarthGm / R);
        const double c = std::cos(51.6 * kRad), s = std::sin(51.6 * kRad);
        const Vector3 r{R, 0, 0}, v{0, V * s, V * c};
        const auto circleChord = [R](double km) { return 2 * R * std::sin(std::fabs(km) * 1e3 / (2 * R)); };
        QTest::newRow("10 km ahead on a circle") << r << v << 10.0 << circleChord(10) << Vector3{};
        QTest::newRow("10 km behind on a circle") << r << v << -10.0 << circleChord(10) << Vector3{};
        QTest::newRow("2 km behind on a circle") << r << v << -2.0 << circleChord(2) << Vector3{};
        QTest::newRow("1000 km ahead on a circle") << r << v << 1000.0 << circleChord(1000) << Vector3{};
        const double quarter = kPi * R / 2 / 1e3;
        QTest::newRow("a quarter circle ahead")
            << r << v << quarter << R * std::sqrt(2.0) << Vector3{0, R * s, R * c};
        QTest::newRow("nowhere") << r << v << 0.0 << 0.0 << r;

        const double a = 1e7, e = 0.6, b = a * std::sqrt(1 - e * e), rp = a * (1 - e);
        const double h = (a - b) * (a - b) / ((a + b) * (a + b));
        const double half = kPi * (a + b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h))) / 2 / 1e3;
        const Vector3 vp{0, 0, std::sqrt(kEarthGm * (1 + e) / rp)};
        const Vector3 apoapsis{-a * (1 + e), 0, 0};
        QTest::newRow("ellipse, periapsis to apoapsis ahead")
            << Vector3{rp, 0, 0} << vp << half << 2 * a << apoapsis;
        QTest::newRow("ellipse, periapsis to apoapsis behind")
            << Vector3{rp, 0, 0} << vp << -half << 2 * a << apoapsis;
        const Vector3 ahead = AlongEllipse(a, e, 1000e3);
        QTest::newRow("1000 km ahead on an ellipse, against the arc integrated")
            << Vector3{rp, 0, 0} << vp << 1000.0 << Distance(ahead, {rp, 0, 0}) << ahead;
        QTest::newRow("1000 km behind on an ellipse, against the arc integrated")
            << Vector3{rp, 0, 0} << vp << -1000.0 << Distance(ahead, {rp, 0, 0})
            << Vector3{ahead.X, 0, -ahead.Z};
        // At true anomaly 90 degrees: r = p, velocity sqrt(mu / p) (-sin nu, e + cos nu).
        const double w = std::sqrt(kEarthGm / (a * (1 - e * e)));
        // Over 10 km any Earth orbit bends the path from its chord by well under a millimetre:
        // s - chord is about s^3 k^2 / 24 for a curvature k below 1 / (7000 km).
        QTest::newRow("10 km behind on an ellipse, past periapsis")
            << Vector3{0, 0, a * (1 - e * e)} << Vector3{-w, 0, e * w} << -10.0 << 10e3 << Vector3{};
        QTest::newRow("10 km ahead on a hyperbola")
            << Vector3{7e6, 0, 0} << Vector3{0, 0, std::sqrt(3 * kEarthGm / 7e6)} << 10.0 << 10e3
            << Vector3{};
    }
    void chord() {
        QFETCH(Vector3, r);
        QFETCH(Vector3, v);
        QFETCH(double, km);
        QFETCH(double, chord);
        QFETCH(Vector3, where);
        const std::optional<OrbitState> placed = PlacedBeside({r, v}, kEarthGm, km);
        QVERIFY(placed.has_value());
        const double apart = Distance(placed->Position, r);
        QVERIFY2(std::fabs(apart - chord) < 1, qPrintable(QString::number(apart, 'f', 4)));
        if (Norm(where) > 0)
            QVERIFY2(Distance(placed->Position, where) < 1, qPrintable(Text(placed->Position)));
        if (std::fabs(km) > 0 && std::fabs(km) < 5000) {
            // Ahead or behind along the other's motion, on the same orbit.
            QCOMPARE(Dot(placed->Position - r, v) > 0, km > 0);
            const double energy = Energy({r, v}, kEarthGm);
            QVERIFY(std::fabs(Energy(*placed, kEarthGm) - energy) < 1e-9 * kEarthGm / Norm(r));
        }
    }

    // A hyperbola from its periapsis: the same length either way lands on mirror images
    // about the apse line.
    void mirroredOnAHyperbola() {
        const OrbitState periapsis{{7e6, 0, 0}, {0, 0, std::sqrt(3 * kEarthGm / 7e6)}};
        const std::optional<OrbitState> ahead = PlacedBeside(periapsis, kEarthGm, 20000);
        const std::optional<OrbitState> behind = PlacedBeside(periapsis, kEarthGm, -20000);
        QVERIFY(ahead && behind);
        QVERIFY(Distance(ahead->Position, {behind->Position.X, 0, -behind->Position.Z}) < 1);
        QVERIFY(ahead->Position.Z > 0);
    }

    void refused_data() {
        QTest::addColumn<double>("mu");
        QTest::addColumn<double>("km");
        QTest::addColumn<Vector3>("v");
        QTest::newRow("no gravity") << 0.0 << 10.0 << Vector3{0, 0, 7e3};
        QTest::newRow("length not a number") << kEarthGm << std::nan("") << Vector3{0, 0, 7e3};
        QTest::newRow("infinite length") << kEarthGm << HUGE_VAL << Vector3{0, 0, 7e3};
        QTest::newRow("at rest: no path") << kEarthGm << 10.0 << Vector3{};
    }
    void refused() {
        QFETCH(double, mu);
        QFETCH(double, km);
        QFETCH(Vector3, v);
        QVERIFY(!PlacedBeside({{7e6, 0, 0}, v}, mu, km).has_value());
    }
};

QTEST_GUILESS_MAIN(BesidePlacementTest)
#include "test_beside_placement.moc"
