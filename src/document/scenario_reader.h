#pragma once
// Turns the bytes of a scenario file into the document and the list entries that go with it.
#include "document/scenario_document.h"

#include <QByteArray>
#include <QStringList>

struct ScenarioReadResult {
    // SystemName, StartDate, StartHour, StartMinute, FocusShip and both tables. The station
    // table has rows 0 to stationCount (one spare); the ship table rows 0 to the ship count.
    ScenarioDocument document;
    QStringList stationNames;      // the entries of the station list, row order
    QStringList shipNames;         // the entries of the ship list, row order
    QStringList possibleShipFocus; // the ship header lines, trimmed
    QString shipIndexText;         // current row and ship count, as " 2: 2"
    bool hasShips = false;         // false: the file has no ship header at all
};

ScenarioReadResult ReadScenario(const QByteArray& bytes);

// The description of a scenario: the lines between "BEGIN_DESC" and "END_DESC", joined by CR LF.
QString ScenarioDescription(const QByteArray& bytes);
