// The scenario map as a user reaches it: View > Scenario map over a scenario of today's
// installation, another body picked in its list, a ship deleted and a start hour picked on the
// tabs, each undone through the Edit menu, and the map following every step.
#include "ship_window.h"
#include "widgets/map/scenario_map_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
ScenarioMapWindow* MapWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(ObjectNames::ScenarioMap) && widget->isVisible())
            return qobject_cast<ScenarioMapWindow*>(widget);
    return nullptr;
}

QStringList OrbitNames(const ScenarioMapWindow* map) {
    QStringList names;
    for (const MapOrbit& orbit : map->shownMap().Orbits)
        names << orbit.Name;
    return names;
}

const MapOrbit* Orbit(const ScenarioMapWindow* map, const QString& name) {
    for (const MapOrbit& orbit : map->shownMap().Orbits)
        if (orbit.Name == name) return &orbit;
    return nullptr;
}
} // namespace

class ScenarioMapWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void followsTheEditsAndTheirUndo() {
        ShipWindow sw(TodayInstallation());
        sw.Load(TestDataFile("map/Corvid at a Glance.scn"), "Corvid at a Glance.scn");
        QVERIFY(ChooseMenuItem(sw.tyx(), ObjectNames::MenuScenarioMap));
        ScenarioMapWindow* map = MapWindow();
        QVERIFY(map);
        auto* bodies = FindControl<QComboBox>(*map, ObjectNames::ScenarioMapBody);
        QCOMPARE(Items(bodies), QStringList({"Tarn", "Skerry", "Vesk"}));
        QCOMPARE(bodies->currentText(), "Tarn"); // the user-controlled ship's
        QCOMPARE(OrbitNames(map), QStringList({"Lifter", "Glider-1", "Kittiwake", "Heron"}));
        QCOMPARE(int(map->shownMap().Landers.size()), 2);

        Pick(bodies, "Skerry");
        QCOMPARE(OrbitNames(map), QStringList({"Beacon", "Wren"}));
        QCOMPARE(map->shownMap().Bases.front().Name, "Crater Rim");
        QVERIFY(!FindControl<QLabel>(*map, ObjectNames::ScenarioMapNothing)->isVisible());

        // Wren deleted on the ship tab leaves Skerry's map, and comes back with the undo.
        sw.ShowTab(Tab::Ships);
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Wren");
        sw.script.Expect(
            {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok});
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(bodies->currentText(), "Skerry");
        QCOMPARE(OrbitNames(map), QStringList({"Beacon"}));
        QVERIFY(ChooseMenuItem(sw.tyx(), ObjectNames::EditUndo));
        QCOMPARE(OrbitNames(map), QStringList({"Beacon", "Wren"}));

        // A later start hour carries the station along its orbit; the undo brings it back.
        const QPointF before = Orbit(map, "Beacon")->AtStart;
        sw.ShowTab(Tab::Environment);
        DialogScript dialogs;
        ExpectKeepShipsOnDateChange(dialogs);
        Pick(sw.Get<QComboBox>(ObjectNames::Hour), "1");
        VERIFY_SCRIPT_DONE(dialogs);
        QVERIFY(Orbit(map, "Beacon")->AtStart != before);
        QVERIFY(ChooseMenuItem(sw.tyx(), ObjectNames::EditUndo));
        QCOMPARE(Orbit(map, "Beacon")->AtStart, before);
    }
};

QTEST_MAIN(ScenarioMapWindowTest)
#include "test_scenario_map_window.moc"
