// An orbit drawn flat, seen along the frame's north: how far its path reaches, whether it closes,
// and where it starts. The states start at the periapsis (position along x, velocity along z), so
// the conic lies in the drawing's plane and its radii are the textbook ones: r = p / (1 + e cos v).
#include "core/orbit/orbit_projection.h"

#include <QTest>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kMu = 4.9e12; // a moon's
constexpr double kPeriapsis = 2e6;
} // namespace

class OrbitProjectionTest : public QObject {
    Q_OBJECT
  private slots:
    void reach_data() {
        QTest::addColumn<double>("speedOverCircular");
        QTest::addColumn<double>("reach");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<double>("farthest");
        // An ellipse of e = 0.21: apoapsis rp (1 + e) / (1 - e), whatever the reach.
        QTest::newRow("ellipse") << 1.1 << 1e6 << true << kPeriapsis * 1.21 / 0.79;
        // A hyperbola of e = 2.24 followed out to four times its periapsis, or further when asked.
        QTest::newRow("hyperbola") << 1.8 << 1e6 << false << 4 * kPeriapsis;
        QTest::newRow("hyperbola asked further") << 1.8 << 2e7 << false << 2e7;
    }
    void reach() {
        QFETCH(double, speedOverCircular);
        QFETCH(double, reach);
        QFETCH(bool, closed);
        QFETCH(double, farthest);
        const double speed = speedOverCircular * std::sqrt(kMu / kPeriapsis);
        const ProjectedOrbit o = ProjectedOrbitOf({{kPeriapsis, 0, 0}, {0, 0, speed}}, kMu, reach);
        QCOMPARE(o.Closed, closed);
        QCOMPARE(o.AtStart, QPointF(kPeriapsis, 0));
        double low = INFINITY, high = 0;
        for (const QPointF& p : o.Path) {
            low = std::min(low, std::hypot(p.x(), p.y()));
            high = std::max(high, std::hypot(p.x(), p.y()));
        }
        QVERIFY2(std::abs(low - kPeriapsis) < 1, qPrintable(QString::number(low)));
        QVERIFY2(std::abs(high - farthest) < 1e-6 * farthest, qPrintable(QString::number(high)));
        // An open path runs from the incoming to the outgoing branch: it ends where it went out.
        if (!closed)
            QVERIFY(std::abs(std::hypot(o.Path.last().x(), o.Path.last().y()) - farthest) < 1e-6 * farthest);
    }

    void aFallStraightDownHasNoPath() {
        const ProjectedOrbit o = ProjectedOrbitOf({{kPeriapsis, 0, 0}, {-100, 0, 0}}, kMu, 1e6);
        QVERIFY(o.Path.isEmpty());
        QCOMPARE(o.AtStart, QPointF(kPeriapsis, 0));
    }
};

QTEST_GUILESS_MAIN(OrbitProjectionTest)
#include "test_orbit_projection.moc"
