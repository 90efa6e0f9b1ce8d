#include "core/editing/scenario_saving.h"

#include "core/editing/ship_display.h"
#include "core/scenario/scenario_writer.h"

QByteArray SavedScenarioBytes(const ScenarioDocument& document, int stationCount, int shipCount) {
    return ScenarioFileBytes(document, stationCount, shipCount, &DisplayedShipRow);
}
