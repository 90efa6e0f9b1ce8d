#include "core/editing/ship_docks.h"

#include "core/scenario/ship_lines.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>
#include <array>
#include <map>

namespace {
// Ports are small numbers; more digits than this are no port.
constexpr qsizetype kMostPortDigits = 9;

bool IsPort(QStringView text) {
    if (text.isEmpty() || text.size() > kMostPortDigits) return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString NameKeyOf(const QString& name) {
    return UCase(Trim(name));
}

} // namespace

QString ShownPort(int port) {
    // Ships have few ports: their texts are made once.
    static const std::array<QString, 64> kShown = [] {
        std::array<QString, 64> texts;
        for (int p = 0; p < 64; ++p)
            texts[std::size_t(p)] = Trim(NumberText(static_cast<double>(p) + 1));
        return texts;
    }();
    if (port >= 0 && port < 64) return kShown[std::size_t(port)];
    return Trim(NumberText(static_cast<double>(port) + 1));
}

std::vector<DockPair> DockPairsOfLine(QStringView line) {
    std::vector<DockPair> pairs;
    if (ShipLineKindOf(line) != ShipLineKind::Dockinfo) return pairs;
    QStringView rest = AfterFirstWord(line);
    while (!rest.isEmpty()) {
        const SplitPair word = SplitAtFirst(rest, u' ');
        rest = TrimView(word.after);
        const SplitPair ports = SplitAtFirst(word.before, u':');
        const SplitPair other = SplitAtFirst(ports.after, u',');
        if (!HoldsChar(word.before, u':') || !HoldsChar(ports.after, u',')) continue;
        if (!IsPort(ports.before) || !IsPort(other.before) || other.after.isEmpty()) continue;
        pairs.push_back(DockPair{static_cast<int>(LeadingNumber(ports.before)),
                                 static_cast<int>(LeadingNumber(other.before)), other.after.toString(),
                                 word.before.toString()});
    }
    return pairs;
}

std::vector<DockPair> DockPairsOf(const QString& otherLines) {
    std::vector<DockPair> pairs;
    ForEachLine(QStringView(otherLines), [&](QStringView line) {
        for (DockPair& pair : DockPairsOfLine(TrimView(ClearCommentsView(line))))
            pairs.push_back(std::move(pair));
    });
    return pairs;
}

namespace {
bool DockedAtStationOfOlderForm(const ShipRow& row) {
    return UpperEquals(TrimView(row.Status), QLatin1StringView("DOCKED")) &&
           !TrimView(row.DockedStation).isEmpty();
}

// No state vectors and no elements: the columns of a block without those lines ("0" for a row
// that started from the blank values), or the empty ones a dock made in the editor leaves.
bool NoPositionInRow(const ShipRow& row, bool zeroIsNone) {
    if (!TrimView(row.ElementsSemiMajorAxis).isEmpty()) return false;
    for (const QString* column : {&row.RposX, &row.RposY, &row.RposZ, &row.RvelX, &row.RvelY, &row.RvelZ}) {
        const QStringView t = TrimView(*column);
        if (!t.isEmpty() && !(zeroIsNone && t == u"0")) return false;
    }
    return true;
}
} // namespace

bool RowPlacedByDock(const ShipRow& row) {
    if (DockedAtStationOfOlderForm(row) || UpperEquals(TrimView(row.Status), QLatin1StringView("LANDED")))
        return false;
    return NoPositionInRow(row, false) && !DockPairsOf(row.OtherLines).empty();
}

bool PlacedByDock(const ShipBlockFacts& facts, const ShipRow& row) {
    if (RowPlacedByDock(row)) return true;
    if (!facts.dockinfo || facts.rpos || facts.rvel || facts.elements) return false;
    if (DockedAtStationOfOlderForm(row)) return false;
    // A ship taken out of its dock in the editor has the position it floats at, or the pad or
    // surface position it stands at.
    if (!NoPositionInRow(row, true) || !TrimView(row.Base).isEmpty() || !TrimView(row.Longitude).isEmpty())
        return false;
    return !DockPairsOf(row.OtherLines).empty();
}

ShipDocks::ShipDocks(const ScenarioDocument& document, int count) : document_(document) {
    const int rows = std::clamp(count, 0, static_cast<int>(document.ShipTable.size()));
    pairs_.resize(std::size_t(rows));
    partners_.resize(std::size_t(rows));
    placed_.assign(std::size_t(rows), 0);
    const ScenarioSource* source = document.Source.get();
    for (int r = 0; r < rows; ++r) {
        const ShipRow& row = document.ShipTable[std::size_t(r)];
        const bool read = source && row.ReadBlock >= 0 && std::size_t(row.ReadBlock) < source->ships.size();
        const ShipBlockFacts* facts = read ? &source->ships[std::size_t(row.ReadBlock)].facts : nullptr;
        // The reader tells a block's DOCKINFO lines; most blocks have none, and a ship docked in
        // the editor has them among its unknown lines.
        if (facts && !facts->dockinfo &&
            !row.OtherLines.contains(QLatin1StringView("DOCKINFO"), Qt::CaseInsensitive))
            continue;
        pairs_[std::size_t(r)] = DockPairsOf(row.OtherLines);
        if (!pairs_[std::size_t(r)].empty())
            placed_[std::size_t(r)] = facts ? ::PlacedByDock(*facts, row) : RowPlacedByDock(row);
    }
    // Backwards, so that the first row of a name wins.
    for (int r = rows - 1; r >= 0; --r)
        rows_.insert(NameKeyOf(document.ShipTable[std::size_t(r)].Name), r);
    // Which ships some chain of docks leads from to a ship with a position: found backwards from
    // those ships, so that a ship no chain leads from costs no search later.
    std::vector<std::vector<int>> namedBy(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        for (const DockPair& pair : pairs_[std::size_t(r)]) {
            const int partner = RowNamed(pair.other);
            partners_[std::size_t(r)].push_back(partner);
            if (partner >= 0) namedBy[std::size_t(partner)].push_back(r);
        }
    }
    reachesPosition_.assign(std::size_t(rows), 0);
    std::vector<int> queue;
    for (int r = 0; r < rows; ++r) {
        if (!placed_[std::size_t(r)]) {
            reachesPosition_[std::size_t(r)] = 1;
            queue.push_back(r);
        }
    }
    for (std::size_t next = 0; next < queue.size(); ++next) {
        for (int from : namedBy[std::size_t(queue[next])]) {
            if (reachesPosition_[std::size_t(from)]) continue;
            reachesPosition_[std::size_t(from)] = 1;
            queue.push_back(from);
        }
    }
}

int ShipDocks::RowNamed(const QString& name) const {
    return rows_.value(NameKeyOf(name), -1);
}

int ShipDocks::Anchor(int from, int left) const {
    if (from < 0 || from == left || !reachesPosition_[std::size_t(from)]) return -1;
    std::vector<char> seen(pairs_.size(), 0);
    seen[std::size_t(left)] = 1;
    std::vector<int> stack{from};
    seen[std::size_t(from)] = 1;
    while (!stack.empty()) {
        const int ship = stack.back();
        stack.pop_back();
        if (!placed_[std::size_t(ship)]) return ship;
        // The pairs in reverse, so that the first pair's chain is followed first.
        const std::vector<int>& partners = partners_[std::size_t(ship)];
        for (auto it = partners.rbegin(); it != partners.rend(); ++it) {
            if (*it < 0 || seen[std::size_t(*it)] || !reachesPosition_[std::size_t(*it)]) continue;
            seen[std::size_t(*it)] = 1;
            stack.push_back(*it);
        }
    }
    return -1;
}

ShipDockedAt ShipDocks::DockedAt(int row) const {
    ShipDockedAt at;
    if (row < 0 || row >= Count() || pairs_[std::size_t(row)].empty()) return at;
    const std::vector<DockPair>& pairs = pairs_[std::size_t(row)];
    const std::vector<int>& partners = partners_[std::size_t(row)];
    const ShipRow& self = document_.ShipTable[std::size_t(row)];
    std::size_t shown = 0;
    int anchor = -1;
    for (std::size_t i = 0; i < pairs.size() && anchor < 0; ++i) {
        anchor = Anchor(partners[i], row);
        if (anchor >= 0) shown = i;
    }
    if (anchor < 0) {
        // No chain reaches a ship with a position: the first pair that names a listed ship.
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if (partners[i] >= 0 && partners[i] != row) {
                shown = i;
                break;
            }
        }
    }
    at.partner = partners[shown] != row ? partners[shown] : -1;
    at.pair = static_cast<int>(shown);
    at.anchor = anchor;
    at.station = at.partner >= 0 ? document_.ShipTable[std::size_t(at.partner)].Name : pairs[shown].other;
    at.port = ShownPort(pairs[shown].otherPort);
    at.planet = anchor >= 0 ? document_.ShipTable[std::size_t(anchor)].StatusRef : self.StatusRef;
    return at;
}

