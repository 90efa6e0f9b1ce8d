#pragma once
// Turns the bytes of a scenario file into the document and the list entries that go with it.
#include "core/scenario/scenario_document.h"

#include <QByteArray>
#include <QStringList>

struct ScenarioReadResult {
    // Description, SystemName, StartDate, StartHour, StartMinute, FocusShip and both tables.
    // The station table has rows 0 to the station count (one spare row), the ship table rows
    // 0 to the ship count (one spare row). Station epochs are already day, hour and minute.
    ScenarioDocument document;
    QStringList stationNames;      // the entries of the station list, row order
    QStringList shipNames;         // the entries of the ship list, row order
    QStringList possibleShipFocus; // Name ":" ClassName of every ship, row order
    QString shipIndexText;         // current row and ship count, as " 2: 2"
    bool hasShips = false;         // false: the file has no ship header at all
    // False when the file holds no record beginning with "Date", "Ship" or "System": the
    // start is then MJD 0 (17 November 1858, 00:00), the focus ship and system empty.
    bool hasDate = false;
    bool hasFocusShip = false;
    bool hasSystem = false;
};

ScenarioReadResult ReadScenario(const QByteArray& bytes);

// The description of a scenario: the lines between the first line reading "BEGIN_DESC" and
// the next one reading "END_DESC" (blanks around them ignored, letter case counting), exactly
// as read, joined by CR LF. Empty when the file has no such section.
QString ScenarioDescription(const QByteArray& bytes);

// The description of the newer form: every line of the first BEGIN_HYPERDESC section (HTML),
// markers excluded, joined by line feeds. Empty when the file has none.
QString ScenarioHyperDescription(const QByteArray& bytes);
