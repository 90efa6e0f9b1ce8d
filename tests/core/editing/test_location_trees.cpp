#include "core/editing/location_trees.h"
#include "reference_walk.h"
#include "tree_text.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
DockCounts Docks(const std::vector<std::pair<QString, int>>& classes) {
    DockCounts docks;
    for (const auto& [name, count] : classes)
        docks.Add(name, count);
    return docks;
}

const QStringList kBodies{"Earth", "   Moon", "Mars", "   Phobos", "   Deimos"};
} // namespace

class LocationTreesTest : public QObject {
    Q_OBJECT
  private slots:
    void bodies() {
        QCOMPARE(TreeLines(BodyNodes(kBodies)), QStringList({"[Earth] 1", "  [   Moon] 2", "[Mars] 1",
                                                             "  [   Phobos] 2", "  [   Deimos] 2"}));
        // A name with a blank at its end is no planet either: it goes under the last planet.
        QCOMPARE(TreeLines(BodyNodes({"Earth", "Moon "})), QStringList({"[Earth] 1", "  [Moon ] 2"}));
        // A moon before any planet has nothing to hang under and stays a root.
        QCOMPARE(TreeLines(BodyNodes({"   Stray", "Earth"})), QStringList({"[   Stray] 2", "[Earth] 1"}));
    }

    void dockCountOfClass_data() {
        QTest::addColumn<QString>("className");
        QTest::addColumn<int>("expected");
        QTest::newRow("known") << "Wheel" << 5;
        QTest::newRow("letter case and blanks ignored") << "  wHEEL " << 5;
        QTest::newRow("no dock list") << "Plain" << -1;
        QTest::newRow("unknown") << "Cube" << 0;
        QTest::newRow("last entry of a name wins") << "Twin" << 2;
    }
    void dockCountOfClass() {
        QFETCH(QString, className);
        QFETCH(int, expected);
        const DockCounts docks = Docks({{"Wheel", 5}, {"Plain", -1}, {"Twin", 7}, {"TWIN", 2}});
        QCOMPARE(docks.Count(className), expected);
    }

    void stationTree() {
        const std::vector<StationPlace> stations{
            {"Alpha", "Earth", "Ring"},    // two ports
            {"Beta", "   Moon", "Plain"},  // trimmed Ref matches the moon; no dock list, no ports
            {"Gamma", "earth", "Ring"},    // letter case counts for the planet: no node
            {"Delta", "Alpha", "Unknown"}, // hangs under the earlier station Alpha; unknown class
            {"Epsilon", " Mars ", "Ring"},
        };
        const TreeNodes nodes = StationTreeNodes(kBodies, stations, Docks({{"Ring", 2}, {"Plain", -1}}));
        QCOMPARE(TreeLines(nodes),
                 QStringList({"[Earth] 1", "  [   Moon] 2", "    [Beta] 3", "  [Alpha] 3", "    [Dock  1] 6",
                              "    [Dock  2] 6", "    [Delta] 3", "[Mars] 1", "  [   Phobos] 2",
                              "  [   Deimos] 2", "  [Epsilon] 3", "    [Dock  1] 6", "    [Dock  2] 6"}));
    }

