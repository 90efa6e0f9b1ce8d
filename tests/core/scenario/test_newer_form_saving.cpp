// Scenarios in the newer form, written by hand with every construct the editor meets in the
// files users have: saved without an edit they keep their meaning, and an edit changes only
// its own lines. The editor's steps are taken here without the windows: the display of a
// ship, its validation, the save.
#include "core/editing/scenario_saving.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_validation.h"
#include "core/editing/tank_levels.h"
#include "core/scenario/scenario_comparison.h"
#include "core/scenario/scenario_reader.h"
#include "core/text/text_rules.h"
#include "opened_scenario.h"
#include "scenario_columns.h"
#include "test_files.h"

#include <QDir>
#include <QTest>
#include <functional>

Q_DECLARE_METATYPE(std::vector<ScenarioDifference>)

namespace {
using Differences = std::vector<ScenarioDifference>;

QString CorpusFolder() {
    return TestDataPath("newer-form/Scenarios/");
}

QByteArray CorpusFile(const QString& name) {
    return TestDataFile("newer-form/Scenarios/" + name);
}

// What "Ship parameter validation" stores for the ship after the edit of its controls; the
// validation must pass.
bool Validate(Open& open, const QString& ship, const std::function<void(ShipEditorTexts&)>& edit = {}) {
    const int r = open.Row(ship);
    if (r < 0) return false;
    ShipRow& row = open.document.ShipTable[std::size_t(r)];
    ShipEditorTexts texts = ShipDisplayTexts(open.document, row);
    if (edit) edit(texts);
    PlanetData planet;
    planet.readable = true;
    planet.MeanRadius = 1737000; // the moon Pale, the smaller body of the system
    const ShipValidation validation = ValidateShip(texts, planet, {});
    if (!validation.Valid()) {
        qWarning() << validation.failed;
        return false;
    }
    row = StoredShipRow(row, texts);
    return true;
}

void Position(ShipEditorTexts& t) {
    t.rposX = "7000000";
    t.rposY = "0";
    t.rposZ = "0";
    t.rvelX = "0";
    t.rvelY = "7500";
    t.rvelZ = "0";
}
} // namespace

