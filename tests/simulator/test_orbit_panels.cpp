// The orbit panels on their own, fed by controls made here as the tabs make theirs, and the
// planet files of tests/data/orbit (Earth: 6371.01 km, 200 km atmosphere; Moon: 1737.4 km).
#include "support/user_actions.h"
#include "support/window_access.h"
#include "test_files.h"
#include "widgets/orbit/orbit_drawing.h"
#include "widgets/orbit/orbit_panels.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {
const QString kCfgDir = TestDataPath("orbit/");

// A stand-in for a tab: the boxes, the planet caption, the folder caption and a planet
// button whose own handler changes the caption, as the tab's does.
struct Host {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QList<QLineEdit*> boxes;
    QLabel* planet = nullptr;
    QLabel* cfgDir = nullptr;
    QPushButton* changePlanet = nullptr;
    QString nextPlanet;

    explicit Host(const QString& body) {
        auto* layout = new QVBoxLayout(window.get());
        for (int k = 0; k < 6; ++k) {
            boxes.append(new QLineEdit(window.get()));
            layout->addWidget(boxes.last());
        }
        planet = new QLabel(body, window.get());
        cfgDir = new QLabel(kCfgDir, window.get());
        cfgDir->hide();
        changePlanet = new QPushButton(QStringLiteral("Change planet"), window.get());
        QObject::connect(changePlanet, &QPushButton::clicked, [this] { SetPlanet(nextPlanet); });
        layout->addWidget(planet);
        layout->addWidget(changePlanet);
        window->resize(1280, 800);
    }
    // The tab shows its planet and tells its panel, as the station and ship tabs do.
    void SetPlanet(const QString& body) {
        planet->setText(body);
        for (OrbitPanel* panel : panels)
            panel->SetPlanet(cfgDir->text(), body);
    }
    void Add(OrbitPanel* panel) {
        panels.append(panel);
        window->layout()->addWidget(panel);
        panel->SetPlanet(cfgDir->text(), planet->text());
    }
    QList<OrbitPanel*> panels;
    void Type(const QStringList& texts) {
        for (int k = 0; k < texts.size(); ++k)
            boxes[k]->setText(texts[k]);
    }
};

StationOrbitPanel* StationPanel(Host& host) {
    StationOrbitControls c;
    c.SemiMajorAxis = host.boxes[0];
    c.Excentricity = host.boxes[1];
    c.Inclination = host.boxes[2];
    c.AscendingNodeLongitude = host.boxes[3];
    c.PeriapsisLongitude = host.boxes[4];
    c.MeanLongitude = host.boxes[5];
    auto* panel = new StationOrbitPanel(c, host.window.get());
    host.Add(panel);
    return panel;
}

ShipOrbitPanel* ShipPanel(Host& host) {
    ShipOrbitControls c;
    c.RposX = host.boxes[0];
    c.RposY = host.boxes[1];
    c.RposZ = host.boxes[2];
    c.RvelX = host.boxes[3];
    c.RvelY = host.boxes[4];
    c.RvelZ = host.boxes[5];
    auto* panel = new ShipOrbitPanel(c, host.window.get());
    host.Add(panel);
    return panel;
}

// The panel's own labels and drawing, found by their object names as the tabs' tests find them.
QString Figure(const OrbitPanel* panel, const char* caption) {
    QLabel* label =
        FindControl<QLabel>(*panel, qPrintable(OrbitPanel::ValueName(QString::fromLatin1(caption))));
    return label ? label->text() : QStringLiteral("(no label)");
}
QLabel* Warning(const OrbitPanel* panel) {
    return FindControl<QLabel>(*panel, ObjectNames::OrbitWarning);
}
QLabel* Note(const OrbitPanel* panel) {
    return FindControl<QLabel>(*panel, ObjectNames::OrbitNote);
}
OrbitDrawing* Drawing(const OrbitPanel* panel) {
    return FindControl<OrbitDrawing>(*panel, ObjectNames::OrbitDrawing);
}
} // namespace

