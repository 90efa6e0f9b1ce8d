#include "core/editing/ship_validation.h"

#include "core/editing/ship_orbit_forms.h"
#include "core/editing/tank_levels.h"
#include "core/editing/validation_report.h"
#include "core/io/file_access.h"
#include "core/scenario/scenario_document.h"
#include "core/text/text_rules.h"

#include <cmath>

namespace {
class Collector {
  public:
    explicit Collector(ShipValidation& result) : result_(result) {}
    // A failed check's message. The checks that close a group come last in it, so only the
    // last message can be one of them.
    void Fail(const QString& message, bool endsGroup = false) {
        result_.failed.append(message);
        lastEndsGroup_ = endsGroup;
    }
    // The box text once every check has run.
    void Finish() { result_.Messages = ValidationBoxText(result_.failed, lastEndsGroup_); }

  private:
    ShipValidation& result_;
    bool lastEndsGroup_ = false;
};

void OrbitingChecks(const ShipEditorTexts& t, const PlanetData& planet, Collector& c) {
    if (!IsANumber(t.angularVelocity)) c.Fail(QStringLiteral("The angular velocity value is not correct."));
    // A ship given by its elements has them checked in place of the position and velocity; the
    // boxes of both forms take the exponent form that number texts use.
    const bool elements = t.orbitByElements;
    if (elements)
        for (const QString& problem : ElementBoxProblems(t))
            c.Fail(problem);
    const QString axes[3] = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    const QString* positions[3] = {&t.rposX, &t.rposY, &t.rposZ};
    const QString* velocities[3] = {&t.rvelX, &t.rvelY, &t.rvelZ};
    const QString* angles[3] = {&t.arotX, &t.arotY, &t.arotZ};
    for (int a = 0; a < 3 && !elements; ++a) {
        if (!IsANumberOrExponent(*positions[a]))
            c.Fail(QStringLiteral("The position relative to the reference on axis %1 is not correct.")
                       .arg(axes[a]));
    }
    for (int a = 0; a < 3 && !elements; ++a) {
        if (!IsANumberOrExponent(*velocities[a]))
            c.Fail(
                QStringLiteral("The velocity relative to reference on axis %1 is not correct.").arg(axes[a]));
    }
    for (int a = 0; a < 3; ++a) {
        if (!IsAngle(*angles[a]))
            c.Fail(QStringLiteral("The object frame rotation angle orientation on axis %1 is not correct.")
                       .arg(axes[a]));
    }
    // Without its planet the ship cannot be placed against it: the user is told that none is
    // chosen, or which file is missing, and nothing is stored.
    const bool planetChosen = !Trim(t.orbitingPlanet).isEmpty();
    if (!planetChosen)
        c.Fail(kNoPlanetChosen);
    else if (!planet.readable)
        c.Fail(
            QStringLiteral("The planet file \"%1\" cannot be read: choose the planet the ship orbits around.")
                .arg(DisplayPath(planet.file)));
    if (elements) return;
    const double x = LeadingNumber(t.rposX);
    const double y = LeadingNumber(t.rposY);
    const double z = LeadingNumber(t.rposZ);
    if (std::sqrt(x * x + y * y + z * z) <= (planetChosen ? planet.MeanRadius : 0.0))
        c.Fail(kShipInsidePlanet, true);
}

// A number of degrees within [-limit, limit].
bool IsDegrees(const QString& text, double limit) {
    if (!IsANumber(text)) return false;
    const double value = LeadingNumber(text);
    return value >= -limit && value <= limit;
}

// A landed ship at a position: the body it stands on, its longitude and its latitude.
void PositionChecks(const ShipEditorTexts& t, Collector& c) {
    if (Trim(t.landedBody).isEmpty()) c.Fail(kNoPlanetChosen);
    if (!IsDegrees(t.landedLongitude, 180)) c.Fail(kLandedLongitudeWrong);
    if (!IsDegrees(t.landedLatitude, 90)) c.Fail(kLandedLatitudeWrong);
}

void ClassCheck(const ShipEditorTexts& t, Collector& c, bool endsGroup) {
    if (t.className.isEmpty()) c.Fail(QStringLiteral("You must assign a class to the ship."), endsGroup);
}
} // namespace

ShipValidation ValidateShip(const ShipEditorTexts& t, const PlanetData& planet,
                            const QStringList& otherNames) {
    ShipValidation result;
    Collector c(result);
    // Without a status no other check follows, so a name message then ends the box.
    const bool nameChecksAlone = t.status == ShipStatusChoice::None;
    // The header line of a ship block is "<name>:<class>": a name holding ":" would come back
    // from the saved file cut there, with the rest glued to the class.
    if (t.name.contains(u':')) c.Fail(kNameWithColon.arg(QStringLiteral("ship")), nameChecksAlone);
    // Two ships of one name: the focus list could not tell them apart, nor could the simulator.
    if (NameIsTaken(t.name, otherNames)) c.Fail(kNameTaken.arg(QStringLiteral("ship")), nameChecksAlone);
    switch (t.status) {
    case ShipStatusChoice::Orbiting:
        OrbitingChecks(t, planet, c);
        break;
    case ShipStatusChoice::Landed: {
        const bool byPosition = t.landedAt == LandedAt::Position;
        if (byPosition)
            PositionChecks(t, c);
        else if (t.landedBase.isEmpty())
            c.Fail(QStringLiteral("You must assign the ship to a base pad."));
        ClassCheck(t, c, false);
        // A ship at a position may stand without a heading, as the simulator's own files put
        // many: no heading line is written then.
        if (!(byPosition && t.heading.isEmpty()) && (t.heading.isEmpty() || !IsANumber(t.heading)))
            c.Fail(QStringLiteral("You must must enter a correct heading."), true);
        break;
    }
    case ShipStatusChoice::Docked:
        if (t.dockedStation.isEmpty()) c.Fail(QStringLiteral("You must assign the ship to a station dock."));
        ClassCheck(t, c, true);
        break;
    case ShipStatusChoice::None:
        break;
    }
    // The tanks are stored whatever the status; their messages close the box.
    for (const QString& message : TankLevelProblems(t.tankLevels))
        c.Fail(message, true);
    c.Finish();
    return result;
}
