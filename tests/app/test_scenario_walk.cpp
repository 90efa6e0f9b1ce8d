// Scenarios of every kind walked through the windows as a user would: each station and ship
// shown and validated, each ship moved through the three statuses with a pad and a port
// picked, a station and a ship added and deleted, the whole saved. Whatever the file holds,
// nothing crashes, and the saved file reads back to the same lists and writes the same bytes.
//
// SKELVAN_WALK_FOLDER names one more folder of .scn files to walk (a fuzz corpus, say).
#include "app_fixture.h"
#include "core/text/text_rules.h"
#include "test_registry.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
// A user who agrees to every box: each validation message and each confirmation is OK.
class AgreeToEverything {
  public:
    AgreeToEverything() {
        SetMessageResponder([this](const QString& text, const QString&, MsgButtons, MsgIcon) {
            ++shown;
            last = text;
            return MsgResult::Ok;
        });
    }
    int shown = 0;
    QString last;

  private:
    MessageScript script_; // puts the guards back when the walk ends
};

// The names of a list as a save writes them: without blanks at either end.
QStringList WrittenNames(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; box && i < box->count(); ++i)
        entries.append(Trim(box->itemText(i)));
    return entries;
}

// Double-clicks the first few nodes without children (free pads or ports) of a tree.
void PickLeaves(QTreeWidget* tree, const std::function<void()>& doubleClick, int most = 3) {
    int picked = 0;
    for (QTreeWidgetItemIterator it(tree); *it && picked < most; ++it) {
        if ((*it)->childCount() > 0) continue;
        tree->setCurrentItem(*it);
        doubleClick();
        ++picked;
    }
}

void WalkStations(TYX& w) {
    for (int i = 0; w.StationName && i < w.StationName->count(); ++i) {
        w.StationName->setCurrentIndex(i);
        w.Command1Click(); // validation, whatever the fields hold
        w.Check1Click();
        w.Check1Click();
    }
    w.Command3Click(); // add a station
    w.Command1Click();
    w.Command2Click(); // and delete it again
}

void WalkShips(TYX& w) {
    for (int i = 0; w.ShipName && i < w.ShipName->count(); ++i) {
        w.ShipName->setCurrentIndex(i);
        w.ShipNameClick();
        w.Command4Click();
        w.LandedShipOption->click();
        PickLeaves(w.ShipLandingTree, [&] { w.ShipLandingTreeDblClick(); });
        w.OrbitingShipOption->click();
        w.Command11Click();
        w.DockedShipOption->click();
        PickLeaves(w.ShipDockedTree, [&] { w.ShipDockedTreeDblClick(); });
        w.Command10Click();
        // The ship is shown again before validation: the walk leaves it as it was read.
        w.ShipNameClick();
        w.Command4Click();
    }
    w.Command5Click(); // add a ship
    w.Command4Click();
    w.Command6Click(); // and delete it again
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
        const QString demo = QStringLiteral(SKELVAN_DEMO_DIR);
        const QString testSim = TestDataPath("sim");
        for (const QString& file : ScenarioFiles(demo + "/Scenarios"))
            QTest::addRow("demo: %s", qPrintable(QFileInfo(file).fileName())) << demo << file;
        for (const QString& file : ScenarioFiles(testSim + "/Scenarios"))
            QTest::addRow("test: %s", qPrintable(QFileInfo(file).fileName())) << testSim << file;
        const QString fuzzed = QStringLiteral(SKELVAN_TEST_DATA) + "/fuzz-regressions/scenario";
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
        QVERIFY(sim.ok());
        sim.writeScenario("Walk.scn", ReadTestFile(file));
        QStringList stations;
        QStringList ships;
        {
            AgreeToEverything user;
            auto w = sim.makeWindow();
            LoadScenario(*w, "Walk.scn");
            QCOMPARE(w->scnfile->text(), QString("Walk.scn"));
            WalkStations(*w);
            WalkShips(*w);
            if (!w->ShipName || w->ShipName->count() == 0) w->Command5Click(); // a save needs a ship
            stations = WrittenNames(w->StationName);
            ships = WrittenNames(w->ShipName);
            QVERIFY(w->ScenarioFileSaving(w->ScnDir->text() + "Walked.scn"));
        }
        const QByteArray saved = sim.scenarioBytes("Walked.scn");
        QVERIFY(!saved.isEmpty());

        // What was saved reads back to the same lists and is written the same again, in a new
        // start of the editor from the same folder.
        QVERIFY(QDir::setCurrent(sim.tempPath() + "/start"));
        AgreeToEverything user;
        auto again = sim.makeWindow();
        LoadScenario(*again, "Walked.scn");
        QCOMPARE(WrittenNames(again->StationName), stations);
        QCOMPARE(WrittenNames(again->ShipName), ships);
        QVERIFY(again->ScenarioFileSaving(again->ScnDir->text() + "Again.scn"));
        QCOMPARE(sim.scenarioBytes("Again.scn"), saved);
    }
};

SKELVAN_TEST(ScenarioWalkTest);
#include "test_scenario_walk.moc"
