// The orbit panels in the main window, over the demo installation's planet files (Earth:
// 6371 km, 200 km atmosphere; Moon: 1737.4 km) and the scenario tests/data/orbit/insight.scn,
// read and shown as loading a scenario does. No message box is expected anywhere.
#include "app/tyx.h"
#include "core/scenario/scenario_reader.h"
#include "simulator_fixture.h"
#include "test_registry.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"
#include "widgets/orbit/orbit_drawing.h"
#include "widgets/orbit/orbit_panels.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <memory>

namespace {
class OrbitWindow {
  public:
    SimulatorFixture sim;
    std::unique_ptr<TYX> tyx;
    int boxes = 0;

    OrbitWindow() {
        SetMessageResponder([this](const QString&, const QString&, MsgButtons, MsgIcon) {
            ++boxes;
            return MsgResult::Cancel;
        });
        sim.CopyTree(QStringLiteral(SKELVAN_DEMO_DIR "/Config"), sim.ConfigFolder());
        tyx = std::make_unique<TYX>();
        QFile file(QStringLiteral(SKELVAN_TEST_DATA "/orbit/insight.scn"));
        if (!file.open(QIODevice::ReadOnly)) qFatal("missing insight.scn");
        const ScenarioReadResult read = ReadScenario(file.readAll());
        tyx->Document = read.document;
        Fill(tyx->StationName, read.stationNames);
        Fill(tyx->ShipName, read.shipNames);
        Fill(tyx->OrbitingRef, {"Earth", "   Moon"});
        Select(tyx->StationName, 0);
        Select(tyx->ShipName, 0);
    }
    ~OrbitWindow() {
        tyx.reset();
        SetMessageResponder({});
    }
    static void Fill(QComboBox* box, const QStringList& items) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(items);
    }
    StationOrbitPanel* Station() const { return tyx->findChild<StationOrbitPanel*>("StationOrbitPanel"); }
    ShipOrbitPanel* Ship() const { return tyx->findChild<ShipOrbitPanel*>("ShipOrbitPanel"); }
};

QString Figure(const OrbitPanel* panel, const char* caption) {
    QLabel* label = panel ? panel->Value(QString::fromLatin1(caption)) : nullptr;
    return label ? label->text() : QStringLiteral("(no label)");
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
        QVERIFY(w.tyx->Orbiting->isAncestorOf(w.Ship()));
        QVERIFY(w.tyx->SSTab1->widget(1)->isAncestorOf(w.Station()));
        QCOMPARE(w.boxes, 0);
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
        Select(w.tyx->StationName, row);
        StationOrbitPanel* panel = w.Station();
        QCOMPARE(Figure(panel, "Periapsis altitude"), periapsis);
        QCOMPARE(Figure(panel, "Apoapsis altitude"), apoapsis);
        QVERIFY2(Figure(panel, "Period").startsWith(periodStart), qPrintable(Figure(panel, "Period")));
        QCOMPARE(panel->Warning->text(), warning);
        QCOMPARE(panel->Warning->isHidden(), warning.isEmpty());
        QVERIFY(panel->Note->isHidden());
        QVERIFY(panel->Drawing->Outline().has_value());
        QCOMPARE(w.boxes, 0);
    }

    // Typing changes the figures at once, and only the controls: the row keeps its values.
    void typingLeavesTheTableAlone() {
        OrbitWindow w;
        w.tyx->StationExcentricity->setText("0.1"); // periapsis 6093.9 km, under the surface
        QCOMPARE(w.Station()->Warning->text(), QStringLiteral("The periapsis lies below the surface."));
        QCOMPARE(w.tyx->Document.StationTable[0].Excentricity, QStringLiteral("0"));
        // Another station and back: the edit is gone, and so is the warning.
        Select(w.tyx->StationName, 3);
        Select(w.tyx->StationName, 0);
        QVERIFY(w.Station()->Warning->isHidden());
        QCOMPARE(w.boxes, 0);
    }

    void helperFillsTheBoxes() {
        OrbitWindow w;
        StationOrbitPanel* panel = w.Station();
        panel->PeriapsisKm->setText("35786");
        panel->ApoapsisKm->setText("250");
        panel->Fill->click();
        // a = 6371 km + (250 + 35786) / 2 km, e = 35536 / (2 a).
        QCOMPARE(w.tyx->StationSemiMajorAxis->text(), QStringLiteral("24389000"));
        QCOMPARE(w.tyx->StationExcentricity->text(), QStringLiteral("0.7285251548"));
        QCOMPARE(w.tyx->StationInclination->text(), QStringLiteral("51.6"));
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("250.0 km"));
        QCOMPARE(Figure(panel, "Apoapsis altitude"), QStringLiteral("35786.0 km"));
        // Nothing is stored until the user validates.
        QCOMPARE(w.tyx->Document.StationTable[0].SemiMajorAxis, QStringLiteral("6771000"));
        QCOMPARE(w.boxes, 0);
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
        Select(w.tyx->ShipName, row);
        ShipOrbitPanel* panel = w.Ship();
        QCOMPARE(Figure(panel, "Altitude"), altitude);
        QVERIFY2(Figure(panel, "Period").startsWith(period), qPrintable(Figure(panel, "Period")));
        QCOMPARE(panel->Warning->text(), warning);
        QCOMPARE(w.boxes, 0);
    }

    // The planet button changes the caption first; the panel follows it.
    void shipChangesPlanet() {
        OrbitWindow w;
        w.tyx->ShipOrbitingRposX->setText(" 1837400");
        w.tyx->ShipOrbitingRvelY->setText(" 1633");
        QCOMPARE(w.Ship()->Warning->text(), QStringLiteral("The periapsis lies below the surface."));
        Select(w.tyx->OrbitingRef, 1);
        w.tyx->Command11->click();
        QCOMPARE(w.tyx->ShipOrbitingPlanet->text(), QStringLiteral("   Moon"));
        QCOMPARE(Figure(w.Ship(), "Altitude"), QStringLiteral("100.0 km"));
        QVERIFY(w.Ship()->Warning->isHidden());
        QCOMPARE(w.boxes, 0);
    }

    // Loading through the editor's own path shows the figures of the first station and ship.
    void loadedThroughTheEditor() {
        OrbitWindow w;
        QFile file(QStringLiteral(SKELVAN_TEST_DATA "/orbit/insight.scn"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        w.sim.Write("sim/Scenarios/insight.scn", file.readAll());
        w.tyx->StationExcentricity->setText("0.5"); // an edit of the previous scenario
        QVERIFY(w.tyx->TyxSetting("insight.scn", "Orbit insight test", true));
        QCOMPARE(Figure(w.Station(), "Periapsis altitude"), QStringLiteral("400.0 km"));
        QVERIFY(w.Station()->Warning->isHidden());
        QCOMPARE(Figure(w.Ship(), "Altitude"), QStringLiteral("400.0 km"));
        QCOMPARE(w.boxes, 0);
    }

    // The user guide leads to the orbit page, and every picture of that page is there.
    void guidePage() {
        OrbitWindow w; // registers the editor's resources
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
        QWidget* page = w.tyx->SSTab1->widget(2);
        Select(w.tyx->ShipName, 3);
        QVERIFY(!w.Ship()->isVisibleTo(page));
        Select(w.tyx->ShipName, 0);
        QVERIFY(w.Ship()->isVisibleTo(page));
        QCOMPARE(w.boxes, 0);
    }
};

SKELVAN_TEST(OrbitTabsTest);
#include "test_orbit_tabs.moc"
