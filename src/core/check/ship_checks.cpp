// The ships of a scenario: their validation as the ship tab runs it, their class, the base,
// pad, station and port they name, and their orbit against the planet.
#include "core/check/row_checks.h"
#include "core/editing/row_validation.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_docks.h"
#include "core/editing/ship_orbit_forms.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <QHash>
#include <QSet>
#include <cmath>
#include <optional>

namespace {
// The pad number a base line gives, as the pad tree numbers its pads from 1; 0 for none.
int PadNumber(const QString& pad) {
    const QString text = Trim(pad);
    if (text.isEmpty()) return 0;
    for (const QChar c : text)
        if (!c.isDigit()) return 0;
    const double value = LeadingNumber(text);
    return value >= 1 && value <= 32767 ? static_cast<int>(value) : 0;
}

// A pad of a base, or a port of a station or of a ship: the place compared as names are, the
// number as shown (a DOCKINFO port plus 1, as the dock tree numbers it).
struct Spot {
    NameKey place;
    QString number;
    bool operator==(const Spot& other) const { return place == other.place && number == other.number; }
};
std::size_t qHash(const Spot& spot, std::size_t seed = 0) noexcept {
    return qHash(spot.place, seed) ^ (ShortTextHash(spot.number) * 31);
}

struct ShipRowChecker {
    const ScenarioDocument& document;
    CheckContext& context;
    const SystemBases* bases;
    QSet<NameKey> stations;
    const ShipDocks* docks = nullptr;
    std::optional<QSet<NameKey>> shipStations;
    QHash<Spot, QString> padsTaken;  // the first ship standing on each pad
    QHash<Spot, QString> portsTaken; // the first ship docked at each port
    std::vector<CheckProblem>& problems;

    void Add(const ShipRow& row, CheckProblemKind kind, const QString& message) {
        problems.push_back({CheckRow::Ship, row.Name, kind, message});
    }

    void CheckLanded(const ShipRow& row) {
        if (Trim(row.Base).isEmpty()) return; // placed by position, or told by the validation
        const QString base = Trim(row.Base);
        const NameKey baseKey(base);
        const QString pad = Trim(row.Pad);
        if (bases && bases->readable) {
            const auto body = bases->padsByBody.constFind(NameKey(row.StatusRef));
            const int* padCount = nullptr;
            if (body != bases->padsByBody.constEnd()) {
                const auto count = body->constFind(baseKey);
                if (count != body->constEnd()) padCount = &*count;
            }
            const bool found = padCount != nullptr;
            const int number = PadNumber(pad);
            if (!found)
                Add(row, CheckProblemKind::BaseMissing,
                    QStringLiteral("%1 has no base \"%2\".").arg(Trim(row.StatusRef), base));
            else if (number < 1 || number > *padCount)
                Add(row, CheckProblemKind::PadMissing,
                    QStringLiteral("The base %1 has no pad \"%2\".").arg(base, pad));
        }
        const Spot key{baseKey, Trim(row.Pad)};
        const auto taken = padsTaken.constFind(key);
        if (taken != padsTaken.constEnd())
            Add(row, CheckProblemKind::PadTaken,
                QStringLiteral("Pad %1 of %2 is taken by the ship %3 already.").arg(pad, base, *taken));
        else
            padsTaken.insert(key, row.Name);
    }

    void CheckDocked(const ShipRow& row) {
        if (Trim(row.DockedStation).isEmpty()) return; // told by the validation
        const QString station = Trim(row.DockedStation);
        const QString port = Trim(row.DockedPort);
        const NameKey stationKey(station);
        if (!stations.contains(stationKey) && !ShipStationNames().contains(stationKey))
            Add(row, CheckProblemKind::StationMissing,
                QStringLiteral("The station \"%1\" is not in the scenario.").arg(station));
        const Spot key{stationKey, Trim(row.DockedPort)};
        const auto taken = portsTaken.constFind(key);
        if (taken != portsTaken.constEnd())
            Add(row, CheckProblemKind::PortTaken,
                QStringLiteral("Port %1 of %2 is taken by the ship %3 already.").arg(port, station, *taken));
        else
            portsTaken.insert(key, row.Name);
    }

    // The ships that the dock tree shows as places to dock at are stations too; found only
    // when a ship docks at a station the station section does not hold.
    const QSet<NameKey>& ShipStationNames() {
        if (!shipStations) {
            shipStations.emplace();
            for (const ShipStationPlace& station : ShipStations(*docks, document, context.ClassDocks()))
                shipStations->insert(NameKey(station.name));
        }
        return *shipStations;
    }

