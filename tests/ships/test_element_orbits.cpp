// Ships whose orbit a file in today's form gives by ELEMENTS: shown as read in the orbiting
// frame's element boxes, switched to position and velocity and back by the form options, an
// inclination changed; each save held line by line against one made right after loading.
#include "core/scenario/scenario_comparison.h"
#include "core/text/text_rules.h"
#include "ship_window.h"
#include "widgets/orbit/orbit_panel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

namespace {
using Differences = std::vector<ScenarioDifference>;

const char* const kElementBoxes[7] = {ObjectNames::ShipElementsSemiMajorAxis,
                                      ObjectNames::ShipElementsExcentricity,
                                      ObjectNames::ShipElementsInclination,
                                      ObjectNames::ShipElementsAscendingNode,
                                      ObjectNames::ShipElementsPeriapsisLongitude,
                                      ObjectNames::ShipElementsMeanLongitude,
                                      ObjectNames::ShipElementsEpoch};
const char* const kStateBoxes[6] = {ObjectNames::ShipOrbitingRposX, ObjectNames::ShipOrbitingRposY,
                                    ObjectNames::ShipOrbitingRposZ, ObjectNames::ShipOrbitingRvelX,
                                    ObjectNames::ShipOrbitingRvelY, ObjectNames::ShipOrbitingRvelZ};

QStringList Texts(ShipWindow& sw, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names)
        texts << sw.Get<QLineEdit>(name)->text();
    return texts;
}
QStringList ElementTexts(ShipWindow& sw) {
    return Texts(sw, {kElementBoxes[0], kElementBoxes[1], kElementBoxes[2], kElementBoxes[3],
                      kElementBoxes[4], kElementBoxes[5], kElementBoxes[6]});
}
QStringList StateTexts(ShipWindow& sw) {
    return Texts(
        sw, {kStateBoxes[0], kStateBoxes[1], kStateBoxes[2], kStateBoxes[3], kStateBoxes[4], kStateBoxes[5]});
}

QString PanelValue(ShipWindow& sw, const char* caption) {
    auto* panel = sw.Get<QGroupBox>(ObjectNames::ShipOrbitPanel);
    auto* label = FindControl<QLabel>(*panel, qPrintable(OrbitPanel::ValueName(caption)));
    return label ? label->text() : QString();
}

// The window over today's installation with the file open on the ship tab.
struct Opened : OpenedToday {
    Opened() : OpenedToday("Placements", "Element Orbits") {}
};

const QStringList kHeron = {"6734914.2", "0.00090",   "74.51300",      "169.03397",
                            "328.28777", "438.61137", "61000.24000440"};
} // namespace

