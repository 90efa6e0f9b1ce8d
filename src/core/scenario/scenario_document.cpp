#include "core/scenario/scenario_document.h"

#include "core/scenario/ship_columns.h"
#include "core/text/line_views.h"

#include <algorithm>

namespace {
std::size_t RowCount(int t) {
    return static_cast<std::size_t>(std::max(t, -1) + 1);
}
} // namespace

bool LandedAtPosition(const ShipRow& row) {
    return UpperEquals(TrimView(row.Status), QLatin1StringView("LANDED")) && TrimView(row.Base).isEmpty() &&
           !TrimView(row.Longitude).isEmpty();
}

void ScenarioDocument::StationTableRedim(int t) {
    StationTable.assign(RowCount(t), StationRow{});
}

void ScenarioDocument::StationTableRedimPreserve(int t) {
    StationTable.resize(RowCount(t));
}

void ScenarioDocument::ShipTableRedim(int t) {
    ShipTable.assign(RowCount(t), ShipRow{});
}

void ScenarioDocument::ShipTableRedimPreserve(int t) {
    ShipTable.resize(RowCount(t));
}

void ScenarioDocument::ShipTableBlanking(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= ShipTable.size()) return;
    ShipRow& row = ShipTable[static_cast<std::size_t>(i)];
    for (const ShipColumnSpec& column : kShipColumnSpecs)
        if (column.blank != ShipBlank::Kept) row.*column.member = ShipBlankText(column.blank);
}
