#pragma once
// The ship list, the list of possible user-controlled ships and the rows behind them.
#include "core/scenario/scenario_document.h"

#include <QString>
#include <QStringList>

// The row number that the hidden label ShipIndex holds ("1", " 1", or as a file was read, " 2: 2"),
// rounded to a whole number; -1 when it is negative or too large to be a row.
int ShipRowNumber(const QString& shipIndexText);
// The ship name of a "name:class" entry: the text before its first ":" (all of it without one).
QString ShipNameOfEntry(const QString& entry);
// The user-controlled ship that a picked "name:class" entry gives, trimmed first.
QString FocusFromPick(const QString& pickedText);
// One "name:class" entry per row 0 to count - 1 (rows that do not exist are left out).
QStringList PossibleShipFocusEntries(const std::vector<ShipRow>& table, int count);
// The names of rows 0 to count - 1.
QStringList ShipNameEntries(const std::vector<ShipRow>& table, int count);
// Whether one of the entries names the user-controlled ship (exact comparison).
bool FocusShipFound(const QStringList& possibleShipFocus, const QString& focusShip);
// Removes ship i of count ships: the rows after it move up one, every column with them, and
// the table keeps rows 0 to count - 1 (the last ship's values stay in the spare row).
// False, with nothing changed, when i is not one of the ships.
bool RemoveShipRow(ScenarioDocument& document, int i, int count);
