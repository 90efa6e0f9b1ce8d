#pragma once
// The exact bytes of a scenario file: every line ended by CR LF, in the simulator's code page.
#include "core/scenario/scenario_document.h"
#include "core/scenario/scenario_source.h"

#include <QByteArray>
#include <QString>
#include <functional>

// How the editor shows a ship read from a file: the row a validation made right after the ship
// is shown would store. A value equal to the one read or to this one is no change of the
// user's; without it, only the values read count.
using ShownShipRow = std::function<ShipRow(const ShipRow& read, const ShipBlockFacts& facts)>;

// Writes the description, environment, focus, the camera/HUD/MFD sections, stations 0 to
// stationCount - 1 and ships 0 to shipCount - 1. A document read from a file keeps what the
// editor does not edit: its other sections and lines are written as read, and so is every
// line whose value is still the one read (or the one shown). A document made from nothing
// is written in the editor's own form, with the fixed camera, HUD and MFD sections.
QByteArray ScenarioFileBytes(const ScenarioDocument& document, int stationCount, int shipCount,
                             const ShownShipRow& shown = nullptr);