class ElementOrbitsTest : public QObject {
    Q_OBJECT
  private slots:
    // Shown as read; to the state at the start and back before any edit: the texts as read, and
    // the save as loaded.
    void switchToStateAndBack() {
        Opened o;
        ShipWindow& sw = o.sw;
        QVERIFY(!o.loaded.isEmpty());
        QCOMPARE(sw.Get<QComboBox>(ObjectNames::ShipName)->currentText(), QString("Heron"));
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByElements)->isChecked());
        QCOMPARE(ElementTexts(sw), kHeron);
        QCOMPARE(StateTexts(sw), QStringList(6, QString()));
        QVERIFY(!sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX)->isEnabled());
        QVERIFY(!sw.Get<QLabel>(ObjectNames::ShipPlacementNote)->isVisible());

        Click(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByState));
        VERIFY_SCRIPT_DONE(sw.script);
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByState)->isChecked());
        QVERIFY(sw.Get<QLineEdit>(ObjectNames::ShipOrbitingRposX)->isEnabled());
        QVERIFY(!sw.Get<QLineEdit>(ObjectNames::ShipElementsInclination)->isEnabled());
        QCOMPARE(ElementTexts(sw), QStringList(7, QString()));
        // Somewhere between the periapsis and the apoapsis, a = 6734914.2 m, e = 0.0009.
        const QStringList state = StateTexts(sw);
        double r = 0;
        for (int k = 0; k < 3; ++k)
            r += LeadingNumber(state[k]) * LeadingNumber(state[k]);
        r = std::sqrt(r);
        QVERIFY2(r > 6734914.2 * (1 - 0.0009) - 1 && r < 6734914.2 * (1 + 0.0009) + 1,
                 qPrintable(state.join(' ')));

        Click(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByElements));
        QCOMPARE(ElementTexts(sw), kHeron);
        QCOMPARE(StateTexts(sw), QStringList(6, QString()));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const Differences differences = o.Saved();
        QVERIFY2(differences.empty(), qPrintable(QString::number(differences.size())));
    }

    // Validated by position and velocity: the ELEMENTS line gives way to RPOS and RVEL, and
    // nothing else of the file changes.
    void switchedToStateSaved() {
        Opened o;
        ShipWindow& sw = o.sw;
        Click(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByState));
        const QStringList state = StateTexts(sw);
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByState)->isChecked());
        const Differences differences = o.Saved();
        QCOMPARE(differences.size(), std::size_t(3));
        QCOMPARE(differences[0].section, QString("SHIP Heron"));
        QCOMPARE(differences[0].original, "  ELEMENTS " + kHeron.join(' '));
        QCOMPARE(differences[1].saved,
                 "  RPOS " + Trim(state[0]) + " " + Trim(state[1]) + " " + Trim(state[2]));
        QCOMPARE(differences[2].saved,
                 "  RVEL " + Trim(state[3]) + " " + Trim(state[4]) + " " + Trim(state[5]));
    }

    // An inclination typed and validated rewrites only the ELEMENTS line, the other values as read.
    void changeInclination() {
        Opened o;
        ShipWindow& sw = o.sw;
        Type(sw.Get<QLineEdit>(ObjectNames::ShipElementsInclination), "80.5");
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipElementsInclination)->text(), QString("80.5"));
        QStringList edited = kHeron;
        edited[2] = "80.5";
        const Differences expected = {
            {"SHIP Heron", "  ELEMENTS " + kHeron.join(' '), "  ELEMENTS " + edited.join(' ')}};
        QVERIFY2(o.Saved() == expected, "only the ELEMENTS line differs");
    }

    // The position and velocity to elements at the start, seven values written; an open orbit
    // by elements drawn as one.
    void stateToElements() {
        Opened o;
        ShipWindow& sw = o.sw;
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Plover");
        QCOMPARE(PanelValue(sw, "Period"), QString("escape trajectory"));
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Pipit");
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByState)->isChecked());
        Click(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByElements));
        VERIFY_SCRIPT_DONE(sw.script);
        QCOMPARE(LeadingNumber(sw.Get<QLineEdit>(ObjectNames::ShipElementsEpoch)->text()), 61000.250434);
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipElementsInclination)->text(), QString(" 0"));
        QCOMPARE(sw.Get<QLineEdit>(ObjectNames::ShipElementsAscendingNode)->text(), QString(" 0"));
        QVERIFY(PanelValue(sw, "Period") != QString("escape trajectory"));
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const Differences differences = o.Saved();
        QCOMPARE(differences.size(), std::size_t(3));
        QCOMPARE(differences[0].original, QString("  RPOS 6971000 0 0"));
        QCOMPARE(differences[1].original, QString("  RVEL 0 0 7561.0"));
        QVERIFY2(differences[2].saved.startsWith("  ELEMENTS "), qPrintable(differences[2].saved));
        QCOMPARE(differences[2].saved.split(' ', Qt::SkipEmptyParts).size(), 8);
    }

    // A ship added in the editor has nothing to convert: it takes elements typed from the start,
    // and is written by them.
    void newShipByElements() {
        Opened o;
        ShipWindow& sw = o.sw;
        Click(sw.Get<QPushButton>(ObjectNames::Command5));
        Type(sw.Get<QComboBox>(ObjectNames::ShipName), "Tern");
        Pick(sw.Get<QComboBox>(ObjectNames::Spacecraft), "Kite");
        Click(sw.Get<QPushButton>(ObjectNames::Command10));
        Click(sw.Get<QRadioButton>(ObjectNames::OrbitingShipOption));
        Pick(sw.Get<QComboBox>(ObjectNames::OrbitingRef), "Tarn");
        Click(sw.Get<QPushButton>(ObjectNames::Command11));
        Click(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByElements));
        VERIFY_SCRIPT_DONE(sw.script);
        const QStringList typed = {"7100000", "0.002", "51.6", "10", "20", "30", ""};
        for (int k = 0; k < 7; ++k)
            Type(sw.Get<QLineEdit>(kElementBoxes[k]), typed[k]);
        for (const char* box : {ObjectNames::ShipOrbitingArotX, ObjectNames::ShipOrbitingArotY,
                                ObjectNames::ShipOrbitingArotZ, ObjectNames::ShipOrbitingAngularVelocity})
            Type(sw.Get<QLineEdit>(box), "0");
        Click(sw.Get<QPushButton>(ObjectNames::Command4));
        VERIFY_SCRIPT_DONE(sw.script);
        const QByteArray saved = [&] {
            sw.SaveAs("Element Orbits edited.scn");
            return sw.folders().ScenarioBytes("Placements/Element Orbits edited.scn");
        }();
        QVERIFY2(saved.contains("Tern:Kite\r\n  STATUS Orbiting Tarn\r\n  FUEL 0\r\n  ELEMENTS 7100000 0.002 "
                                "51.6 10 20 30\r\n"
                                "  AROT 0 0 0\r\n"),
                 saved.mid(saved.indexOf("Tern:")).constData());
        QVERIFY(!saved.mid(saved.indexOf("Tern:")).contains("RPOS"));
    }

    // A state that has no elements keeps its form, and the message says why.
    void refusedSwitch() {
        Opened o;
        ShipWindow& sw = o.sw;
        Pick(sw.Get<QComboBox>(ObjectNames::ShipName), "Pipit");
        for (const char* box : {ObjectNames::ShipOrbitingRposX, ObjectNames::ShipOrbitingRvelZ})
            Type(sw.Get<QLineEdit>(box), "0");
        sw.script.Expect("A ship at the planet's centre has no orbital elements.", "Orbit form not changed",
                         MsgButtons::Ok, MsgIcon::Exclamation);
        Click(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByElements));
        VERIFY_SCRIPT_DONE(sw.script);
        QVERIFY(sw.Get<QRadioButton>(ObjectNames::ShipOrbitByState)->isChecked());
        QVERIFY(!sw.Get<QLineEdit>(ObjectNames::ShipElementsSemiMajorAxis)->isEnabled());
        QCOMPARE(StateTexts(sw)[0], QString("0"));
    }
};
QTEST_MAIN(ElementOrbitsTest)
#include "test_element_orbits.moc"
