// The planetary system information window: its controls, the body shown, "Close".
#include "app/tyx.h"
#include "test_registry.h"
#include "tyx_fixture.h"
#include "widgets/dialogs/planetary_system_information.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class InformationWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void controls() {
        PlanetarySystemInformation w;
        QCOMPARE(w.objectName(), QString("PlanetarySystemInformation"));
        QCOMPARE(w.windowTitle(), QString("Planetary System Information"));
        QVERIFY(w.isWindow());
        QCOMPARE(w.windowModality(), Qt::NonModal);
        struct Named {
            QWidget* widget;
            const char* name;
            QString caption;
            QString tip;
        };
        const QList<Named> controls = {
            {w.Planet, "Planet", "", "Displays the planetary system planet list."},
            {w.Label1, "Label1", "Mass", ""},
            {w.PlanetMass, "PlanetMass", "", "Displays the planet mass in kg."},
            {w.Label2, "Label2", "Mean radius", ""},
            {w.PlanetMeanRadius, "PlanetMeanRadius", "", "Displays the planet mean radius in m."},
            {w.Label3, "Label3", "Sideral rotation period", ""},
            {w.PlanetSideralRotationPeriod, "PlanetSideralRotationPeriod", "",
             "Displays the planet sideral rotation period."},
            {w.Label5, "Label5", "Atmosphere altitude limit", ""},
            {w.PlanetAtmosphereLimit, "PlanetAtmosphereLimit", "", ""},
            {w.Command1, "Command1", "Close", "Hide the Planetary System Information dialog box."},
        };
        for (const Named& c : controls) {
            QVERIFY2(c.widget, c.name);
            QCOMPARE(c.widget->objectName(), QString(c.name));
            QCOMPARE(w.findChild<QWidget*>(c.name), c.widget);
            QCOMPARE(c.widget->toolTip(), c.tip);
            if (auto* label = qobject_cast<QLabel*>(c.widget)) QCOMPARE(label->text(), c.caption);
            if (auto* button = qobject_cast<QPushButton*>(c.widget)) QCOMPARE(button->text(), c.caption);
        }
    }

    void pickShowsTheBody_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("planet") << "Ash" << QStringList{" 3.3011e23 kg", "2,439,700 m", "0h12min5sec", "0 m"};
        QTest::newRow("moon, read without its blanks")
            << "   Cone" << QStringList{" 7e22 kg", "0 m", "23h56min4sec", "0 m"};
        QTest::newRow("negative period shown without sign")
            << "Birch" << QStringList{" 5.97e24 kg", "124 m", "0h12min5sec", "120,001 m"};
        QTest::newRow("body without a file")
            << "Dune" << QStringList{"No data", "No data", "No data", "No data"};
    }
    void pickShowsTheBody() {
        QFETCH(QString, entry);
        QFETCH(QStringList, texts);
        PlanetarySystemInformation w;
        w.ConfigFolder = TestData("sim/Config/");
        w.Planet->addItems({"Ash", "Birch", "   Cone", "Dune"});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // A user's pick: keyboard steps to the entry.
        w.Planet->setCurrentIndex(0);
        const int target = w.Planet->findText(entry);
        for (int i = 0; i < target; ++i)
            QTest::keyClick(w.Planet, Qt::Key_Down);
        if (target == 0) {
            w.Planet->setCurrentIndex(1);
            QTest::keyClick(w.Planet, Qt::Key_Up);
        }
        QCOMPARE(w.Planet->currentText(), entry);
        QCOMPARE((QStringList{w.PlanetMass->text(), w.PlanetMeanRadius->text(),
                              w.PlanetSideralRotationPeriod->text(), w.PlanetAtmosphereLimit->text()}),
                 texts);
    }

    void closeHidesAndKeepsTheBody() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& main = *run.window;
        main.ExtractPlanet(main.CfgDir->text() + "Alpha.cfg");
        PlanetarySystemInformation* info = main.InformationWindow();
        QCOMPARE(info->parentWidget(), &main);
        info->show();
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QTest::keyClick(info->Planet, Qt::Key_Down); // from the moon to Dune
        QCOMPARE(info->Planet->currentText(), QString("Dune"));
        QTest::mouseClick(info->Command1, Qt::LeftButton);
        QVERIFY(!info->isVisible());
        QCOMPARE(main.InformationWindow(), info); // still loaded, the same window
        info->show();
        QCOMPARE(info->Planet->currentText(), QString("Dune"));
        QCOMPARE(info->PlanetMass->text(), QString("No data"));
        QVERIFY(main.isEnabled()); // modeless: the main window stays usable
    }

    void emptySystemLeavesNoValues() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& main = *run.window;
        main.ExtractPlanet(main.CfgDir->text() + "Alpha.cfg");
        main.ExtractPlanet(main.CfgDir->text() + "Gamma.cfg");
        PlanetarySystemInformation* info = main.InformationWindow();
        QCOMPARE(info->Planet->count(), 0);
        QCOMPARE(info->PlanetMass->text(), QString());
        QCOMPARE(info->PlanetAtmosphereLimit->text(), QString());
    }

    void createdAfterLoadTakesTheStationBodies() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& main = *run.window;
        main.StationRef->addItems({"Frost", "Ember", "Ash"});
        main.StationRef->setCurrentIndex(2);
        main.Menu31->setEnabled(true);
        PlanetarySystemInformation* info = main.InformationWindow();
        QCOMPARE(info->Planet->count(), 3);
        QCOMPARE(info->Planet->currentText(), QString("Frost"));
        QCOMPARE(info->PlanetMeanRadius->text(), QString("1,000,000 m"));
        QCOMPARE(main.StationRef->currentIndex(), 2);
    }
};
SKELVAN_TEST(InformationWindowTest);
#include "test_information_window.moc"
