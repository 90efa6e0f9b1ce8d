#include "core/editing/beside_choice.h"

#include "core/editing/ship_orbit_forms.h"
#include "core/orbit/beside_placement.h"
#include "core/orbit/equator_frame.h"
#include "core/text/text_rules.h"

std::vector<OrbiterAtStart> BesideChoices(const std::vector<OrbiterAtStart>& orbiters, int shipRow) {
    std::vector<OrbiterAtStart> choices;
    for (const OrbiterAtStart& orbiter : orbiters) {
        if (orbiter.Kind == OrbiterKind::ShipDocked) continue;
        // Station rows and ship rows count apart: only a ship's row can be the ship itself.
        if (orbiter.Kind != OrbiterKind::Station && orbiter.Row == shipRow) continue;
        choices.push_back(orbiter);
    }
    return choices;
}

QString BesideEntryText(const OrbiterAtStart& orbiter) {
    return QStringLiteral("%1 (%2)").arg(Trim(orbiter.Name), orbiter.Body);
}

std::optional<double> BesideDistance(const QString& text) {
    if (!IsANumber(text)) return std::nullopt;
    return LeadingNumber(text);
}

BesidePlacement TextsPlacedBeside(const ShipEditorTexts& texts, const OrbiterAtStart& other,
                                  const PlanetData& planet, double kilometres, double startMjd,
                                  bool inEquator) {
    BesidePlacement result{{}, texts, texts};
    if (!planet.Known || !(planet.Mu > 0)) {
        result.problems.append(
            QStringLiteral("The planet file of %1 gives no usable mass: the ship cannot be "
                           "placed along the orbit of %2.")
                .arg(other.Body, Trim(other.Name)));
        return result;
    }
    const std::optional<OrbitState> placed = PlacedBeside(other.State, planet.Mu, kilometres);
    if (!placed) {
        result.problems.append(
            QStringLiteral("%1 has no orbit to place the ship along.").arg(Trim(other.Name)));
        return result;
    }
    ShipEditorTexts t = texts;
    t.orbitingPlanet = other.Body;
    const Vector3& r = placed->Position;
    const Vector3& v = placed->Velocity;
    const double values[6] = {r.X, r.Y, r.Z, v.X, v.Y, v.Z};
    for (int k = 0; k < 6; ++k)
        t.*kShipStateBoxes[k] = NumberText(values[k]);
    if (texts.orbitByElements) {
        t.orbitByElements = false;
        const OrbitFormSwitch elements = ElementsFromStateTexts(t, planet, startMjd);
        if (!elements.Done()) {
            result.problems = elements.problems;
            return result;
        }
        t = elements.texts;
    }
    result.ecliptic = t;
    result.shown = t;
    if (inEquator) {
        const OrbitFormSwitch turned =
            OrbitTextsInFrame(t, planet, EquatorFrameAt(planet.rotation, startMjd), startMjd, true);
        if (!turned.Done()) {
            result.problems = turned.problems;
            return result;
        }
        result.shown = turned.texts;
    }
    return result;
}
