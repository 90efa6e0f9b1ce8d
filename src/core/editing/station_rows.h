#pragma once
// The station table as the station tab changes it: a validated row stored, a row removed.
#include "core/editing/station_validation.h"
#include "core/scenario/scenario_document.h"

// What the tab stores besides the validated texts: the class and the epoch of the orbit.
struct StationRowExtras {
    QString className;
    double epochDate = 0; // calendar day count
    QString epochHour;
    QString epochMinute;
};

// Stores validated texts in row i, growing the table to hold it. Ships docked at the station,
// found by the name it had, move with it to its new planet; shipCount is the number of listed
// ships.
void StoreStationRow(ScenarioDocument& document, int i, int shipCount, const StationControlTexts& texts,
                     const StationRowExtras& extras);

// Removes row i of the count listed stations: the rows after it move up, and the last listed
// row stays as it was to become the spare. False, with nothing changed, for a row not listed.
bool RemoveStationRow(ScenarioDocument& document, int i, int count);
