#include "core/editing/dock_pairs.h"

#include "core/scenario/ship_lines.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>

namespace {
QString NameKey(const QString& name) {
    return UCase(Trim(name));
}

ShipRow& Row(ScenarioDocument& document, int r) {
    return document.ShipTable[std::size_t(r)];
}

QString PairText(int ownPort, int otherPort, const QString& other) {
    return QStringLiteral("%1:%2,%3").arg(ownPort).arg(otherPort).arg(Trim(other));
}

DockPair MadePair(int ownPort, int otherPort, const QString& other) {
    return DockPair{ownPort, otherPort, Trim(other), PairText(ownPort, otherPort, other)};
}

void SetPairs(ShipRow& row, const std::vector<DockPair>& pairs) {
    row.OtherLines = OtherLinesWithPairs(row.OtherLines, pairs);
}

// Removes the pairs of row `r` naming `other` on these ports (any ports for -1).
void RemovePairs(ShipRow& row, const QString& other, int ownPort, int otherPort) {
    std::vector<DockPair> pairs = DockPairsOf(row.OtherLines);
    const auto gone = [&](const DockPair& pair) {
        return NameKey(pair.other) == NameKey(other) && (ownPort < 0 || pair.ownPort == ownPort) &&
               (otherPort < 0 || pair.otherPort == otherPort);
    };
    const auto end = std::remove_if(pairs.begin(), pairs.end(), gone);
    if (end == pairs.end()) return;
    pairs.erase(end, pairs.end());
    SetPairs(row, pairs);
}

// The ship's place taken from another's: its body, its state vectors or its elements.
void FloatAt(ShipRow& row, const ShipRow& from) {
    row.Status = QStringLiteral("Orbiting");
    row.StatusRef = from.StatusRef;
    for (QString ShipRow::*column :
         {&ShipRow::RposX, &ShipRow::RposY, &ShipRow::RposZ, &ShipRow::RvelX, &ShipRow::RvelY,
          &ShipRow::RvelZ, &ShipRow::ElementsSemiMajorAxis, &ShipRow::ElementsExcentricity,
          &ShipRow::ElementsInclination, &ShipRow::ElementsAscendingNode,
          &ShipRow::ElementsPeriapsisLongitude, &ShipRow::ElementsMeanLongitude, &ShipRow::ElementsEpoch})
        row.*column = from.*column;
}

// Takes the ship out of the dock that places it, without giving it a place: the pair towards
// the ship with a position goes from both rows. Returns the row of that ship, -1 for none.
int LeaveDock(ScenarioDocument& document, int count, int ship) {
    const ShipDocks docks(document, count);
    if (ship < 0 || ship >= docks.Count() || !docks.PlacedByDock(ship)) return -1;
    const ShipDockedAt at = docks.DockedAt(ship);
    if (at.pair < 0) return -1;
    const DockPair pair = docks.Pairs(ship)[std::size_t(at.pair)];
    RemovePairs(Row(document, ship), pair.other, pair.ownPort, pair.otherPort);
    if (at.partner >= 0)
        RemovePairs(Row(document, at.partner), Row(document, ship).Name, pair.otherPort, pair.ownPort);
    return at.anchor;
}
} // namespace

QString OtherLinesWithPairs(const QString& otherLines, const std::vector<DockPair>& pairs) {
    QStringList texts;
    for (const DockPair& pair : pairs)
        texts.append(pair.text.isEmpty() ? PairText(pair.ownPort, pair.otherPort, pair.other) : pair.text);
    const QString dockinfo = QStringLiteral("DOCKINFO ") + texts.join(u' ');
    QStringList lines;
    bool placed = false;
    ForEachLine(QStringView(otherLines), [&](QStringView line) {
        const QStringView t = TrimView(line);
        if (ShipLineKindOf(t) != ShipLineKind::Dockinfo) {
            lines.append(line.toString());
            return;
        }
        if (placed || pairs.empty()) return;
        // In the place and the indentation of the line it replaces.
        lines.append(line.left(line.indexOf(t.front())).toString() + dockinfo);
        placed = true;
    });
    if (!placed && !pairs.empty()) lines.append(QStringLiteral("  ") + dockinfo);
    return lines.join(QStringLiteral("\r\n"));
}

int FirstFreePort(const std::vector<DockPair>& pairs) {
    int port = 0;
    while (std::any_of(pairs.begin(), pairs.end(), [&](const DockPair& p) { return p.ownPort == port; }))
        ++port;
    return port;
}

QString DockRefusal(const ScenarioDocument& document, int count, const DockRequest& request) {
    const ShipDocks docks(document, count);
    if (request.ship < 0 || request.ship >= docks.Count() || request.partner < 0 ||
        request.partner >= docks.Count())
        return {};
    const auto taken = [&](int row, int port, int leaving) -> QString {
        for (const DockPair& pair : docks.Pairs(row)) {
            // The dock the ship leaves frees its port.
            if (pair.ownPort != port || docks.RowNamed(pair.other) == leaving) continue;
            return QStringLiteral("Port %1 of %2 is taken by the ship %3 already.")
                .arg(ShownPort(port), Trim(document.ShipTable[std::size_t(row)].Name), Trim(pair.other));
        }
        return {};
    };
    // A ship that moves from one port of the partner to another leaves the first.
    const int leaving = docks.PlacedByDock(request.ship) ? docks.DockedAt(request.ship).partner : -1;
    const QString partner =
        taken(request.partner, request.partnerPort, leaving == request.partner ? request.ship : -2);
    if (!partner.isEmpty()) return partner;
    return taken(request.ship, request.ownPort, leaving);
}

