#include "core/editing/ship_display.h"

#include "core/editing/ship_docks.h"
#include "core/editing/ship_percent.h"
#include "core/editing/tank_levels.h"
#include "core/scenario/ship_lines.h"
#include "core/text/codepage.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

namespace {
QString OrbitText(const QString& column) {
    return NumberText(LeadingNumber(column));
}

bool StatusIs(const ShipRow& row, const char* status) {
    return UpperEquals(TrimView(row.Status), QLatin1StringView(status));
}

// The placement by the row alone, so that it holds for a ship added in the editor too: an
// orbiting ship with a semi-major axis is placed by its elements.
ShipPlacement Placement(const ShipRow& row, const ShipBlockFacts& facts) {
    if (PlacedByDock(facts, row)) return ShipPlacement::ByDock;
    if (StatusIs(row, "ORBITING") && !TrimView(row.ElementsSemiMajorAxis).isEmpty())
        return ShipPlacement::ByElements;
    return LandedPlacementOf(row);
}
} // namespace

ShipPlacement LandedPlacementOf(const ShipRow& row) {
    return LandedAtPosition(row) ? ShipPlacement::ByPosition : ShipPlacement::ByStatus;
}

ShipPlacement PlacementOf(const ShipRow& row, const ShipBlockFacts* facts, const ShipRow* read) {
    if (!facts || !read) return Placement(row, ShipBlockFacts{});
    return Placement(row, *facts);
}

ShipPlacement PlacementOf(const ScenarioDocument& document, const ShipRow& row) {
    const ScenarioSource* source = document.Source.get();
    if (!source || row.ReadBlock < 0 || std::size_t(row.ReadBlock) >= source->ships.size())
        return Placement(row, ShipBlockFacts{});
    return Placement(row, source->ships[std::size_t(row.ReadBlock)].facts);
}

ShipEditorTexts ShipDisplayTexts(const ShipRow& row, ShipPlacement placement, const ShipBlockFacts* facts,
                                 ShipLevels levels) {
    const bool shown = levels == ShipLevels::Shown;
    ShipEditorTexts t;
    t.name = row.Name;
    t.className = row.ClassName;
    t.placement = placement;
    // The validation checks the tanks too, so they are shown whatever the levels.
    t.tankLevels = ShownTanks(row.TankLevels);
    if (shown) {
        t.fuel = PercentText(row.Fuel);
        t.mainEngine = QStringLiteral("0 %");
        t.hoverEngine = QStringLiteral("0 %");
    }
    // A landed or docked ship has its engines off: its labels read "0".
    const QString off = QStringLiteral("0");
    if (placement == ShipPlacement::ByDock) {
        // Shown docked whatever its status says; where, only the other ships can tell.
        t.status = ShipStatusChoice::Docked;
        if (shown) t.mainEngine = t.hoverEngine = off;
        return t;
    }
    const QStringView status = TrimView(row.Status);
    if (UpperEquals(status, QLatin1StringView("DOCKED"))) {
        t.status = ShipStatusChoice::Docked;
        t.dockedStation = row.DockedStation;
        t.dockedPort = row.DockedPort;
        t.dockedPlanet = row.StatusRef;
        if (shown) t.mainEngine = t.hoverEngine = off;
    }
    if (UpperEquals(status, QLatin1StringView("LANDED"))) {
        t.status = ShipStatusChoice::Landed;
        t.landedPlanet = row.StatusRef;
        t.landedBase = row.Base;
        t.landedPad = row.Pad;
        t.landedAt = placement == ShipPlacement::ByPosition ? LandedAt::Position : LandedAt::Pad;
        t.landedBody = row.StatusRef;
        t.landedLongitude = row.Longitude;
        t.landedLatitude = row.Latitude;
        // A block at a position without a heading line shows none rather than the blank value.
        const bool noHeading = placement == ShipPlacement::ByPosition && facts && !facts->heading;
        t.heading = noHeading ? QString() : row.Heading;
        if (shown) t.mainEngine = t.hoverEngine = off;
    }
    if (UpperEquals(status, QLatin1StringView("ORBITING"))) {
        t.status = ShipStatusChoice::Orbiting;
        t.orbitingPlanet = row.StatusRef;
        t.angularVelocity = OrbitText(row.Vrot);
        if (placement != ShipPlacement::ByElements) {
            t.rposX = OrbitText(row.RposX);
            t.rposY = OrbitText(row.RposY);
            t.rposZ = OrbitText(row.RposZ);
            t.rvelX = OrbitText(row.RvelX);
            t.rvelY = OrbitText(row.RvelY);
            t.rvelZ = OrbitText(row.RvelZ);
        }
        // The elements as they stand, the form they give chosen when they place the ship.
        t.orbitByElements = placement == ShipPlacement::ByElements;
        if (t.orbitByElements) {
            t.elementsSemiMajorAxis = row.ElementsSemiMajorAxis;
            t.elementsExcentricity = row.ElementsExcentricity;
            t.elementsInclination = row.ElementsInclination;
            t.elementsAscendingNode = row.ElementsAscendingNode;
            t.elementsPeriapsisLongitude = row.ElementsPeriapsisLongitude;
            t.elementsMeanLongitude = row.ElementsMeanLongitude;
            t.elementsEpoch = row.ElementsEpoch;
        }
        t.arotX = OrbitText(row.ArotX);
        t.arotY = OrbitText(row.ArotY);
        t.arotZ = OrbitText(row.ArotZ);
        if (shown) {
            t.mainEngine = PercentText(row.MainEngine);
            t.hoverEngine = PercentText(row.HoverEngine);
        }
    }
    return t;
}

ShipEditorTexts ShipDisplayTexts(const ScenarioDocument& document, const ShipRow& row, ShipLevels levels) {
    const ScenarioSource* source = document.Source.get();
    const bool read = source && row.ReadBlock >= 0 && std::size_t(row.ReadBlock) < source->ships.size();
    const ShipBlockFacts* facts = read ? &source->ships[std::size_t(row.ReadBlock)].facts : nullptr;
    return ShipDisplayTexts(row, PlacementOf(document, row), facts, levels);
}

ShipEditorTexts ShipDisplayTexts(const ScenarioDocument& document, int row, const ShipDocks& docks,
                                 ShipLevels levels) {
    ShipEditorTexts t = ShipDisplayTexts(document, document.ShipTable[std::size_t(row)], levels);
    if (t.placement == ShipPlacement::ByDock) {
        const ShipDockedAt at = docks.DockedAt(row);
        t.dockedStation = at.station;
        t.dockedPort = at.port;
        t.dockedPlanet = at.planet;
    }
    return t;
}

ShipRow DisplayedShipRow(const ShipRow& read, const ShipBlockFacts& facts) {
    return StoredShipRow(read, ShipDisplayTexts(read, PlacementOf(read, &facts, &read), &facts));
}