    void dockedShips_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("station");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QStringList>("expected");
        const QStringList free{"[Earth] 1", "  [Alpha] 3", "    [Dock  1] 6", "    [Dock  2] 6",
                               "    [Dock  3] 6"};
        QStringList onThree = free;
        onThree << "      [Ship] 7";
        QStringList onOne = free;
        onOne.insert(3, "      [Ship] 7");
        QTest::newRow("port 3") << "Docked"
                                << "Alpha"
                                << "3" << onThree;
        QTest::newRow("status with other case and blanks") << " dOCKED "
                                                           << "Alpha"
                                                           << "1" << onOne;
        QTest::newRow("station name case ignored") << "Docked"
                                                   << "ALPHA"
                                                   << "3" << onThree;
        QTest::newRow("port with blanks") << "Docked"
                                          << "Alpha"
                                          << " 3 " << onThree;
        QTest::newRow("port 03 is not port 3") << "Docked"
                                               << "Alpha"
                                               << "03" << free;
        QTest::newRow("landed ship not in the dock tree") << "Landed"
                                                          << "Alpha"
                                                          << "3" << free;
        QTest::newRow("unknown station") << "Docked"
                                         << "Omega"
                                         << "3" << free;
        QTest::newRow("port that does not exist") << "Docked"
                                                  << "Alpha"
                                                  << "4" << free;
    }
    void dockedShips() {
        QFETCH(QString, status);
        QFETCH(QString, station);
        QFETCH(QString, port);
        QFETCH(QStringList, expected);
        const TreeNodes tree =
            StationTreeNodes({"Earth"}, {{"Alpha", "Earth", "Ring"}}, Docks({{"Ring", 3}}));
        const TreeNodes withShip = WithShips(tree, {{"Ship", status, station, port}}, "Docked");
        QCOMPARE(TreeLines(withShip), expected);
    }

    void twoShipsOnOnePortAndRedoing() {
        const TreeNodes tree =
            StationTreeNodes({"Earth"}, {{"Alpha", "Earth", "Ring"}}, Docks({{"Ring", 2}}));
        const std::vector<ShipPlace> ships{{"A", "Docked", "Alpha", "2"}, {"B", "Docked", "Alpha", "2"}};
        const TreeNodes once = WithShips(tree, ships, "Docked");
        const QStringList expected{"[Earth] 1",       "  [Alpha] 3", "    [Dock  1] 6",
                                   "    [Dock  2] 6", "      [A] 7", "      [B] 7"};
        QCOMPARE(TreeLines(once), expected);
        // Placing the ships again on the tree without them gives the same tree, not twice the
        // ships: the tree given is left as it was.
        QCOMPARE(tree, StationTreeNodes({"Earth"}, {{"Alpha", "Earth", "Ring"}}, Docks({{"Ring", 2}})));
        QCOMPARE(TreeLines(WithShips(tree, ships, "Docked")), expected);
        // The way to each ship is opened: port, station and planet.
        QCOMPARE(NodesToExpand(once), (std::vector<int>{0, 1, 3}));
    }

    void expandingStopsAtTheRoot() {
        // A ship under a moon's station: port, station, moon and the planet above.
        const TreeNodes tree =
            StationTreeNodes({"Earth", "   Moon"}, {{"Alpha", "Moon", "Ring"}}, Docks({{"Ring", 1}}));
        const TreeNodes withShip = WithShips(tree, {{"S", "Docked", "Alpha", "1"}}, "Docked");
        QCOMPARE(NodesToExpand(withShip), (std::vector<int>{0, 1, 2, 3}));
        // A branch shorter than three levels above the ship opens what there is.
        TreeNodes shallow{
            {"Earth", PlanetNodeImage, -1}, {"Dock  1", DockPortNodeImage, 0}, {"S", ShipNodeImage, 1}};
        QCOMPARE(NodesToExpand(shallow), (std::vector<int>{0, 1}));
    }

    void baseCatalogEntryParts_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pads");
        QTest::addColumn<QString>("body");
        QTest::newRow("usual") << " Alpha: 2:Gamma"
                               << " Alpha"
                               << " 2"
                               << "Gamma";
        QTest::newRow("colon in the body") << "A: 1:B:C"
                                           << "A"
                                           << " 1"
                                           << "B:C";
        QTest::newRow("no colon") << "Alone"
                                  << "Alone"
                                  << ""
                                  << "";
        QTest::newRow("one colon") << "A: 3"
                                   << "A"
                                   << " 3"
                                   << "";
    }
    void baseCatalogEntryParts() {
        QFETCH(QString, entry);
        const BaseCatalogParts parts = SplitBaseCatalogEntry(entry);
        QTEST(parts.name, "name");
        QTEST(parts.pads, "pads");
        QTEST(parts.body, "body");
    }

    void baseTree() {
        const QStringList catalog{" Alpha: 2:Gamma", " Bare: 0:Gamma", " Low: 1:GAMMA", " Far: 1:Nowhere",
                                  ""};
        const TreeNodes nodes = BaseTreeNodes({"Gamma", "   Delta"}, catalog, 4);
        QCOMPARE(TreeLines(nodes), QStringList({"[Gamma] 1", "  [   Delta] 2", "  [ Alpha] 4",
                                                "    [Landing pad  1] 5", "    [Landing pad  2] 5",
                                                "  [ Bare] 4", "  [ Low] 4", "    [Landing pad  1] 5"}));
        // The count limits the entries read; a count beyond the catalog reads what there is.
        QCOMPARE(BaseTreeNodes({"Gamma"}, catalog, 1).size(), size_t(4));
        QCOMPARE(BaseTreeNodes({"Gamma"}, catalog, 99).size(), size_t(7));
    }

    void landedShips() {
        const QStringList catalog{" Alpha: 2:Gamma", " Beta: 2:Gamma"};
        const TreeNodes tree = BaseTreeNodes({"Gamma"}, catalog, 2);
        const std::vector<ShipPlace> ships{{"L1", "Landed", "Beta", "2"},
                                           {"L2", "LANDED", "alpha", "1"},
                                           {"Docked", "Docked", "Alpha", "2"}};
        QCOMPARE(TreeLines(WithShips(tree, ships, "Landed")),
                 QStringList({"[Gamma] 1", "  [ Alpha] 4", "    [Landing pad  1] 5", "      [L2] 7",
                              "    [Landing pad  2] 5", "  [ Beta] 4", "    [Landing pad  1] 5",
                              "    [Landing pad  2] 5", "      [L1] 7"}));
    }

    // Small random inputs with many name clashes: the indexed builders must give exactly the
    // nodes of the walk over every node.
    void fastBuildsMatchThePlainWalk() {
        QRandomGenerator random(20261208);
        const QStringList bodyNames{"Earth", "   Moon", "Mars", "   Phobos", "earth", "   Earth", "Dock  1"};
        const QStringList names{"S1", "S2", "Earth", "Dock  1", "s1", " S2 ", "Mars"};
        const QStringList refs{"Earth", "   Moon", "Moon", "S1", "Dock  1", "Nowhere", "earth", "Mars "};
        const QStringList classNames{"Ring", "ring", "Wheel", "Plain", "None"};
        const QStringList statuses{"Docked", " docked", "Landed", "LANDED ", "Orbiting"};
        const QStringList numbers{"1", "2", "01", " 3", "0", "12"};
        auto pick = [&](const QStringList& list) { return list[random.bounded(int(list.size()))]; };
        for (int round = 0; round < 400; ++round) {
            QStringList bodies{"Earth"};
            for (int b = random.bounded(5); b > 0; --b)
                bodies << pick(bodyNames);
            std::vector<std::pair<QString, int>> classes;
            for (int c = random.bounded(5); c > 0; --c)
                classes.emplace_back(pick(classNames), random.bounded(-1, 4));
            std::vector<StationPlace> stations;
            for (int s = random.bounded(7); s > 0; --s)
                stations.push_back({pick(names), pick(refs), pick(classNames)});
            QStringList catalog;
            for (int b = random.bounded(6); b > 0; --b)
                catalog << pick(names) + ":" + NumberText(random.bounded(4)) + ":" + pick(refs);
            std::vector<ShipPlace> ships;
            for (int j = random.bounded(8); j > 0; --j) {
                const QString place = random.bounded(4) == 0 ? pick(bodyNames) : pick(names);
                ships.push_back({pick(names), pick(statuses), place, pick(numbers)});
            }

            TreeNodes expected = reference::StationTree(bodies, stations, classes);
            const TreeNodes stationTree = StationTreeNodes(bodies, stations, Docks(classes));
            QCOMPARE(stationTree, expected);
            // Twice in a row, as a second update after a change does.
            for (int pass = 0; pass < 2; ++pass) {
                reference::PlaceShips(expected, ships, "Docked");
                QCOMPARE(WithShips(stationTree, ships, "Docked"), expected);
            }

            expected = reference::BaseTree(bodies, catalog, int(catalog.size()));
            const TreeNodes baseTree = BaseTreeNodes(bodies, catalog, int(catalog.size()));
            QCOMPARE(baseTree, expected);
            reference::PlaceShips(expected, ships, "Landed");
            QCOMPARE(WithShips(baseTree, ships, "Landed"), expected);
        }
    }
};
QTEST_GUILESS_MAIN(LocationTreesTest)
#include "test_location_trees.moc"
