#include "core/editing/station_validation.h"

#include <QDir>
#include <QTest>

namespace {
// A station in a good orbit around a planet of radius 6371 km with 200 km of atmosphere:
// periapsis 7000 km x 0.95 = 6650 km, above 6571 km.
StationControlTexts GoodStation() {
    StationControlTexts t;
    t.rotationFrequency = "0.05";
    t.xAngle = "0";
    t.yAngle = "90";
    t.zAngle = "-45.5";
    t.semiMajorAxis = "7000000";
    t.excentricity = "0.05";
    t.inclination = "51.6";
    t.ascendingNodeLongitude = "0";
    t.periapsisLongitude = "0";
    t.meanLongitude = "0";
    t.refPlanet = "Earth";
    return t;
}
// The planet data as read from a file (or not) at a path.
PlanetData Planet(const QString& path, const QByteArray& bytes, bool readable = true) {
    PlanetData planet = readable ? ReadPlanetData(bytes) : PlanetData();
    planet.file = path;
    return planet;
}
const PlanetData kEarth = Planet("/x/Earth.cfg", "Size = 6371000\r\nAtmAltLimit = 200000\r\n");

const QString kFrequency = "The station rotation frequency is not correct.";
const QString kX = "The station frame rotation angle around X axis is not correct.";
const QString kY = "The station frame rotation angle around Y axis is not correct.";
const QString kZ = "The station frame rotation angle around Z axis is not correct.";
const QString kPeriapsis = "The station orbit crosses the planet atmosphere or the planet surface; check the "
                           "excentricity or the semi-major axis.";
const QString kAxis = "The station orbit semi-major axis is not correct.";
const QString kExcentricity = "The station excentricity is not correct.";
const QString kInclination = "The station orbit inclination is not correct.";
const QString kNode = "The station orbit ascending node longitude is not correct.";
const QString kPeriapsisLongitude = "The station orbit periapsis longitude is not correct.";
const QString kMean = "The station orbit mean longitude is not correct.";
const QString kColon =
    "The station name may not hold a \":\", which separates the name from the class in the scenario file.";
const QString kTaken = "The station name is already used by another station.";
const QString kNoPlanet = "No planet is chosen.";
} // namespace

Q_DECLARE_METATYPE(StationControlTexts)