    // A port that a DOCKINFO pair puts a ship at; a second ship there is told on the row whose
    // pair puts it there.
    void TakePort(const ShipRow& row, const QString& ship, int port, const QString& at) {
        const QString shown = ShownPort(port);
        const Spot key{NameKey(ship), shown};
        const auto taken = portsTaken.constFind(key);
        if (taken == portsTaken.constEnd())
            portsTaken.insert(key, at);
        else if (!(NameKey(*taken) == NameKey(at)))
            Add(row, CheckProblemKind::PortTaken,
                QStringLiteral("Port %1 of %2 (DOCKINFO port %3) is taken by the ship %4 already.")
                    .arg(shown, Trim(ship))
                    .arg(port)
                    .arg(Trim(*taken)));
    }

    void CheckDockPairs(const ShipDocks& docks, int i) {
        const ShipRow& row = document.ShipTable[std::size_t(i)];
        for (const DockPair& pair : docks.Pairs(i)) {
            const int partner = docks.RowNamed(pair.other);
            if (partner < 0) {
                Add(row, CheckProblemKind::DockPartnerMissing,
                    QStringLiteral(
                        "The DOCKINFO pair \"%1\" names the ship \"%2\", which is not in the scenario.")
                        .arg(pair.text, pair.other));
                TakePort(row, row.Name, pair.ownPort, pair.other);
                continue;
            }
            const QString& other = document.ShipTable[std::size_t(partner)].Name;
            if (!docks.Returned(i, pair))
                Add(row, CheckProblemKind::DockNotReturned,
                    QStringLiteral("The ship %1 does not name it back: it has no DOCKINFO pair \"%2:%3,%4\".")
                        .arg(Trim(other))
                        .arg(pair.otherPort)
                        .arg(pair.ownPort)
                        .arg(Trim(row.Name)));
            TakePort(row, row.Name, pair.ownPort, other);
            TakePort(row, other, pair.otherPort, row.Name);
        }
    }

    void CheckOrbit(const ShipRow& row, const ShipEditorTexts& texts, const ShipValidation& validation) {
        if (Trim(texts.orbitingPlanet).isEmpty() || validation.failed.contains(kShipInsidePlanet)) return;
        const PlanetData& data = context.Planet(texts.orbitingPlanet);
        if (!data.readable) return;
        // An orbit by elements is worked out at the start, as the orbit panel shows it.
        const OrbitInsight insight =
            texts.orbitByElements
                ? ShipElementsInsight(texts, data, StartMjdOf(document))
                : ShipOrbitInsight(
                      ShipStateTexts{row.RposX, row.RposY, row.RposZ, row.RvelX, row.RvelY, row.RvelZ}, data);
        if (insight.Problem == OrbitInsightProblem::None)
            AddPeriapsisProblem(insight.Figures.Periapsis, CheckRow::Ship, row.Name, texts.orbitingPlanet,
                                problems);
    }
};
} // namespace

void CheckShips(const ScenarioDocument& document, int count, int stationCount, const SystemBases* bases,
                CheckContext& context, std::vector<CheckProblem>& problems) {
    const int rows = std::min(count, static_cast<int>(document.ShipTable.size()));
    QStringList names;
    for (int i = 0; i < rows; ++i)
        names.append(document.ShipTable[std::size_t(i)].Name);
    const std::vector<QStringList> others = OtherNamesOfRows(names);
    const PlanetLookup planets = context.Planets();

    const ShipDocks docks(document, rows);
    ShipRowChecker checker{document, context, bases, {}, &docks, std::nullopt, {}, {}, problems};
    for (int k = 0; k < std::min(stationCount, static_cast<int>(document.StationTable.size())); ++k)
        checker.stations.insert(NameKey(document.StationTable[std::size_t(k)].Name));

    for (int i = 0; i < rows; ++i) {
        const ShipRow& row = document.ShipTable[std::size_t(i)];
        const ShipEditorTexts texts = ShipDisplayTexts(document, i, docks, ShipLevels::Left);
        const ShipValidation validation = ValidateShipRow(texts, planets, others[std::size_t(i)]);
        for (const QString& message : validation.failed)
            checker.Add(row, CheckProblemKind::Validation, message);
        if (!Trim(row.ClassName).isEmpty() && !context.SpacecraftClassInstalled(row.ClassName))
            checker.Add(row, CheckProblemKind::ClassNotInstalled,
                        QStringLiteral("The ship class \"%1\" is not installed.").arg(Trim(row.ClassName)));
        switch (texts.status) {
        case ShipStatusChoice::Landed:
            checker.CheckLanded(row);
            break;
        case ShipStatusChoice::Docked:
            checker.CheckDocked(row);
            break;
        case ShipStatusChoice::Orbiting:
            checker.CheckOrbit(row, texts, validation);
            break;
        case ShipStatusChoice::None:
            break;
        }
        checker.CheckDockPairs(docks, i);
    }
}
