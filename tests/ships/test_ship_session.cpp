// A whole editing session through the real handlers: load a scenario, add a ship and land it
// on a free pad, dock another at a free port, set an orbiting ship's levels with the sliders,
// delete a ship, choose the user-controlled ship, save, and load the saved file again.
#include "core/text/text_rules.h"
#include "ship_window_fixture.h"
#include "simulator_fixture.h"
#include "test_registry.h"
#include "widgets/common/location_trees_view.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

namespace {
QString Data() {
    return QStringLiteral(SKELVAN_TEST_DATA) + "/ships/session";
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int k = 0; k < box->count(); ++k)
        items << box->itemText(k);
    return items;
}

// The node of that text under the base or station whose trimmed name is given.
QTreeWidgetItem* Place(QTreeWidget* tree, const QString& place, const QString& nodeText) {
    std::vector<QTreeWidgetItem*> items;
    ReadLocationTree(tree, &items);
    for (QTreeWidgetItem* item : items) {
        if (item->text(0) == nodeText && item->parent() && Trim(item->parent()->text(0)) == place)
            return item;
    }
    return nullptr;
}

// The names of the ships hanging under the given pad or port.
QStringList ShipsAt(QTreeWidget* tree, const QString& place, const QString& nodeText) {
    QStringList names;
    if (QTreeWidgetItem* node = Place(tree, place, nodeText)) {
        for (int k = 0; k < node->childCount(); ++k)
            names << node->child(k)->text(0);
    }
    return names;
}
} // namespace

class ShipSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void wholeSession() {
        MessageScript script;
        SimulatorFixture folders;
        folders.CopyTree(Data() + "/Config", folders.ConfigFolder());
        folders.CopyTree(Data() + "/Scenarios", folders.ScenarioFolder());
        TYX w;
        QVERIFY(w.TyxSetting("Session.scn", "Ship session", true));
        QCOMPARE(Items(w.ShipName), QStringList({"Horizon", "Dart", "Comet", "Spare"}));
        QCOMPARE(w.ShipFocus->text(), QString("Horizon"));
        QCOMPARE(ShipsAt(w.ShipLandingTree, "BaseS", "Landing pad  1"), QStringList({"Horizon"}));
        QCOMPARE(ShipsAt(w.ShipDockedTree, "Orbiter", "Dock  1"), QStringList({"Spare"}));

        // A new ship, landed on the free pad 2.
        w.Command5Click();
        QCOMPARE(w.ShipName->currentText(), QString("New Ship"));
        w.ShipName->setEditText("Rover");
        w.Spacecraft->setCurrentIndex(w.Spacecraft->findText("ShipClassA"));
        w.Command10Click();
        w.LandedShipOption->click();
        w.ShipLandingTree->setCurrentItem(Place(w.ShipLandingTree, "BaseS", "Landing pad  1"));
        w.ShipLandingTreeDblClick(); // taken by Horizon: nothing
        QCOMPARE(w.ShipLandedPad->text(), QString());
        w.ShipLandingTree->setCurrentItem(Place(w.ShipLandingTree, "BaseS", "Landing pad  2"));
        w.ShipLandingTreeDblClick();
        w.ShipLandedHeading->setText("90");
        w.ShipFuelSlider->setSliderPosition(60);
        w.Command4Click();
        QVERIFY(script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"Horizon", "Dart", "Comet", "Spare", "Rover"}));
        QCOMPARE(ShipsAt(w.ShipLandingTree, "BaseS", "Landing pad  2"), QStringList({"Rover"}));

        // Comet leaves its orbit for the free port 2.
        Select(w.ShipName, 2);
        w.DockedShipOption->click();
        w.ShipDockedTree->setCurrentItem(Place(w.ShipDockedTree, "Orbiter", "Dock  2"));
        w.ShipDockedTreeDblClick();
        w.Command4Click();
        QVERIFY(script.Done());
        QCOMPARE(ShipsAt(w.ShipDockedTree, "Orbiter", "Dock  2"), QStringList({"Comet"}));

        // Dart fires its retro engine fully, hovers at half power, and has three quarters of its fuel.
        Select(w.ShipName, 1);
        w.MainEngineStatusSlider->setSliderPosition(-100);
        w.HoverEngineStatusSlider->setSliderPosition(50);
        w.ShipFuelSlider->setSliderPosition(75);
        w.Command4Click();
        QVERIFY(script.Done());

        // Spare is deleted; its port is free again.
        Select(w.ShipName, 3);
        script.Expect(
            {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok});
        w.Command6Click();
        QVERIFY(script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"Horizon", "Dart", "Comet", "Rover"}));
        QCOMPARE(ShipsAt(w.ShipDockedTree, "Orbiter", "Dock  1"), QStringList());

        // Rover becomes the user-controlled ship.
        w.PossibleShipFocus->setCurrentIndex(w.PossibleShipFocus->findText("Rover:ShipClassA"));
        w.Command7Click();
        QCOMPARE(w.ShipFocus->text(), QString("Rover"));

        QVERIFY(w.ScenarioFileSaving(w.ScnDir->text() + "Saved.scn"));
        QFile expected(Data() + "/Session-saved.scn");
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const QByteArray saved = folders.Read("sim/Scenarios/Saved.scn");
        QCOMPARE(QString::fromLatin1(saved), QString::fromLatin1(expected.readAll()));

        // Loaded again, everything is in place.
        QVERIFY(w.TyxSetting("Saved.scn", "Ship session", true));
        QVERIFY(script.Done());
        QCOMPARE(Items(w.ShipName), QStringList({"Horizon", "Dart", "Comet", "Rover"}));
        QCOMPARE(w.ShipFocus->text(), QString("Rover"));
        QCOMPARE(ShipsAt(w.ShipLandingTree, "BaseS", "Landing pad  2"), QStringList({"Rover"}));
        QCOMPARE(ShipsAt(w.ShipDockedTree, "Orbiter", "Dock  2"), QStringList({"Comet"}));
        Select(w.ShipName, 1);
        QCOMPARE(w.ShipFuel->text(), QString(" 75 %"));
        QCOMPARE(w.MainEngineStatus->text(), QString("-100 %"));
        QCOMPARE(w.MainEngineStatusSlider->value(), -100);
        Select(w.ShipName, 3);
        QCOMPARE(w.ShipLandedHeading->text(), QString("90"));
        QCOMPARE(w.ShipFuel->text(), QString(" 60 %"));
    }
};
SKELVAN_TEST(ShipSessionTest);
#include "test_ship_session.moc"
