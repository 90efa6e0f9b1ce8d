#pragma once
// The row a validation stores from what the ship tab holds (ShipEditorTexts, listed with the
// columns it fills).
#include "core/scenario/ship_columns.h"

// The row that a successful validation stores: every column from the texts, the levels as
// fractions; Status and StatusRef keep the old values when no status is selected, and the
// unknown lines of the ship block stay with it. A ship placed by its dock keeps its status, its
// planet and every column of its place (base, pad, heading, station, port, state vectors,
// rotation) as they were: the form only shows where its dock puts it. A landed ship put at a
// position stands on the body of the position boxes and keeps no base or pad. A ship with a
// level per tank takes its tanks from the tank table and its fuel from the first of them.
ShipRow StoredShipRow(const ShipRow& old, const ShipEditorTexts& texts);
