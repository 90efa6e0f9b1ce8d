#pragma once
// The main window over the ship tests' installation, tests/data/ships (the planetary system
// "Sol": the Earth with its moon and the base Habana, the Moon with the base Alpha, Mars without
// bases; the ship classes DG and ShuttleA; the station classes Hub and Ring), and the ship and
// station blocks the tests write into their scenarios.
#include "core/scenario/scenario_comparison.h"
#include "support/simulator_fixture.h"

#include <QStringList>

class ShipWindow : public EditorWindow {
  public:
    // The installation of tests/data/ships/Config, or of the given folder holding Config and
    // Scenarios; with the scenario folder that "skelvan.cfg" names, a folder below the
    // installation's "Scenarios" as the simulator's own scenarios lie today (".\\Scenarios\\Tours\\").
    explicit ShipWindow(const QString& installation = QString(), const QString& scenarioDir = QString());

    // Writes a scenario of the planetary system Sol with these station and ship blocks and the
    // user-controlled ship (none for an empty focus) into the scenario folder, opens it and
    // shows the ship tab.
    void OpenShips(const QStringList& ships, const QString& focus, const QStringList& stations = {});
};

// A scenario of today's test installation (tests/data/today) open on the ship tab, its scenario
// folder the given subfolder of "Scenarios", and the save made right after loading, which the
// saves of the edits are held against.
struct OpenedToday {
    OpenedToday(const QString& folder, const QString& name);
    // What a save of the edits changed against the save after loading.
    std::vector<ScenarioDifference> Saved();
    ShipWindow sw;
    QString folder, name;
    QByteArray loaded;
};

// A ship block as a scenario file holds it, the header first and END last.
QString LandedShip(const QString& name, const QString& cls, const QString& planet, const QString& base,
                   const QString& pad, const QString& heading, const QString& fuel);
QString DockedShip(const QString& name, const QString& cls, const QString& planet, const QString& station,
                   const QString& port, const QString& fuel);
// In orbit at 7000 km from the planet's centre at 7546.05 m/s.
QString OrbitingShip(const QString& name, const QString& cls, const QString& planet, const QString& fuel,
                     const QString& mainEngine, const QString& hoverEngine);
// The same block with more lines before its END.
QString WithLines(const QString& block, const QStringList& lines);
// A station block in orbit around the planet.
QString Station(const QString& name, const QString& cls, const QString& planet);

// The ship tests compare trees without the open marks and double-click nodes of a tree.
inline QStringList TreeText(const QTreeWidget* tree) {
    return TreeItemLines(tree, false);
}
inline void DoubleClick(QTreeWidget*, QTreeWidgetItem* item) {
    DoubleClickItem(item);
}

// Messages of the ship tab.
inline const QString kFocusChanged = QStringLiteral("As the user-controled ship was no longer valid in the "
                                                    "scenario, it has been set to the first possible ship !");
inline const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete the ship ?");
// The box that says the user-controlled ship moved to the first possible one.
inline ExpectedBox FocusMoved() {
    return {kFocusChanged, "Warning", MsgButtons::Ok, MsgIcon::Information, MsgResult::Ok};
}
