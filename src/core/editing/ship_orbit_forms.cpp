#include "core/editing/ship_orbit_forms.h"

#include "core/orbit/orbital_elements.h"
#include "core/scenario/scenario_source.h"
#include "core/text/text_rules.h"

#include <cmath>

namespace {
QString Message(const char* element) {
    return QStringLiteral("The ship orbit %1 is not correct.").arg(QLatin1StringView(element));
}

// The elements the boxes hold; the problems empty only when they all pass.
OrbitalElements ElementsOf(const ShipEditorTexts& t, double startMjd) {
    OrbitalElements el;
    el.SemiMajorAxis = LeadingNumber(t.elementsSemiMajorAxis);
    el.Eccentricity = LeadingNumber(t.elementsExcentricity);
    el.Inclination = LeadingNumber(t.elementsInclination);
    el.AscendingNode = LeadingNumber(t.elementsAscendingNode);
    el.PeriapsisLongitude = LeadingNumber(t.elementsPeriapsisLongitude);
    el.MeanLongitude = LeadingNumber(t.elementsMeanLongitude);
    el.Epoch = Trim(t.elementsEpoch).isEmpty() ? startMjd : LeadingNumber(t.elementsEpoch);
    return el;
}

QStringList PlanetProblems(const ShipEditorTexts& t, const PlanetData& planet) {
    if (Trim(t.orbitingPlanet).isEmpty())
        return {QStringLiteral("Choose the planet the ship orbits around: the orbit cannot be converted "
                               "without its mass.")};
    if (!planet.Known || !(planet.Mu > 0))
        return {QStringLiteral("The planet file of %1 gives no usable mass and mean radius: the orbit cannot "
                               "be converted.")
                    .arg(Trim(t.orbitingPlanet))};
    return {};
}

// A component so small beside its vector's length that it is rounding, shown as 0.
QString ComponentText(double component, double length) {
    return NumberText(std::fabs(component) < 1e-9 * length ? 0.0 : component);
}
} // namespace

QStringList OrbitBoxTexts(const ShipEditorTexts& texts) {
    QStringList boxes;
    for (QString ShipEditorTexts::*box : kShipStateBoxes)
        boxes.append(texts.*box);
    for (QString ShipEditorTexts::*box : kShipElementBoxes)
        boxes.append(texts.*box);
    return boxes;
}

void SetOrbitBoxTexts(ShipEditorTexts& texts, const QStringList& boxes) {
    qsizetype k = 0;
    for (QString ShipEditorTexts::*box : kShipStateBoxes)
        texts.*box = boxes.value(k++);
    for (QString ShipEditorTexts::*box : kShipElementBoxes)
        texts.*box = boxes.value(k++);
}

double StartMjdOf(const ScenarioDocument& document) {
    const CalendarTime start{document.StartDate, document.StartHour, document.StartMinute};
    const ScenarioSource* source = document.Source.get();
    if (source && source->hasDate && (start == source->start || start == document.ShownStart))
        return source->startMjd;
    return MjdFromCalendar(document.StartDate, document.StartHour, document.StartMinute);
}

QStringList ElementBoxProblems(const ShipEditorTexts& t) {
    QStringList problems;
    const bool axisNumber = IsANumberOrExponent(t.elementsSemiMajorAxis);
    const bool eNumber = IsANumberOrExponent(t.elementsExcentricity);
    const double a = LeadingNumber(t.elementsSemiMajorAxis);
    const double e = LeadingNumber(t.elementsExcentricity);
    const bool eGood = eNumber && e >= 0 && e != 1;
    // The axis against the shape: only where the excentricity tells which shape it is.
    const bool axisAgainstShape = eGood && ((e < 1 && a < 0) || (e > 1 && a > 0));
    if (!axisNumber || a == 0 || axisAgainstShape) problems.append(Message("semi-major axis"));
    if (!eGood) problems.append(Message("excentricity"));
    const double i = LeadingNumber(t.elementsInclination);
    if (!IsANumberOrExponent(t.elementsInclination) || i < 0 || i > 180)
        problems.append(Message("inclination"));
    if (!IsANumberOrExponent(t.elementsAscendingNode)) problems.append(Message("ascending node longitude"));
    if (!IsANumberOrExponent(t.elementsPeriapsisLongitude)) problems.append(Message("periapsis longitude"));
    if (!IsANumberOrExponent(t.elementsMeanLongitude)) problems.append(Message("mean longitude"));
    if (!Trim(t.elementsEpoch).isEmpty() && !IsANumberOrExponent(t.elementsEpoch))
        problems.append(Message("epoch"));
    return problems;
}

