// The planetary system information window: its controls, the body shown, "Close".
#include "support/simulator_fixture.h"
#include "widgets/dialogs/planetary_system_information.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
// A scenario of the planetary system Alpha (Ash, Birch and its moon Cone, Dune) or another one.
QByteArray Scenario(const QByteArray& system) {
    return "BEGIN_ENVIRONMENT\r\n  System " + system +
           "\r\n  Date MJD 51981.5\r\nEND_ENVIRONMENT\r\n\r\n"
           "BEGIN_SHIPS\r\nKite:Kite\r\n  STATUS Orbiting Ash\r\nEND\r\nEND_SHIPS\r\n";
}

// The main window over the test installation with a scenario of the system opened, and the
// information window shown from its menu.
struct InformationRun {
    SimulatorFixture sim{TestDataPath("simulator/sim")};
    MessageBoxScript boxes;
    std::unique_ptr<TYX> main;
    QWidget* window = nullptr;

    explicit InformationRun(const QByteArray& system = "Alpha") {
        sim.WriteScenario("System.scn", Scenario(system));
        main = sim.MakeWindow();
        LoadScenario(*main, "System.scn");
        ChooseMenuItem(*main, ObjectNames::Menu31);
        window = FindControl<QWidget>(*main, ObjectNames::PlanetarySystemInformation);
    }
    QComboBox* Bodies() const { return FindControl<QComboBox>(*window, ObjectNames::Planet); }
    QString Text(const char* name) const { return LabelText(*window, name); }
};
} // namespace

class InformationWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void controls() {
        PlanetarySystemInformation w;
        QCOMPARE(w.objectName(), QString(ObjectNames::PlanetarySystemInformation));
        QCOMPARE(w.windowTitle(), QString("Planetary System Information"));
        QVERIFY(w.isWindow());
        QCOMPARE(w.windowModality(), Qt::NonModal);
        struct Named {
            const char* name;
            QString caption;
            QString tip;
        };
        const QList<Named> controls = {
            {ObjectNames::Planet, "", "Displays the planetary system planet list."},
            {ObjectNames::Label1, "Mass", ""},
            {ObjectNames::PlanetMass, "", "Displays the planet mass in kg."},
            {ObjectNames::Label2, "Mean radius", ""},
            {ObjectNames::PlanetMeanRadius, "", "Displays the planet mean radius in m."},
            {ObjectNames::Label3, "Sideral rotation period", ""},
            {ObjectNames::PlanetSideralRotationPeriod, "", "Displays the planet sideral rotation period."},
            {ObjectNames::Label5, "Atmosphere altitude limit", ""},
            {ObjectNames::PlanetAtmosphereLimit, "", ""},
            {ObjectNames::Command1, "Close", "Hide the Planetary System Information dialog box."},
        };
        for (const Named& c : controls) {
            auto* widget = FindControl<QWidget>(w, c.name);
            QVERIFY2(widget, c.name);
            QCOMPARE(widget->toolTip(), c.tip);
            if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), c.caption);
            if (auto* button = qobject_cast<QPushButton*>(widget)) QCOMPARE(button->text(), c.caption);
        }
    }

    void pickShowsTheBody_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("planet") << "Ash" << QStringList{" 3.3011e23 kg", "2,439,700 m", "0h12min5sec", "0 m"};
        QTest::newRow("moon, read without its blanks")
            << "   Cone" << QStringList{" 7e22 kg", "0 m", "23h56min4sec", "0 m"};
        QTest::newRow("body without a file")
            << "Dune" << QStringList{"No data", "No data", "No data", "No data"};
    }
    void pickShowsTheBody() {
        QFETCH(QString, entry);
        QFETCH(QStringList, texts);
        InformationRun run;
        QVERIFY(run.window->isVisible());
        QCOMPARE(Items(run.Bodies()), (QStringList{"Ash", "Birch", "   Cone", "Dune"}));
        QVERIFY(PickText(run.Bodies(), entry));
        QCOMPARE(run.Bodies()->currentText(), entry);
        QCOMPARE((QStringList{run.Text(ObjectNames::PlanetMass), run.Text(ObjectNames::PlanetMeanRadius),
                              run.Text(ObjectNames::PlanetSideralRotationPeriod),
                              run.Text(ObjectNames::PlanetAtmosphereLimit)}),
                 texts);
        VERIFY_SCRIPT_DONE(run.boxes);
    }

    void closeHidesAndKeepsTheBody() {
        InformationRun run;
        QWidget* info = run.window;
        QCOMPARE(info->parentWidget(), run.main.get());
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QCOMPARE(run.Bodies()->currentText(), QString("   Cone"));
        QTest::keyClick(run.Bodies(), Qt::Key_Down); // from the moon to Dune
        QCOMPARE(run.Bodies()->currentText(), QString("Dune"));
        QTest::mouseClick(FindControl<QPushButton>(*info, ObjectNames::Command1), Qt::LeftButton);
        QVERIFY(!info->isVisible());
        ChooseMenuItem(*run.main, ObjectNames::Menu31);
        // Still loaded: the same window, with the body the user left.
        QCOMPARE(FindControl<QWidget>(*run.main, ObjectNames::PlanetarySystemInformation), info);
        QVERIFY(info->isVisible());
        QCOMPARE(run.Bodies()->currentText(), QString("Dune"));
        QCOMPARE(run.Text(ObjectNames::PlanetMass), QString("No data"));
        QVERIFY(run.main->isEnabled()); // modeless: the main window stays usable
    }

    // A system without bodies, picked after one with bodies, leaves nothing to show.
    void emptySystemLeavesNoValues() {
        InformationRun run;
        run.boxes.Expect("As soon as you select a planetary system, all the stations and ships are reset !",
                         "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        ClickNamed(*run.main, ObjectNames::Check2);
        QVERIFY(PickText(FindControl<QComboBox>(*run.main, ObjectNames::PlanetarySystem), "Gamma"));
        VERIFY_SCRIPT_DONE(run.boxes);
        QCOMPARE(run.Bodies()->count(), 0);
        QCOMPARE(run.Text(ObjectNames::PlanetMass), QString());
        QCOMPARE(run.Text(ObjectNames::PlanetAtmosphereLimit), QString());
    }

    // Opened after a scenario was read, the window lists the bodies the station tab offers, and
    // leaves the station tab's choice alone.
    void createdAfterLoadTakesTheStationBodies() {
        SimulatorFixture sim(TestDataPath("simulator/sim"));
        sim.WriteScenario("System.scn", Scenario("Beta"));
        MessageBoxScript boxes;
        auto main = sim.MakeWindow();
        LoadScenario(*main, "System.scn");
        auto* stationBodies = FindControl<QComboBox>(*main, ObjectNames::StationRef);
        QVERIFY(PickText(stationBodies, "Frost"));
        ChooseMenuItem(*main, ObjectNames::Menu31);
        QWidget* info = FindControl<QWidget>(*main, ObjectNames::PlanetarySystemInformation);
        auto* bodies = FindControl<QComboBox>(*info, ObjectNames::Planet);
        QCOMPARE(Items(bodies), Items(stationBodies));
        QCOMPARE(Items(bodies), (QStringList{"Ember", "Frost"}));
        QVERIFY(PickText(bodies, "Frost"));
        QCOMPARE(LabelText(*info, ObjectNames::PlanetMeanRadius), QString("1,000,000 m"));
        QCOMPARE(stationBodies->currentText(), QString("Frost"));
        VERIFY_SCRIPT_DONE(boxes);
    }
};

QTEST_MAIN(InformationWindowTest)
#include "test_information_window.moc"