class StationValidationTest : public QObject {
    Q_OBJECT
  private slots:
    void messages_data() {
        QTest::addColumn<StationControlTexts>("texts");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char* name, auto change, const QStringList& expected) {
            StationControlTexts t = GoodStation();
            change(t);
            QTest::newRow(name) << t << expected;
        };
        row("all good", [](StationControlTexts&) {}, {});
        row("name with a colon", [](StationControlTexts& t) { t.name = "Lantern:2"; },
            {"The station name may not hold a \":\", which separates the name from the class in the scenario "
             "file."});
        row("name with a colon, among others",
            [](StationControlTexts& t) {
                t.name = ":";
                t.xAngle = "360";
            },
            {"The station name may not hold a \":\", which separates the name from the class in the scenario "
             "file.",
             kX});
        row("name with a comma passes", [](StationControlTexts& t) { t.name = "Lantern, old"; }, {});
        row("frequency not a number", [](StationControlTexts& t) { t.rotationFrequency = "0,5"; },
            {kFrequency});
        row("frequency of the class not checked",
            [](StationControlTexts& t) {
                t.classRotation = true;
                t.rotationFrequency = "Class value";
            },
            {});
        row("frequency has no range", [](StationControlTexts& t) { t.rotationFrequency = "-1000"; }, {});
        row("angle 359.99", [](StationControlTexts& t) { t.xAngle = "359.99"; }, {});
        row("angle -359.99", [](StationControlTexts& t) { t.yAngle = "-359.99"; }, {});
        row("angle 360", [](StationControlTexts& t) { t.xAngle = "360"; }, {kX});
        row("angle -360", [](StationControlTexts& t) { t.yAngle = "-360"; }, {kY});
        row("angle with exponent", [](StationControlTexts& t) { t.zAngle = "1e2"; }, {kZ});
        row("periapsis in the atmosphere", [](StationControlTexts& t) { t.excentricity = "0.1"; },
            {kPeriapsis});
        row("periapsis on the limit",
            [](StationControlTexts& t) {
                t.semiMajorAxis = "13142000";
                t.excentricity = "0.5";
            },
            {kPeriapsis});
        row("axis below the radius", [](StationControlTexts& t) { t.semiMajorAxis = "6000000"; },
            {"The station orbit semi-major axis is equal to  6000000 m although the mean radius of Earth is "
             "equal "
             "to  6371000m"});
        row("axis between radius and atmosphere",
            [](StationControlTexts& t) {
                t.semiMajorAxis = "6500000";
                t.excentricity = "0.5";
            },
            {});
        row("axis on the atmosphere limit",
            [](StationControlTexts& t) {
                t.semiMajorAxis = "6571000";
                t.excentricity = "0.9";
            },
            {});
        row("axis equal to the radius", [](StationControlTexts& t) { t.semiMajorAxis = "6371000"; }, {});
        row("axis not a number", [](StationControlTexts& t) { t.semiMajorAxis = "7e6"; }, {kAxis});
        row("excentricity 0.9999",
            [](StationControlTexts& t) {
                t.semiMajorAxis = "100000000000";
                t.excentricity = "0.9999";
            },
            {});
        row("excentricity 1", [](StationControlTexts& t) { t.excentricity = "1"; }, {kExcentricity});
        row("excentricity 1.5", [](StationControlTexts& t) { t.excentricity = "1.5"; }, {kExcentricity});
        row("excentricity -0.1", [](StationControlTexts& t) { t.excentricity = "-0.1"; }, {kExcentricity});
        row("excentricity not a number", [](StationControlTexts& t) { t.excentricity = "abc"; },
            {kExcentricity});
        row("angles of the orbit have no range",
            [](StationControlTexts& t) {
                t.inclination = "720";
                t.ascendingNodeLongitude = "-400";
            },
            {});
        row("orbit angles not numbers",
            [](StationControlTexts& t) {
                t.inclination = "";
                t.ascendingNodeLongitude = "+1";
                t.periapsisLongitude = "1.2.3";
                t.meanLongitude = "x";
            },
            {kInclination, kNode, kPeriapsisLongitude, kMean});
        row("everything wrong, in check order",
            [](StationControlTexts& t) {
                t.rotationFrequency = "";
                t.xAngle = "a";
                t.yAngle = "400";
                t.zAngle = "-";
                t.semiMajorAxis = "big";
                t.excentricity = "2";
                t.inclination = "i";
                t.ascendingNodeLongitude = "n";
                t.periapsisLongitude = "p";
                t.meanLongitude = "m";
            },
            {kFrequency, kX, kY, kZ, kAxis, kExcentricity, kInclination, kNode, kPeriapsisLongitude, kMean});
        row("moon caption kept in the message",
            [](StationControlTexts& t) {
                t.refPlanet = "   Moon";
                t.semiMajorAxis = "1000";
            },
            {"The station orbit semi-major axis is equal to  1000 m although the mean radius of    Moon is "
             "equal to "
             " 6371000m"});
    }
    void messages() {
        QFETCH(StationControlTexts, texts);
        QFETCH(QStringList, expected);
        QCOMPARE(StationValidationMessages(texts, kEarth, {"Lantern", "Beacon"}), expected);
    }

    void planetWithoutData() {
        // Without "Size" and "AtmAltLimit" both are 0: only a negative axis is below the radius.
        const PlanetData none = Planet("x", "Name = Nothing\r\nMass = 1\r\n");
        QCOMPARE(none.MeanRadius, 0.0);
        QCOMPARE(none.AtmosphereAsWritten(), 0.0);
        StationControlTexts t = GoodStation();
        t.semiMajorAxis = "-5";
        QCOMPARE(StationValidationMessages(t, none, {}),
                 QStringList(
                     {"The station orbit semi-major axis is equal to -5 m although the mean radius of Earth "
                      "is equal to  0m"}));
    }

    void planetFileThatCannotBeRead() {
        StationControlTexts t = GoodStation();
        t.xAngle = "999";
        t.semiMajorAxis = "10"; // no orbit checks against a planet that is not known
        t.excentricity = "5";
        QCOMPARE(StationValidationMessages(t, Planet("/cfg/.cfg", {}, false), {}),
                 QStringList({kX, "The planet file \"/cfg/.cfg\" cannot be read.", kExcentricity}));
    }

    // A name that another station of the list has, blanks at both ends and letter case aside,
    // is refused; its message follows the ":" one, else it comes first.
    void nameTaken_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("others");
        QTest::addColumn<QString>("xAngle");
        QTest::addColumn<QStringList>("expected");
        const QStringList list{"Orion", " Selene ", "ares"};
        QTest::newRow("another's name") << "Orion" << list << "0" << QStringList{kTaken};
        QTest::newRow("other letter case and blanks") << "  ORION " << list << "0" << QStringList{kTaken};
        QTest::newRow("the other's blanks") << "Selene" << list << "0" << QStringList{kTaken};
        QTest::newRow("the other's letter case") << "Ares" << list << "0" << QStringList{kTaken};
        QTest::newRow("a tab is no blank") << "Orion\t" << list << "0" << QStringList{};
        QTest::newRow("inner blanks count") << "Or ion" << list << "0" << QStringList{};
        QTest::newRow("a longer name") << "Orion II" << list << "0" << QStringList{};
        QTest::newRow("no other station") << "Orion" << QStringList{} << "0" << QStringList{};
        QTest::newRow("after the colon message")
            << "ares:2" << QStringList{"Ares:2"} << "0" << QStringList{kColon, kTaken};
        QTest::newRow("before the field messages") << "orion" << list << "360" << QStringList{kTaken, kX};
        QTest::newRow("two blank names") << "" << QStringList{" "} << "0" << QStringList{kTaken};
    }
    void nameTaken() {
        QFETCH(QString, name);
        QFETCH(QStringList, others);
        QFETCH(QString, xAngle);
        QFETCH(QStringList, expected);
        StationControlTexts t = GoodStation();
        t.name = name;
        t.xAngle = xAngle;
        QCOMPARE(StationValidationMessages(t, kEarth, others), expected);
    }

    // A station not yet given a planet is told so where an unreadable file would be named, and
    // its orbit is not checked against any planet, not even one a file ".cfg" describes.
    void noPlanetChosen_data() {
        QTest::addColumn<QString>("planet");
        QTest::addColumn<bool>("fileRead");
        QTest::newRow("empty caption") << "" << false;
        QTest::newRow("blank caption") << "   " << false;
        QTest::newRow("a file \".cfg\" read") << "" << true;
    }
    void noPlanetChosen() {
        QFETCH(QString, planet);
        QFETCH(bool, fileRead);
        StationControlTexts t = GoodStation();
        t.refPlanet = planet;
        t.xAngle = "999";
        t.semiMajorAxis = "10"; // below any planet's radius: no planet, no such check
        t.excentricity = "5";
        const PlanetData read = Planet("/cfg\\.cfg", "Size = 6371000\r\n", fileRead);
        QCOMPARE(StationValidationMessages(t, read, {}), QStringList({kX, kNoPlanet, kExcentricity}));
    }

    // The file is named with the platform's separators, whatever the folder text holds.
    void planetFileShownWithPlatformSeparators() {
        StationControlTexts t = GoodStation();
        QCOMPARE(StationValidationMessages(t, Planet("/sim\\Config\\Earth.cfg", {}, false), {}),
                 QStringList({"The planet file \"" + QDir::toNativeSeparators("/sim/Config/Earth.cfg") +
                              "\" cannot be read."}));
    }

    void fileNameAndBoxText() {
        QCOMPARE(StationPlanetFileName("   Moon"), QString("Moon.cfg"));
        QCOMPARE(StationPlanetFileName(""), QString(".cfg"));
        QCOMPARE(ValidationBoxText({"A.", "B."}), QString("A.\rB.\r"));
        QCOMPARE(kStationValidationTitle, QString("Station parameter validation not accepted !"));
    }
};
QTEST_GUILESS_MAIN(StationValidationTest)
#include "test_station_validation.moc"
