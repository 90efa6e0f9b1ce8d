#pragma once
// The two forms an orbiting ship's orbit is given in: its position and velocity (RPOS, RVEL)
// or its orbital elements (ELEMENTS), and the conversion between them at the scenario's start,
// as the orbiting frame does it when the user switches from one form to the other.
#include "core/editing/ship_editor_texts.h"
#include "core/installation/planet_data.h"
#include "core/orbit/equator_frame.h"
#include "core/orbit/orbit_insight.h"
#include "core/scenario/scenario_document.h"

#include <QString>
#include <QStringList>

// The boxes of each form, in their order on the frame and in the file's lines.
inline constexpr QString ShipEditorTexts::*kShipElementBoxes[7] = {
    &ShipEditorTexts::elementsSemiMajorAxis,
    &ShipEditorTexts::elementsExcentricity,
    &ShipEditorTexts::elementsInclination,
    &ShipEditorTexts::elementsAscendingNode,
    &ShipEditorTexts::elementsPeriapsisLongitude,
    &ShipEditorTexts::elementsMeanLongitude,
    &ShipEditorTexts::elementsEpoch};
inline constexpr QString ShipEditorTexts::*kShipStateBoxes[6] = {
    &ShipEditorTexts::rposX, &ShipEditorTexts::rposY, &ShipEditorTexts::rposZ,
    &ShipEditorTexts::rvelX, &ShipEditorTexts::rvelY, &ShipEditorTexts::rvelZ};

// The texts of both forms' boxes in that order, the six of the state then the seven elements,
// as the orbiting frame keeps a form's boxes aside; and the texts given such a list back.
QStringList OrbitBoxTexts(const ShipEditorTexts& texts);
void SetOrbitBoxTexts(ShipEditorTexts& texts, const QStringList& boxes);

// The start of the scenario as an MJD: the very value the file's Date line gives while the
// start is the one read, since a calendar and two pickers hold it only to the minute.
double StartMjdOf(const ScenarioDocument& document);

// The checks of the seven element boxes, as messages in box order: the semi-major axis a
// number other than 0, above 0 for an ellipse and below 0 for a hyperbola; the excentricity a
// number not below 0 and not 1 (a parabola has no semi-major axis); the inclination from 0 to
// 180 degrees; the node, the periapsis longitude and the mean longitude numbers (any angle,
// since the mean longitude of a hyperbola runs past 360); the epoch a number or empty for the
// start. A number is a plain decimal or one in the exponent form number texts use.
QStringList ElementBoxProblems(const ShipEditorTexts& texts);

// What a switch of form gives: the texts with the other form's boxes filled and the form's own
// emptied, or the messages saying why it cannot be done (the texts then as given).
struct OrbitFormSwitch {
    QStringList problems;
    ShipEditorTexts texts;
    bool Done() const { return problems.isEmpty(); }
};

// The elements carried to the start (an empty epoch is the start), as the position and
// velocity there; a component below 1e-9 of its vector's length shows as 0.
OrbitFormSwitch StateFromElementTexts(const ShipEditorTexts& texts, const PlanetData& planet,
                                      double startMjd);
// The elements of the position and velocity, with the start as their epoch.
OrbitFormSwitch ElementsFromStateTexts(const ShipEditorTexts& texts, const PlanetData& planet,
                                       double startMjd);

// The orbit the element boxes give, as the orbit panel shows it: worked out from the position
// and velocity at the start, so that open orbits are shown as closed ones are.
OrbitInsight ShipElementsInsight(const ShipEditorTexts& texts, const PlanetData& planet, double startMjd);

// The boxes of the form the texts choose turned from the ecliptic frame into the body's equator
// frame (toEquator) or back: the position and velocity turned as vectors, the elements through
// the position and velocity at their own epoch, which keeps its text. Boxes left blank stay
// blank; the texts of the other form are not touched.
OrbitFormSwitch OrbitTextsInFrame(const ShipEditorTexts& texts, const PlanetData& planet,
                                  const EquatorFrame& frame, double startMjd, bool toEquator);
