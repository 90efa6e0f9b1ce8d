// Landed ships at a surface position through the ship tab, over a scenario of today's form: a
// lander moved with the position boxes, a ship on a pad put at a position and one at a position
// put on a pad. Each save is held line by line against the save made right after loading; the
// validation is one step that an undo takes back whole.
#include "changed_lines.h"
#include "ship_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {
const QString kScenario = "Placements/Landers.scn";

} // namespace

class LandedPositionWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void edits_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("a lander moved")
            << "Rover-1"
            << "move" << QStringList{"-  POS -12.4870000 41.2530000", "+  POS -12.3 41.3"};
        QTest::newRow("a lander moved to another body")
            << "Hopper"
            << "body" << QStringList{"-  STATUS Landed Skerry", "+  STATUS Landed Tarn"};
        QTest::newRow("a pad ship put at a position, from its base")
            << "Ox-3"
            << "position" << QStringList{"-  BASE Harbour Flats:2", "+  POS -12.5 41.25"};
        QTest::newRow("a lander put on a pad")
            << "Rover-1"
            << "pad" << QStringList{"-  POS -12.4870000 41.2530000", "+  BASE Harbour Flats:1"};
    }
    void edits() {
        QFETCH(QString, ship);
        QFETCH(QString, edit);
        QFETCH(QStringList, changes);
        ShipWindow sw(TestDataPath("today"), ".\\Scenarios\\Placements\\");
        sw.Open("Landers.scn");
        sw.Save();
        const QByteArray before = sw.folders().ScenarioBytes(kScenario);
        sw.ShowTab(Tab::Ships);
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), ship);
        auto* atPad = sw.Get<QRadioButton>(ObjectNames::ShipLandedAtPad);
        auto* atPosition = sw.Get<QRadioButton>(ObjectNames::ShipLandedAtPosition);
        auto* longitude = sw.Get<QLineEdit>(ObjectNames::ShipLandedLongitude);
        auto* latitude = sw.Get<QLineEdit>(ObjectNames::ShipLandedLatitude);
        auto* body = sw.Get<QComboBox>(ObjectNames::ShipLandedBody);
        // Only the controls of the ship's placement are free to use.
        QCOMPARE(atPosition->isChecked(), ship != "Ox-3");
        QCOMPARE(longitude->isEnabled(), atPosition->isChecked());
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedBase)->isEnabled(), atPad->isChecked());
        if (edit == "move") {
            Type(longitude, "-12.3");
            Type(latitude, "41.3");
        } else if (edit == "body") {
            PickWithKeys(body, "Tarn");
        } else if (edit == "position") {
            Click(atPosition);
            QVERIFY(longitude->isEnabled());
            QVERIFY(!sw.Get<QLabel>(ObjectNames::ShipLandedBase)->isEnabled());
        } else if (edit == "pad") {
            auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
            DoubleClick(pads, TreeItem(pads, {"Tarn", " Harbour Flats", "Landing pad  1"}));
            QVERIFY(atPad->isChecked());
            QVERIFY(!longitude->isEnabled());
        }
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        sw.Save();
        QCOMPARE(ChangedLines(before, sw.folders().ScenarioBytes(kScenario)), changes);
        // The ship shows again as stored.
        QCOMPARE(atPosition->isChecked(), edit != "pad");

        // One step, which an undo takes back whole.
        sw.tyx().findChild<QAction*>(ObjectNames::EditUndo)->trigger();
        sw.Save();
        QCOMPARE(ChangedLines(before, sw.folders().ScenarioBytes(kScenario)), QStringList());
        VERIFY_SCRIPT_DONE(sw.script);
    }
};
QTEST_MAIN(LandedPositionWindowTest)
#include "test_landed_position_window.moc"
