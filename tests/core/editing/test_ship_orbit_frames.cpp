// An orbiting ship's boxes shown in its planet's equator frame and read back in the ecliptic
// frame, as the orbiting frame's picker turns them: both forms, there and back, and the texts
// that cannot be turned.
#include "core/editing/ship_orbit_forms.h"
#include "core/text/text_rules.h"
#include "reference_earth.h"

#include <QTest>
#include <cmath>

namespace {
constexpr double kStart = 51985.24;

EquatorFrame EarthFrame() {
    return EquatorFrameAt(TiltedEarth().rotation, kStart);
}

ShipEditorTexts Texts(bool byElements, const QStringList& v) {
    ShipEditorTexts t;
    t.status = ShipStatusChoice::Orbiting;
    t.orbitingPlanet = QStringLiteral("Earth");
    t.orbitByElements = byElements;
    for (int k = 0; k < v.size(); ++k) {
        if (byElements)
            t.*kShipElementBoxes[k] = v[k];
        else
            t.*kShipStateBoxes[k] = v[k];
    }
    return t;
}

double N(const QString& text) {
    return LeadingNumber(text);
}
} // namespace

class ShipOrbitFramesTest : public QObject {
    Q_OBJECT
  private slots:
    // The station on the orbit of the ISS: 74.5 degrees to the ecliptic, 51.6 to the equator.
    void stationElements() {
        const ShipEditorTexts ecliptic = Texts(true, {"6734914.2", "0.00090", "74.51300", "169.03397",
                                                      "328.28777", "438.61137", "51985.24000440"});
        const OrbitFormSwitch equator =
            OrbitTextsInFrame(ecliptic, TiltedEarth(), EarthFrame(), kStart, true);
        QVERIFY2(equator.Done(), qPrintable(equator.problems.join(' ')));
        QVERIFY2(std::fabs(N(equator.texts.elementsInclination) - 51.6) <= 0.1,
                 qPrintable(equator.texts.elementsInclination));
        // Shape and epoch are the same in every frame: their texts are kept as typed.
        QCOMPARE(equator.texts.elementsSemiMajorAxis, ecliptic.elementsSemiMajorAxis);
        QCOMPARE(equator.texts.elementsExcentricity, ecliptic.elementsExcentricity);
        QCOMPARE(equator.texts.elementsEpoch, ecliptic.elementsEpoch);
        const OrbitFormSwitch back =
            OrbitTextsInFrame(equator.texts, TiltedEarth(), EarthFrame(), kStart, false);
        QVERIFY(back.Done());
        for (auto box :
             {&ShipEditorTexts::elementsInclination, &ShipEditorTexts::elementsAscendingNode,
              &ShipEditorTexts::elementsPeriapsisLongitude, &ShipEditorTexts::elementsMeanLongitude})
            QVERIFY2(std::fabs(std::remainder(N(back.texts.*box) - N(ecliptic.*box), 360.0)) < 1e-7,
                     qPrintable(back.texts.*box));
    }

    void stateVectors_data() {
        QTest::addColumn<QStringList>("typed"); // in the equator frame
        QTest::addColumn<QStringList>("ecliptic");
        const double s = std::sin(kEarthObliquity), c = std::cos(kEarthObliquity);
        // Over the equator, eastward: in the ecliptic the velocity leans south by the obliquity.
        QTest::newRow("equatorial, at the equinox")
            << QStringList{"6971000", "0", "0", "0", "0", "7561"}
            << QStringList{"6971000", "0", "0", "0", NumberText(-7561 * s), NumberText(7561 * c)};
        // Above the north pole: along the Earth's axis.
        QTest::newRow("over the pole")
            << QStringList{"0", "7000000", "0", "7500", "0", "0"}
            << QStringList{"0", NumberText(7e6 * c), NumberText(7e6 * s), "7500", "0", "0"};
    }
    void stateVectors() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, ecliptic);
        const OrbitFormSwitch back =
            OrbitTextsInFrame(Texts(false, typed), TiltedEarth(), EarthFrame(), kStart, false);
        QVERIFY(back.Done());
        const ShipEditorTexts& t = back.texts;
        const QStringList got{t.rposX, t.rposY, t.rposZ, t.rvelX, t.rvelY, t.rvelZ};
        for (int k = 0; k < 6; ++k)
            QVERIFY2(std::fabs(N(got[k]) - N(ecliptic[k])) <= 1e-9 * (k < 3 ? 7e6 : 7561),
                     qPrintable(got.join(' ')));
    }

    void notTurned_data() {
        QTest::addColumn<bool>("byElements");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("done");
        QTest::newRow("blank state") << false << QStringList{} << true;
        QTest::newRow("blank elements") << true << QStringList{} << true;
        QTest::newRow("a word in the position")
            << false << QStringList{"x", "0", "0", "0", "0", "7561"} << false;
        QTest::newRow("an open excentricity of 1")
            << true << QStringList{"7e6", "1", "10", "0", "0", "0"} << false;
    }
    void notTurned() {
        QFETCH(bool, byElements);
        QFETCH(QStringList, typed);
        QFETCH(bool, done);
        const ShipEditorTexts texts = Texts(byElements, typed);
        const OrbitFormSwitch turned = OrbitTextsInFrame(texts, TiltedEarth(), EarthFrame(), kStart, true);
        QCOMPARE(turned.Done(), done);
        // What cannot be turned, or needs no turn, is left as typed.
        if (!done || typed.isEmpty())
            QCOMPARE(turned.texts.rposX + turned.texts.elementsInclination,
                     texts.rposX + texts.elementsInclination);
    }
};

QTEST_GUILESS_MAIN(ShipOrbitFramesTest)
#include "test_ship_orbit_frames.moc"
