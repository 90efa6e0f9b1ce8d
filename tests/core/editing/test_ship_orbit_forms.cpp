// An orbiting ship's two forms, position and velocity or orbital elements: the conversion the
// orbiting frame makes when the user switches, through the texts the boxes show; the checks of
// the element boxes; and a file in today's form read, edited in either form, saved and checked.
#include "core/check/check_installation.h"
#include "core/check/check_report.h"
#include "core/check/scenario_check.h"
#include "core/editing/scenario_saving.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_orbit_forms.h"
#include "core/editing/ship_validation.h"
#include "core/scenario/scenario_comparison.h"
#include "core/scenario/scenario_reader.h"
#include "core/text/text_rules.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(std::vector<ScenarioDifference>)

namespace {
using Differences = std::vector<ScenarioDifference>;
constexpr double kStart = 61000.2504340;
const QString kFile = QStringLiteral("today/Scenarios/Placements/Element Orbits.scn");

// Tarn of the test installation: the Earth's mass under the simulator's constant.
PlanetData Tarn() {
    PlanetData p;
    p.readable = p.Known = true;
    p.Mu = 6.67259e-11 * 5.97237e24;
    p.MeanRadius = 6.371e6;
    p.AtmosphereLimit = 2e5;
    return p;
}

ShipEditorTexts ElementTexts(const QStringList& v) {
    ShipEditorTexts t;
    t.status = ShipStatusChoice::Orbiting;
    t.orbitingPlanet = QStringLiteral("Tarn");
    t.orbitByElements = true;
    t.elementsSemiMajorAxis = v.value(0);
    t.elementsExcentricity = v.value(1);
    t.elementsInclination = v.value(2);
    t.elementsAscendingNode = v.value(3);
    t.elementsPeriapsisLongitude = v.value(4);
    t.elementsMeanLongitude = v.value(5);
    t.elementsEpoch = v.value(6);
    t.arotX = t.arotY = t.arotZ = t.angularVelocity = QStringLiteral("0");
    return t;
}

double Gap(double a, double b) { // of two angles in degrees, into (-180, 180]
    return std::remainder(a - b, 360.0);
}

struct Open {
    ScenarioDocument document;
    int stations = 0;
    int ships = 0;
    QByteArray Save() const { return SavedScenarioBytes(document, stations, ships); }
    ShipRow& Row(const QString& name) {
        for (int r = 0; r < ships; ++r)
            if (document.ShipTable[std::size_t(r)].Name == name) return document.ShipTable[std::size_t(r)];
        qFatal("no ship %s", qPrintable(name));
    }
};

Open Load() {
    const QByteArray bytes = TestDataFile(kFile);
    const ScenarioReadResult read = ReadScenario(bytes);
    Open open{read.document, int(read.stationNames.size()), int(read.shipNames.size())};
    open.document.Description = ScenarioDescription(bytes);
    return open;
}
} // namespace

