// Scenarios of every kind walked through the windows as a user would: each station and ship
// shown and validated, each ship moved through the three statuses with a pad and a port
// picked, a station and a ship added and deleted, the whole saved. Whatever the file holds,
// nothing crashes, and the saved file reads back to the same lists and writes the same bytes.
//
// SKELVAN_WALK_FOLDER names one more folder of .scn files to walk (a fuzz corpus, say).
#include "core/text/text_rules.h"
#include "support/simulator_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
// The names of a list as a save writes them: without blanks at either end.
QStringList WrittenNames(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; box && i < box->count(); ++i)
        entries.append(Trim(box->itemText(i)));
    return entries;
}

// The texts from the top item down to the item.
QStringList PathOf(const QTreeWidgetItem* item) {
    QStringList path;
    for (; item; item = item->parent())
        path.prepend(item->text(0));
    return path;
}

// Double-clicks the first few nodes without children (free pads or ports) of a tree; each is
// looked for again, since a pick may build the tree anew.
void PickLeaves(QTreeWidget* tree, int most = 3) {
    QList<QStringList> leaves;
    for (QTreeWidgetItemIterator it(tree); *it && leaves.size() < most; ++it) {
        if ((*it)->childCount() == 0) leaves.append(PathOf(*it));
    }
    for (const QStringList& path : leaves) {
        if (QTreeWidgetItem* item = TreeItem(tree, path)) DoubleClickItem(item);
    }
}

void WalkStations(TYX& w) {
    auto* names = FindControl<QComboBox>(w, ObjectNames::StationName);
    for (int i = 0; i < names->count(); ++i) {
        Pick(names, i);
        ClickNamed(w, ObjectNames::Command1); // validation, whatever the fields hold
        ClickNamed(w, ObjectNames::Check1);
        ClickNamed(w, ObjectNames::Check1);
    }
    ClickNamed(w, ObjectNames::Command3); // add a station
    ClickNamed(w, ObjectNames::Command1);
    ClickNamed(w, ObjectNames::Command2); // and delete it again
}

void WalkShips(TYX& w) {
    auto* names = FindControl<QComboBox>(w, ObjectNames::ShipName);
    for (int i = 0; i < names->count(); ++i) {
        Pick(names, i);
        ClickNamed(w, ObjectNames::Command4);
        ClickNamed(w, ObjectNames::LandedShipOption);
        PickLeaves(FindControl<QTreeWidget>(w, ObjectNames::ShipLandingTree));
        ClickNamed(w, ObjectNames::OrbitingShipOption);
        ClickNamed(w, ObjectNames::Command11);
        ClickNamed(w, ObjectNames::DockedShipOption);
        PickLeaves(FindControl<QTreeWidget>(w, ObjectNames::ShipDockedTree));
        ClickNamed(w, ObjectNames::Command10);
        // The ship is shown again before validation: the walk leaves it as it was read.
        Pick(names, i);
        ClickNamed(w, ObjectNames::Command4);
    }
    ClickNamed(w, ObjectNames::Command5); // add a ship
    ClickNamed(w, ObjectNames::Command4);
    ClickNamed(w, ObjectNames::Command6); // and delete it again
}

QStringList ScenarioFiles(const QString& folder) {
    QStringList files;
    for (const QString& name : QDir(folder).entryList({"*.scn"}, QDir::Files, QDir::Name))
        files.append(folder + "/" + name);
    return files;
}
} // namespace

class ScenarioWalkTest : public QObject {
    Q_OBJECT
  private slots:
    void walk_data() {
        QTest::addColumn<QString>("installation");
        QTest::addColumn<QString>("file");
        const QString demo = DemoPath(QString());
        const QString testSim = AppInstallation();
        for (const QString& file : ScenarioFiles(demo + "/Scenarios"))
            QTest::addRow("demo: %s", qPrintable(QFileInfo(file).fileName())) << demo << file;
        for (const QString& file : ScenarioFiles(testSim + "/Scenarios"))
            QTest::addRow("test: %s", qPrintable(QFileInfo(file).fileName())) << testSim << file;
        const QString fuzzed = TestDataPath("fuzz-regressions/scenario");
        for (const QString& name : QDir(fuzzed).entryList(QDir::Files, QDir::Name))
            QTest::addRow("fuzzed: %s", qPrintable(name)) << demo << fuzzed + "/" + name;
        const QString extra = qEnvironmentVariable("SKELVAN_WALK_FOLDER");
        if (!extra.isEmpty()) {
            for (const QString& name : QDir(extra).entryList(QDir::Files, QDir::Name))
                QTest::addRow("extra: %s", qPrintable(name)) << demo << extra + "/" + name;
        }
    }
    void walk() {
        QFETCH(QString, installation);
        QFETCH(QString, file);
        SimulatorFixture sim(installation);
        QVERIFY(sim.Ok());
        sim.WriteScenario("Walk.scn", ReadTestFile(file));
        QStringList stations;
        QStringList ships;
        {
            // A user who agrees to every box: each validation message and each confirmation is OK.
            MessageBoxScript user;
            user.AgreeToEveryBox();
            auto w = sim.MakeWindow();
            LoadScenario(*w, "Walk.scn");
            QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Walk.scn"));
            WalkStations(*w);
            WalkShips(*w);
            if (FindControl<QComboBox>(*w, ObjectNames::ShipName)->count() == 0)
                ClickNamed(*w, ObjectNames::Command5); // a save needs a ship
            stations = WrittenNames(FindControl<QComboBox>(*w, ObjectNames::StationName));
            ships = WrittenNames(FindControl<QComboBox>(*w, ObjectNames::ShipName));
            SaveAs(*w, "Walked");
            QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Walked.scn"));
        }
        const QByteArray saved = sim.ScenarioBytes("Walked.scn");
        QVERIFY(!saved.isEmpty());

        // What was saved reads back to the same lists and is written the same again, in a new
        // start of the editor from the same folder.
        MessageBoxScript user;
        user.AgreeToEveryBox();
        auto again = sim.MakeWindow();
        LoadScenario(*again, "Walked.scn");
        QCOMPARE(WrittenNames(FindControl<QComboBox>(*again, ObjectNames::StationName)), stations);
        QCOMPARE(WrittenNames(FindControl<QComboBox>(*again, ObjectNames::ShipName)), ships);
        SaveAs(*again, "Again");
        QCOMPARE(sim.ScenarioBytes("Again.scn"), saved);
    }
};

QTEST_MAIN(ScenarioWalkTest)
#include "test_scenario_walk.moc"
