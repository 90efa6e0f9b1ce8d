// The planet's equator and the start date through the windows, over today's installation
// (Tarn tilted as the Earth is): an orbit shown and typed in the equator frame and saved in
// the ecliptic frame; the start date changed with each answer to the question what becomes of
// the ships, once taken back, and undone.
#include "core/scenario/scenario_comparison.h"
#include "core/text/text_rules.h"
#include "ship_window.h"
#include "widgets/orbit/orbit_panel.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <cmath>

namespace {
using Differences = std::vector<ScenarioDifference>;
constexpr double kObliquity = 0.4090928023;

QString PanelValue(ShipWindow& sw, const char* caption) {
    auto* panel = sw.Get<QGroupBox>(ObjectNames::ShipOrbitPanel);
    auto* label = FindControl<QLabel>(*panel, qPrintable(OrbitPanel::ValueName(caption)));
    return label ? label->text() : QString();
}

// The values of a saved line after its key ("  RVEL 0 -3008 6936" gives 0, -3008, 6936).
QList<double> Values(const QString& line) {
    QList<double> values;
    const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype k = 1; k < parts.size(); ++k)
        values << LeadingNumber(parts[k]);
    return values;
}

struct Opened : OpenedToday {
    Opened() : OpenedToday("Placements", "Element Orbits") {}
    const ShipRow& Pipit() const { return sw.Scenario().ShipTable[3]; }
};
} // namespace

