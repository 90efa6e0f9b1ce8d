// A ship put 2 km behind the station ship Lifter through the window that asks where, over
// Rendezvous.scn of today's installation: the distance typed wrong once and corrected, the ship
// validated and saved; and the message when no other ship or station is in orbit.
#include "core/text/text_rules.h"
#include "ship_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cmath>

namespace {
// The three values of a saved line after its key ("  RPOS 1 2 3").
Vector3 Values(const QString& line) {
    const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 4) return {};
    return {LeadingNumber(parts[1]), LeadingNumber(parts[2]), LeadingNumber(parts[3])};
}
} // namespace

class PlaceBesideWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void behindTheStation_data() {
        QTest::addColumn<QString>("frame");
        QTest::newRow("shown in the ecliptic") << "Ecliptic";
        // Shown turned, the boxes still give the file the placement's own ecliptic numbers.
        QTest::newRow("shown in Tarn's equator") << "Equator of Tarn";
    }
    // Lifter orbits by position and velocity: where the file puts it is where it is at the
    // start. Only Pipit's RPOS and RVEL lines change.
    void behindTheStation() {
        QFETCH(QString, frame);
        OpenedToday o("Placements", "Rendezvous");
        ShipWindow& sw = o.sw;
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Pipit");
        const ShipRow before = sw.Scenario().ShipTable[2];
        QCOMPARE(before.Name, "Pipit");
        Pick(sw.Get<QComboBox>(ObjectNames::ShipOrbitFrame), frame);

        sw.script.Expect("The distance is not correct.", "Place beside", MsgButtons::Ok,
                         MsgIcon::Exclamation);
        DialogScript dialogs;
        QStringList offered;
        bool openAfterWrongDistance = false;
        dialogs.Expect(ObjectNames::PlaceBeside, [&](QDialog* d) {
            auto* list = FindControl<QListWidget>(*d, ObjectNames::PlaceBesideShip);
            auto* distance = FindControl<QLineEdit>(*d, ObjectNames::PlaceBesideDistance);
            auto* ok = FindControl<QPushButton>(*d, ObjectNames::PlaceBesideOK);
            offered = Entries(list);
            QVERIFY(ClickEntry(list, "Lifter (Tarn)"));
            Type(distance, "-2,5");
            Click(ok);
            openAfterWrongDistance = d->isVisible() && d->result() != QDialog::Accepted;
            Type(distance, "-2");
            Click(ok);
        });
        Click(sw.Get<QPushButton>(ObjectNames::ShipPlaceBeside));
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(offered, (QStringList{"Depot (Tarn)", "Lifter (Tarn)", "Heron (Tarn)", "Wren (Skerry)"}));
        QVERIFY(openAfterWrongDistance);
        // Shown, waiting for the validation: nothing stored yet.
        QVERIFY(sw.Get<QLabel>(ObjectNames::ShipPending)->isVisible());
        QCOMPARE(sw.Scenario().ShipTable[2], before);
        QCOMPARE(sw.Get<QLabel>(ObjectNames::ShipOrbitingPlanet)->text(), "Tarn");

        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const std::vector<ScenarioDifference> differences = o.Saved();
        QCOMPARE(differences.size(), std::size_t(2));
        QCOMPARE(differences[0].section, "SHIP Pipit");
        QCOMPARE(differences[0].original, "  RPOS 0 0 7000000");
        QCOMPARE(differences[1].original, "  RVEL -7545 0 0");
        const Vector3 station{6800000, 0, 0}, stationVelocity{0, 4000, 6527.4};
        const Vector3 r = Values(differences[0].saved), v = Values(differences[1].saved);
        QVERIFY2(std::fabs(Norm(r - station) - 2000) <= 1, qPrintable(differences[0].saved));
        QVERIFY2(Dot(r - station, stationVelocity) < 0, qPrintable(differences[0].saved));
        // On the station's orbit: the same speed at the same height.
        QVERIFY2(std::fabs(Norm(v) - Norm(stationVelocity)) < 1e-3, qPrintable(differences[1].saved));
    }

    // Every other ship hangs on Lifter: nothing to go beside, said at once, no window.
    void nothingToGoBeside() {
        ShipWindow sw{TestDataPath("today"), ".\\Scenarios\\Installation\\Docking\\"};
        sw.Open("Lifter Stack.scn");
        sw.ShowTab(Tab::Ships);
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Lifter");
        sw.script.Expect("There is no other ship or station in orbit to place this ship beside.",
                         "Place beside", MsgButtons::Ok, MsgIcon::Information);
        DialogScript none;
        Click(sw.Get<QPushButton>(ObjectNames::ShipPlaceBeside));
        VERIFY_SCRIPT_DONE(sw.script);
        QVERIFY(none.shown.isEmpty());
        QVERIFY(!sw.Get<QLabel>(ObjectNames::ShipPending)->isVisible());
    }
};

QTEST_MAIN(PlaceBesideWindowTest)
#include "test_place_beside_window.moc"