class ShipOrbitFormsTest : public QObject {
    Q_OBJECT
  private slots:
    // Elements to the state at their epoch and back, through the texts: a, e and i as given,
    // and the angles that are defined (the periapsis longitude of an orbit that has a periapsis,
    // the mean longitude always, the node of an inclined orbit).
    void elementsThereAndBack_data() {
        QTest::addColumn<QStringList>("elements");
        QTest::newRow("circular, equatorial") << QStringList{"7000000", "0", "0", "0", "0", "120"};
        QTest::newRow("circular, polar") << QStringList{"7000000", "0", "90", "30", "30", "200"};
        QTest::newRow("elliptic, inclined")
            << QStringList{"6734914.2", "0.00090", "74.513", "169.03397", "328.28777", "438.61137"};
        QTest::newRow("elliptic, equatorial") << QStringList{"9000000", "0.2", "0", "0", "75", "10"};
        QTest::newRow("elliptic, retrograde") << QStringList{"8000000", "0.1", "140", "60", "20", "300"};
        QTest::newRow("retrograde, in the ecliptic")
            << QStringList{"7500000", "0.05", "180", "0", "45", "90"};
        QTest::newRow("hyperbolic") << QStringList{"-12000000", "1.8", "12.5", "40", "95", "10"};
        QTest::newRow("hyperbolic, polar") << QStringList{"-20000000", "1.1", "90", "10", "100", "80"};
    }
    void elementsThereAndBack() {
        QFETCH(QStringList, elements);
        const ShipEditorTexts given = ElementTexts(elements << QString::number(kStart, 'f', 7));
        const OrbitFormSwitch state = StateFromElementTexts(given, Tarn(), kStart);
        QVERIFY2(state.Done(), qPrintable(state.problems.join(" | ")));
        QVERIFY(!state.texts.orbitByElements);
        QVERIFY(state.texts.elementsSemiMajorAxis.isEmpty());
        const OrbitFormSwitch back = ElementsFromStateTexts(state.texts, Tarn(), kStart);
        QVERIFY2(back.Done(), qPrintable(back.problems.join(" | ")));
        QVERIFY(back.texts.rposX.isEmpty());
        const ShipEditorTexts& b = back.texts;
        const double a = LeadingNumber(elements[0]), e = LeadingNumber(elements[1]);
        const double i = LeadingNumber(elements[2]);
        QVERIFY(std::fabs(LeadingNumber(b.elementsSemiMajorAxis) - a) < 1e-9 * std::fabs(a));
        QVERIFY(std::fabs(LeadingNumber(b.elementsExcentricity) - e) < 1e-9);
        QVERIFY(std::fabs(LeadingNumber(b.elementsInclination) - i) < 1e-9);
        QVERIFY(std::fabs(LeadingNumber(b.elementsEpoch) - kStart) < 1e-9);
        const double periapsis = LeadingNumber(elements[4]), mean = LeadingNumber(elements[5]);
        QVERIFY2(std::fabs(Gap(LeadingNumber(b.elementsMeanLongitude), mean)) < 1e-6,
                 qPrintable(b.elementsMeanLongitude));
        if (e > 0)
            QVERIFY2(std::fabs(Gap(LeadingNumber(b.elementsPeriapsisLongitude), periapsis)) < 1e-6,
                     qPrintable(b.elementsPeriapsisLongitude));
        // With i = 0 the node is 0; with e = 0 the periapsis is at the node.
        if (i == 0 || i == 180)
            QCOMPARE(LeadingNumber(b.elementsAscendingNode), 0.0);
        else
            QVERIFY(std::fabs(Gap(LeadingNumber(b.elementsAscendingNode), LeadingNumber(elements[3]))) <
                    1e-6);
        if (e == 0)
            QVERIFY(std::fabs(Gap(LeadingNumber(b.elementsPeriapsisLongitude),
                                  LeadingNumber(b.elementsAscendingNode))) < 1e-9);
    }

    // States to elements at the start and back: within 1e-9 of the lengths of r and v.
    void stateThereAndBack_data() {
        QTest::addColumn<QStringList>("state");
        QTest::newRow("circular, in the ecliptic") << QStringList{"6971000", "0", "0", "0", "0", "7561.0"};
        QTest::newRow("circular, polar") << QStringList{"0", "0", "7000000", "0", "7546", "0"};
        QTest::newRow("elliptic, retrograde") << QStringList{"7000000", "100000", "0", "0", "2000", "-7800"};
        QTest::newRow("hyperbolic, inclined")
            << QStringList{"7000000", "2000000", "-3000000", "-2000", "4000", "9500"};
        QTest::newRow("exponent form") << QStringList{"6.971E+06", "0", "0", "0", "1.5E-05", "7561"};
    }
    void stateThereAndBack() {
        QFETCH(QStringList, state);
        ShipEditorTexts t = ElementTexts({});
        t.orbitByElements = false;
        t.rposX = state[0], t.rposY = state[1], t.rposZ = state[2];
        t.rvelX = state[3], t.rvelY = state[4], t.rvelZ = state[5];
        const OrbitFormSwitch elements = ElementsFromStateTexts(t, Tarn(), kStart);
        QVERIFY2(elements.Done(), qPrintable(elements.problems.join(" | ")));
        QCOMPARE(LeadingNumber(elements.texts.elementsEpoch), kStart);
        QVERIFY(ElementBoxProblems(elements.texts).isEmpty());
        const OrbitFormSwitch back = StateFromElementTexts(elements.texts, Tarn(), kStart);
        QVERIFY2(back.Done(), qPrintable(back.problems.join(" | ")));
        double r = 0, v = 0, dr = 0, dv = 0;
        const QString* now[6] = {&back.texts.rposX, &back.texts.rposY, &back.texts.rposZ,
                                 &back.texts.rvelX, &back.texts.rvelY, &back.texts.rvelZ};
        for (int k = 0; k < 6; ++k) {
            const double was = LeadingNumber(state[k]), is = LeadingNumber(*now[k]);
            (k < 3 ? r : v) += was * was;
            (k < 3 ? dr : dv) += (is - was) * (is - was);
        }
        QVERIFY2(std::sqrt(dr) < 1e-9 * std::sqrt(r), qPrintable(*now[0] + *now[1] + *now[2]));
        QVERIFY2(std::sqrt(dv) < 1e-9 * std::sqrt(v), qPrintable(*now[3] + *now[4] + *now[5]));
    }

