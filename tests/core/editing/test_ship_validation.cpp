#include "core/editing/row_validation.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_validation.h"
#include "core/scenario/scenario_reader.h"
#include "test_files.h"

#include <QDir>
#include <QTest>

namespace {
PlanetData Planet(const QString& file, bool readable, double meanRadius) {
    PlanetData planet;
    planet.file = file;
    planet.readable = readable;
    planet.MeanRadius = meanRadius;
    return planet;
}
const QString kAngular = "The angular velocity value is not correct.";
const QString kPosX = "The position relative to the reference on axis X is not correct.";
const QString kPosY = "The position relative to the reference on axis Y is not correct.";
const QString kPosZ = "The position relative to the reference on axis Z is not correct.";
const QString kVelX = "The velocity relative to reference on axis X is not correct.";
const QString kVelY = "The velocity relative to reference on axis Y is not correct.";
const QString kVelZ = "The velocity relative to reference on axis Z is not correct.";
const QString kRotX = "The object frame rotation angle orientation on axis X is not correct.";
const QString kRotY = "The object frame rotation angle orientation on axis Y is not correct.";
const QString kRotZ = "The object frame rotation angle orientation on axis Z is not correct.";
const QString kInside =
    "The ship is located inside the planet; adjust the position parameters relative to reference.";
const QString kPad = "You must assign the ship to a base pad.";
const QString kClass = "You must assign a class to the ship.";
const QString kHeading = "You must must enter a correct heading.";
const QString kDock = "You must assign the ship to a station dock.";
const QString kEarthRadius = "6371000";
const QString kTaken = "The ship name is already used by another ship.";
const QString kNoPlanet = "No planet is chosen.";
const QString kLongitude = "The landed ship longitude is not correct.";
const QString kLatitude = "The landed ship latitude is not correct.";
// The names of the other ships of the list in every row of the table below.
const QStringList kOtherShips{"Osprey", " Swift ", "Gull:"};

// A ship that passes every check of its status; the rows below spoil some fields.
ShipEditorTexts GoodShip(ShipStatusChoice status) {
    ShipEditorTexts t;
    t.status = status;
    t.name = "Ship1";
    t.className = "DeltaGlider";
    t.landedPlanet = "Earth";
    t.landedBase = " Habana";
    t.landedPad = "1";
    t.heading = "90";
    t.landedBody = "Earth";
    t.landedLongitude = "-80.675";
    t.landedLatitude = "28.521";
    t.orbitingPlanet = "Earth";
    t.rposX = "7000000";
    t.rposY = "0";
    t.rposZ = "0";
    t.rvelX = "0";
    t.rvelY = "7546.05";
    t.rvelZ = "0";
    t.arotX = "0";
    t.arotY = "0";
    t.arotZ = "0";
    t.angularVelocity = "0";
    t.dockedPlanet = "Earth";
    t.dockedStation = "ISS";
    t.dockedPort = "1";
    return t;
}

QString* Field(ShipEditorTexts& t, const QString& name) {
    const std::pair<const char*, QString*> fields[] = {
        {"class", &t.className},       {"base", &t.landedBase},
        {"heading", &t.heading},       {"station", &t.dockedStation},
        {"vrot", &t.angularVelocity},  {"rposX", &t.rposX},
        {"rposY", &t.rposY},           {"rposZ", &t.rposZ},
        {"rvelX", &t.rvelX},           {"rvelY", &t.rvelY},
        {"rvelZ", &t.rvelZ},           {"arotX", &t.arotX},
        {"arotY", &t.arotY},           {"arotZ", &t.arotZ},
        {"planet", &t.orbitingPlanet}, {"name", &t.name}};
    for (const auto& [key, field] : fields) {
        if (name == QLatin1String(key)) return field;
    }
    // The boxes of a landed ship at a surface position.
    const std::pair<const char*, QString*> position[] = {
        {"body", &t.landedBody}, {"longitude", &t.landedLongitude}, {"latitude", &t.landedLatitude}};
    for (const auto& [key, field] : position) {
        if (name == QLatin1String(key)) return field;
    }
    return nullptr;
}
} // namespace

