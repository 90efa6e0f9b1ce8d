// The catalogs of station dock ports and of bases, and the two location trees of the ship tab.
#include "app/tyx.h"
#include "core/installation/base_catalog.h"
#include "core/installation/dock_catalog.h"
#include "core/io/file_access.h"
#include "core/text/text_rules.h"
#include "widgets/common/location_trees_view.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

namespace {
// The body list as listed; reading it leaves its last entry selected, as walking it does.
QStringList WalkBodies(QComboBox* bodies) {
    QStringList list;
    if (!bodies) return list;
    for (int p = 0; p < bodies->count(); ++p)
        list << bodies->itemText(p);
    if (!list.isEmpty()) Select(bodies, static_cast<int>(list.size()) - 1);
    return list;
}

int ListedRows(const QComboBox* list, size_t tableRows) {
    return list ? std::min(list->count(), static_cast<int>(tableRows)) : 0;
}
} // namespace

void TYX::StationDockScan() {
    StationClassCount = static_cast<int>(Buffer.size());
    if (StationClassCount < 1) return;
    StationClassDocks.assign(StationClassCount + 1, StationClassDock{QString(), 0});
    for (int i = 0; i < StationClassCount; ++i) {
        const QString& entry = Buffer[i];
        StationClassDocks[i].ClassName = entry.left(std::max<qsizetype>(entry.size() - 4, 0));
        // A class file that cannot be read now counts as one without a dock list.
        const auto bytes = ReadWholeFile(CfgDir->text() + entry);
        StationClassDocks[i].DockCount = bytes ? DockListCount(*bytes) : -1;
    }
}

int TYX::StationDockNumberDisplay(const QString& className) const {
    int result = 0;
    const QString wanted = Trim(UCase(className));
    const int count = std::min(StationClassCount, static_cast<int>(StationClassDocks.size()));
    for (int i = 0; i < count; ++i) {
        if (Trim(UCase(StationClassDocks[i].ClassName)) == wanted) result = StationClassDocks[i].DockCount;
    }
    return result;
}

void TYX::StationTreeUpdate() {
    const QStringList bodies = WalkBodies(StationRef);
    DockCounts docks;
    const int classes = std::min(StationClassCount, static_cast<int>(StationClassDocks.size()));
    for (int i = 0; i < classes; ++i)
        docks.Add(StationClassDocks[i].ClassName, StationClassDocks[i].DockCount);
    std::vector<StationPlace> stations;
    const int count = ListedRows(StationName, Document.StationTable.size());
    stations.reserve(count);
    for (int s = 0; s < count; ++s) {
        const StationRow& row = Document.StationTable[s];
        stations.push_back(StationPlace{row.Name, row.Ref, row.ClassName});
    }
    FillLocationTree(ShipDockedTree, StationTreeNodes(bodies, stations, docks));
}

void TYX::StationDockTreeUpdate() {
    std::vector<ShipPlace> ships;
    const int count = ListedRows(ShipName, Document.ShipTable.size());
    ships.reserve(count);
    for (int j = 0; j < count; ++j) {
        const ShipRow& row = Document.ShipTable[j];
        ships.push_back(ShipPlace{row.Name, row.Status, row.DockedStation, row.DockedPort});
    }
    ShowShipsInTree(ShipDockedTree, ships, "Docked");
}

void TYX::BaseUpDate() {
    const QStringList bodies = WalkBodies(StationRef);
    const QString folder = CfgDir->text();
    Transit = BuildBaseCatalog(
        bodies, [&folder](const QString& fileName) { return ReadWholeFile(folder + fileName); });
    BaseCount = static_cast<int>(Transit.size());
    BaseCatalog = Transit;
    BaseCatalog << QString(); // the spare entry
    BaseTreeUpdate();
}

void TYX::BaseTreeUpdate() {
    const QStringList bodies = WalkBodies(StationRef);
    FillLocationTree(ShipLandingTree, BaseTreeNodes(bodies, BaseCatalog, BaseCount));
}

void TYX::BasePadTreeUpdate() {
    std::vector<ShipPlace> ships;
    const int count = ListedRows(ShipName, Document.ShipTable.size());
    ships.reserve(count);
    for (int j = 0; j < count; ++j) {
        const ShipRow& row = Document.ShipTable[j];
        ships.push_back(ShipPlace{row.Name, row.Status, row.Base, row.Pad});
    }
    ShowShipsInTree(ShipLandingTree, ships, "Landed");
}