    // An orbit in the ecliptic at mean longitude 0 lies on +x moving along +z: the other
    // components are rounding, shown as 0.
    void tinyComponentsShowAsZero() {
        const OrbitFormSwitch s =
            StateFromElementTexts(ElementTexts({"7000000", "0", "0", "0", "0", "0", ""}), Tarn(), kStart);
        QVERIFY(s.Done());
        QCOMPARE(LeadingNumber(s.texts.rposX), 7000000.0);
        for (const QString& zero : {s.texts.rposY, s.texts.rposZ, s.texts.rvelX, s.texts.rvelY})
            QCOMPARE(zero, QString(" 0"));
        QVERIFY(std::fabs(LeadingNumber(s.texts.rvelZ) - std::sqrt(Tarn().Mu / 7e6)) < 1e-9);
    }

    void refusedSwitches_data() {
        QTest::addColumn<QStringList>("state");
        QTest::addColumn<QString>("planet");
        QTest::addColumn<QString>("problem");
        QTest::newRow("at the centre") << QStringList{"0", "0", "0", "0", "0", "7000"} << "Tarn"
                                       << "A ship at the planet's centre has no orbital elements.";
        QTest::newRow("falling straight in") << QStringList{"7000000", "0", "0", "-100", "0", "0"} << "Tarn"
                                             << "The ship moves straight towards or away from the planet's "
                                                "centre: its orbit has no plane, and so no orbital elements.";
        QTest::newRow("no planet") << QStringList{"7000000", "0", "0", "0", "0", "7500"} << ""
                                   << "Choose the planet the ship orbits around: the orbit cannot be "
                                      "converted without its mass.";
        QTest::newRow("lower-case exponent")
            << QStringList{"7e6", "0", "0", "0", "0", "7500"} << "Tarn"
            << "The position relative to the reference on axis X is not correct.";
    }
    void refusedSwitches() {
        QFETCH(QStringList, state);
        QFETCH(QString, planet);
        QFETCH(QString, problem);
        ShipEditorTexts t = ElementTexts({});
        t.orbitByElements = false;
        t.orbitingPlanet = planet;
        t.rposX = state[0], t.rposY = state[1], t.rposZ = state[2];
        t.rvelX = state[3], t.rvelY = state[4], t.rvelZ = state[5];
        const OrbitFormSwitch s = ElementsFromStateTexts(t, Tarn(), kStart);
        QCOMPARE(s.problems, QStringList{problem});
        QCOMPARE(s.texts.rposX, t.rposX);
    }

