#pragma once
// Putting the ship being edited beside another on that one's orbit, a given arc length ahead or
// behind, as rendezvous practice starts: the ships and stations it may be put beside, and the
// texts the orbiting frame's boxes get from the placement. Nothing is stored here: the texts
// wait in the form for the ship's validation like any the user types.
#include "core/editing/orbiters_at_start.h"
#include "core/installation/planet_data.h"
#include "core/scenario/ship_columns.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The orbiters the ship of the given row may be put beside: every one going round a body at
// the start but the ship itself. Docked ships are left out: they share their partner's orbit,
// and the partner (or the station it hangs on) is in the list.
std::vector<OrbiterAtStart> BesideChoices(const std::vector<OrbiterAtStart>& orbiters, int shipRow);

// The entry of the list: the name, and what it goes round, "Lifter (Tarn)".
QString BesideEntryText(const OrbiterAtStart& orbiter);

// The distance box in kilometres along the other's orbit, negative behind: a plain decimal as
// the editor's other boxes take it ("-2", "0.5"; no comma, no exponent). Nothing otherwise.
std::optional<double> BesideDistance(const QString& text);

struct BesidePlacement {
    QStringList problems;
    ShipEditorTexts ecliptic; // the orbit as the file will hold it
    ShipEditorTexts shown;    // the same in the frame the boxes show
    bool Done() const { return problems.isEmpty(); }
};

// The ship's texts once it is put the given kilometres along the other's orbit at the start:
// the other's body as its planet, and the orbit in the form the texts choose (by elements, the
// elements of that state with the start as their epoch), in the equator frame of that body when
// inEquator. planet is the other's body. Every other text stays as given.
BesidePlacement TextsPlacedBeside(const ShipEditorTexts& texts, const OrbiterAtStart& other,
                                  const PlanetData& planet, double kilometres, double startMjd,
                                  bool inEquator);
