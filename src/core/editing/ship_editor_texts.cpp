#include "core/editing/ship_editor_texts.h"

#include "core/editing/ship_percent.h"
#include "core/editing/tank_levels.h"

ShipRow StoredShipRow(const ShipRow& old, const ShipEditorTexts& t) {
    ShipRow row = old;
    switch (t.status) {
    case ShipStatusChoice::Landed:
        row.Status = QStringLiteral("Landed");
        row.StatusRef = t.landedAt == LandedAt::Position ? t.landedBody : t.landedPlanet;
        break;
    case ShipStatusChoice::Docked:
        row.Status = QStringLiteral("Docked");
        row.StatusRef = t.dockedPlanet;
        break;
    case ShipStatusChoice::Orbiting:
        row.Status = QStringLiteral("Orbiting");
        row.StatusRef = t.orbitingPlanet;
        break;
    case ShipStatusChoice::None:
        break;
    }
    // The boxes of every frame are kept whatever the status; the hidden frames are normally
    // empty after the reset that precedes every display.
    for (const ShipColumnSpec& column : kShipColumnSpecs) {
        if (t.placement == ShipPlacement::ByDock && column.place)
            row.*column.member = old.*column.member;
        else if (column.value == ShipBoxValue::Level)
            row.*column.member = FractionText(t.*column.box);
        else if (column.value == ShipBoxValue::Text)
            row.*column.member = t.*column.box;
        else if (column.value == ShipBoxValue::Tanks)
            row.*column.member = StoredTankLevels(old.*column.member, t.tankLevels);
    }
    // A ship put at a position stands on no pad: the row tells the two apart by its base. The
    // pad labels keep what they showed, so that the user can go back to the pad.
    if (t.status == ShipStatusChoice::Landed && t.landedAt == LandedAt::Position &&
        t.placement != ShipPlacement::ByDock) {
        row.Base.clear();
        row.Pad.clear();
    }
    // The reader takes a ship's fuel from its first tank: stored so, the row reads back the same
    // from the saved file.
    if (!row.TankLevels.isEmpty()) row.Fuel = FirstTankLevelOf(row.TankLevels);
    // An orbit given by its position and velocity has no elements: the row's semi-major axis
    // is what tells the writer which form to write.
    if (t.status == ShipStatusChoice::Orbiting && !t.orbitByElements && t.placement != ShipPlacement::ByDock)
        for (int c = int(ShipColumn::ElementsSemiMajorAxis); c <= int(ShipColumn::ElementsEpoch); ++c)
            row.*ShipColumnMember(ShipColumn(c)) = QString();
    return row;
}
