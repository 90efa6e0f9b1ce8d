// The ships a change of the start date moves: which rows, and what their position and
// velocity texts become for each choice. The motions themselves are tested with the orbit
// logic; here the rows are picked, read, moved and written back.
#include "core/editing/date_change_moves.h"
#include "core/text/text_rules.h"
#include "reference_earth.h"

#include <QTest>
#include <cmath>

namespace {
constexpr double kStart = 51985.24;

// A circular equatorial orbit of 7,000 km radius, position on the vernal equinox.
ShipRow Ship(const QString& status, const QString& body, bool byElements) {
    ShipRow row;
    row.Name = QStringLiteral("S");
    row.Status = status;
    row.StatusRef = body;
    const double v = std::sqrt(TiltedEarth().Mu / 7e6);
    row.RposX = QStringLiteral("7000000");
    row.RposY = row.RposZ = row.RvelX = row.RvelY = QStringLiteral("0");
    row.RvelZ = NumberText(v);
    if (byElements) row.ElementsSemiMajorAxis = QStringLiteral("7000000");
    return row;
}

double Length(const ShipRow& r) {
    return std::hypot(LeadingNumber(r.RposX), LeadingNumber(r.RposY), LeadingNumber(r.RposZ));
}
} // namespace

Q_DECLARE_METATYPE(DateChangeMove)

class DateChangeMovesTest : public QObject {
    Q_OBJECT
  private slots:
    void rows_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("byElements");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<DateChangeMove>("move");
        QTest::addColumn<bool>("moved");
        const auto along = DateChangeMove::AlongOrbit, surface = DateChangeMove::WithSurface;
        QTest::newRow("orbiting by state, along") << "Orbiting"
                                                  << "Earth" << false << true << along << true;
        QTest::newRow("orbiting by state, surface") << "Orbiting"
                                                    << "Earth" << false << true << surface << true;
        QTest::newRow("kept") << "Orbiting"
                              << "Earth" << false << true << DateChangeMove::Keep << false;
        QTest::newRow("status in other letters") << "orbiting"
                                                 << "Earth" << false << true << along << true;
        QTest::newRow("by elements") << "Orbiting"
                                     << "Earth" << true << true << along << false;
        QTest::newRow("landed") << "Landed"
                                << "Earth" << false << true << along << false;
        QTest::newRow("docked") << "Docked"
                                << "Earth" << false << true << surface << false;
        QTest::newRow("spare row") << "Orbiting"
                                   << "Earth" << false << false << along << false;
        QTest::newRow("body without data") << "Orbiting"
                                           << "Nowhere" << false << true << along << false;
    }
    void rows() {
        QFETCH(QString, status);
        QFETCH(QString, body);
        QFETCH(bool, byElements);
        QFETCH(bool, listed);
        QFETCH(DateChangeMove, move);
        QFETCH(bool, moved);
        ScenarioDocument document;
        document.ShipTable = {Ship(QStringLiteral("Landed"), QStringLiteral("Earth"), false),
                              Ship(status, body, byElements)};
        const auto planetOf = [](const QString& name) {
            return name == QLatin1String("Earth") ? TiltedEarth() : PlanetData{};
        };
        const std::vector<ShipRow> rows =
            ShipRowsMovedToDate(document, listed ? 2 : 1, planetOf, kStart, kEarthSiderealDay / 4, move);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0], document.ShipTable[0]);
        QCOMPARE(rows[1] != document.ShipTable[1], moved);
        // Either way the ship stays on its circle: only its place on it changes.
        QVERIFY(std::abs(Length(rows[1]) - 7e6) < 1e-3);
    }

    void aQuarterTurn_data() {
        QTest::addColumn<DateChangeMove>("move");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("longitude"); // of the position afterwards, ecliptic degrees
        // The orbit's period at 7,000 km is 5,829 s; a quarter of it takes the ship a quarter round.
        const double period = 2 * M_PI * std::sqrt(std::pow(7e6, 3) / TiltedEarth().Mu);
        QTest::newRow("along a quarter orbit") << DateChangeMove::AlongOrbit << period / 4 << 90.0;
        QTest::newRow("along, back a quarter") << DateChangeMove::AlongOrbit << -period / 4 << -90.0;
        QTest::newRow("surface, a whole day") << DateChangeMove::WithSurface << kEarthSiderealDay << 0.0;
    }
    void aQuarterTurn() {
        QFETCH(DateChangeMove, move);
        QFETCH(double, seconds);
        QFETCH(double, longitude);
        ScenarioDocument document;
        document.ShipTable = {Ship(QStringLiteral("Orbiting"), QStringLiteral("Earth"), false)};
        const ShipRow r = ShipRowsMovedToDate(
            document, 1, [](const QString&) { return TiltedEarth(); }, kStart, seconds, move)[0];
        const double at = std::atan2(LeadingNumber(r.RposZ), LeadingNumber(r.RposX)) * 180 / M_PI;
        QVERIFY2(std::abs(std::remainder(at - longitude, 360.0)) < 1e-6, qPrintable(QString::number(at)));
    }
};

QTEST_GUILESS_MAIN(DateChangeMovesTest)
#include "test_date_change_moves.moc"
