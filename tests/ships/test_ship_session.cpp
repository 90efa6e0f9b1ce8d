// A whole editing session as a user goes through it: open a scenario, add a ship and land it
// on a free pad, dock another at a free port, set an orbiting ship's levels with the sliders,
// delete a ship, choose the user-controlled ship, save under a new name, and open the saved
// file again.
#include "core/text/text_rules.h"
#include "ship_window.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
QString Data() {
    return TestDataPath("ships/session");
}

// The node of that text under the base or station whose trimmed name is given.
QTreeWidgetItem* Place(QTreeWidget* tree, const QString& place, const QString& nodeText) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        QTreeWidgetItem* item = *it;
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
        ShipWindow sw(Data());
        MessageBoxScript& script = sw.script;
        sw.Open("Session.scn");
        sw.ShowTab(Tab::Ships);
        auto* names = sw.Get<QComboBox>(ObjectNames::ShipName);
        auto* pads = sw.Get<QTreeWidget>(ObjectNames::ShipLandingTree);
        auto* ports = sw.Get<QTreeWidget>(ObjectNames::ShipDockedTree);
        auto* validate = sw.Get<QPushButton>(ObjectNames::Command4);
        QCOMPARE(Items(names), QStringList({"Horizon", "Dart", "Comet", "Spare"}));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Horizon"));
        QCOMPARE(ShipsAt(pads, "BaseS", "Landing pad  1"), QStringList({"Horizon"}));
        QCOMPARE(ShipsAt(ports, "Orbiter", "Dock  1"), QStringList({"Spare"}));

        // A new ship, landed on the free pad 2.
        Click(sw.Get<QPushButton>(ObjectNames::Command5));
        QCOMPARE(names->currentText(), QString("New Ship"));
        Type(names, "Rover");
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "ShipClassA");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        Click(sw.Get<QRadioButton>(ObjectNames::LandedShipOption));
        DoubleClick(pads, Place(pads, "BaseS", "Landing pad  1")); // taken by Horizon: nothing
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipLandedPad)->text(), QString());
        DoubleClick(pads, Place(pads, "BaseS", "Landing pad  2"));
        Type(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading), "90");
        Slide(sw.Get<QSlider>(ObjectNames::ShipFuelSlider), 60);
        Click(validate);
        VERIFY_SCRIPT_DONE(script);
        QCOMPARE(Items(names), QStringList({"Horizon", "Dart", "Comet", "Spare", "Rover"}));
        QCOMPARE(ShipsAt(pads, "BaseS", "Landing pad  2"), QStringList({"Rover"}));

        // Comet leaves its orbit for the free port 2.
        Pick(names, 2);
        Click(sw.Get<QRadioButton>(ObjectNames::DockedShipOption));
        DoubleClick(ports, Place(ports, "Orbiter", "Dock  2"));
        Click(validate);
        VERIFY_SCRIPT_DONE(script);
        QCOMPARE(ShipsAt(ports, "Orbiter", "Dock  2"), QStringList({"Comet"}));

        // Dart fires its retro engine fully, hovers at half power, and has three quarters of its fuel.
        Pick(names, 1);
        Slide(sw.Get<QSlider>(ObjectNames::MainEngineStatusSlider), -100);
        Slide(sw.Get<QSlider>(ObjectNames::HoverEngineStatusSlider), 50);
        Slide(sw.Get<QSlider>(ObjectNames::ShipFuelSlider), 75);
        Click(validate);
        VERIFY_SCRIPT_DONE(script);

        // Spare is deleted; its port is free again.
        Pick(names, 3);
        script.Expect(
            {kDeleteQuestion, "Deleting confirmation", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok});
        Click(sw.Get<QPushButton>(ObjectNames::Command6));
        VERIFY_SCRIPT_DONE(script);
        QCOMPARE(Items(names), QStringList({"Horizon", "Dart", "Comet", "Rover"}));
        QCOMPARE(ShipsAt(ports, "Orbiter", "Dock  1"), QStringList());

        // Rover becomes the user-controlled ship.
        sw.ShowTab(Tab::Environment);
        Pick(sw.Get<QComboBox>(ObjectNames::PossibleShipFocus), "Rover:ShipClassA");
        Click(sw.Get<QPushButton>(ObjectNames::Command7));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Rover"));

        sw.SaveAs("Saved.scn");
        VERIFY_SCRIPT_DONE(script);
        QFile expected(Data() + "/Session-saved.scn");
        QVERIFY(expected.open(QIODevice::ReadOnly));
        const QByteArray saved = sw.folders().Read("sim/Scenarios/Saved.scn");
        QCOMPARE(QString::fromLatin1(saved), QString::fromLatin1(expected.readAll()));

        // Opened again, everything is in place.
        sw.Open("Saved.scn");
        VERIFY_SCRIPT_DONE(script);
        sw.ShowTab(Tab::Ships);
        QCOMPARE(Items(names), QStringList({"Horizon", "Dart", "Comet", "Rover"}));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFocus)->text(), QString("Rover"));
        QCOMPARE(ShipsAt(pads, "BaseS", "Landing pad  2"), QStringList({"Rover"}));
        QCOMPARE(ShipsAt(ports, "Orbiter", "Dock  2"), QStringList({"Comet"}));
        Pick(names, 1);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString(" 75 %"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::MainEngineStatus)->text(), QString("-100 %"));
        QCOMPARE(sw.Get<QSlider>(ObjectNames::MainEngineStatusSlider)->value(), -100);
        Pick(names, 3);
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipLandedHeading)->text(), QString("90"));
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipFuel)->text(), QString(" 60 %"));
    }
};
QTEST_MAIN(ShipSessionTest)
#include "test_ship_session.moc"
