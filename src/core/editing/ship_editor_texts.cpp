#include "core/editing/ship_editor_texts.h"

#include "core/editing/ship_percent.h"

ShipRow StoredShipRow(const ShipRow& old, const ShipEditorTexts& t) {
    ShipRow row = old;
    switch (t.status) {
    case ShipStatusChoice::Landed:
        row.Status = QStringLiteral("Landed");
        row.StatusRef = t.landedPlanet;
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
    for (const ShipColumnSpec& spec : kShipColumnSpecs) {
        if (t.placement == ShipPlacement::ByDock && spec.place)
            row.*spec.member = old.*spec.member;
        else if (spec.value == ShipBoxValue::Level)
            row.*spec.member = FractionText(t.*spec.box);
        else if (spec.value == ShipBoxValue::Text)
            row.*spec.member = t.*spec.box;
    }
    return row;
}