class NewerFormSavingTest : public QObject {
    Q_OBJECT
  private slots:
    void corpus_data() {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(CorpusFolder()).entryList({"*.scn"}, QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }
    // Loaded and saved without an edit, and again with every ship validated as shown: the
    // simulator reads the same; a second save gives the same bytes.
    void corpus() {
        QFETCH(QString, file);
        const QByteArray original = CorpusFile(file);
        Open open = Load(original);
        const QByteArray saved = open.Save();
        const ScenarioComparison comparison = CompareScenarioTexts(original, saved);
        QVERIFY2(comparison.Same(), qPrintable(DifferencesText(comparison)));
        QVERIFY(comparison.linesCompared > 50);
        qInfo().noquote() << file << comparison.linesCompared << "lines compared";
        QCOMPARE(Load(saved).Save(), saved);
        for (int r = 0; r < open.ships; ++r)
            QVERIFY(Validate(open, open.document.ShipTable[std::size_t(r)].Name));
        QCOMPARE(open.Save(), saved);
    }

    void edits_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<Differences>("expected");
        const QString yard = "Lagrange Yard.scn";
        const QString tally = "Scrap Tally.scn";
        // 41 minutes past midnight, one day later: 51983 + 41/1440.
        QTest::newRow("date") << yard << "date"
                              << Differences{{"BEGIN_ENVIRONMENT", "  Date MJD 51982.0291634",
                                              "  Date MJD 51983.0284722222"}};
        QTest::newRow("date where the file had none")
            << tally << "date"
            << Differences{{"BEGIN_ENVIRONMENT", "", "  Date MJD 51545"}}; // 2 January 2000
        QTest::newRow("focus") << yard << "focus"
                               << Differences{{"BEGIN_FOCUS", "  Ship Tug-1", "  Ship Tug-2"},
                                              {"BEGIN_CAMERA", "  TARGET Tug-1", "  TARGET Tug-2"}};
        QTest::newRow("fuel line") << yard << "fuel Tug-2"
                                   << Differences{{"SHIP Tug-2", "  FUEL 0.650", "  FUEL .5"}};
        QTest::newRow("fuel of one tank")
            << yard << "fuel Wayfarer"
            << Differences{{"SHIP Wayfarer", "  PRPLEVEL 0:0.800000", "  PRPLEVEL 0:0.500000"}};
        QTest::newRow("fuel of two tanks") << yard << "fuel Tug-1"
                                           << Differences{{"SHIP Tug-1", "  PRPLEVEL 0:1.000000 1:0.250000",
                                                           "  PRPLEVEL 0:0.500000 1:0.500000"}};
        QTest::newRow("fuel of tanks beside a FUEL line")
            << tally << "fuel Crane"
            << Differences{{"SHIP Crane", "  PRPLEVEL 0:0.400000 1:0.900000 2:0.100000",
                            "  PRPLEVEL 0:0.500000 1:0.500000 2:0.500000"}};
        // The ship docked at it keeps its pair: only the place lines change.
        QTest::newRow("a position instead of orbital elements")
            << yard << "position Wayfarer"
            << Differences{{"SHIP Wayfarer",
                            "  ELEMENTS 6878137.00 0.00052 51.640 120.500 45.250 310.125 51982.0000", ""},
                           {"SHIP Wayfarer", "", "  RPOS 7000000 0 0"},
                           {"SHIP Wayfarer", "", "  RVEL 0 7500 0"}};
        QTest::newRow("docked ship sent into orbit")
            << yard << "orbit Skiff-3"
            << Differences{{"SHIP Skiff-3", "  STATUS Docked Verdant:Harbor:2", "  STATUS Orbiting Verdant"},
                           {"SHIP Skiff-3", "", "  RPOS 7000000 0 0"},
                           {"SHIP Skiff-3", "", "  RVEL 0 7500 0"}};
        QTest::newRow("ship on longitude and latitude set on a pad")
            << yard << "pad Tug-1"
            << Differences{{"SHIP Tug-1", "  POS -80.6750000 28.5210000", "  BASE KestrelPoint:2"},
                           {"SHIP Tug-1", "  ALT 1.250", ""}};
        QTest::newRow("a changed value changed back") << yard << "fuel Tug-2 and back" << Differences{};
        QTest::newRow("station") << yard << "station"
                                 << Differences{{"STATION Harbor", "  ELEMENTS 7078137 0.001 28.5 80 10 200",
                                                 "  ELEMENTS 7078137 0.001 30 80 10 200"}};
    }
    // Each edit against the save made right after loading: only its own lines differ.
    void edits() {
        QFETCH(QString, file);
        QFETCH(QString, edit);
        QFETCH(Differences, expected);
        Open open = Load(CorpusFile(file));
        const QByteArray before = open.Save();
        const QString ship = edit.section(u' ', 1, 1);
        if (edit == "date") {
            open.document.StartDate = open.document.Source->hasDate ? open.document.StartDate + 1 : 36527;
        } else if (edit == "focus") {
            open.document.FocusShip = "Tug-2";
        } else if (edit.startsWith("fuel")) {
            // The fuel slider moved: its label, and every tank of a ship with a level per tank.
            QVERIFY(Validate(open, ship, [](ShipEditorTexts& t) { MoveFuelSlider(t, 50); }));
            if (edit.endsWith("and back"))
                QVERIFY(Validate(open, ship, [](ShipEditorTexts& t) { MoveFuelSlider(t, 65); }));
        } else if (edit.startsWith("position")) {
            // The orbit given by the position and velocity instead of the elements.
            QVERIFY(Validate(open, ship, [](ShipEditorTexts& t) {
                t.orbitByElements = false;
                Position(t);
            }));
        } else if (edit.startsWith("orbit")) {
            QVERIFY(Validate(open, ship, [](ShipEditorTexts& t) {
                t.status = ShipStatusChoice::Orbiting;
                t.orbitingPlanet = t.dockedPlanet;
                t.dockedPlanet = t.dockedStation = t.dockedPort = QString();
                Position(t);
                t.arotX = t.arotY = t.arotZ = t.angularVelocity = "0";
            }));
        } else if (edit.startsWith("pad")) {
            QVERIFY(Validate(open, ship, [](ShipEditorTexts& t) {
                t.landedAt = LandedAt::Pad; // as a pick in the pad tree switches to the pad
                t.landedBase = "KestrelPoint";
                t.landedPad = "2";
            }));
        } else if (edit == "station") {
            open.document.StationTable[0].Inclination = "30";
        }
        const ScenarioComparison comparison = CompareScenarioTexts(before, open.Save());
        QVERIFY2(comparison.differences == expected, qPrintable(DifferencesText(comparison)));
    }