class ShipValidationTest : public QObject {
    Q_OBJECT
  private slots:
    void validate_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("changes"); // "field=value"
        QTest::addColumn<double>("radius");
        QTest::addColumn<QString>("messages");
        const int orbiting = int(ShipStatusChoice::Orbiting);
        const int landed = int(ShipStatusChoice::Landed);
        const int docked = int(ShipStatusChoice::Docked);
        const int none = int(ShipStatusChoice::None);
        const double r = 6371000;
        QTest::newRow("orbiting passes") << orbiting << QStringList{} << r << "";
        QTest::newRow("orbiting without class passes") << orbiting << QStringList{"class="} << r << "";
        QTest::newRow("angular velocity letters")
            << orbiting << QStringList{"vrot=fast"} << r << kAngular + "\r";
        QTest::newRow("angular velocity has no range") << orbiting << QStringList{"vrot=-5000"} << r << "";
        QTest::newRow("exponent is not a number")
            << orbiting << QStringList{"rposX=6.7e6"} << r << kPosX + "\r"; // 6.7e6 is outside the planet
        QTest::newRow("all positions zero") << orbiting << QStringList{"rposX=0"} << r << kInside;
        QTest::newRow("positions not numbers") << orbiting << QStringList{"rposX=", "rposY=y", "rposZ=+1"}
                                               << r << kPosX + "\r" + kPosY + "\r" + kPosZ + "\r" + kInside;
        QTest::newRow("on the mean radius")
            << orbiting << QStringList{"rposX=" + kEarthRadius} << r << kInside;
        QTest::newRow("one metre above") << orbiting << QStringList{"rposX=6371001"} << r << "";
        QTest::newRow("below on the diagonal")
            << orbiting << QStringList{"rposX=3000000", "rposY=-3000000", "rposZ=4000000"} << r << kInside;
        QTest::newRow("above on the diagonal")
            << orbiting << QStringList{"rposX=4000000", "rposY=-4000000", "rposZ=4000000"} << r << "";
        QTest::newRow("velocities") << orbiting << QStringList{"rvelX=1,5", "rvelY=--1", "rvelZ=1.2.3"} << r
                                    << kVelX + "\r" + kVelY + "\r" + kVelZ + "\r";
        QTest::newRow("angles just inside")
            << orbiting << QStringList{"arotX=359.99", "arotY=-359.99", "arotZ=0"} << r << "";
        QTest::newRow("angles on the limit")
            << orbiting << QStringList{"arotX=360", "arotY=-360", "arotZ=abc"} << r
            << kRotX + "\r" + kRotY + "\r" + kRotZ + "\r";
        QTest::newRow("every orbiting check fails")
            << orbiting << QStringList{"vrot=",   "rposX=a", "rposY=b",   "rposZ=c", "rvelX=d",
                                       "rvelY=e", "rvelZ=f", "arotX=720", "arotY=g", "arotZ=-400"}
            << r
            << kAngular + "\r" + kPosX + "\r" + kPosY + "\r" + kPosZ + "\r" + kVelX + "\r" + kVelY + "\r" +
                   kVelZ + "\r" + kRotX + "\r" + kRotY + "\r" + kRotZ + "\r" + kInside;
        QTest::newRow("no Size record: only the centre fails")
            << orbiting << QStringList{"rposX=1"} << 0.0 << "";
        QTest::newRow("no Size record, at the centre")
            << orbiting << QStringList{"rposX=0"} << 0.0 << kInside;

        QTest::newRow("landed passes") << landed << QStringList{} << r << "";
        QTest::newRow("landed heading -90") << landed << QStringList{"heading=-90"} << r << "";
        QTest::newRow("landed heading 720") << landed << QStringList{"heading=720"} << r << "";
        QTest::newRow("landed heading Toto") << landed << QStringList{"heading=Toto"} << r << kHeading;
        QTest::newRow("landed heading empty") << landed << QStringList{"heading="} << r << kHeading;
        QTest::newRow("landed without pad") << landed << QStringList{"base="} << r << kPad + "\r";
        QTest::newRow("landed base of blanks is not empty") << landed << QStringList{"base=  "} << r << "";
        QTest::newRow("landed without class") << landed << QStringList{"class="} << r << kClass + "\r";
        QTest::newRow("landed, every check fails") << landed << QStringList{"base=", "class=", "heading=Toto"}
                                                   << r << kPad + "\r" + kClass + "\r" + kHeading;
        QTest::newRow("landed ignores orbit fields") << landed << QStringList{"rposX=", "vrot=x"} << r << "";

