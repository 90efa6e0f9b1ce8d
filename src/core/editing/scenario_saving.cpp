#include "core/editing/scenario_saving.h"

#include "core/editing/editor_session.h"
#include "core/editing/ship_display.h"
#include "core/scenario/scenario_writer.h"

QByteArray SavedScenarioBytes(const ScenarioDocument& document, int stationCount, int shipCount) {
    return ScenarioFileBytes(document, stationCount, shipCount, &DisplayedShipRow);
}

QByteArray SessionSaveBytes(const EditorSession& session) {
    return SavedScenarioBytes(session.documentToSave(), session.stationCount(), session.shipCount());
}