    // A ship placed in a way the form has no boxes for is stored without them.
    void validationOfPlacements_data() {
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("failed");
        const QString inside =
            "The ship is located inside the planet; adjust the position parameters relative to reference.";
        QTest::newRow("orbital elements, no position") << int(ShipPlacement::ByElements) << "Orbiting"
                                                       << "" << QStringList();
        QTest::newRow("orbital elements, an axis not a number")
            << int(ShipPlacement::ByElements) << "Orbiting"
            << "axis" << QStringList{"The ship orbit semi-major axis is not correct."};
        QTest::newRow("by status, no position")
            << int(ShipPlacement::ByStatus) << "Orbiting"
            << ""
            << QStringList{"The position relative to the reference on axis X is not correct.",
                           "The position relative to the reference on axis Y is not correct.",
                           "The position relative to the reference on axis Z is not correct.",
                           "The velocity relative to reference on axis X is not correct.",
                           "The velocity relative to reference on axis Y is not correct.",
                           "The velocity relative to reference on axis Z is not correct.",
                           inside};
        QTest::newRow("longitude and latitude, no pad, no heading")
            << int(ShipPlacement::ByPosition) << "Landed"
            << "" << QStringList();
        QTest::newRow("longitude and latitude, a heading not a number")
            << int(ShipPlacement::ByPosition) << "Landed"
            << "heading" << QStringList{"You must must enter a correct heading."};
        QTest::newRow("by status, no pad") << int(ShipPlacement::ByStatus) << "Landed"
                                           << ""
                                           << QStringList{"You must assign the ship to a base pad.",
                                                          "You must must enter a correct heading."};
    }
    void validationOfPlacements() {
        QFETCH(int, placement);
        QFETCH(QString, status);
        QFETCH(QString, box);
        QFETCH(QStringList, failed);
        ShipEditorTexts t;
        t.name = "A";
        t.className = "Tug";
        t.placement = ShipPlacement(placement);
        if (t.placement == ShipPlacement::ByPosition) {
            t.landedAt = LandedAt::Position;
            t.landedBody = "Verdant";
            t.landedLongitude = "-80.675";
            t.landedLatitude = "28.521";
        }
        t.status = status == "Landed" ? ShipStatusChoice::Landed : ShipStatusChoice::Orbiting;
        t.landedPlanet = t.orbitingPlanet = "Verdant";
        t.arotX = t.arotY = t.arotZ = t.angularVelocity = "0";
        if (placement == int(ShipPlacement::ByElements)) {
            t.orbitByElements = true;
            t.elementsSemiMajorAxis = box == "axis" ? "far" : "7000000";
            t.elementsExcentricity = t.elementsInclination = t.elementsAscendingNode = "0";
            t.elementsPeriapsisLongitude = t.elementsMeanLongitude = "0";
        }
        if (box == "heading") t.heading = "north";
        PlanetData planet;
        planet.readable = true;
        planet.MeanRadius = 6371000;
        QCOMPARE(ValidateShip(t, planet, {}).failed, failed);
    }

    // The placement the form has no boxes for, until the user gives one.
    void placements_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("ship");
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("rposX");
        QTest::addColumn<QString>("heading");
        const QString yard = "Lagrange Yard.scn";
        QTest::newRow("orbital elements") << yard << "Wayfarer" << int(ShipPlacement::ByElements) << ""
                                          << "";
        QTest::newRow("longitude and latitude") << yard << "Tug-1" << int(ShipPlacement::ByPosition) << ""
                                                << "271.50";
        QTest::newRow("longitude and latitude, no heading: none shown rather than Toto")
            << "Pale Relay.scn"
            << "Lander" << int(ShipPlacement::ByPosition) << ""
            << "";
        QTest::newRow("orbital elements beside a position: the position")
            << "Pale Relay.scn"
            << "Beacon-7" << int(ShipPlacement::ByStatus) << " 1937000"
            << "";
        QTest::newRow("a position") << yard << "Tug-2" << int(ShipPlacement::ByStatus) << " 6978137"
                                    << "";
        QTest::newRow("a pad") << yard << "N" << int(ShipPlacement::ByStatus) << ""
                               << "45.00";
    }
    void placements() {
        QFETCH(QString, file);
        QFETCH(QString, ship);
        QFETCH(int, placement);
        QFETCH(QString, rposX);
        QFETCH(QString, heading);
        const Open open = Load(CorpusFile(file));
        QVERIFY(open.Row(ship) >= 0);
        const ShipRow& row = open.document.ShipTable[std::size_t(open.Row(ship))];
        QCOMPARE(int(PlacementOf(open.document, row)), placement);
        const ShipEditorTexts texts = ShipDisplayTexts(open.document, row);
        QCOMPARE(texts.rposX, rposX);
        QCOMPARE(texts.heading, heading);
    }
};
QTEST_GUILESS_MAIN(NewerFormSavingTest)
#include "test_newer_form_saving.moc"
