#include "core/editing/edit_history.h"

bool EditorSnapshot::sameScenario(const EditorSnapshot& other) const {
    return stationCount == other.stationCount && shipCount == other.shipCount && document == other.document;
}