class OrbitPanelsTest : public QObject {
    Q_OBJECT
  private slots:
    void stationShowsFigures() {
        Host host(QStringLiteral("Earth"));
        host.Type({" 42164000", " 0", " 0", " 0", " 0", " 0"});
        StationOrbitPanel* panel = StationPanel(host);
        QCOMPARE(panel->objectName(), QString(ObjectNames::StationOrbitPanel));
        QCOMPARE(panel->title(), QStringLiteral("Orbit"));
        // The geostationary radius less the mean radius: 35 792.99 km; one sidereal day.
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("35793.0 km"));
        QCOMPARE(Figure(panel, "Apoapsis altitude"), QStringLiteral("35793.0 km"));
        QVERIFY(Figure(panel, "Period").startsWith(QStringLiteral("23 h 56 min")));
        QVERIFY(Warning(panel)->isHidden());
        QVERIFY(Note(panel)->isHidden());
        QVERIFY(Drawing(panel)->Outline().has_value());
    }

    // Typing into the boxes updates the figures at once and warns in colour.
    void stationFollowsTyping() {
        Host host(QStringLiteral("Earth"));
        StationOrbitPanel* panel = StationPanel(host);
        // Empty boxes: nothing to show yet, and nothing to complain of.
        QVERIFY(Note(panel)->isHidden());
        QVERIFY(Warning(panel)->isHidden());
        QCOMPARE(Figure(panel, "Period"), QStringLiteral("\u2014"));
        QVERIFY(!Drawing(panel)->Outline().has_value());
        host.Type({"6471010", "0"});
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("100.0 km"));
        QVERIFY(!Warning(panel)->isHidden());
        QCOMPARE(Warning(panel)->text(), QStringLiteral("The periapsis lies inside the atmosphere."));
        host.boxes[1]->setText("0.1"); // periapsis 5823.909 km, under the surface
        QCOMPARE(Warning(panel)->text(), QStringLiteral("The periapsis lies below the surface."));
        host.boxes[0]->setText("7000000");
        host.boxes[1]->setText("0.01"); // periapsis 6930 km
        QVERIFY(Warning(panel)->isHidden());
        QVERIFY(Note(panel)->isHidden());
        host.boxes[1]->setText("1.2");
        QVERIFY(!Note(panel)->isHidden());
        QCOMPARE(Figure(panel, "Period"), QStringLiteral("\u2014"));
        QVERIFY(!Drawing(panel)->Outline().has_value());
    }

    // A moon's entry carries three leading blanks; the Moon has no atmosphere.
    void stationChangesPlanet() {
        Host host(QStringLiteral("Earth"));
        host.Type({"1837400", "0", "0", "0", "0", "0"});
        StationOrbitPanel* panel = StationPanel(host);
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("-4533.6 km"));
        QCOMPARE(Warning(panel)->text(), QStringLiteral("The periapsis lies below the surface."));
        host.nextPlanet = QStringLiteral("   Moon");
        host.changePlanet->click();
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("100.0 km"));
        // 100 km above the Moon: about 118 minutes.
        QVERIFY(Figure(panel, "Period").startsWith(QStringLiteral("1 h 57 min")));
        QVERIFY(Warning(panel)->isHidden());
    }

    // A planet the tab shows from code, with the boxes untouched, is taken while the panel is shown.
    void stationNoticesCaption() {
        Host host(QStringLiteral("Earth"));
        host.Type({"1837400", "0", "0", "0", "0", "0"});
        StationOrbitPanel* panel = StationPanel(host);
        host.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.window.get()));
        host.SetPlanet(QStringLiteral("Moon"));
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("100.0 km"));
    }

    void noPlanetData_data() {
        QTest::addColumn<QString>("body");
        QTest::newRow("file without a mass") << "NoMass";
        QTest::newRow("no such file") << "Vulcan";
        QTest::newRow("no planet yet") << "";
    }
    void noPlanetData() {
        QFETCH(QString, body);
        Host host(body);
        host.Type({"7000000", "0", "0", "0", "0", "0"});
        StationOrbitPanel* panel = StationPanel(host);
        QCOMPARE(Note(panel)->text(), QStringLiteral("No planet data"));
        QVERIFY(!Note(panel)->isHidden());
        QCOMPARE(Figure(panel, "Period"), QStringLiteral("\u2014"));
        QVERIFY(Warning(panel)->isHidden());
        Host shipHost(body);
        shipHost.Type({"7000000", "0", "0", "0", "7500", "0"});
        ShipOrbitPanel* ship = ShipPanel(shipHost);
        QCOMPARE(Note(ship)->text(), QStringLiteral("No planet data"));
    }

    // The helper fills the two boxes, and the panel then shows the altitudes typed.
    void helperFillsBoxes() {
        Host host(QStringLiteral("Earth"));
        host.Type({"", "", "1", "2", "3", "4"});
        StationOrbitPanel* panel = StationPanel(host);
        host.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.window.get()));
        auto* periapsis = FindControl<QLineEdit>(*panel, ObjectNames::StationOrbitPeriapsisKm);
        auto* apoapsis = FindControl<QLineEdit>(*panel, ObjectNames::StationOrbitApoapsisKm);
        auto* fill = FindControl<QPushButton>(*panel, ObjectNames::StationOrbitFill);
        Type(periapsis, "250");
        Type(apoapsis, "35786");
        Click(fill);
        // a = 6371.01 km + (250 + 35786) / 2 km; e = 35536 / (2 a).
        QCOMPARE(host.boxes[0]->text(), QStringLiteral("24389010"));
        QCOMPARE(host.boxes[1]->text(), QStringLiteral("0.7285248561"));
        QCOMPARE(host.boxes[2]->text(), QStringLiteral("1")); // the angles are left alone
        QCOMPARE(Figure(panel, "Periapsis altitude"), QStringLiteral("250.0 km"));
        QCOMPARE(Figure(panel, "Apoapsis altitude"), QStringLiteral("35786.0 km"));
        auto* helperNote = FindControl<QLabel>(*panel, ObjectNames::StationOrbitHelperNote);
        QVERIFY(helperNote->isHidden());

        Type(apoapsis, "high");
        Click(fill);
        QCOMPARE(helperNote->text(), QStringLiteral("Enter both altitudes in km."));
        QVERIFY(!helperNote->isHidden());
        QCOMPARE(host.boxes[0]->text(), QStringLiteral("24389010"));
    }

    void shipShowsFigures() {
        Host host(QStringLiteral("Earth"));
        // 400 km up at circular speed sqrt(GM / r) = 7.6726 km/s, in the ecliptic (x and z).
        host.Type({" 6771010", " 0", " 0", " 0", " 0", " 7672.6"});
        ShipOrbitPanel* panel = ShipPanel(host);
        QCOMPARE(panel->objectName(), QString(ObjectNames::ShipOrbitPanel));
        QCOMPARE(Figure(panel, "Altitude"), QStringLiteral("400.0 km"));
        QCOMPARE(Figure(panel, "Speed"), QStringLiteral("7.673 km/s"));
        QCOMPARE(Figure(panel, "Inclination"), QStringLiteral("0.00\u00B0"));
        QCOMPARE(Figure(panel, "Excentricity").left(5), QStringLiteral("0.000"));
        QVERIFY(Figure(panel, "Period").startsWith(QStringLiteral("1 h 32 min")));
        QVERIFY(Warning(panel)->isHidden());

        // Escape speed there is 10.85 km/s.
        host.boxes[5]->setText(" 11100");
        QCOMPARE(Figure(panel, "Period"), QStringLiteral("escape trajectory"));
        QCOMPARE(Figure(panel, "Apoapsis altitude"), QStringLiteral("escape trajectory"));
        QVERIFY(Drawing(panel)->Outline().has_value());
        QVERIFY(!Drawing(panel)->Outline()->Closed);

        // 100 km up, inside the 200 km atmosphere.
        host.Type({" 6471010", " 0", " 0", " 0", " 0", " 7850"});
        QCOMPARE(Warning(panel)->text(), QStringLiteral("The periapsis lies inside the atmosphere."));
        QVERIFY(!Warning(panel)->isHidden());
    }

    // The drawing paints every kind of orbit without trouble; the planet's disc is at the
    // centre of a circular orbit's picture.
    void drawingPaints_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("state");
        QTest::newRow("low orbit") << "Earth" << QStringList{"6771010", "0", "0", "0", "7672.6", "0"};
        QTest::newRow("very eccentric") << "Earth" << QStringList{"6771010", "0", "0", "0", "10800", "100"};
        QTest::newRow("moon") << "Moon" << QStringList{"1747400", "0", "0", "0", "1670", "0"};
        QTest::newRow("millions of km") << "Earth" << QStringList{"3e9", "0", "0", "0", "300", "0"};
        QTest::newRow("escape") << "Earth" << QStringList{"6771010", "0", "0", "0", "12000", "0"};
        QTest::newRow("falling") << "Earth" << QStringList{"7e6", "0", "0", "-100", "0", "0"};
        QTest::newRow("nothing") << "Earth" << QStringList{"", "0", "0", "0", "0", "0"};
    }
    void drawingPaints() {
        QFETCH(QString, body);
        QFETCH(QStringList, state);
        Host host(body);
        host.Type(state);
        ShipOrbitPanel* panel = ShipPanel(host);
        Drawing(panel)->resize(300, 300);
        const QImage image = Drawing(panel)->grab().toImage();
        QVERIFY(!image.isNull());
        if (QByteArray(QTest::currentDataTag()) == "low orbit")
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(60, 100, 150));
    }
};

QTEST_MAIN(OrbitPanelsTest)
#include "test_orbit_panels.moc"