        // At a position: the pad labels no longer count, the position boxes do.
        const QString at = "at=position";
        QTest::newRow("position passes") << landed << QStringList{at, "base="} << r << "";
        QTest::newRow("position on the limits")
            << landed << QStringList{at, "longitude=-180", "latitude=90"} << r << "";
        QTest::newRow("position past the limits")
            << landed << QStringList{at, "longitude=180.001", "latitude=-90.5"} << r
            << kLongitude + "\r" + kLatitude + "\r";
        QTest::newRow("position in exponent form")
            << landed << QStringList{at, "longitude=1e1"} << r << kLongitude + "\r";
        QTest::newRow("position empty") << landed << QStringList{at, "latitude="} << r << kLatitude + "\r";
        QTest::newRow("position without a body")
            << landed << QStringList{at, "body= "} << r << kNoPlanet + "\r";
        QTest::newRow("position without a heading") << landed << QStringList{at, "heading="} << r << "";
        QTest::newRow("position, heading not a number")
            << landed << QStringList{at, "heading=Toto"} << r << kHeading;
        QTest::newRow("position, every check fails")
            << landed << QStringList{at, "body=", "longitude=x", "latitude=91", "class=", "heading=n"} << r
            << kNoPlanet + "\r" + kLongitude + "\r" + kLatitude + "\r" + kClass + "\r" + kHeading;
        QTest::newRow("a pad ignores the position boxes")
            << landed << QStringList{"longitude=x", "latitude=", "body="} << r << "";

        QTest::newRow("docked passes") << docked << QStringList{} << r << "";
        QTest::newRow("docked without dock") << docked << QStringList{"station="} << r << kDock + "\r";
        QTest::newRow("docked without class") << docked << QStringList{"class="} << r << kClass;
        QTest::newRow("docked, both fail")
            << docked << QStringList{"station=", "class="} << r << kDock + "\r" + kClass;

        // A ":" in the name would split it at the next load; the check comes first.
        const QString colon = "The ship name may not hold a \":\", which separates the name from the class "
                              "in the scenario file.";
        QTest::newRow("name with a colon") << landed << QStringList{"name=Kite:2"} << r << colon + "\r";
        QTest::newRow("name with a colon, among others")
            << docked << QStringList{"name=:Kite", "station="} << r << colon + "\r" + kDock + "\r";
        QTest::newRow("name with a colon, no status") << none << QStringList{"name=Kite:"} << r << colon;

        // A name another ship of the list has (blanks at both ends and letter case aside) comes
        // right after the ":" message, else first; without a status it ends the box.
        QTest::newRow("another ship's name") << orbiting << QStringList{"name=Osprey"} << r << kTaken + "\r";
        QTest::newRow("another ship's name, blanks and case")
            << landed << QStringList{"name= OSPREY  "} << r << kTaken + "\r";
        QTest::newRow("another ship's name with its blanks")
            << docked << QStringList{"name=swift"} << r << kTaken + "\r";
        QTest::newRow("a longer name passes") << orbiting << QStringList{"name=Osprey II"} << r << "";
        QTest::newRow("a tab is no blank") << orbiting << QStringList{"name=Osprey\t"} << r << "";
        QTest::newRow("name taken, no status") << none << QStringList{"name=osprey"} << r << kTaken;
        QTest::newRow("name taken with a colon, no status")
            << none << QStringList{"name=gull:"} << r << colon + "\r" + kTaken;
        QTest::newRow("name taken with a colon, among others")
            << docked << QStringList{"name=GULL:", "station="} << r
            << colon + "\r" + kTaken + "\r" + kDock + "\r";
        QTest::newRow("name taken, then the heading")
            << landed << QStringList{"name=Swift", "heading=Toto"} << r << kTaken + "\r" + kHeading;

