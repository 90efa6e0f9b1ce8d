#pragma once
// What the ship tab holds while the user edits a ship: the texts of its controls and the
// status option that is selected. Validation checks these texts and stores them in a row.
#include "core/scenario/scenario_document.h"

#include <QString>

enum class ShipStatusChoice { None, Landed, Orbiting, Docked };

// How a ship read from a file is placed: by its status lines as the form shows them, or by a
// placement the form has no boxes for, which stays until the user gives a position (an
// orbiting ship placed by orbital elements) or picks a pad (a landed ship placed by longitude
// and latitude). A ship placed by its dock to another ship (a DOCKINFO pair, no position of its
// own) is shown docked and keeps its status and place as read.
enum class ShipPlacement { ByStatus, ByElements, ByPosition, ByDock };

struct ShipEditorTexts {
    QString name;      // the edit text of the ship list
    QString className; // the ship class caption
    ShipStatusChoice status = ShipStatusChoice::None;
    // Landed frame
    QString landedPlanet, landedBase, landedPad, heading;
    // Orbiting frame
    QString orbitingPlanet;
    QString rposX, rposY, rposZ, rvelX, rvelY, rvelZ, arotX, arotY, arotZ, angularVelocity;
    // Docked frame
    QString dockedPlanet, dockedStation, dockedPort;
    // Engine settings, as the labels read (" 75 %", "0", ...)
    QString fuel, mainEngine, hoverEngine;
    // The placement of the ship shown: the boxes it has no use for may stay empty.
    ShipPlacement placement = ShipPlacement::ByStatus;
};

// The row that a successful validation stores: every column from the texts, the levels as
// fractions; Status and StatusRef keep the old values when no status is selected, and the
// unknown lines of the ship block stay with it. A ship placed by its dock keeps its status, its
// planet and every column of its place (base, pad, heading, station, port, state vectors,
// rotation) as they were: the form only shows where its dock puts it.
ShipRow StoredShipRow(const ShipRow& old, const ShipEditorTexts& texts);
