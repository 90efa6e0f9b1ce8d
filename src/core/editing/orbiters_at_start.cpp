#include "core/editing/orbiters_at_start.h"

#include "core/editing/ship_docks.h"
#include "core/orbit/orbital_elements.h"
#include "core/scenario/dates.h"
#include "core/text/text_rules.h"

#include <QHash>
#include <optional>

namespace {
bool Read(const QString& text, double* value) {
    if (!IsANumberOrExponent(text)) return false;
    *value = LeadingNumber(text);
    return true;
}

bool StatusIs(const ShipRow& row, const char* status) {
    return Trim(row.Status).compare(QLatin1String(status), Qt::CaseInsensitive) == 0;
}

std::optional<OrbitState> AtStart(const OrbitalElements& elements, double mu, double startMjd) {
    const StateAtTime at = StateFromElements(elements, mu, startMjd);
    if (at.Problem != ElementsProblem::None) return std::nullopt;
    return at.State;
}

std::optional<OrbitState> StationState(const StationRow& row, double mu, double startMjd) {
    OrbitalElements e;
    if (!Read(row.SemiMajorAxis, &e.SemiMajorAxis) || !Read(row.Excentricity, &e.Eccentricity) ||
        !Read(row.Inclination, &e.Inclination) || !Read(row.AscendingNodeLongitude, &e.AscendingNode) ||
        !Read(row.PeriapsisLongitude, &e.PeriapsisLongitude) || !Read(row.MeanLongitude, &e.MeanLongitude))
        return std::nullopt;
    e.Epoch = MjdFromCalendar(row.EpochDate, LeadingNumber(row.EpochHour), LeadingNumber(row.EpochMinute));
    return AtStart(e, mu, startMjd);
}

// A ship's elements; an empty epoch is the start, as the file means it.
std::optional<OrbitState> ShipElementsState(const ShipRow& row, double mu, double startMjd) {
    OrbitalElements e;
    if (!Read(row.ElementsSemiMajorAxis, &e.SemiMajorAxis) ||
        !Read(row.ElementsExcentricity, &e.Eccentricity) || !Read(row.ElementsInclination, &e.Inclination) ||
        !Read(row.ElementsAscendingNode, &e.AscendingNode) ||
        !Read(row.ElementsPeriapsisLongitude, &e.PeriapsisLongitude) ||
        !Read(row.ElementsMeanLongitude, &e.MeanLongitude))
        return std::nullopt;
    e.Epoch = startMjd;
    if (!Trim(row.ElementsEpoch).isEmpty() && !Read(row.ElementsEpoch, &e.Epoch)) return std::nullopt;
    return AtStart(e, mu, startMjd);
}

class Orbiters {
  public:
    Orbiters(const ScenarioDocument& document, int stationCount, int shipCount,
             const std::function<PlanetData(const QString&)>& planetOf, double startMjd)
        : document_(document), stations_(Clamp(stationCount, document.StationTable.size())),
          ships_(Clamp(shipCount, document.ShipTable.size())), planetOf_(planetOf), startMjd_(startMjd),
          docks_(document, ships_) {}

    std::vector<OrbiterAtStart> All() {
        std::vector<OrbiterAtStart> all;
        for (int i = 0; i < stations_; ++i)
            add(all, OrbiterKind::Station, i, stationState(i));
        for (int i = 0; i < ships_; ++i) {
            const ShipRow& row = document_.ShipTable[std::size_t(i)];
            if (docks_.PlacedByDock(i)) {
                const ShipDockedAt at = docks_.DockedAt(i);
                if (at.anchor < 0) continue;
                addDocked(all, i, shipState(at.anchor), document_.ShipTable[std::size_t(at.anchor)].Name);
            } else if (StatusIs(row, "Docked")) {
                const int station = stationNamed(row.DockedStation);
                if (station >= 0)
                    addDocked(all, i, stationState(station),
                              document_.StationTable[std::size_t(station)].Name);
            } else if (StatusIs(row, "Orbiting")) {
                const bool byElements = !Trim(row.ElementsSemiMajorAxis).isEmpty();
                add(all, byElements ? OrbiterKind::ShipByElements : OrbiterKind::ShipByState, i,
                    shipState(i));
            }
        }
        return all;
    }

  private:
    struct Placed {
        QString body;
        std::optional<OrbitState> state;
    };

    static int Clamp(int count, std::size_t size) { return std::max(0, std::min(count, int(size))); }

    const PlanetData* planet(const QString& body) {
        if (body.isEmpty()) return nullptr;
        auto found = planets_.find(body);
        if (found == planets_.end()) found = planets_.insert(body, planetOf_(body));
        return found->Known && found->Mu > 0 ? &found.value() : nullptr;
    }

    Placed stationState(int i) {
        const StationRow& row = document_.StationTable[std::size_t(i)];
        const QString body = Trim(row.Ref);
        const PlanetData* p = planet(body);
        return {body, p ? StationState(row, p->Mu, startMjd_) : std::nullopt};
    }

    // A ship with a position of its own: by elements when it has them, else by its state.
    Placed shipState(int i) {
        const ShipRow& row = document_.ShipTable[std::size_t(i)];
        const QString body = Trim(row.StatusRef);
        if (!StatusIs(row, "Orbiting")) return {body, std::nullopt};
        if (!Trim(row.ElementsSemiMajorAxis).isEmpty()) {
            const PlanetData* p = planet(body);
            return {body, p ? ShipElementsState(row, p->Mu, startMjd_) : std::nullopt};
        }
        if (!planet(body)) return {body, std::nullopt};
        return {body, ShipRowState(row)};
    }

    int stationNamed(const QString& name) const {
        const QString wanted = Trim(name);
        for (int i = 0; i < stations_; ++i)
            if (Trim(document_.StationTable[std::size_t(i)].Name).compare(wanted, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    void add(std::vector<OrbiterAtStart>& all, OrbiterKind kind, int row, const Placed& placed) {
        if (!placed.state) return;
        const QString& name = kind == OrbiterKind::Station ? document_.StationTable[std::size_t(row)].Name
                                                           : document_.ShipTable[std::size_t(row)].Name;
        all.push_back({kind, row, name, placed.body, *placed.state, {}});
    }

    void addDocked(std::vector<OrbiterAtStart>& all, int row, const Placed& placed, const QString& at) {
        add(all, OrbiterKind::ShipDocked, row, placed);
        if (placed.state) all.back().DockedAt = at;
    }

    const ScenarioDocument& document_;
    const int stations_, ships_;
    const std::function<PlanetData(const QString&)>& planetOf_;
    const double startMjd_;
    const ShipDocks docks_;
    QHash<QString, PlanetData> planets_;
};
} // namespace

std::optional<OrbitState> ShipRowState(const ShipRow& row) {
    double v[6];
    for (int k = 0; k < 6; ++k)
        if (!Read(row.*kShipRowState[k], &v[k])) return std::nullopt;
    return OrbitState{{v[0], v[1], v[2]}, {v[3], v[4], v[5]}};
}

std::vector<OrbiterAtStart> OrbitersAtStart(const ScenarioDocument& document, int stationCount, int shipCount,
                                            const std::function<PlanetData(const QString&)>& planetOf,
                                            double startMjd) {
    return Orbiters(document, stationCount, shipCount, planetOf, startMjd).All();
}