OrbitFormSwitch StateFromElementTexts(const ShipEditorTexts& texts, const PlanetData& planet,
                                      double startMjd) {
    OrbitFormSwitch result{ElementBoxProblems(texts) + PlanetProblems(texts, planet), texts};
    if (!result.Done()) return result;
    const StateAtTime state = StateFromElements(ElementsOf(texts, startMjd), planet.Mu, startMjd);
    if (state.Problem != ElementsProblem::None) {
        result.problems.append(QStringLiteral("The orbital elements give no position at the start time."));
        return result;
    }
    const Vector3& r = state.State.Position;
    const Vector3& v = state.State.Velocity;
    const double rl = Norm(r), vl = Norm(v);
    ShipEditorTexts& t = result.texts;
    t.rposX = ComponentText(r.X, rl);
    t.rposY = ComponentText(r.Y, rl);
    t.rposZ = ComponentText(r.Z, rl);
    t.rvelX = ComponentText(v.X, vl);
    t.rvelY = ComponentText(v.Y, vl);
    t.rvelZ = ComponentText(v.Z, vl);
    for (QString ShipEditorTexts::*box : kShipElementBoxes)
        t.*box = QString();
    t.orbitByElements = false;
    return result;
}

OrbitFormSwitch ElementsFromStateTexts(const ShipEditorTexts& texts, const PlanetData& planet,
                                       double startMjd) {
    OrbitFormSwitch result{{}, texts};
    const QString axes[3] = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    for (int a = 0; a < 3; ++a)
        if (!IsANumberOrExponent(texts.*kShipStateBoxes[a]))
            result.problems.append(
                QStringLiteral("The position relative to the reference on axis %1 is not correct.")
                    .arg(axes[a]));
    for (int a = 0; a < 3; ++a)
        if (!IsANumberOrExponent(texts.*kShipStateBoxes[a + 3]))
            result.problems.append(
                QStringLiteral("The velocity relative to reference on axis %1 is not correct.").arg(axes[a]));
    result.problems += PlanetProblems(texts, planet);
    if (!result.Done()) return result;
    double values[6];
    for (int k = 0; k < 6; ++k)
        values[k] = LeadingNumber(texts.*kShipStateBoxes[k]);
    const OrbitState state{{values[0], values[1], values[2]}, {values[3], values[4], values[5]}};
    const ElementsAtTime el = ElementsFromState(state, planet.Mu, startMjd);
    switch (el.Problem) {
    case ElementsProblem::None:
        break;
    case ElementsProblem::AtCentre:
        result.problems.append(QStringLiteral("A ship at the planet's centre has no orbital elements."));
        return result;
    case ElementsProblem::NoPlane:
        result.problems.append(QStringLiteral(
            "The ship moves straight towards or away from the planet's centre: its orbit has no plane, and "
            "so no orbital elements."));
        return result;
    case ElementsProblem::Parabola:
        result.problems.append(QStringLiteral("The ship moves at exactly the escape speed: a parabola "
                                              "(excentricity 1) has no semi-major axis."));
        return result;
    default:
        result.problems.append(QStringLiteral("The position and velocity give no orbital elements."));
        return result;
    }
    ShipEditorTexts& t = result.texts;
    const OrbitalElements& e = el.Elements;
    t.elementsSemiMajorAxis = NumberText(e.SemiMajorAxis);
    t.elementsExcentricity = NumberText(e.Eccentricity);
    t.elementsInclination = NumberText(e.Inclination);
    t.elementsAscendingNode = NumberText(e.AscendingNode);
    t.elementsPeriapsisLongitude = NumberText(e.PeriapsisLongitude);
    t.elementsMeanLongitude = NumberText(e.MeanLongitude);
    t.elementsEpoch = NumberText(e.Epoch);
    for (QString ShipEditorTexts::*box : kShipStateBoxes)
        t.*box = QString();
    t.orbitByElements = true;
    return result;
}

