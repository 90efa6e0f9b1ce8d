#include "core/editing/station_rows.h"

#include "core/text/text_rules.h"

#include <algorithm>

void StoreStationRow(ScenarioDocument& document, int i, int shipCount, const StationControlTexts& texts,
                     const StationRowExtras& extras) {
    if (i < 0) return;
    if (i >= static_cast<int>(document.StationTable.size())) document.StationTableRedimPreserve(i);
    StationRow& row = document.StationTable[std::size_t(i)];

    if (texts.refPlanet != row.Ref) {
        const int ships = std::min(shipCount, static_cast<int>(document.ShipTable.size()));
        for (int j = 0; j < ships; ++j) {
            ShipRow& ship = document.ShipTable[std::size_t(j)];
            if (UCase(ship.Status) == u"DOCKED" && row.Name == ship.DockedStation)
                ship.StatusRef = texts.refPlanet;
        }
    }

    row.Name = texts.name;
    row.ClassName = extras.className;
    row.Ref = texts.refPlanet;
    row.ZrotFrequency = texts.rotationFrequency;
    row.ArotX = texts.xAngle;
    row.ArotY = texts.yAngle;
    row.ArotZ = texts.zAngle;
    row.ClassRotation = texts.classRotation;
    row.SemiMajorAxis = texts.semiMajorAxis;
    row.Excentricity = texts.excentricity;
    row.Inclination = texts.inclination;
    row.AscendingNodeLongitude = texts.ascendingNodeLongitude;
    row.PeriapsisLongitude = texts.periapsisLongitude;
    row.MeanLongitude = texts.meanLongitude;
    row.EpochDate = extras.epochDate;
    row.EpochHour = extras.epochHour;
    row.EpochMinute = extras.epochMinute;
}

bool RemoveStationRow(ScenarioDocument& document, int i, int count) {
    auto& table = document.StationTable;
    if (i < 0 || i >= count) return false;
    for (int k = i; k <= count - 2 && k + 1 < static_cast<int>(table.size()); ++k)
        table[std::size_t(k)] = table[std::size_t(k) + 1];
    document.StationTableRedimPreserve(count - 1);
    return true;
}
