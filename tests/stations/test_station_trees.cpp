// The station list and the two location trees: deleting a station, the ports of the stations,
// the bases and their pads, and the ships placed on them.
#include "station_window.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QString kDeleteQuestion = "Are you sure you want to delete the station ?";
} // namespace

class StationTreesTest : public QObject {
    Q_OBJECT
  private slots:
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
        w.Load(StationScenario(StationBlock("Orion", "Wheel", "Earth", true) +
                                   StationBlock("Selene", "Ring", "   Moon", false, "0.1") +
                                   StationBlock("Ares", "Plain", "Mars", false),
                               ShipBlock("Dart", "Docked Earth:" + dockedAt.toLatin1() + ":2")));
        QVERIFY(w.DockTree().join('|').contains("[Dart] 7"));
        Pick(w.List(ObjectNames::StationName), selected);
        w.script.Expect(kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None,
                        MsgResult::Ok);
        w.Press(ObjectNames::Command2);
        VERIFY_SCRIPT_DONE(w.script);
        QCOMPARE(Items(w.List(ObjectNames::StationName)), listAfter);
        QCOMPARE(w.List(ObjectNames::StationName)->currentIndex(), shownAfter);
        QCOMPARE(w.Text(ObjectNames::StationIndex), QString::number(shownAfter));
        QCOMPARE(w.Text(ObjectNames::StationClassName), classShown);
        // The tree is rebuilt without the station; the docked ships are not placed again. The
        // former last station stays in the spare row, so an add shows its values.
        const QString tree = w.DockTree().join('|');
        QVERIFY(tree.contains("[" + dockedAt + "] 3"));
        QVERIFY(!tree.contains("[Dart] 7"));
        w.Press(ObjectNames::Command3);
        QCOMPARE(w.List(ObjectNames::StationName)->currentText(), QString("New Station"));
        QCOMPARE(w.Text(ObjectNames::StationClassName), QString("Plain"));
        QCOMPARE(w.Text(ObjectNames::StationRefPlanet), QString("Mars"));
    }

    void deleteTheOnlyStation() {
        StationWindow w;
        w.Load(StationScenario(StationBlock("Orion", "Wheel", "Earth", true),
                               ShipBlock("Hawk", "Orbiting Earth")));
        w.script.Expect(kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None,
                        MsgResult::Ok);
        w.Press(ObjectNames::Command2);
        VERIFY_SCRIPT_DONE(w.script);
        QCOMPARE(w.List(ObjectNames::StationName)->count(), 0);
        QCOMPARE(w.Text(ObjectNames::StationClassName), QString());
        QCOMPARE(w.Box(ObjectNames::StationSemiMajorAxis)->text(), QString());
        QCOMPARE(w.DockTree(), QStringList({"[Earth] 1", "  [   Moon] 2", "[Mars] 1"}));
        // An add now shows the deleted station's values under the new name.
        w.Press(ObjectNames::Command3);
        QCOMPARE(w.List(ObjectNames::StationName)->currentText(), QString("New Station"));
        QCOMPARE(w.Text(ObjectNames::StationClassName), QString("Wheel"));
        QCOMPARE(w.Box(ObjectNames::StationSemiMajorAxis)->text(), QString("7000000"));
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
        if (cancel) // the standard stations, and no ship names Orion
            w.Load(StationScenario(StationBlock("Orion", "Wheel", "Earth", true) +
                                       StationBlock("Selene", "Ring", "   Moon", false, "0.1") +
                                       StationBlock("Ares", "Plain", "Mars", false),
                                   ShipBlock("Hawk", "Orbiting Earth")));
        else
            w.LoadStandard();
        Pick(w.List(ObjectNames::StationName), selected);
        const QStringList tree = w.DockTree();
        if (cancel)
            w.script.Expect(kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None,
                            MsgResult::Cancel);
        else
            w.script.Expect("You may not withdraw a station with a docked ship !", "Forbidden action",
                            MsgButtons::Ok, MsgIcon::Exclamation);
        w.Press(ObjectNames::Command2);
        VERIFY_SCRIPT_DONE(w.script);
        QCOMPARE(w.List(ObjectNames::StationName)->count(), 3);
        QCOMPARE(w.List(ObjectNames::StationName)->currentIndex(), selected);
        QCOMPARE(w.Scenario().StationTable.size(), size_t(4));
        QCOMPARE(w.DockTree(), tree);
    }

    void dockTreeWithOccupiedPorts() {
        StationWindow w;
        w.LoadStandard();
        QCOMPARE(w.DockTree(),
                 QStringList({"[Earth] 1 +", "  [   Moon] 2 +", "    [Selene] 3 +", "      [Dock  1] 6 +",
                              "        [Kite] 7", "      [Dock  2] 6 +", "        [Moth] 7", "  [Orion] 3 +",
                              "    [Dock  1] 6", "    [Dock  2] 6 +", "      [Dart] 7", "    [Dock  3] 6",
                              "    [Dock  4] 6", "    [Dock  5] 6", "[Mars] 1", "  [Ares] 3"}));
        auto* tree = w.Control<QTreeWidget>(ObjectNames::ShipDockedTree);
        QCOMPARE(
            tree->toolTip(),
            QString(
                "Station (with their dock ports) list within the planetary system; double click on a dock "
                "to select it for the ship"));
        QVERIFY(!tree->topLevelItem(0)->icon(0).isNull());
        // A validation walks the bodies to build the tree again, and leaves the last one picked.
        w.Press(ObjectNames::Command1);
        QCOMPARE(w.script.shown.size(), qsizetype(0));
        QCOMPARE(w.List(ObjectNames::StationRef)->currentIndex(), 2);

        // A ship leaves its port: the update takes every ship off and places the others again.
        QVERIFY(PickText(w.List(ObjectNames::ShipName), "Dart"));
        w.script.Expect("Are you sure you want to delete the ship ?", "Deleting confirmation",
                        MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok);
        w.Press(ObjectNames::Command6);
        VERIFY_SCRIPT_DONE(w.script);
        const QStringList lines = w.DockTree();
        QVERIFY(!lines.contains("      [Dart] 7"));
        QVERIFY(lines.contains("        [Kite] 7"));
        QCOMPARE(lines.count("        [Moth] 7"), 1);
    }

    void baseCatalogAndLandingTree() {
        StationWindow w;
        w.LoadStandard();
        QCOMPARE(w.LandingTree(),
                 QStringList({"[Earth] 1 +", "  [   Moon] 2", "    [ = Gamma] 4", "  [ Alpha Base] 4 +",
                              "    [Landing pad  1] 5", "    [Landing pad  2] 5", "    [Landing pad  3] 5 +",
                              "      [Hawk] 7", "  [Beta] 4", "    [Landing pad  1] 5", "[Mars] 1"}));
        auto* tree = w.Control<QTreeWidget>(ObjectNames::ShipLandingTree);
        QCOMPARE(
            tree->toolTip(),
            QString(
                "Base (with their landing pads) list within the planetary system; double click on a pad to "
                "select it for the ship"));
        // The ship moves to Beta's pad: one update shows it there and nowhere else.
        QVERIFY(PickText(w.List(ObjectNames::ShipName), "Hawk"));
        QVERIFY(DoubleClickItem(TreeItem(tree, {"Earth", "Beta", "Landing pad  1"})));
        QCOMPARE(w.Text(ObjectNames::ShipLandedBase), QString("Beta"));
        QCOMPARE(w.Text(ObjectNames::ShipLandedPad), QString("1"));
        w.Press(ObjectNames::Command4);
        VERIFY_SCRIPT_DONE(w.script);
        QCOMPARE(w.Scenario().ShipTable[4].Base, QString("Beta"));
        const QStringList lines = w.LandingTree();
        QCOMPARE(lines.count("      [Hawk] 7"), 1);
        QCOMPARE(lines.indexOf("      [Hawk] 7"), lines.indexOf("    [Landing pad  1] 5 +", 8) + 1);
        // The images of every item are the numbers of their kind.
        for (const QString& line : lines)
            QVERIFY(line.contains(QRegularExpression("\\] [1-7]")));
    }
};

QTEST_MAIN(StationTreesTest)
#include "test_station_trees.moc"
