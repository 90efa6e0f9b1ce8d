// The orbit panels in the main window, over the demo installation's planet files (Earth:
// 6371 km, 200 km atmosphere; Moon: 1737.4 km) and the scenario tests/data/orbit/insight.scn,
// opened through the load dialog. No message box is expected but the save prompt when a
// scenario is opened over another.
#include "support/simulator_fixture.h"
#include "widgets/orbit/orbit_drawing.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <memory>

namespace {
// The demo installation's planet files and insight.scn, opened as the user opens it.
class OrbitWindow {
  public:
    SimulatorFixture sim;
    MessageBoxScript boxes; // none expected
    std::unique_ptr<TYX> tyx;

    explicit OrbitWindow(bool load = true) {
        sim.CopyTree(DemoPath("Config"), sim.ConfigFolder());
        sim.WriteScenario("insight.scn", TestDataFile("orbit/insight.scn"));
        tyx = sim.MakeWindow();
        if (load) LoadScenario(*tyx, "insight.scn");
    }
    QGroupBox* Station() const { return FindControl<QGroupBox>(*tyx, ObjectNames::StationOrbitPanel); }
    QGroupBox* Ship() const { return FindControl<QGroupBox>(*tyx, ObjectNames::ShipOrbitPanel); }
    template <class T> T* Control(const char* name) const { return FindControl<T>(*tyx, name); }
};

// A figure of a panel by its caption: the label "Orbit" and the caption's words.
QString Figure(const QWidget* panel, const char* caption) {
    QString name = "Orbit";
    for (const QString& word : QString::fromLatin1(caption).split(u' '))
        name += word.left(1).toUpper() + word.mid(1);
    auto* label = panel ? panel->findChild<QLabel*>(name) : nullptr;
    return label ? label->text() : QStringLiteral("(no label)");
}

QLabel* Warning(const QWidget* panel) {
    return FindControl<QLabel>(*panel, ObjectNames::OrbitWarning);
}
} // namespace

