#include "core/editing/ship_lists.h"

#include "core/editing/ship_percent.h"
#include "core/text/text_rules.h"

int ShipRowNumber(const QString& shipIndexText) {
    const double value = LeadingNumber(shipIndexText);
    if (!(value > -0.5) || value >= 1e9) return -1;
    return RoundHalfEven(value);
}

QString ShipNameOfEntry(const QString& entry) {
    const qsizetype colon = entry.indexOf(u':');
    return colon < 0 ? entry : entry.left(colon);
}

QString FocusFromPick(const QString& pickedText) {
    return ShipNameOfEntry(Trim(pickedText));
}

namespace {
int ExistingRows(const std::vector<ShipRow>& table, int count) {
    return std::max(0, std::min(count, static_cast<int>(table.size())));
}
} // namespace

QStringList PossibleShipFocusEntries(const std::vector<ShipRow>& table, int count) {
    QStringList entries;
    for (int k = 0; k < ExistingRows(table, count); ++k)
        entries.append(table[std::size_t(k)].Name + u':' + table[std::size_t(k)].ClassName);
    return entries;
}

QStringList ShipNameEntries(const std::vector<ShipRow>& table, int count) {
    QStringList names;
    for (int k = 0; k < ExistingRows(table, count); ++k)
        names.append(table[std::size_t(k)].Name);
    return names;
}

bool FocusShipFound(const QStringList& possibleShipFocus, const QString& focusShip) {
    for (const QString& entry : possibleShipFocus) {
        if (ShipNameOfEntry(entry) == focusShip) return true;
    }
    return false;
}

bool RemoveShipRow(ScenarioDocument& document, int i, int count) {
    auto& table = document.ShipTable;
    if (i < 0 || i >= count || count > static_cast<int>(table.size())) return false;
    for (int k = i; k <= count - 2; ++k)
        table[std::size_t(k)] = table[std::size_t(k) + 1];
    document.ShipTableRedimPreserve(count - 1);
    return true;
}