void DockShip(ScenarioDocument& document, int count, const DockRequest& request) {
    if (request.ship < 0 || request.partner < 0 || request.ship == request.partner) return;
    if (request.ship >= count || request.partner >= count) return;
    LeaveDock(document, count, request.ship);
    ShipRow& ship = Row(document, request.ship);
    ShipRow& partner = Row(document, request.partner);
    std::vector<DockPair> own = DockPairsOf(ship.OtherLines);
    own.push_back(MadePair(request.ownPort, request.partnerPort, partner.Name));
    SetPairs(ship, own);
    std::vector<DockPair> back = DockPairsOf(partner.OtherLines);
    back.push_back(MadePair(request.partnerPort, request.ownPort, ship.Name));
    SetPairs(partner, back);
    // The body is that of the ship with a position the partner's docks lead to.
    const ShipDocks docks(document, count);
    const ShipDockedAt at = docks.DockedAt(request.ship);
    ship.Status = QStringLiteral("Orbiting");
    ship.StatusRef = at.anchor >= 0 ? Row(document, at.anchor).StatusRef : partner.StatusRef;
    for (QString ShipRow::*column :
         {&ShipRow::RposX, &ShipRow::RposY, &ShipRow::RposZ, &ShipRow::RvelX, &ShipRow::RvelY,
          &ShipRow::RvelZ, &ShipRow::ElementsSemiMajorAxis, &ShipRow::ElementsExcentricity,
          &ShipRow::ElementsInclination, &ShipRow::ElementsAscendingNode,
          &ShipRow::ElementsPeriapsisLongitude, &ShipRow::ElementsMeanLongitude, &ShipRow::ElementsEpoch,
          &ShipRow::Base, &ShipRow::Pad, &ShipRow::Longitude, &ShipRow::Latitude, &ShipRow::DockedStation,
          &ShipRow::DockedPort})
        ship.*column = QString();
}

bool UndockShip(ScenarioDocument& document, int count, int ship) {
    const ShipDocks docks(document, count);
    if (ship < 0 || ship >= docks.Count() || !docks.PlacedByDock(ship)) return false;
    const int anchor = LeaveDock(document, count, ship);
    // The dock's offset from the carrier's centre is not known here: the ship floats where the
    // carrier is, on its orbit.
    if (anchor >= 0) FloatAt(Row(document, ship), Row(document, anchor));
    return true;
}

void RenameInPairs(ScenarioDocument& document, int count, int ship, const QString& name) {
    if (ship < 0 || ship >= count) return;
    const QString old = NameKey(Row(document, ship).Name);
    if (old == NameKey(name) && Trim(Row(document, ship).Name) == Trim(name)) return;
    for (int r = 0; r < count; ++r) {
        if (r == ship) continue;
        ShipRow& row = Row(document, r);
        std::vector<DockPair> pairs = DockPairsOf(row.OtherLines);
        bool renamed = false;
        for (DockPair& pair : pairs) {
            if (NameKey(pair.other) != old) continue;
            pair = MadePair(pair.ownPort, pair.otherPort, name);
            renamed = true;
        }
        if (renamed) SetPairs(row, pairs);
    }
}

void RemovePairsOf(ScenarioDocument& document, int count, int ship) {
    if (ship < 0 || ship >= count) return;
    const ShipDocks before(document, count);
    // The state the deleted ship had: its own, or that of the ship its docks carried it with.
    const int carrier = before.PlacedByDock(ship) ? before.DockedAt(ship).anchor : ship;
    const ShipRow last = carrier >= 0 ? Row(document, carrier) : ShipRow();
    const QString name = Row(document, ship).Name;
    std::vector<int> partners;
    for (const DockPair& pair : before.Pairs(ship)) {
        const int partner = before.RowNamed(pair.other);
        if (partner >= 0 && partner != ship &&
            std::find(partners.begin(), partners.end(), partner) == partners.end())
            partners.push_back(partner);
    }
    for (int partner : partners)
        RemovePairs(Row(document, partner), name, -1, -1);
    SetPairs(Row(document, ship), {});
    const ShipDocks after(document, count);
    // A partner with a place of its own keeps it; one its dock placed keeps the place another
    // chain gives it, or floats where the deleted ship was.
    for (int partner : partners) {
        if (!before.PlacedByDock(partner)) continue;
        if (after.PlacedByDock(partner) && after.DockedAt(partner).anchor >= 0) continue;
        if (carrier >= 0) FloatAt(Row(document, partner), last);
    }
}