class EquatorAndDatesTest : public QObject {
    Q_OBJECT
  private slots:
    // A look at the equator frame and back is no edit: the texts come back as read and the
    // save is the loaded one; the panel gives both inclinations, the equator's 51.6 degrees.
    void equatorFrameLook() {
        Opened o;
        ShipWindow& sw = o.sw;
        auto* frame = sw.Get<QComboBox>(ObjectNames::ShipOrbitFrame);
        QCOMPARE(Items(frame), QStringList({"Ecliptic", "Equator of Tarn"}));
        const QString read = sw.Get<QLineEdit>(ObjectNames::ShipElementsInclination)->text();
        Pick(frame, "Equator of Tarn");
        const double shown = LeadingNumber(sw.Get<QLineEdit>(ObjectNames::ShipElementsInclination)->text());
        QVERIFY2(std::fabs(shown - 51.6) <= 0.1, qPrintable(QString::number(shown)));
        QCOMPARE(PanelValue(sw, "Inclination"), QString::fromUtf8("74.51°"));
        const double panel = LeadingNumber(PanelValue(sw, "Inclination to the equator"));
        QVERIFY2(std::fabs(panel - 51.6) <= 0.1, qPrintable(QString::number(panel)));
        Pick(frame, "Ecliptic");
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipElementsInclination)->text(), read);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QVERIFY(o.Saved().empty());
    }

    void typedInEquatorFrame_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<double>>("saved"); // the changed line's values
        const double s = std::sin(kObliquity), c = std::cos(kObliquity);
        // Over the equator, eastward, at the equinox: the velocity leans south by the obliquity.
        QTest::newRow("position and velocity")
            << "Pipit" << QStringList{ObjectNames::ShipOrbitingRposX, ObjectNames::ShipOrbitingRposY,
                                      ObjectNames::ShipOrbitingRposZ, ObjectNames::ShipOrbitingRvelX,
                                      ObjectNames::ShipOrbitingRvelY, ObjectNames::ShipOrbitingRvelZ}
            << QStringList{"6971000", "0", "0", "0", "0", "7561"} << QList<double>{0, -7561 * s, 7561 * c};
        // An equatorial orbit, its node on the equinox: to the ecliptic it leans by the
        // obliquity, its node at the autumnal equinox.
        QTest::newRow("elements") << "Heron"
                                  << QStringList{ObjectNames::ShipElementsInclination,
                                                 ObjectNames::ShipElementsAscendingNode,
                                                 ObjectNames::ShipElementsPeriapsisLongitude}
                                  << QStringList{"0", "0", "0"}
                                  << QList<double>{6734914.2, 0.0009, kObliquity * 180 / M_PI, 180};
    }
    void typedInEquatorFrame() {
        QFETCH(QString, ship);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, typed);
        QFETCH(QList<double>, saved);
        Opened o;
        ShipWindow& sw = o.sw;
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), ship);
        Pick(sw.Get<QComboBox>(ObjectNames::ShipOrbitFrame), "Equator of Tarn");
        for (qsizetype k = 0; k < boxes.size(); ++k)
            Type(sw.Get<QLineEdit>(qPrintable(boxes[k])), typed[k]);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const Differences differences = o.Saved();
        QCOMPARE(differences.size(), std::size_t(1));
        const QList<double> values = Values(differences[0].saved);
        for (qsizetype k = 0; k < saved.size(); ++k)
            QVERIFY2(std::fabs(values[k] - saved[k]) <= 1e-6 * std::max(1.0, std::fabs(saved[k])),
                     qPrintable(differences[0].saved));
    }

    void dateChange_data() {
        QTest::addColumn<QString>("button"); // empty: Cancel
        QTest::addColumn<bool>("moved");
        QTest::newRow("keep") << ObjectNames::DateChangeKeep << false;
        QTest::newRow("along the orbits") << ObjectNames::DateChangeAlongOrbit << true;
        QTest::newRow("over the same point") << ObjectNames::DateChangeSurface << true;
        QTest::newRow("cancelled") << "" << false;
    }
    // A day later by the calendar, answered: Pipit (by position and velocity) moved or not,
    // Heron (by elements) as read; cancelled, the date as it was and nothing to undo; one undo
    // takes date and ships back together.
    void dateChange() {
        QFETCH(QString, button);
        QFETCH(bool, moved);
        Opened o;
        ShipWindow& sw = o.sw;
        const ScenarioDocument before = sw.Scenario();
        sw.ShowTab(Tab::Environment);
        auto* calendar = sw.Get<QCalendarWidget>(ObjectNames::Calendar);
        const QDate day = calendar->selectedDate();
        DialogScript dialogs;
        QString question;
        dialogs.Expect(ObjectNames::DateChangeShips, [&](QDialog* d) {
            question = d->findChild<QLabel*>()->text();
            if (button.isEmpty())
                QTest::keyClick(d, Qt::Key_Escape);
            else
                Click(d->findChild<QPushButton*>(button));
        });
        // The next day by the keyboard, as a user moves through the calendar.
        QTableView* days = calendar->findChild<QTableView*>();
        QVERIFY(days);
        days->setFocus();
        QTest::keyClick(days, Qt::Key_Right);
        VERIFY_SCRIPT_DONE(dialogs);
        // From the start as read, 06:00:37.5, to 06:00 of the next day.
        QVERIFY2(question.startsWith("The scenario now starts 23 hours and 59 minutes later.") &&
                     question.contains("One ship orbits"),
                 qPrintable(question));
        auto* undo = sw.tyx().findChild<QAction*>(ObjectNames::EditUndo);
        if (button.isEmpty()) {
            QCOMPARE(calendar->selectedDate(), day);
            QCOMPARE(sw.Scenario().StartDate, before.StartDate);
            QVERIFY(!undo->isEnabled());
            return;
        }
        QCOMPARE(calendar->selectedDate(), day.addDays(1));
        QCOMPARE(sw.Scenario().StartDate, before.StartDate + 1);
        QCOMPARE(o.Pipit().RposX != before.ShipTable[3].RposX, moved);
        QCOMPARE(sw.Scenario().ShipTable[0], before.ShipTable[0]);
        // Still on its nearly circular orbit of 6,971 km.
        const ShipRow& p = o.Pipit();
        const double r = std::hypot(LeadingNumber(p.RposX), LeadingNumber(p.RposY), LeadingNumber(p.RposZ));
        QVERIFY2(std::fabs(r - 6971000) < 7e3, qPrintable(QString::number(r)));
        undo->trigger();
        QCOMPARE(calendar->selectedDate(), day);
        QCOMPARE(sw.Scenario().StartDate, before.StartDate);
        QCOMPARE(o.Pipit(), before.ShipTable[3]);
        QVERIFY(!undo->isEnabled());
    }
};

QTEST_MAIN(EquatorAndDatesTest)
#include "test_equator_and_dates.moc"