class OrbitTabsTest : public QObject {
    Q_OBJECT
  private slots:
    void panelsSitOnTheirTabs() {
        OrbitWindow w;
        QVERIFY(w.Station());
        QVERIFY(w.Ship());
        QCOMPARE(w.Station()->title(), QStringLiteral("Orbit"));
        // The ship's panel belongs to the orbiting frame, and is seen only with it.
        QVERIFY(w.Control<QGroupBox>(ObjectNames::Orbiting)->isAncestorOf(w.Ship()));
        QVERIFY(w.Control<QTabWidget>(ObjectNames::SSTab1)->widget(1)->isAncestorOf(w.Station()));
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    void loadedStations_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("periapsis");
        QTest::addColumn<QString>("apoapsis");
        QTest::addColumn<QString>("periodStart");
        QTest::addColumn<QString>("warning");
        // 400 km up: about 92.6 minutes (92.4 over the 6371 km mean radius).
        QTest::newRow("low orbit") << 0 << "400.0 km"
                                   << "400.0 km"
                                   << "1 h 32 min"
                                   << "";
        // Periapsis 6534 km: 163 km up, inside the 200 km atmosphere.
        QTest::newRow("grazing") << 1 << "163.0 km"
                                 << "295.0 km"
                                 << "1 h 28 min"
                                 << "The periapsis lies inside the atmosphere.";
        // A transfer orbit to the geostationary radius: about ten and a half hours.
        QTest::newRow("transfer") << 2 << "257.4 km"
                                  << "35792.6 km"
                                  << "10 h 3"
                                  << "";
        // 100 km above the Moon: about 118 minutes.
        QTest::newRow("moon") << 3 << "100.0 km"
                              << "100.0 km"
                              << "1 h 57 min"
                              << "";
    }
    void loadedStations() {
        QFETCH(int, row);
        QFETCH(QString, periapsis);
        QFETCH(QString, apoapsis);
        QFETCH(QString, periodStart);
        QFETCH(QString, warning);
        OrbitWindow w;
        Pick(w.Control<QComboBox>(ObjectNames::StationName), row);
        QWidget* panel = w.Station();
        QCOMPARE(Figure(panel, "Periapsis altitude"), periapsis);
        QCOMPARE(Figure(panel, "Apoapsis altitude"), apoapsis);
        QVERIFY2(Figure(panel, "Period").startsWith(periodStart), qPrintable(Figure(panel, "Period")));
        QCOMPARE(Warning(panel)->text(), warning);
        QCOMPARE(Warning(panel)->isHidden(), warning.isEmpty());
        QVERIFY(FindControl<QLabel>(*panel, ObjectNames::OrbitNote)->isHidden());
        auto* drawing = qobject_cast<OrbitDrawing*>(FindControl<QWidget>(*panel, ObjectNames::OrbitDrawing));
        QVERIFY(drawing && drawing->Outline().has_value());
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    // Typing changes the figures at once, and only the controls: the row keeps its values.
    void typingLeavesTheTableAlone() {
        OrbitWindow w;
        Type(w.Control<QLineEdit>(ObjectNames::StationExcentricity),
             "0.1"); // periapsis 6093.9 km, under the surface
        QCOMPARE(Warning(w.Station())->text(), QStringLiteral("The periapsis lies below the surface."));
        QCOMPARE(DocumentOf(*w.tyx).StationTable[0].Excentricity, QStringLiteral("0"));
        // Another station and back: the edit is gone, and so is the warning.
        Pick(w.Control<QComboBox>(ObjectNames::StationName), 3);
        Pick(w.Control<QComboBox>(ObjectNames::StationName), 0);
        QVERIFY(Warning(w.Station())->isHidden());
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    void helperFillsTheBoxes() {
        OrbitWindow w;
        QWidget* panel = w.Station();
        Type(FindControl<QLineEdit>(*panel, ObjectNames::StationOrbitPeriapsisKm), "35786");
        Type(FindControl<QLineEdit>(*panel, ObjectNames::StationOrbitApoapsisKm), "250");
        Click(FindControl<QPushButton>(*panel, ObjectNames::StationOrbitFill));
        // a = 6371 km + (250 + 35786) / 2 km, e = 35536 / (2 a).
        QCOMPARE(w.Control<QLineEdit>(ObjectNames::StationSemiMajorAxis)->text(), QStringLiteral("24389000"));
        QCOMPARE(w.Control<QLineEdit>(ObjectNames::StationExcentricity)->text(),
                 QStringLiteral("0.7285251548"));
        QCOMPARE(w.Control<QLineEdit>(ObjectNames::StationInclination)->text(), QStringLiteral("51.6"));
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("250.0 km"));
        QCOMPARE(Figure(panel, "Apoapsis altitude"), QStringLiteral("35786.0 km"));
        // Nothing is stored until the user validates.
        QCOMPARE(DocumentOf(*w.tyx).StationTable[0].SemiMajorAxis, QStringLiteral("6771000"));
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    void loadedShips_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("altitude");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("warning");
        // Circular speed 400 km up is 7.67 km/s; escape speed there is 10.85 km/s.
        QTest::newRow("low orbit") << 0 << "400.0 km"
                                   << "1 h 32 min"
                                   << "";
        QTest::newRow("escaping") << 1 << "400.0 km"
                                  << "escape trajectory"
                                  << "";
        QTest::newRow("in the atmosphere") << 2 << "100.0 km"
                                           << "1 h 2"
                                           << "The periapsis lies inside the atmosphere.";
    }
    void loadedShips() {
        QFETCH(int, row);
        QFETCH(QString, altitude);
        QFETCH(QString, period);
        QFETCH(QString, warning);
        OrbitWindow w;
        Pick(w.Control<QComboBox>(ObjectNames::ShipName), row);
        QWidget* panel = w.Ship();
        QCOMPARE(Figure(panel, "Altitude"), altitude);
        QVERIFY2(Figure(panel, "Period").startsWith(period), qPrintable(Figure(panel, "Period")));
        QCOMPARE(Warning(panel)->text(), warning);
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    // Positions and velocities are in the simulator's frame: x and z in the ecliptic, +y to its
    // north pole. The inclination is measured against the ecliptic, and the drawing puts the
    // ascending node to the right of the planet, with the motion turning up from there.
    void shipInclinationInTheSimulatorFrame_data() {
        QTest::addColumn<QStringList>("state"); // RPOS x y z, RVEL x y z
        QTest::addColumn<QString>("inclination");
        QTest::addColumn<double>("bodyAngle"); // degrees from the drawing's +x
        QTest::newRow("prograde in the ecliptic")
            << QStringList{"7000000", "0", "0", "0", "0", "7500"} << "0.00\u00B0" << 0.0;
        QTest::newRow("retrograde in the ecliptic")
            << QStringList{"7000000", "0", "0", "0", "0", "-7500"} << "180.00\u00B0" << 0.0;
        QTest::newRow("over the poles")
            << QStringList{"7000000", "0", "0", "0", "7500", "0"} << "90.00\u00B0" << 0.0;
        QTest::newRow("30 degrees, at the node on +z")
            << QStringList{"0", "0", "7000000", "-6495.190528", "3750", "0"} << "30.00\u00B0" << 0.0;
        QTest::newRow("30 degrees, north-most, node on +z")
            << QStringList{"-6062177.826", "3500000", "0", "0", "0", "-7500"} << "30.00\u00B0" << 90.0;
        // 51.6 degrees to the Earth's equator, whose obliquity is 23.44 degrees, with the node
        // at the vernal equinox (+x) or at the autumnal one (-x).
        QTest::newRow("51.6 to the equator, node at the vernal equinox")
            << QStringList{"7000000", "0", "0", "0", "3539.515379", "6612.248550"} << "28.16\u00B0" << 0.0;
        QTest::newRow("51.6 to the equator, node at the autumnal equinox")
            << QStringList{"-7000000", "0", "0", "0", "7245.797105", "-1936.084790"} << "75.04\u00B0" << 0.0;
    }
    void shipInclinationInTheSimulatorFrame() {
        QFETCH(QStringList, state);
        QFETCH(QString, inclination);
        QFETCH(double, bodyAngle);
        OrbitWindow w;
        const char* boxes[] = {ObjectNames::ShipOrbitingRposX, ObjectNames::ShipOrbitingRposY,
                               ObjectNames::ShipOrbitingRposZ, ObjectNames::ShipOrbitingRvelX,
                               ObjectNames::ShipOrbitingRvelY, ObjectNames::ShipOrbitingRvelZ};
        for (int k = 0; k < 6; ++k)
            Type(w.Control<QLineEdit>(boxes[k]), state[k]);
        QCOMPARE(Figure(w.Ship(), "Inclination"), inclination);
        QCOMPARE(Figure(w.Ship(), "Altitude"), QStringLiteral("629.0 km")); // 7000 km from the centre
        auto* drawing =
            qobject_cast<OrbitDrawing*>(FindControl<QWidget>(*w.Ship(), ObjectNames::OrbitDrawing));
        QVERIFY(drawing && drawing->Outline().has_value());
        const QPointF body = drawing->Outline()->Body;
        const double angle = std::atan2(body.y(), body.x()) * 180 / 3.14159265358979323846;
        QVERIFY2(std::fabs(std::remainder(angle - bodyAngle, 360.0)) < 1e-3,
                 qPrintable(QString::number(angle)));
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    // The planet button changes the caption first; the panel follows it.
    void shipChangesPlanet() {
        OrbitWindow w;
        Type(w.Control<QLineEdit>(ObjectNames::ShipOrbitingRposX), " 1837400");
        Type(w.Control<QLineEdit>(ObjectNames::ShipOrbitingRvelY), " 1633");
        QCOMPARE(Warning(w.Ship())->text(), QStringLiteral("The periapsis lies below the surface."));
        QVERIFY(PickText(w.Control<QComboBox>(ObjectNames::OrbitingRef), "   Moon"));
        ClickNamed(*w.tyx, ObjectNames::Command11);
        QCOMPARE(LabelText(*w.tyx, ObjectNames::ShipOrbitingPlanet), QStringLiteral("   Moon"));
        QCOMPARE(Figure(w.Ship(), "Altitude"), QStringLiteral("100.0 km"));
        QVERIFY(Warning(w.Ship())->isHidden());
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    // Loading through the editor's own path shows the figures of the first station and ship.
    void loadedThroughTheEditor() {
        OrbitWindow w;
        Type(w.Control<QLineEdit>(ObjectNames::StationExcentricity),
             "0.5"); // an edit of the previous scenario
        Pick(w.Control<QComboBox>(ObjectNames::StationName), 1);
        Pick(w.Control<QComboBox>(ObjectNames::ShipName), 2);
        w.boxes.Expect("Do you wish to save insight.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                       MsgIcon::None, MsgResult::Cancel);
        LoadScenario(*w.tyx, "insight.scn");
        QCOMPARE(Figure(w.Station(), "Periapsis altitude"), QStringLiteral("400.0 km"));
        QVERIFY(Warning(w.Station())->isHidden());
        QCOMPARE(Figure(w.Ship(), "Altitude"), QStringLiteral("400.0 km"));
        VERIFY_SCRIPT_DONE(w.boxes);
    }

    // The user guide leads to the orbit page, and every picture of that page is there.
    void guidePage() {
        OrbitWindow w(false); // registers the editor's resources
        QFile guide(QStringLiteral(":/help/user_guide.html"));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        QVERIFY(guide.readAll().contains("href=\"orbit_insight.html"));
        QFile page(QStringLiteral(":/help/orbit_insight.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        int pictures = 0;
        for (qsizetype at = html.indexOf("src=\""); at >= 0; at = html.indexOf("src=\"", at + 1)) {
            const qsizetype start = at + 5;
            const QString source = html.mid(start, html.indexOf(u'"', start) - start);
            QVERIFY2(QFile::exists(":/help/" + source), qPrintable(source));
            ++pictures;
        }
        QCOMPARE(pictures, 2);
    }

    // A landed ship hides the orbiting frame and its panel with it.
    void landedShipHidesPanel() {
        OrbitWindow w;
        QWidget* page = w.Control<QTabWidget>(ObjectNames::SSTab1)->widget(2);
        Pick(w.Control<QComboBox>(ObjectNames::ShipName), 3);
        QVERIFY(!w.Ship()->isVisibleTo(page));
        Pick(w.Control<QComboBox>(ObjectNames::ShipName), 0);
        QVERIFY(w.Ship()->isVisibleTo(page));
        VERIFY_SCRIPT_DONE(w.boxes);
    }
};

QTEST_MAIN(OrbitTabsTest)
#include "test_orbit_tabs.moc"
