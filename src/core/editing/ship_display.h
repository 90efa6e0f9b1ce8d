#pragma once
// What the ship tab shows for a row, as the texts of its controls: the one description of the
// display that both the tab and a save use, so that a save can tell a value the user changed
// from one that only the display changed (a fuel of "1" is shown as 100 % and stored back as
// " 1").
#include "core/editing/ship_editor_texts.h"
#include "core/scenario/scenario_source.h"

#include <QStringList>

class ShipDocks;

// The placement of a row: by its dock for a ship whose block has a DOCKINFO pair and no RPOS,
// RVEL or ELEMENTS line, by orbital elements for an orbiting ship whose row has a semi-major
// axis (the elements' columns are emptied when the ship is given a position), by longitude and
// latitude for a landed ship whose row names no base and a longitude. facts and read are those
// of the row's block; a row without them is placed by its own values.
ShipPlacement PlacementOf(const ShipRow& row, const ShipBlockFacts* facts, const ShipRow* read);
// From the row alone: by longitude and latitude for a landed ship whose row names no base and a
// longitude, by its status otherwise. The writer tells a ship added in the editor by it too.
ShipPlacement LandedPlacementOf(const ShipRow& row);
ShipPlacement PlacementOf(const ScenarioDocument& document, const ShipRow& row);

// Whether the fuel and engine levels are made too: the validation reads none of them, and a
// check of many scenarios spares their texts. The tank levels, which it reads, are made always.
enum class ShipLevels { Shown, Left };

// The texts of the ship controls right after the tab shows the row (the row selected, the
// tab reset, then shown). A block without a heading line shows no heading for a ship placed
// by longitude and latitude; a ship placed by orbital elements shows its elements and no
// position.
ShipEditorTexts ShipDisplayTexts(const ShipRow& row, ShipPlacement placement, const ShipBlockFacts* facts,
                                 ShipLevels levels = ShipLevels::Shown);

// The same for a row of a document: its placement and block found in the document.
ShipEditorTexts ShipDisplayTexts(const ScenarioDocument& document, const ShipRow& row,
                                 ShipLevels levels = ShipLevels::Shown);

// The same for row `row` of a document, a ship placed by its dock shown docked at the ship its
// docks lead to (the docks are those of the document's listed ships).
ShipEditorTexts ShipDisplayTexts(const ScenarioDocument& document, int row, const ShipDocks& docks,
                                 ShipLevels levels = ShipLevels::Shown);

// The row a validation right after the display of a row read from a file would store.
ShipRow DisplayedShipRow(const ShipRow& read, const ShipBlockFacts& facts);