OrbitInsight ShipElementsInsight(const ShipEditorTexts& texts, const PlanetData& planet, double startMjd) {
    OrbitInsight insight;
    bool blank = true;
    for (QString ShipEditorTexts::*box : kShipElementBoxes)
        if (!Trim(texts.*box).isEmpty()) blank = false;
    if (blank) {
        insight.Problem = OrbitInsightProblem::Blank;
        return insight;
    }
    if (!planet.Known) {
        insight.Problem = OrbitInsightProblem::NoPlanetData;
        return insight;
    }
    if (!ElementBoxProblems(texts).isEmpty()) {
        insight.Problem = OrbitInsightProblem::NotANumber;
        return insight;
    }
    const StateAtTime state = StateFromElements(ElementsOf(texts, startMjd), planet.Mu, startMjd);
    if (state.Problem != ElementsProblem::None) {
        insight.Problem = OrbitInsightProblem::OutOfRange;
        return insight;
    }
    const Vector3 r = FromSimulatorFrame(state.State.Position);
    if (Norm(r) == 0) {
        insight.Problem = OrbitInsightProblem::AtCentre;
        return insight;
    }
    insight.Figures = FiguresFromState(r, FromSimulatorFrame(state.State.Velocity), planet);
    return insight;
}

OrbitFormSwitch OrbitTextsInFrame(const ShipEditorTexts& texts, const PlanetData& planet,
                                  const EquatorFrame& frame, double startMjd, bool toEquator) {
    OrbitFormSwitch result{{}, texts};
    const auto turned = [&](const OrbitState& s) {
        return toEquator ? EclipticToEquator(s, frame) : EquatorToEcliptic(s, frame);
    };
    ShipEditorTexts& t = result.texts;
    if (!texts.orbitByElements) {
        bool blank = true;
        for (QString ShipEditorTexts::*box : kShipStateBoxes)
            blank = blank && Trim(texts.*box).isEmpty();
        if (blank) return result;
        double v[6];
        for (int k = 0; k < 6; ++k) {
            if (!IsANumberOrExponent(texts.*kShipStateBoxes[k])) {
                result.problems.append(QStringLiteral(
                    "The position and velocity must be numbers to be shown in another frame."));
                return result;
            }
            v[k] = LeadingNumber(texts.*kShipStateBoxes[k]);
        }
        const OrbitState s = turned(OrbitState{{v[0], v[1], v[2]}, {v[3], v[4], v[5]}});
        const double rl = Norm(s.Position), vl = Norm(s.Velocity);
        const double out[6] = {s.Position.X, s.Position.Y, s.Position.Z,
                               s.Velocity.X, s.Velocity.Y, s.Velocity.Z};
        for (int k = 0; k < 6; ++k)
            t.*kShipStateBoxes[k] = ComponentText(out[k], k < 3 ? rl : vl);
        return result;
    }
    bool blank = true;
    for (QString ShipEditorTexts::*box : kShipElementBoxes)
        blank = blank && Trim(texts.*box).isEmpty();
    if (blank) return result;
    result.problems = ElementBoxProblems(texts) + PlanetProblems(texts, planet);
    if (!result.Done()) return result;
    const OrbitalElements el = ElementsOf(texts, startMjd);
    const StateAtTime state = StateFromElements(el, planet.Mu, el.Epoch);
    const ElementsAtTime back = state.Problem == ElementsProblem::None
                                    ? ElementsFromState(turned(state.State), planet.Mu, el.Epoch)
                                    : ElementsAtTime{};
    if (state.Problem != ElementsProblem::None || back.Problem != ElementsProblem::None) {
        result.problems.append(QStringLiteral("The orbital elements cannot be shown in another frame."));
        return result;
    }
    const OrbitalElements& e = back.Elements;
    t.elementsInclination = NumberText(e.Inclination);
    t.elementsAscendingNode = NumberText(e.AscendingNode);
    t.elementsPeriapsisLongitude = NumberText(e.PeriapsisLongitude);
    t.elementsMeanLongitude = NumberText(e.MeanLongitude);
    return result;
}
