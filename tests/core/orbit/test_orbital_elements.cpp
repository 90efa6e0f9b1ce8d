// Elements as scenario files give them, turned into a state and back: states known by hand
// for the file's conventions (the periapsis longitude is the node plus the argument of
// periapsis, also for retrograde orbits; the mean longitude is the periapsis longitude plus
// the mean anomaly; i = 0 puts the node at 0 and e = 0 the argument of periapsis), a textbook
// example, and round trips both ways for every kind of orbit.
#include "core/orbit/orbital_elements.h"
#include "orbit_test_vectors.h"

#include <QTest>
#include <cmath>

using namespace orbit_test;

namespace {
constexpr double kMjd = 51985.24000440; // an epoch of the simulator's own scenarios

OrbitalElements Elements(double a, double e, double i, double node, double periapsis, double mean) {
    return {a, e, i, node, periapsis, mean, kMjd};
}
} // namespace

class OrbitalElementsTest : public QObject {
    Q_OBJECT
  private slots:
    // In the simulator's frame a direction at ecliptic longitude l is (cos l, 0, sin l) and the
    // ecliptic north is +y; a circle's speed is sqrt(mu / a), a periapsis speed
    // sqrt(mu (1 + e) / (a (1 - e))).
    void knownStates_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("e");
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("node");
        QTest::addColumn<double>("periapsis");
        QTest::addColumn<double>("mean");
        QTest::addColumn<Vector3>("r");
        QTest::addColumn<Vector3>("v");
        const double a = 7e6, V = std::sqrt(kEarthGm / a);
        QTest::newRow("circle in the ecliptic at 90 degrees")
            << a << 0.0 << 0.0 << 0.0 << 0.0 << 90.0 << Vector3{0, 0, a} << Vector3{-V, 0, 0};
        // The node and the argument of periapsis of an ecliptic orbit only add up.
        QTest::newRow("circle in the ecliptic, node and periapsis given")
            << a << 0.0 << 0.0 << 30.0 << 50.0 << 90.0 << Vector3{0, 0, a} << Vector3{-V, 0, 0};
        QTest::newRow("polar circle, over the north pole")
            << a << 0.0 << 90.0 << 0.0 << 0.0 << 90.0 << Vector3{0, a, 0} << Vector3{-V, 0, 0};
        QTest::newRow("polar circle, node at 90 degrees, over the pole")
            << a << 0.0 << 90.0 << 90.0 << 90.0 << 180.0 << Vector3{0, a, 0} << Vector3{0, 0, -V};
        // Retrograde in the ecliptic the body goes towards lower longitudes: at mean longitude
        // 90 it stands at longitude -90.
        QTest::newRow("retrograde circle in the ecliptic")
            << a << 0.0 << 180.0 << 0.0 << 0.0 << 90.0 << Vector3{0, 0, -a} << Vector3{-V, 0, 0};
        const double e = 0.3, vp = std::sqrt(kEarthGm * (1 + e) / (a * (1 - e)));
        QTest::newRow("ellipse at its periapsis")
            << a << e << 0.0 << 0.0 << 0.0 << 0.0 << Vector3{a * (1 - e), 0, 0} << Vector3{0, 0, vp};
        const double va = std::sqrt(kEarthGm * (1 - e) / (a * (1 + e)));
        QTest::newRow("ellipse at its apoapsis, periapsis at 90 degrees")
            << a << e << 0.0 << 0.0 << 90.0 << 270.0 << Vector3{0, 0, -a * (1 + e)} << Vector3{va, 0, 0};
        // A hyperbola's periapsis lies at a (1 - e) with a < 0, its speed sqrt(mu (e + 1) / r_p).
        const double ah = -7e6, eh = 2, rp = ah * (1 - eh), vh = std::sqrt(kEarthGm * (eh + 1) / rp);
        QTest::newRow("hyperbola at its periapsis, 90 degrees")
            << ah << eh << 0.0 << 0.0 << 90.0 << 90.0 << Vector3{0, 0, rp} << Vector3{-vh, 0, 0};
    }
    void knownStates() {
        QFETCH(double, a);
        QFETCH(double, e);
        QFETCH(double, i);
        QFETCH(double, node);
        QFETCH(double, periapsis);
        QFETCH(double, mean);
        QFETCH(Vector3, r);
        QFETCH(Vector3, v);
        const StateAtTime s = StateFromElements(Elements(a, e, i, node, periapsis, mean), kEarthGm, kMjd);
        QCOMPARE(s.Problem, ElementsProblem::None);
        QVERIFY2(Distance(s.State.Position, r) < 1e-9 * Norm(r), qPrintable(Text(s.State.Position)));
        QVERIFY2(Distance(s.State.Velocity, v) < 1e-9 * Norm(v), qPrintable(Text(s.State.Velocity)));
    }

    // Vallado, Fundamentals of Astrodynamics and Applications, example 2-5, backwards: its
    // elements (to the digits printed) give its state in its right-handed frame, which is the
    // simulator's (x, z, y).
    void textbookElements() {
        const double e = 0.832853, nu = 92.335 * kRad, node = 227.89, arg = 53.38;
        const double bigE = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
        const double meanAnomaly = (bigE - e * std::sin(bigE)) / kRad;
        const OrbitalElements el{36127.343e3, e, 87.870, node, node + arg, node + arg + meanAnomaly, kMjd};
        const StateAtTime s = StateFromElements(el, kEarthGm, kMjd);
        QCOMPARE(s.Problem, ElementsProblem::None);
        const Vector3 r = FromSimulatorFrame(s.State.Position), v = FromSimulatorFrame(s.State.Velocity);
        QVERIFY2(Distance(r, {6524.834e3, 6862.875e3, 6448.296e3}) < 3e3, qPrintable(Text(r)));
        QVERIFY2(Distance(v, {4.901327e3, 5.533756e3, -1.976341e3}) < 3, qPrintable(Text(v)));
    }

    // Elements to a state at a later time and back to elements with that time as the epoch:
    // a, e and i come back; the node, the periapsis longitude and the mean longitude come back
    // as the conventions define them, the mean longitude moved on by the mean motion
    // sqrt(mu / |a|^3) over the time. Then that state to elements and back to the state.
    void roundTrips_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("e");
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("node");
        QTest::addColumn<double>("periapsis");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("days");
        QTest::addColumn<double>("nodeBack");
        QTest::addColumn<double>("periapsisBack");
        QTest::addColumn<double>("meanBack"); // before the time's motion is added
        // A circle's periapsis is its node: L = node + argument of latitude stays.
        QTest::newRow("inclined circle")
            << 7e6 << 0.0 << 51.6 << 40.0 << 100.0 << 250.0 << 0.0 << 40.0 << 40.0 << 250.0;
        QTest::newRow("circle in the ecliptic")
            << 7e6 << 0.0 << 0.0 << 40.0 << 100.0 << 250.0 << 1.5 << 0.0 << 0.0 << 250.0;
        // Retrograde in the ecliptic the body stands at longitude 2 node - L, which with the
        // node at 0 is read as mean longitude L - 2 node.
        QTest::newRow("retrograde circle in the ecliptic")
            << 7e6 << 0.0 << 180.0 << 40.0 << 100.0 << 250.0 << 0.0 << 0.0 << 0.0 << 170.0;
        QTest::newRow("polar circle")
            << 8e6 << 0.0 << 90.0 << 300.0 << 10.0 << 20.0 << -3.0 << 300.0 << 300.0 << 20.0;
        QTest::newRow("nearly circular, polar")
            << 8e6 << 1e-6 << 90.0 << 300.0 << 10.0 << 20.0 << 0.0 << 300.0 << 10.0 << 20.0;
        QTest::newRow("inclined ellipse")
            << 1e7 << 0.3 << 30.0 << 40.0 << 100.0 << 250.0 << 0.25 << 40.0 << 100.0 << 250.0;
        QTest::newRow("polar ellipse")
            << 1e7 << 0.5 << 90.0 << 300.0 << 60.0 << 10.0 << 10.0 << 300.0 << 60.0 << 10.0;
        QTest::newRow("retrograde ellipse")
            << 2.66e7 << 0.7 << 150.0 << 10.0 << 210.0 << 30.0 << 0.0 << 10.0 << 210.0 << 30.0;
        QTest::newRow("ellipse in the ecliptic")
            << 1e7 << 0.3 << 0.0 << 40.0 << 100.0 << 250.0 << 0.0 << 0.0 << 100.0 << 250.0;
        // Retrograde in the ecliptic the periapsis lies at longitude 2 node - periapsis
        // longitude (-20 here), read back with the node at 0 as the periapsis longitude
        // periapsis - 2 node; the mean anomaly stays.
        QTest::newRow("retrograde ellipse in the ecliptic")
            << 1e7 << 0.3 << 180.0 << 40.0 << 100.0 << 250.0 << 0.0 << 0.0 << 20.0 << 170.0;
        QTest::newRow("very eccentric ellipse")
            << 2e8 << 0.99 << 5.0 << 75.0 << 330.0 << 333.0 << 2.0 << 75.0 << 330.0 << 333.0;
        QTest::newRow("station of the simulator's scenarios")
            << 6734914.2 << 0.0009 << 74.513 << 169.03397 << 328.28777 << 438.61137 << 0.0 << 169.03397
            << 328.28777 << 78.61137;
        // A hyperbola's mean anomaly does not come round again: its mean longitude is not folded.
        QTest::newRow("hyperbola before periapsis")
            << -7e6 << 1.5 << 30.0 << 40.0 << 100.0 << 80.0 << 0.0 << 40.0 << 100.0 << 80.0;
        QTest::newRow("hyperbola, mean longitude below 0")
            << -7e6 << 1.5 << 30.0 << 40.0 << 10.0 << -40.0 << 0.0 << 40.0 << 10.0 << -40.0;
        QTest::newRow("hyperbola far out, a day later")
            << -7e6 << 2.0 << 60.0 << 200.0 << 250.0 << 970.0 << 1.0 << 200.0 << 250.0 << 970.0;
        QTest::newRow("polar hyperbola")
            << -2e7 << 1.1 << 90.0 << 0.0 << 90.0 << 90.0 << -0.1 << 0.0 << 90.0 << 90.0;
        QTest::newRow("retrograde hyperbola in the ecliptic")
            << -7e6 << 3.0 << 180.0 << 0.0 << 30.0 << 90.0 << 0.0 << 0.0 << 30.0 << 90.0;
    }
    void roundTrips() {
        QFETCH(double, a);
        QFETCH(double, e);
        QFETCH(double, i);
        QFETCH(double, node);
        QFETCH(double, periapsis);
        QFETCH(double, mean);
        QFETCH(double, days);
        QFETCH(double, nodeBack);
        QFETCH(double, periapsisBack);
        QFETCH(double, meanBack);
        const double mu = kEarthGm, t = kMjd + days;
        const StateAtTime s = StateFromElements(Elements(a, e, i, node, periapsis, mean), mu, t);
        QCOMPARE(s.Problem, ElementsProblem::None);
        const ElementsAtTime back = ElementsFromState(s.State, mu, t);
        QCOMPARE(back.Problem, ElementsProblem::None);
        const OrbitalElements& b = back.Elements;
        QCOMPARE(b.Epoch, t);
        QVERIFY2(std::fabs(b.SemiMajorAxis - a) < 1e-9 * std::fabs(a),
                 qPrintable(QString::number(b.SemiMajorAxis)));
        QVERIFY(std::fabs(b.Eccentricity - e) < 1e-9);
        QVERIFY2(std::fabs(b.Inclination - i) < 1e-9, qPrintable(QString::number(b.Inclination, 'g', 17)));
        const double n = std::sqrt(mu / std::fabs(a * a * a));
        double expectedMean = meanBack + n * days * 86400 / kRad;
        if (e < 1) {
            expectedMean = std::fmod(expectedMean, 360.0);
            if (expectedMean < 0) expectedMean += 360;
        }
        QVERIFY2(std::fabs(AngleGap(b.AscendingNode, nodeBack)) < 1e-7,
                 qPrintable(QString::number(b.AscendingNode)));
        QVERIFY2(std::fabs(AngleGap(b.PeriapsisLongitude, periapsisBack)) < 1e-6,
                 qPrintable(QString::number(b.PeriapsisLongitude, 'g', 17)));
        QVERIFY2(std::fabs(b.MeanLongitude - expectedMean) <
                     1e-6 * std::max(1.0, std::fabs(expectedMean) / 360),
                 qPrintable(QString::number(b.MeanLongitude, 'g', 17)));
        for (double angle : {b.AscendingNode, b.PeriapsisLongitude})
            QVERIFY(angle >= 0 && angle < 360);
        if (e < 1) QVERIFY(b.MeanLongitude >= 0 && b.MeanLongitude < 360);

        const StateAtTime again = StateFromElements(b, mu, t);
        QCOMPARE(again.Problem, ElementsProblem::None);
        QVERIFY(Distance(again.State.Position, s.State.Position) < 1e-9 * Norm(s.State.Position));
        QVERIFY(Distance(again.State.Velocity, s.State.Velocity) < 1e-9 * Norm(s.State.Velocity));
    }

    // States that no elements made: exactly in the ecliptic, exactly circular, barely
    // inclined, the textbook state, fast and slow.
    void statesRoundTrip_data() {
        QTest::addColumn<Vector3>("r");
        QTest::addColumn<Vector3>("v");
        const double R = 7e6, V = std::sqrt(kEarthGm / R);
        QTest::newRow("circle in the ecliptic") << Vector3{R, 0, 0} << Vector3{0, 0, V};
        QTest::newRow("retrograde circle in the ecliptic") << Vector3{0, 0, R} << Vector3{V, 0, 0};
        QTest::newRow("circle over the poles") << Vector3{0, 0, R} << Vector3{0, V, 0};
        QTest::newRow("inclined by a nanoradian") << Vector3{R, 0, 0} << Vector3{0, V * 1e-9, V};
        QTest::newRow("retrograde, a nanoradian off") << Vector3{R, 0, 0} << Vector3{0, V * 1e-9, -V};
        QTest::newRow("ellipse in the ecliptic") << Vector3{-R, 0, 0} << Vector3{0, 0, -1.1 * V};
        QTest::newRow("textbook state") << ToSimulatorFrame({6524.834e3, 6862.875e3, 6448.296e3})
                                        << ToSimulatorFrame({4.901327e3, 5.533756e3, -1.976341e3});
        QTest::newRow("hyperbola in the ecliptic") << Vector3{R, 0, 0} << Vector3{-2e3, 0, 1.6 * V};
        QTest::newRow("hyperbola leaving, inclined") << Vector3{R, 2 * R, 3 * R} << Vector3{9e3, 4e3, -3e3};
        QTest::newRow("nearly at rest far out") << Vector3{4e8, 1e7, 0} << Vector3{0, 0, 10};
    }
    void statesRoundTrip() {
        QFETCH(Vector3, r);
        QFETCH(Vector3, v);
        const ElementsAtTime el = ElementsFromState({r, v}, kEarthGm, kMjd);
        QCOMPARE(el.Problem, ElementsProblem::None);
        const StateAtTime s = StateFromElements(el.Elements, kEarthGm, kMjd);
        QCOMPARE(s.Problem, ElementsProblem::None);
        QVERIFY2(Distance(s.State.Position, r) < 1e-9 * Norm(r), qPrintable(Text(s.State.Position)));
        QVERIFY2(Distance(s.State.Velocity, v) < 1e-9 * Norm(v), qPrintable(Text(s.State.Velocity)));
    }

    void refusedElements_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("e");
        QTest::addColumn<double>("mu");
        QTest::addColumn<int>("problem");
        QTest::newRow("parabola") << 7e6 << 1.0 << kEarthGm << int(ElementsProblem::Parabola);
        QTest::newRow("parabola, negative axis") << -7e6 << 1.0 << kEarthGm << int(ElementsProblem::Parabola);
        QTest::newRow("ellipse with a negative axis")
            << -7e6 << 0.5 << kEarthGm << int(ElementsProblem::AxisAgainstShape);
        QTest::newRow("hyperbola with a positive axis")
            << 7e6 << 1.5 << kEarthGm << int(ElementsProblem::AxisAgainstShape);
        QTest::newRow("no axis") << 0.0 << 0.0 << kEarthGm << int(ElementsProblem::AxisAgainstShape);
        QTest::newRow("negative eccentricity")
            << 7e6 << -0.1 << kEarthGm << int(ElementsProblem::NegativeEccentricity);
        QTest::newRow("axis not a number")
            << std::nan("") << 0.1 << kEarthGm << int(ElementsProblem::NotFinite);
        QTest::newRow("no gravity") << 7e6 << 0.1 << 0.0 << int(ElementsProblem::NoGravity);
        QTest::newRow("a good ellipse") << 7e6 << 0.1 << kEarthGm << int(ElementsProblem::None);
    }
    void refusedElements() {
        QFETCH(double, a);
        QFETCH(double, e);
        QFETCH(double, mu);
        QFETCH(int, problem);
        QCOMPARE(int(StateFromElements(Elements(a, e, 10, 20, 30, 40), mu, kMjd).Problem), problem);
    }

    void refusedStates_data() {
        QTest::addColumn<Vector3>("r");
        QTest::addColumn<Vector3>("v");
        QTest::addColumn<double>("mu");
        QTest::addColumn<int>("problem");
        QTest::newRow("at the centre")
            << Vector3{} << Vector3{0, 0, 7e3} << kEarthGm << int(ElementsProblem::AtCentre);
        QTest::newRow("falling straight in")
            << Vector3{7e6, 0, 0} << Vector3{-1e3, 0, 0} << kEarthGm << int(ElementsProblem::NoPlane);
        QTest::newRow("at rest") << Vector3{7e6, 0, 0} << Vector3{} << kEarthGm
                                 << int(ElementsProblem::NoPlane);
        // mu = 2 at r = 1 has the escape speed 2 exactly: 2 / r - v^2 / mu = 0.
        QTest::newRow("exactly the escape speed")
            << Vector3{1, 0, 0} << Vector3{0, 0, 2} << 2.0 << int(ElementsProblem::Parabola);
        QTest::newRow("no gravity") << Vector3{7e6, 0, 0} << Vector3{0, 0, 7e3} << 0.0
                                    << int(ElementsProblem::NoGravity);
        QTest::newRow("infinite speed")
            << Vector3{7e6, 0, 0} << Vector3{0, 0, HUGE_VAL} << kEarthGm << int(ElementsProblem::NotFinite);
    }
    void refusedStates() {
        QFETCH(Vector3, r);
        QFETCH(Vector3, v);
        QFETCH(double, mu);
        QFETCH(int, problem);
        QCOMPARE(int(ElementsFromState({r, v}, mu, kMjd).Problem), problem);
    }
};

QTEST_GUILESS_MAIN(OrbitalElementsTest)
#include "test_orbital_elements.moc"