    // The validation of a ship by elements: one message per element, in box order.
    void elementChecks_data() {
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QStringList>("failed");
        const auto m = [](const char* element) {
            return QString("The ship orbit %1 is not correct.").arg(element);
        };
        QTest::newRow("as read, seven values")
            << QStringList{"6734914.2", "0.00090",   "74.51300",      "169.03397",
                           "328.28777", "438.61137", "51985.24000440"}
            << QStringList();
        QTest::newRow("lower-case exponent, no epoch")
            << QStringList{"7e6", "0", "0", "0", "0", "0", ""} << QStringList{m("semi-major axis")};
        QTest::newRow("exponent form")
            << QStringList{"7.2E+06", "1E-03", "0", "-30", "400", "-1000", "6.1E+04"} << QStringList();
        QTest::newRow("hyperbola") << QStringList{"-12000000", "1.8", "180", "0", "0", "970", ""}
                                   << QStringList();
        QTest::newRow("parabola") << QStringList{"7000000", "1", "10", "0", "0", "0", ""}
                                  << QStringList{m("excentricity")};
        QTest::newRow("ellipse of negative axis")
            << QStringList{"-7000000", "0.5", "10", "0", "0", "0", ""} << QStringList{m("semi-major axis")};
        QTest::newRow("hyperbola of positive axis")
            << QStringList{"7000000", "1.5", "10", "0", "0", "0", ""} << QStringList{m("semi-major axis")};
        QTest::newRow("every box wrong") << QStringList{"0", "-0.1", "181", "north", "", "x", "soon"}
                                         << QStringList{m("semi-major axis"),
                                                        m("excentricity"),
                                                        m("inclination"),
                                                        m("ascending node longitude"),
                                                        m("periapsis longitude"),
                                                        m("mean longitude"),
                                                        m("epoch")};
        QTest::newRow("inclination below 0")
            << QStringList{"7000000", "0", "-1", "0", "0", "0", ""} << QStringList{m("inclination")};
    }
    void elementChecks() {
        QFETCH(QStringList, elements);
        QFETCH(QStringList, failed);
        const ShipEditorTexts t = ElementTexts(elements);
        QCOMPARE(ElementBoxProblems(t), failed);
        // The button checks the elements in place of the position and velocity.
        QCOMPARE(ValidateShip(t, Tarn(), {}).failed, failed);
    }

    // The start to the fraction of a minute while it is the one read; the calendar's after.
    void startTime() {
        Open open = Load();
        QCOMPARE(StartMjdOf(open.document), kStart);
        open.document.StartHour = 7;
        QCOMPARE(StartMjdOf(open.document), MjdFromCalendar(open.document.StartDate, 7, 0));
        QCOMPARE(StartMjdOf(ScenarioDocument{}), 15018.0);
    }

