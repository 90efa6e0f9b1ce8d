// The station tab: its controls, a station shown, the name box, the reset on loading, the
// rotation option and a new station.
#include "station_window.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {
QGroupBox* FrameOf(QWidget* control) {
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame;
    }
    return nullptr;
}
} // namespace

class StationTabTest : public QObject {
    Q_OBJECT
  private slots:
    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("frame");
        QTest::newRow("StationName") << ObjectNames::StationName
                                     << "Displays all the stations integrated in the scenario file"
                                     << "";
        QTest::newRow("StationClass")
            << ObjectNames::StationClass
            << "Defines the station class, from the station class files available in the "
               "Skelvan configuration"
            << "";
        QTest::newRow("Command9")
            << ObjectNames::Command9
            << "Sets the Station class to thestation class selected in the \"Possible station "
               "class\" combo box"
            << "";
        QTest::newRow("StationInclination")
            << ObjectNames::StationInclination << "Defines the station orbit  inclination"
            << "Orbital element references";
        QTest::newRow("StationAscendingNodeLongitude")
            << ObjectNames::StationAscendingNodeLongitude
            << "Defines the station orbit  ascending node longitude"
            << "Orbital element references";
        QTest::newRow("StationOrbitalRefTime")
            << ObjectNames::StationOrbitalRefTime
            << "Defines the date for which the orbital element parameters are valid"
            << "Orbital element references";
        QTest::newRow("StationOrbitalRefMin")
            << ObjectNames::StationOrbitalRefMin
            << "Defines the time minutes for which the orbital element parameters are valid"
            << "Orbital element references";
        QTest::newRow("StationRotationFrequency")
            << ObjectNames::StationRotationFrequency
            << "Rotation frequency for spinning stations; if not specified, the class value is used"
            << "Rotation frequency (Hz)";
        QTest::newRow("Check1")
            << ObjectNames::Check1
            << "Select the option either to enter a customised spinning frequency, or to use the "
               "spinning frequency of the station class value"
            << "Rotation frequency (Hz)";
        QTest::newRow("StationZAngle")
            << ObjectNames::StationZAngle << "Station frame rotation angle around Z axis"
            << "Station frame rotation angles";
        QTest::newRow("Command1")
            << ObjectNames::Command1
            << "Validates all station parameters. If the values are not validated, they are not "
               "memorized and lost and the former values taken into account when passing to "
               "another station."
            << "Actions";
        QTest::newRow("Command2")
            << ObjectNames::Command2
            << "Deletes the station from the scenario (the station file in the configuration is "
               "not removed)"
            << "Actions";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, frame);
        StationWindow w;
        auto* control = FindControl<QWidget>(w.tyx(), qPrintable(name));
        QVERIFY(control);
        QCOMPARE(control->toolTip(), toolTip);
        if (!frame.isEmpty()) {
            QVERIFY(FrameOf(control));
            QCOMPARE(FrameOf(control)->title(), frame);
        }
    }

    void captions() {
        StationWindow w;
        QStringList texts;
        for (auto* label : w.Control<QTabWidget>(ObjectNames::SSTab1)->widget(1)->findChildren<QLabel*>())
            texts << label->text();
        for (const char* caption : {"Station name", "Station Class", "Possible station class",
                                    "Station Ref Planet", "Possible planet", "Semi-major axis (m)",
                                    "Excentricity", "Orbital element reference time", "h", "mn"})
            QVERIFY2(texts.contains(caption), caption);
        for (const QString& caption :
             {QString("Inclination (\u00B0)"), QString("Ascending node longitude (\u00B0)"),
              QString("Periapsis longitude (\u00B0)"), QString("Mean longitude (\u00B0)"),
              QString("X angle (\u00B0)"), QString("Y angle (\u00B0)"), QString("Z angle (\u00B0)")})
            QVERIFY2(texts.contains(caption), qPrintable(caption));
        QCOMPARE(w.Control<QPushButton>(ObjectNames::Command3)->text(), QString("Add a new station"));
        QCOMPARE(w.Control<QPushButton>(ObjectNames::Command8)->text(), QString("Change Planet"));
        QCOMPARE(w.Control<QCheckBox>(ObjectNames::Check1)->text(), QString("Refered to station class"));
        QVERIFY(w.Control<QLabel>(ObjectNames::StationIndex)->isHidden());
        QVERIFY(w.List(ObjectNames::StationName)->isEditable());
        QCOMPARE(w.List(ObjectNames::StationOrbitalRefHour)->count(), 24);
        QCOMPARE(w.List(ObjectNames::StationOrbitalRefMin)->itemText(59), QString("59"));
    }

    void displayBothRotationOptions() {
        StationWindow w;
        // Selene's axis is written with an exponent, and its epoch has no time of day.
        const QByteArray odd = StationBlock("Selene", "Ring", "   Moon", false, "0.1", "2.5E6")
                                   .replace("52018.5451388889", "52018");
        w.Load(StationScenario(StationBlock("Orion", "Wheel", "Earth", true) + odd,
                               ShipBlock("Hawk", "Orbiting Earth")));
        // A station spinning with its class: the box shows "Class value".
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("0"));
        QVERIFY(w.Control<QCheckBox>(ObjectNames::Check1)->isChecked());
        QVERIFY(!w.Box(ObjectNames::StationRotationFrequency)->isEnabled());
        QCOMPARE(w.Box(ObjectNames::StationRotationFrequency)->text(), QString("Class value"));
        QCOMPARE(w.Text(ObjectNames::StationClassName), QString("Wheel"));
        QCOMPARE(w.Text(ObjectNames::StationRefPlanet), QString("Earth"));
        QCOMPARE(w.Control<QCalendarWidget>(ObjectNames::StationOrbitalRefTime)->selectedDate(),
                 DateFromDayCount(37000));
        QCOMPARE(w.List(ObjectNames::StationOrbitalRefHour)->currentIndex(), 13);
        QCOMPARE(w.List(ObjectNames::StationOrbitalRefMin)->currentIndex(), 5);
        QCOMPARE(w.Box(ObjectNames::StationYAngle)->text(), QString("2"));
        QCOMPARE(w.Box(ObjectNames::StationMeanLongitude)->text(), QString("30"));

        // Typed edits are lost when another station is shown.
        Type(w.Box(ObjectNames::StationXAngle), "typed");
        Pick(w.List(ObjectNames::StationName), 1);
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("1"));
        QVERIFY(!w.Control<QCheckBox>(ObjectNames::Check1)->isChecked());
        QVERIFY(w.Box(ObjectNames::StationRotationFrequency)->isEnabled());
        QCOMPARE(w.Box(ObjectNames::StationRotationFrequency)->text(), QString("0.1"));
        QCOMPARE(w.Text(ObjectNames::StationRefPlanet), QString("   Moon"));
        QCOMPARE(w.Box(ObjectNames::StationSemiMajorAxis)->text(), QString("2.5E6")); // shown as stored
        QCOMPARE(w.List(ObjectNames::StationOrbitalRefHour)->currentIndex(), 0);
        QCOMPARE(w.List(ObjectNames::StationOrbitalRefMin)->currentIndex(), 0);
        QCOMPARE(w.Box(ObjectNames::StationXAngle)->text(), QString("1"));
        QCOMPARE(w.script.shown.size(), qsizetype(0));
    }

    void typingAnotherStationsNameDoesNotSwitch() {
        StationWindow w;
        w.LoadStandard();
        QComboBox* names = w.List(ObjectNames::StationName);
        w.tyx().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.tyx()));
        Type(names, "Ares");
        PressEnter(names->lineEdit());
        // The user leaves the box for the next control.
        QTest::keyClick(names->lineEdit(), Qt::Key_Tab);
        QVERIFY(!names->lineEdit()->hasFocus());
        QCOMPARE(names->currentIndex(), 0);
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("0"));
        QCOMPARE(w.Text(ObjectNames::StationClassName), QString("Wheel"));
        QCOMPARE(names->currentText(), QString("Ares"));
        QCOMPARE(names->count(), 3);
    }

    // Opening a scenario without stations empties the tab; the row index stays as it was.
    void resetEmptiesTheTab() {
        StationWindow w;
        w.LoadStandard();
        Pick(w.List(ObjectNames::StationName), 2);
        w.Load(StationScenario(QByteArray(), ShipBlock("Hawk", "Orbiting Earth")));
        QCOMPARE(w.List(ObjectNames::StationName)->count(), 0);
        QCOMPARE(w.List(ObjectNames::StationName)->currentText(), QString());
        QCOMPARE(w.Text(ObjectNames::StationRefPlanet), QString());
        QCOMPARE(w.Box(ObjectNames::StationSemiMajorAxis)->text(), QString());
        QCOMPARE(w.Box(ObjectNames::StationRotationFrequency)->text(), QString());
        QCOMPARE(
            DayCountFromDate(w.Control<QCalendarWidget>(ObjectNames::StationOrbitalRefTime)->selectedDate()),
            0.0);
        QCOMPARE(w.List(ObjectNames::StationOrbitalRefHour)->currentIndex(), 0);
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("2")); // left alone
        QCOMPARE(w.Scenario().StationTable.size(), size_t(1));
    }

    void rotationOption() {
        StationWindow w;
        w.LoadStandard();
        QCheckBox* option = w.Control<QCheckBox>(ObjectNames::Check1);
        QLineEdit* frequency = w.Box(ObjectNames::StationRotationFrequency);
        QVERIFY(option->isChecked());
        Click(option);
        QVERIFY(!option->isChecked());
        QVERIFY(frequency->isEnabled());
        QCOMPARE(frequency->text(), QString("0"));
        Click(option);
        QVERIFY(!frequency->isEnabled());
        QCOMPARE(frequency->text(), QString("Station class"));
        // Checked: the frequency is not looked at, and the text in the box is stored as it stands.
        w.Press(ObjectNames::Command1);
        QCOMPARE(w.script.shown.size(), qsizetype(0));
        QCOMPARE(w.Scenario().StationTable[0].ClassRotation, true);
        QCOMPARE(w.Scenario().StationTable[0].ZrotFrequency, QString("Station class"));
        Click(option);
        w.Press(ObjectNames::Command1);
        QCOMPARE(w.script.shown.size(), qsizetype(0));
        QCOMPARE(w.Scenario().StationTable[0].ClassRotation, false);
        QCOMPARE(w.Scenario().StationTable[0].ZrotFrequency, QString("0"));
    }

    void addStation() {
        StationWindow w;
        w.LoadStandard();
        w.Press(ObjectNames::Command3);
        QCOMPARE(w.List(ObjectNames::StationName)->count(), 4);
        QCOMPARE(w.List(ObjectNames::StationName)->currentText(), QString("New Station"));
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString("3"));
        QCOMPARE(w.Scenario().StationTable.size(), size_t(5)); // one spare row
        QVERIFY(w.Control<QCheckBox>(ObjectNames::Check1)->isChecked());
        QVERIFY(!w.Box(ObjectNames::StationRotationFrequency)->isEnabled());
        QCOMPARE(w.Box(ObjectNames::StationRotationFrequency)->text(), QString("Station class"));
        QCOMPARE(w.Scenario().StationTable[3].Name, QString()); // only validation stores it
        QCOMPARE(w.script.shown.size(), qsizetype(0));
    }
};

QTEST_MAIN(StationTabTest)
#include "test_station_tab.moc"