        // An orbiting ship without a planet is told so; no planet, nothing to be inside of but
        // the centre.
        QTest::newRow("no planet chosen") << orbiting << QStringList{"planet="} << r << kNoPlanet + "\r";
        QTest::newRow("no planet chosen, blank caption")
            << orbiting << QStringList{"planet=   "} << r << kNoPlanet + "\r";
        QTest::newRow("no planet chosen, near the centre")
            << orbiting << QStringList{"planet=", "rposX=1"} << r << kNoPlanet + "\r";
        QTest::newRow("no planet chosen, at the centre")
            << orbiting << QStringList{"planet=", "rposX=0"} << r << kNoPlanet + "\r" + kInside;
        QTest::newRow("no planet chosen among others")
            << orbiting << QStringList{"planet=", "arotZ=360"} << r << kRotZ + "\r" + kNoPlanet + "\r";
        QTest::newRow("landed needs no orbiting planet") << landed << QStringList{"planet="} << r << "";
        QTest::newRow("name with a comma passes")
            << orbiting << QStringList{"name=Kite, the first"} << r << "";
        QTest::newRow("no status: no check")
            << none << QStringList{"class=", "base=", "station=", "heading=", "rposX=", "vrot=x"} << r << "";
    }
    void validate() {
        QFETCH(int, status);
        QFETCH(QStringList, changes);
        QFETCH(double, radius);
        QFETCH(QString, messages);
        ShipEditorTexts t = GoodShip(ShipStatusChoice(status));
        for (const QString& change : changes) {
            if (change == "at=position") {
                t.landedAt = LandedAt::Position;
                continue;
            }
            QString* field = Field(t, change.section('=', 0, 0));
            QVERIFY2(field, qPrintable(change));
            *field = change.section('=', 1);
        }
        const ShipValidation v = ValidateShip(t, Planet("Earth.cfg", true, radius), kOtherShips);
        QCOMPARE(v.Messages, messages);
        QCOMPARE(v.Valid(), messages.isEmpty());
        QCOMPARE(v.failed.join(QString()), QString(messages).remove('\r'));
    }

    void unreadablePlanetFile() {
        ShipEditorTexts t = GoodShip(ShipStatusChoice::Orbiting);
        const PlanetData missing = Planet("/sim/Config/.cfg", false, 0);
        ShipValidation v = ValidateShip(t, missing, {});
        QVERIFY(!v.Valid());
        QCOMPARE(v.failed.size(), 1);
        QVERIFY(v.failed[0].contains("\"/sim/Config/.cfg\""));
        QCOMPARE(v.Messages, v.failed[0] + "\r");
        // The other checks still run and come in their order around it.
        t.rposX = "0";
        t.arotZ = "360";
        v = ValidateShip(t, missing, {});
        QCOMPARE(v.failed.size(), 3);
        QCOMPARE(v.failed[0], kRotZ);
        QCOMPARE(v.failed[2], kInside);
        QCOMPARE(v.Messages, kRotZ + "\r" + v.failed[1] + "\r" + kInside);
        // The other statuses never read the planet file.
        QVERIFY(ValidateShip(GoodShip(ShipStatusChoice::Landed), missing, {}).Valid());
    }

    // The file is named with the platform's separators, whatever the folder text holds.
    void planetFileShownWithPlatformSeparators() {
        const PlanetData missing = Planet("/sim\\Config\\Earth.cfg", false, 0);
        const ShipValidation v = ValidateShip(GoodShip(ShipStatusChoice::Orbiting), missing, {});
        QCOMPARE(v.failed,
                 QStringList({"The planet file \"" + QDir::toNativeSeparators("/sim/Config/Earth.cfg") +
                              "\" cannot be read: choose the planet the ship orbits around."}));
    }

    // The check leaves out the fuel and engine texts: the validation of every ship of the demo
    // and newer-form scenarios reaches the same verdict without them.
    void levelsAreNotValidated() {
        int ships = 0;
        for (const QString& folder : {DemoPath("Scenarios"), TestDataPath("newer-form/Scenarios")}) {
            for (const QString& name : QDir(folder).entryList({"*.scn"}, QDir::Files)) {
                const ScenarioReadResult read = ReadScenario(ReadFileBytes(folder + "/" + name).value_or(""));
                for (qsizetype i = 0; i < read.shipNames.size(); ++i) {
                    const ShipRow& row = read.document.ShipTable[std::size_t(i)];
                    const ShipEditorTexts shown = ShipDisplayTexts(read.document, row);
                    ShipEditorTexts left = ShipDisplayTexts(read.document, row, ShipLevels::Left);
                    QVERIFY(left.fuel.isEmpty() && left.mainEngine.isEmpty() && left.hoverEngine.isEmpty());
                    const PlanetData planet = Planet("Earth.cfg", true, 6371000);
                    const ShipValidation a = ValidateShip(shown, planet, {});
                    const ShipValidation b = ValidateShip(left, planet, {});
                    QCOMPARE(b.failed, a.failed);
                    left.fuel = shown.fuel;
                    left.mainEngine = shown.mainEngine;
                    left.hoverEngine = shown.hoverEngine;
                    QCOMPARE(ValidateShip(left, planet, {}).Messages, a.Messages);
                    ++ships;
                }
            }
        }
        QVERIFY(ships > 10);
    }

    void planetData_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("radius");
        QTest::newRow("Size record") << "Earth.cfg" << 6371000.0;
        QTest::newRow("key in capitals, comment behind") << "Moon.cfg" << 1737100.0;
        QTest::newRow("no Size record") << "NoSize.cfg" << 0.0;
        QTest::newRow("last record counts") << "Twice.cfg" << 2000.0;
    }
    void planetData() {
        QFETCH(QString, file);
        QFETCH(double, radius);
        const QString body = file.chopped(4);
        const PlanetData planet = PlanetFilesOnDisk(TestDataPath("ships/Config/"))(body);
        QVERIFY(planet.readable);
        QCOMPARE(planet.MeanRadius, radius);
    }

    void planetFileName_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::newRow("planet") << "Earth"
                                << "C:\\Skelvan\\Config\\Earth.cfg";
        QTest::newRow("moon keeps no blanks") << "   Moon"
                                              << "C:\\Skelvan\\Config\\Moon.cfg";
        QTest::newRow("no planet yet") << ""
                                       << "C:\\Skelvan\\Config\\.cfg";
    }
    void planetFileName() {
        QFETCH(QString, caption);
        QFETCH(QString, file);
        QCOMPARE(PlanetFileName("C:\\Skelvan\\Config\\", caption), file);
    }

    void storedRow_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("statusWord");
        QTest::addColumn<QString>("statusRef");
        QTest::newRow("landed") << int(ShipStatusChoice::Landed) << "Landed"
                                << "Earth L";
        QTest::newRow("orbiting") << int(ShipStatusChoice::Orbiting) << "Orbiting"
                                  << "   Moon";
        QTest::newRow("docked") << int(ShipStatusChoice::Docked) << "Docked"
                                << "Earth D";
        QTest::newRow("no status keeps both") << int(ShipStatusChoice::None) << "landed "
                                              << "Old";
    }
    void storedRow() {
        QFETCH(int, status);
        QFETCH(QString, statusWord);
        QFETCH(QString, statusRef);
        ShipRow old;
        old.Name = "Old name";
        old.Status = "landed ";
        old.StatusRef = "Old";
        old.OtherLines = "XPDR 12\r\nNAVFREQ 1 2";
        ShipEditorTexts t = GoodShip(ShipStatusChoice(status));
        t.landedPlanet = "Earth L";
        t.orbitingPlanet = "   Moon";
        t.dockedPlanet = "Earth D";
        t.rposX = "6.7e6x";
        t.fuel = " 75 %";
        t.mainEngine = "-50 %";
        t.hoverEngine = "0";
        const ShipRow row = StoredShipRow(old, t);
        QCOMPARE(row.Name, QString("Ship1"));
        QCOMPARE(row.ClassName, QString("DeltaGlider"));
        QCOMPARE(row.Status, statusWord);
        QCOMPARE(row.StatusRef, statusRef);
        QCOMPARE(row.OtherLines, old.OtherLines);
        // every frame's labels are stored, whatever the status
        QCOMPARE(row.Base, QString(" Habana"));
        QCOMPARE(row.Pad, QString("1"));
        QCOMPARE(row.Heading, QString("90"));
        QCOMPARE(row.DockedStation, QString("ISS"));
        QCOMPARE(row.DockedPort, QString("1"));
        QCOMPARE(row.RposX, QString("6.7e6x")); // stored as typed
        QCOMPARE(row.RvelY, QString("7546.05"));
        QCOMPARE(row.Vrot, QString("0"));
        QCOMPARE(row.Fuel, QString(" .75"));
        QCOMPARE(row.MainEngine, QString("-.5"));
        QCOMPARE(row.HoverEngine, QString(" 0"));
    }
};
QTEST_GUILESS_MAIN(ShipValidationTest)
#include "test_ship_validation.moc"