    // The file as read: the elements as the line gives them, shown as read, the form chosen.
    void readAsGiven_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QStringList>("elements");
        QTest::newRow("seven values")
            << "Heron" << QStringList{"6734914.2", "0.00090",   "74.51300",      "169.03397",
                                      "328.28777", "438.61137", "61000.24000440"};
        QTest::newRow("six values: no epoch")
            << "Ibis" << QStringList{"7200000", "0.01", "98.2", "250.0", "300.0", "45.0", ""};
        QTest::newRow("by position") << "Pipit" << QStringList{"", "", "", "", "", "", ""};
    }
    void readAsGiven() {
        QFETCH(QString, ship);
        QFETCH(QStringList, elements);
        Open open = Load();
        const ShipRow& row = open.Row(ship);
        const ShipEditorTexts t = ShipDisplayTexts(open.document, row);
        QCOMPARE((QStringList{t.elementsSemiMajorAxis, t.elementsExcentricity, t.elementsInclination,
                              t.elementsAscendingNode, t.elementsPeriapsisLongitude, t.elementsMeanLongitude,
                              t.elementsEpoch}),
                 elements);
        QCOMPARE(t.orbitByElements, !elements[0].isEmpty());
        QCOMPARE(t.rposX.isEmpty(), !elements[0].isEmpty());
        QVERIFY(ValidateShip(t, Tarn(), {}).Valid());
    }

    // Each edit against the save made right after loading: only its own lines differ.
    void edits_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<Differences>("expected");
        QTest::newRow("nothing, every ship validated") << "validate" << Differences{};
        QTest::newRow("inclination") << "inclination Heron"
                                     << Differences{
                                            {"SHIP Heron",
                                             "  ELEMENTS 6734914.2 0.00090 74.51300 169.03397 328.28777 "
                                             "438.61137 61000.24000440",
                                             "  ELEMENTS 6734914.2 0.00090 80 169.03397 328.28777 "
                                             "438.61137 61000.24000440"}};
        QTest::newRow("the same number written otherwise") << "inclination Heron 74.513" << Differences{};
        QTest::newRow("epoch left to the start, axis changed")
            << "axis Ibis"
            << Differences{{"SHIP Ibis", "  ELEMENTS 7200000 0.01 98.2 250.0 300.0 45.0",
                            "  ELEMENTS 7300000 0.01 98.2 250.0 300.0 45.0"}};
    }
    void edits() {
        QFETCH(QString, edit);
        QFETCH(Differences, expected);
        Open open = Load();
        const QByteArray before = open.Save();
        for (int r = 0; r < open.ships; ++r) {
            ShipRow& row = open.document.ShipTable[std::size_t(r)];
            ShipEditorTexts t = ShipDisplayTexts(open.document, row);
            if (edit == "inclination " + row.Name) t.elementsInclination = "80";
            if (edit == "inclination " + row.Name + " 74.513") t.elementsInclination = "74.513";
            if (edit == "axis " + row.Name) t.elementsSemiMajorAxis = "7300000";
            QVERIFY2(ValidateShip(t, Tarn(), {}).Valid(), qPrintable(row.Name));
            row = StoredShipRow(row, t);
        }
        const ScenarioComparison comparison = CompareScenarioTexts(before, open.Save());
        QVERIFY2(comparison.differences == expected, qPrintable(DifferencesText(comparison)));
    }

    // A switch of form written: the one chosen, never both.
    void switchedForms_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QStringList>("gone");
        QTest::addColumn<QStringList>("come");
        QTest::newRow("elements to state") << "Heron"
                                           << QStringList{"  ELEMENTS 6734914.2 0.00090 74.51300 169.03397 "
                                                          "328.28777 438.61137 61000.24000440"}
                                           << QStringList{"  RPOS ", "  RVEL "};
        QTest::newRow("state to elements")
            << "Pipit" << QStringList{"  RPOS 6971000 0 0", "  RVEL 0 0 7561.0"}
            << QStringList{"  ELEMENTS "};
    }
    void switchedForms() {
        QFETCH(QString, ship);
        QFETCH(QStringList, gone);
        QFETCH(QStringList, come);
        Open open = Load();
        const QByteArray before = open.Save();
        ShipRow& row = open.Row(ship);
        const ShipEditorTexts shown = ShipDisplayTexts(open.document, row);
        const OrbitFormSwitch s = shown.orbitByElements ? StateFromElementTexts(shown, Tarn(), kStart)
                                                        : ElementsFromStateTexts(shown, Tarn(), kStart);
        QVERIFY(s.Done());
        QVERIFY(ValidateShip(s.texts, Tarn(), {}).Valid());
        row = StoredShipRow(row, s.texts);
        const QByteArray saved = open.Save();
        const ScenarioComparison comparison = CompareScenarioTexts(before, saved);
        QStringList removed, added;
        for (const ScenarioDifference& d : comparison.differences) {
            QCOMPARE(d.section, "SHIP " + ship);
            if (!d.original.isEmpty()) removed << d.original;
            if (!d.saved.isEmpty()) added << d.saved;
        }
        QCOMPARE(removed, gone);
        QCOMPARE(added.size(), come.size());
        for (int k = 0; k < come.size(); ++k)
            QVERIFY2(added[k].startsWith(come[k]), qPrintable(added[k]));
        // The elements come with the start as their epoch, seven values.
        if (come[0] == "  ELEMENTS ") QCOMPARE(added[0].split(' ', Qt::SkipEmptyParts).size(), 8);
        // Read back, the ship is where the save put it.
        const ScenarioReadResult again = ReadScenario(saved);
        QCOMPARE(int(PlacementOf(again.document,
                                 again.document.ShipTable[std::size_t(&row - &open.document.ShipTable[0])])),
                 int(shown.orbitByElements ? ShipPlacement::ByStatus : ShipPlacement::ByElements));
    }

    // The check validates ships by elements as the button does.
    void checked() {
        const InstallationSearch search = FindCheckInstallation(TestDataPath("today"), QDir::currentPath());
        QVERIFY2(search.installation, qPrintable(search.error));
        ScenarioChecker checker(search.installation->configFolder, search.installation->catalogs);
        QVERIFY(checker.CheckFile(TestDataPath(kFile), "f").problems.empty());
        QTemporaryDir dir;
        QByteArray bytes = TestDataFile(kFile);
        bytes.replace("ELEMENTS 7200000 0.01 98.2", "ELEMENTS 7200000 1 198.2");
        QFile file(dir.filePath("broken.scn"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QStringList lines;
        for (const CheckProblem& problem : checker.CheckFile(file.fileName(), "f").problems)
            lines << ProblemLine("f", problem);
        QCOMPARE(lines, (QStringList{"f: ship Ibis: The ship orbit excentricity is not correct.",
                                     "f: ship Ibis: The ship orbit inclination is not correct."}));
    }
};
QTEST_GUILESS_MAIN(ShipOrbitFormsTest)
#include "test_ship_orbit_forms.moc"
