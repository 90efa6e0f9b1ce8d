#pragma once
// The DOCKINFO lines of ship blocks as the writer sees them. The pairs are the session's to
// change, on both ships of a pair at once; the writer only tells whether a row's lines are
// still those of its block, and which ship its dock places.
#include "core/scenario/scenario_document.h"
#include "core/scenario/scenario_source.h"

#include <QStringList>

// The DOCKINFO lines among the row's unknown lines, each without its comment and the blanks
// around it.
QStringList RowDockinfoLines(const ShipRow& row);
// The same of the block as read.
QStringList BlockDockinfoLines(const ScenarioSource& source, const ShipSource& block);
// An orbiting ship docked in the editor has no place of its own: its dock puts it at its
// partner's port, and it gets no RPOS, RVEL or ELEMENTS line.
bool PlacedByItsDock(const ShipRow& row);