bool ShipDocks::Returned(int row, const DockPair& pair) const {
    const int partner = RowNamed(pair.other);
    if (partner < 0) return false;
    const QString self = NameKeyOf(document_.ShipTable[std::size_t(row)].Name);
    for (const DockPair& back : pairs_[std::size_t(partner)]) {
        if (back.ownPort == pair.otherPort && back.otherPort == pair.ownPort && NameKeyOf(back.other) == self)
            return true;
    }
    return false;
}

std::vector<ShipStationPlace> ShipStations(const ShipDocks& docks, const ScenarioDocument& document,
                                           const DockCounts& classDocks) {
    const int rows = docks.Count();
    // The ships at each port of each ship, by the port's number as shown.
    std::vector<std::map<int, QStringList>> ports(static_cast<std::size_t>(rows));
    std::vector<char> named(std::size_t(rows), 0);
    auto put = [&](int ship, int port, int at) {
        QStringList& here = ports[std::size_t(ship)][port + 1];
        const QString& name = document.ShipTable[std::size_t(at)].Name;
        for (const QString& there : here)
            if (NameKeyOf(there) == NameKeyOf(name)) return;
        here.append(name);
    };
    for (int r = 0; r < rows; ++r) {
        for (const DockPair& pair : docks.Pairs(r)) {
            const int partner = docks.RowNamed(pair.other);
            if (partner < 0 || partner == r) continue;
            named[std::size_t(partner)] = 1;
            put(r, pair.ownPort, partner);
            put(partner, pair.otherPort, r);
        }
    }
    std::vector<ShipStationPlace> stations;
    for (int r = 0; r < rows; ++r) {
        const ShipRow& row = document.ShipTable[std::size_t(r)];
        const int classPorts = classDocks.Count(row.ClassName);
        if (classPorts <= 0 && !named[std::size_t(r)]) continue;
        ShipStationPlace place;
        place.name = row.Name;
        place.planet = docks.PlacedByDock(r) ? docks.DockedAt(r).planet : row.StatusRef;
        std::map<int, QStringList>& own = ports[std::size_t(r)];
        for (int n = 1; n <= classPorts; ++n)
            own.try_emplace(n);
        for (auto& [number, ships] : own)
            place.ports.push_back(ShipDockPort{number, ships});
        stations.push_back(std::move(place));
    }
    return stations;
}
