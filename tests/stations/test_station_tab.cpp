#include "core/scenario/day_dates.h"
#include "core/text/text_rules.h"
#include "station_window.h"
#include "test_registry.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kDeleteQuestion = "Are you sure you want to delete the station ?";

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
        QTest::newRow("StationName") << "StationName"
                                     << "Displays all the stations integrated in the scenario file"
                                     << "";
        QTest::newRow("StationClass")
            << "StationClass"
            << "Defines the station class, from the station class files available in the "
               "Skelvan configuration"
            << "";
        QTest::newRow("Command9")
            << "Command9"
            << "Sets the Station class to thestation class selected in the \"Possible station "
               "class\" combo box"
            << "";
        QTest::newRow("StationInclination") << "StationInclination"
                                            << "Defines the station orbit  inclination"
                                            << "Orbital element references";
        QTest::newRow("StationAscendingNodeLongitude")
            << "StationAscendingNodeLongitude"
            << "Defines the station orbit  ascending node longitude"
            << "Orbital element references";
        QTest::newRow("StationOrbitalRefTime")
            << "StationOrbitalRefTime"
            << "Defines the date for which the orbital element parameters are valid"
            << "Orbital element references";
        QTest::newRow("StationOrbitalRefMin")
            << "StationOrbitalRefMin"
            << "Defines the time minutes for which the orbital element parameters are valid"
            << "Orbital element references";
        QTest::newRow("StationRotationFrequency")
            << "StationRotationFrequency"
            << "Rotation frequency for spinning stations; if not specified, the class value is used"
            << "Rotation frequency (Hz)";
        QTest::newRow("Check1")
            << "Check1"
            << "Select the option either to enter a customised spinning frequency, or to use the "
               "spinning frequency of the station class value"
            << "Rotation frequency (Hz)";
        QTest::newRow("StationZAngle") << "StationZAngle"
                                       << "Station frame rotation angle around Z axis"
                                       << "Station frame rotation angles";
        QTest::newRow("Command1")
            << "Command1"
            << "Validates all station parameters. If the values are not validated, they are not "
               "memorized and lost and the former values taken into account when passing to "
               "another station."
            << "Actions";
        QTest::newRow("Command2")
            << "Command2"
            << "Deletes the station from the scenario (the station file in the configuration is "
               "not removed)"
            << "Actions";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, frame);
        StationWindow w;
        auto* control = w.tyx->findChild<QWidget*>(name);
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
        for (auto* label : w.tyx->SSTab1->widget(1)->findChildren<QLabel*>())
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
        QCOMPARE(w.tyx->Command3->text(), QString("Add a new station"));
        QCOMPARE(w.tyx->Command8->text(), QString("Change Planet"));
        QCOMPARE(w.tyx->Check1->text(), QString("Refered to station class"));
        QCOMPARE(w.tyx->findChild<QLabel*>("StationIndex"), w.tyx->StationIndex);
        QVERIFY(w.tyx->StationIndex->isHidden());
        QVERIFY(w.tyx->StationName->isEditable());
        QCOMPARE(w.tyx->StationOrbitalRefHour->count(), 24);
        QCOMPARE(w.tyx->StationOrbitalRefMin->itemText(59), QString("59"));
    }

    void displayBothRotationOptions() {
        StationWindow w;
        StationRow odd = Station("Selene", "Ring", "   Moon", false, "0.1");
        odd.SemiMajorAxis = "2.5E6";
        odd.EpochHour = "";
        odd.EpochMinute = "";
        w.Load({Station("Orion", "Wheel", "Earth", true, "0.05"), odd}, {});
        TYX& t = *w.tyx;
        // A station spinning with its class: the box shows "Class value", whatever the row holds.
        QCOMPARE(t.StationIndex->text(), QString("0"));
        QVERIFY(t.Check1->isChecked());
        QVERIFY(!t.StationRotationFrequency->isEnabled());
        QCOMPARE(t.StationRotationFrequency->text(), QString("Class value"));
        QCOMPARE(t.StationClassName->text(), QString("Wheel"));
        QCOMPARE(t.StationRefPlanet->text(), QString("Earth"));
        QCOMPARE(t.StationOrbitalRefTime->selectedDate(), DateFromDayCount(37000));
        QCOMPARE(t.StationOrbitalRefHour->currentIndex(), 13);
        QCOMPARE(t.StationOrbitalRefMin->currentIndex(), 5);
        QCOMPARE(t.StationYAngle->text(), QString("2"));
        QCOMPARE(t.StationMeanLongitude->text(), QString("30"));

        // Typed edits are lost when another station is shown.
        t.StationXAngle->setText("typed");
        Select(t.StationName, 1);
        QCOMPARE(t.StationIndex->text(), QString("1"));
        QVERIFY(!t.Check1->isChecked());
        QVERIFY(t.StationRotationFrequency->isEnabled());
        QCOMPARE(t.StationRotationFrequency->text(), QString("0.1"));
        QCOMPARE(t.StationRefPlanet->text(), QString("   Moon"));
        QCOMPARE(t.StationSemiMajorAxis->text(), QString("2.5E6")); // shown as stored
        QCOMPARE(t.StationOrbitalRefHour->currentIndex(), 0);
        QCOMPARE(t.StationOrbitalRefMin->currentIndex(), 0);
        QCOMPARE(t.StationXAngle->text(), QString("1"));
        QCOMPARE(w.messages.shown.size(), 0);
    }

    void typingAnotherStationsNameDoesNotSwitch() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        t.StationName->setEditText("Ares");
        QTest::keyClick(t.StationName->lineEdit(), Qt::Key_Return);
        emit t.StationName->lineEdit()->editingFinished();
        QCOMPARE(t.StationName->currentIndex(), 0);
        QCOMPARE(t.StationIndex->text(), QString("0"));
        QCOMPARE(t.StationClassName->text(), QString("Wheel"));
        QCOMPARE(t.StationName->currentText(), QString("Ares"));
        QCOMPARE(t.StationName->count(), 3);
    }

    void resetEmptiesTheTab() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        Select(t.StationName, 2);
        t.StationTabReset();
        QCOMPARE(t.StationName->count(), 0);
        QCOMPARE(t.StationName->currentText(), QString());
        QCOMPARE(t.StationRefPlanet->text(), QString());
        QCOMPARE(t.StationSemiMajorAxis->text(), QString());
        QCOMPARE(t.StationRotationFrequency->text(), QString());
        QCOMPARE(DayCountFromDate(t.StationOrbitalRefTime->selectedDate()), 0.0);
        QCOMPARE(t.StationOrbitalRefHour->currentIndex(), 0);
        QCOMPARE(t.StationIndex->text(), QString("2")); // left alone
        QCOMPARE(t.Document.StationTable.size(), size_t(4));
    }

    void validationFailures_data() {
        QTest::addColumn<QString>("axis");
        QTest::addColumn<QString>("excentricity");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("fields") << "far"
                                << "1"
                                << "The station rotation frequency is not correct.\r"
                                   "The station frame rotation angle around X axis is not correct.\r"
                                   "The station frame rotation angle around Y axis is not correct.\r"
                                   "The station frame rotation angle around Z axis is not correct.\r"
                                   "The station orbit semi-major axis is not correct.\r"
                                   "The station excentricity is not correct.\r"
                                   "The station orbit inclination is not correct.\r"
                                   "The station orbit ascending node longitude is not correct.\r"
                                   "The station orbit periapsis longitude is not correct.\r"
                                   "The station orbit mean longitude is not correct.\r";
        const QString fields = "The station rotation frequency is not correct.\r"
                               "The station frame rotation angle around X axis is not correct.\r"
                               "The station frame rotation angle around Y axis is not correct.\r"
                               "The station frame rotation angle around Z axis is not correct.\r";
        const QString angles = "The station orbit inclination is not correct.\r"
                               "The station orbit ascending node longitude is not correct.\r"
                               "The station orbit periapsis longitude is not correct.\r"
                               "The station orbit mean longitude is not correct.\r";
        QTest::newRow("periapsis")
            << "7000000"
            << "0.1"
            << fields +
                   "The station orbit crosses the planet atmosphere or the planet surface; "
                   "check the excentricity or the semi-major axis.\r" +
                   angles;
        QTest::newRow("radius")
            << "6000000"
            << "0.1"
            << fields +
                   "The station orbit semi-major axis is equal to  6000000 m although the mean "
                   "radius of Earth is equal to  6371000m\r" +
                   angles;
    }
    void validationFailures() {
        QFETCH(QString, axis);
        QFETCH(QString, excentricity);
        QFETCH(QString, boxText);
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        Select(t.StationName, 1);
        const StationRow before = t.Document.StationTable[1];
        t.StationName->setEditText("Renamed");
        t.StationRotationFrequency->setText("fast");
        t.StationXAngle->setText("360");
        t.StationYAngle->setText("-360");
        t.StationZAngle->setText("");
        t.StationSemiMajorAxis->setText(axis);
        t.StationExcentricity->setText(excentricity);
        for (QLineEdit* box : {t.StationInclination, t.StationAscendingNodeLongitude,
                               t.StationPeriapsisLongitude, t.StationMeanLongitude})
            box->setText("n/a");
        t.StationRefPlanet->setText("Earth");
        const QStringList treeBefore = TreeItemLines(t.ShipDockedTree);

        w.messages.answers = {MsgResult::Ok};
        t.Command1->click();
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(w.messages.unexpected, 0);
        QCOMPARE(w.messages.shown[0].text, boxText);
        QCOMPARE(w.messages.shown[0].title, QString("Station parameter validation not accepted !"));
        QCOMPARE(w.messages.shown[0].buttons, MsgButtons::Ok);
        QCOMPARE(w.messages.shown[0].icon, MsgIcon::None);
        // Nothing stored; the list, the tree and what the user typed stay.
        QCOMPARE(t.Document.StationTable[1].Name, before.Name);
        QCOMPARE(t.Document.StationTable[1].Ref, before.Ref);
        QCOMPARE(t.Document.StationTable[1].SemiMajorAxis, before.SemiMajorAxis);
        QCOMPARE(t.StationName->itemText(1), QString("Selene"));
        QCOMPARE(t.StationName->currentText(), QString("Renamed"));
        QCOMPARE(t.StationSemiMajorAxis->text(), axis);
        QCOMPARE(TreeItemLines(t.ShipDockedTree), treeBefore);
        QCOMPARE(t.Document.ShipTable[1].StatusRef, QString("   Moon"));
    }

    void validationWithoutPlanetFile() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        t.StationRefPlanet->setText("");
        w.messages.answers = {MsgResult::Ok};
        t.Command1->click();
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(w.messages.shown[0].text,
                 "The planet file \"" + t.CfgDir->text() + ".cfg\" cannot be read.\r");
        QCOMPARE(t.Document.StationTable[0].Ref, QString("Earth"));
    }

    void validationStoresTheRow() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        Select(t.StationName, 1);
        t.StationName->setEditText("Selene II");
        Select(t.StationRef, 2);
        t.Command8->click();
        QCOMPARE(t.StationRefPlanet->text(), QString("Mars"));
        Select(t.StationClass, 2);
        t.Command9->click();
        QCOMPARE(t.StationClassName->text(), QString("Wheel"));
        t.StationSemiMajorAxis->setText("4000000");
        t.StationExcentricity->setText("0.01");
        t.StationRotationFrequency->setText("-0.5");
        t.StationOrbitalRefTime->setSelectedDate(QDate(2001, 3, 13));
        Select(t.StationOrbitalRefHour, 7);
        Select(t.StationOrbitalRefMin, 45);
        t.Command1->click();
        QCOMPARE(w.messages.shown.size(), 0);

        const StationRow& row = t.Document.StationTable[1];
        QCOMPARE(row.Name, QString("Selene II"));
        QCOMPARE(row.ClassName, QString("Wheel"));
        QCOMPARE(row.Ref, QString("Mars"));
        QCOMPARE(row.ZrotFrequency, QString("-0.5"));
        QCOMPARE(row.ClassRotation, false);
        QCOMPARE(row.SemiMajorAxis, QString("4000000"));
        QCOMPARE(row.Excentricity, QString("0.01"));
        QCOMPARE(row.Inclination, QString("51.6"));
        QCOMPARE(row.EpochDate, 36963.0); // 13 March 2001
        QCOMPARE(row.EpochHour, QString("7"));
        QCOMPARE(row.EpochMinute, QString("45"));
        // The list shows the new name in place and the row is shown again.
        QCOMPARE(t.StationName->count(), 3);
        QCOMPARE(t.StationName->itemText(1), QString("Selene II"));
        QCOMPARE(t.StationName->currentIndex(), 1);
        QCOMPARE(t.StationIndex->text(), QString("1"));
        // Kite was docked at "Selene" (the stored name) and follows it to Mars; Moth names the
        // station in other letter case and stays; ships elsewhere are untouched.
        QCOMPARE(t.Document.ShipTable[1].StatusRef, QString("Mars"));
        QCOMPARE(t.Document.ShipTable[1].DockedStation, QString("Selene"));
        QCOMPARE(t.Document.ShipTable[2].StatusRef, QString("   Moon"));
        QCOMPARE(t.Document.ShipTable[0].StatusRef, QString("Earth"));
        // The tree moves the station under Mars, with the ports of its new class; the ships
        // docked at the old name no longer find it.
        const QStringList tree = TreeItemLines(t.ShipDockedTree);
        QCOMPARE(tree.mid(tree.indexOf("[Mars] 1")),
                 QStringList({"[Mars] 1", "  [Selene II] 3", "    [Dock  1] 6", "    [Dock  2] 6",
                              "    [Dock  3] 6", "    [Dock  4] 6", "    [Dock  5] 6", "  [Ares] 3"}));
    }

    void validationIntoAnEmptyList() {
        StationWindow w;
        w.Load({}, {});
        TYX& t = *w.tyx;
        t.StationIndex->setText("3"); // left over from an earlier scenario
        t.StationName->setEditText("Lone");
        t.StationRefPlanet->setText("Earth");
        t.StationClassName->setText("Ring");
        t.StationRotationFrequency->setText("0");
        for (QLineEdit* box :
             {t.StationXAngle, t.StationYAngle, t.StationZAngle, t.StationExcentricity, t.StationInclination,
              t.StationAscendingNodeLongitude, t.StationPeriapsisLongitude, t.StationMeanLongitude})
            box->setText("0");
        t.StationSemiMajorAxis->setText("7000000");
        t.Command1->click();
        QCOMPARE(w.messages.shown.size(), 0);
        QCOMPARE(t.Document.StationTable[0].Name, QString("Lone"));
        QCOMPARE(t.StationName->count(), 1);
        QCOMPARE(t.StationName->itemText(0), QString("Lone"));
        QCOMPARE(t.StationIndex->text(), QString("0"));
        QCOMPARE(TreeItemLines(t.ShipDockedTree).mid(0, 3),
                 QStringList({"[Earth] 1", "  [   Moon] 2", "  [Lone] 3"}));
    }

    void rotationOption() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        QVERIFY(t.Check1->isChecked());
        t.Check1->click();
        QVERIFY(!t.Check1->isChecked());
        QVERIFY(t.StationRotationFrequency->isEnabled());
        QCOMPARE(t.StationRotationFrequency->text(), QString("0"));
        t.Check1->click();
        QVERIFY(!t.StationRotationFrequency->isEnabled());
        QCOMPARE(t.StationRotationFrequency->text(), QString("Station class"));
        // Checked: the frequency is not looked at, and the text in the box is stored as it stands.
        t.Command1->click();
        QCOMPARE(w.messages.shown.size(), 0);
        QCOMPARE(t.Document.StationTable[0].ClassRotation, true);
        QCOMPARE(t.Document.StationTable[0].ZrotFrequency, QString("Station class"));
        t.Check1->click();
        t.Command1->click();
        QCOMPARE(w.messages.shown.size(), 0);
        QCOMPARE(t.Document.StationTable[0].ClassRotation, false);
        QCOMPARE(t.Document.StationTable[0].ZrotFrequency, QString("0"));
    }

    void addStation() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        t.Command3->click();
        QCOMPARE(t.StationName->count(), 4);
        QCOMPARE(t.StationName->currentText(), QString("New Station"));
        QCOMPARE(t.StationIndex->text(), QString("3"));
        QCOMPARE(t.Document.StationTable.size(), size_t(5)); // one spare row
        QVERIFY(t.Check1->isChecked());
        QVERIFY(!t.StationRotationFrequency->isEnabled());
        QCOMPARE(t.StationRotationFrequency->text(), QString("Station class"));
        QCOMPARE(t.Document.StationTable[3].Name, QString()); // only validation stores it
        QCOMPARE(w.messages.shown.size(), 0);
    }

    void deleteStation_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("listAfter");
        QTest::addColumn<int>("shownAfter");
        QTest::addColumn<QString>("classShown");
        QTest::addColumn<QString>("dockedAt");
        QTest::newRow("middle") << 1 << QStringList({"Orion", "Ares"}) << 0 << "Wheel"
                                << "Orion";
        QTest::newRow("first") << 0 << QStringList({"Selene", "Ares"}) << 0 << "Ring"
                               << "Selene";
        QTest::newRow("last") << 2 << QStringList({"Orion", "Selene"}) << 1 << "Ring"
                              << "Orion";
    }
    void deleteStation() {
        QFETCH(int, selected);
        QFETCH(QStringList, listAfter);
        QFETCH(int, shownAfter);
        QFETCH(QString, classShown);
        QFETCH(QString, dockedAt);
        StationWindow w;
        w.Load({Station("Orion", "Wheel", "Earth", true, "0.05"),
                Station("Selene", "Ring", "   Moon", false, "0.1"),
                Station("Ares", "Plain", "Mars", false, "")},
               {Ship("Dart", "Docked", "Earth", dockedAt, "2")});
        TYX& t = *w.tyx;
        QVERIFY(TreeItemLines(t.ShipDockedTree).join('|').contains("[Dart] 7"));
        Select(t.StationName, selected);
        w.messages.answers = {MsgResult::Ok};
        t.Command2->click();
        QCOMPARE(w.messages.unexpected, 0);
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(w.messages.shown[0].text, kDeleteQuestion);
        QCOMPARE(w.messages.shown[0].title, QString("Deleting confirmation"));
        QCOMPARE(w.messages.shown[0].buttons, MsgButtons::OkCancel);
        QCOMPARE(w.messages.shown[0].icon, MsgIcon::None);
        QStringList list;
        for (int k = 0; k < t.StationName->count(); ++k)
            list << t.StationName->itemText(k);
        QCOMPARE(list, listAfter);
        QCOMPARE(t.StationName->currentIndex(), shownAfter);
        QCOMPARE(t.StationIndex->text(), QString::number(shownAfter));
        QCOMPARE(t.StationClassName->text(), classShown);
        QCOMPARE(t.Document.StationTable.size(), size_t(3));
        QCOMPARE(t.Document.StationTable[0].Name, listAfter[0]);
        QCOMPARE(t.Document.StationTable[1].Name, listAfter[1]);
        // The former last station stays in the spare row, so an add shows its values.
        QCOMPARE(t.Document.StationTable[2].Name, QString("Ares"));
        // The tree is rebuilt without the station; the docked ships are not placed again.
        const QString tree = TreeItemLines(t.ShipDockedTree).join('|');
        QVERIFY(tree.contains("[" + dockedAt + "] 3"));
        QVERIFY(!tree.contains("[Dart] 7"));
        t.Command3->click();
        QCOMPARE(t.StationName->currentText(), QString("New Station"));
        QCOMPARE(t.StationClassName->text(), QString("Plain"));
        QCOMPARE(t.StationRefPlanet->text(), QString("Mars"));
    }

    void deleteTheOnlyStation() {
        StationWindow w;
        w.Load({Station("Orion", "Wheel", "Earth", true, "0.05")}, {});
        TYX& t = *w.tyx;
        w.messages.answers = {MsgResult::Ok};
        t.Command2->click();
        QCOMPARE(w.messages.shown.size(), 1);
        QCOMPARE(t.StationName->count(), 0);
        QCOMPARE(t.StationClassName->text(), QString());
        QCOMPARE(t.StationSemiMajorAxis->text(), QString());
        QCOMPARE(t.Document.StationTable.size(), size_t(2));
        QCOMPARE(t.Document.StationTable[0].Name, QString("Orion"));
        QCOMPARE(TreeItemLines(t.ShipDockedTree), QStringList({"[Earth] 1", "  [   Moon] 2", "[Mars] 1"}));
        // An add now shows the deleted station's values under the new name.
        t.Command3->click();
        QCOMPARE(t.StationName->currentText(), QString("New Station"));
        QCOMPARE(t.StationClassName->text(), QString("Wheel"));
        QCOMPARE(t.StationSemiMajorAxis->text(), QString("7000000"));
    }

    void deleteRefused_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("docked ship") << 1 << false;
        QTest::newRow("ship naming the station, not docked") << 2 << false;
        QTest::newRow("cancel") << 0 << true;
    }
    void deleteRefused() {
        QFETCH(int, selected);
        QFETCH(bool, cancel);
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        Select(t.StationName, selected);
        if (cancel) {
            const QSignalBlocker block(t.ShipName);
            t.ShipName->clear(); // no ship names the station
        }
        const QStringList tree = TreeItemLines(t.ShipDockedTree);
        w.messages.answers = {cancel ? MsgResult::Cancel : MsgResult::Ok};
        t.Command2->click();
        QCOMPARE(w.messages.unexpected, 0);
        QCOMPARE(w.messages.shown.size(), 1);
        if (cancel) {
            QCOMPARE(w.messages.shown[0].text, kDeleteQuestion);
        } else {
            QCOMPARE(w.messages.shown[0].text,
                     QString("You may not withdraw a station with a docked ship !"));
            QCOMPARE(w.messages.shown[0].title, QString("Forbidden action"));
            QCOMPARE(w.messages.shown[0].buttons, MsgButtons::Ok);
            QCOMPARE(w.messages.shown[0].icon, MsgIcon::Exclamation);
        }
        QCOMPARE(t.StationName->count(), 3);
        QCOMPARE(t.StationName->currentIndex(), selected);
        QCOMPARE(t.Document.StationTable.size(), size_t(4));
        QCOMPARE(TreeItemLines(t.ShipDockedTree), tree);
    }

    void dockTreeWithOccupiedPorts() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        QCOMPARE(TreeItemLines(t.ShipDockedTree),
                 QStringList({"[Earth] 1 +", "  [   Moon] 2 +", "    [Selene] 3 +", "      [Dock  1] 6 +",
                              "        [Kite] 7", "      [Dock  2] 6 +", "        [Moth] 7", "  [Orion] 3 +",
                              "    [Dock  1] 6", "    [Dock  2] 6 +", "      [Dart] 7", "    [Dock  3] 6",
                              "    [Dock  4] 6", "    [Dock  5] 6", "[Mars] 1", "  [Ares] 3"}));
        // Walking the bodies leaves the last one picked.
        QCOMPARE(t.StationRef->currentIndex(), 2);
        QCOMPARE(
            t.ShipDockedTree->toolTip(),
            QString(
                "Station (with their dock ports) list within the planetary system; double click on a dock "
                "to select it for the ship"));
        QVERIFY(!t.ShipDockedTree->topLevelItem(0)->icon(0).isNull());

        // A ship leaves its port: the update takes every ship off and places the others again.
        t.Document.ShipTable[0].Status = "Orbiting";
        t.StationDockTreeUpdate();
        const QStringList tree = TreeItemLines(t.ShipDockedTree);
        QVERIFY(!tree.contains("      [Dart] 7"));
        QVERIFY(tree.contains("        [Kite] 7"));
        QCOMPARE(tree.count("        [Moth] 7"), 1);
    }

    void dockCatalog() {
        StationWindow w;
        TYX& t = *w.tyx;
        QCOMPARE(t.StationClassCount, 4);
        QCOMPARE(t.StationClassDocks.size(), size_t(5));
        QCOMPARE(t.StationClassDocks[0].ClassName, QString("Ring"));
        QCOMPARE(t.StationClassDocks[2].ClassName, QString("Wheel"));
        QCOMPARE(t.StationDockNumberDisplay("Ring"), 2);
        QCOMPARE(t.StationDockNumberDisplay(" wheel "), 5);
        QCOMPARE(t.StationDockNumberDisplay("Plain"), -1);
        QCOMPARE(t.StationDockNumberDisplay("Missing"), -1); // listed, but its file cannot be read
        QCOMPARE(t.StationDockNumberDisplay("Cube"), 0);
        // An empty list leaves the catalog as it was.
        t.Buffer.clear();
        t.StationDockScan();
        QCOMPARE(t.StationClassCount, 0);
        QCOMPARE(t.StationClassDocks.size(), size_t(5));
    }

    void baseCatalogAndLandingTree() {
        StationWindow w;
        w.LoadStandard();
        TYX& t = *w.tyx;
        QCOMPARE(t.BaseCount, 3);
        QCOMPARE(t.BaseCatalog,
                 QStringList({" Alpha Base: 3:Earth", "Beta: 1:Earth", " = Gamma: 0:Moon", ""}));
        QCOMPARE(TreeItemLines(t.ShipLandingTree),
                 QStringList({"[Earth] 1 +", "  [   Moon] 2", "    [ = Gamma] 4", "  [ Alpha Base] 4 +",
                              "    [Landing pad  1] 5", "    [Landing pad  2] 5", "    [Landing pad  3] 5 +",
                              "      [Hawk] 7", "  [Beta] 4", "    [Landing pad  1] 5", "[Mars] 1"}));
        QCOMPARE(
            t.ShipLandingTree->toolTip(),
            QString(
                "Base (with their landing pads) list within the planetary system; double click on a pad to "
                "select it for the ship"));
        // The ship moves to Beta's pad: one update shows it there and nowhere else.
        t.Document.ShipTable[4].Base = "BETA";
        t.Document.ShipTable[4].Pad = "1";
        t.BasePadTreeUpdate();
        const QStringList tree = TreeItemLines(t.ShipLandingTree);
        QCOMPARE(tree.count("      [Hawk] 7"), 1);
        QCOMPARE(tree.indexOf("      [Hawk] 7"), tree.indexOf("    [Landing pad  1] 5 +", 8) + 1);
        // The images of every item are the numbers of their kind.
        for (const QString& line : tree)
            QVERIFY(line.contains(QRegularExpression("\\] [1-7]")));
    }
};
SKELVAN_TEST(StationTabTest);
#include "test_station_tab.moc"
