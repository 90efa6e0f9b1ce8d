#include "core/editing/ship_editor_texts.h"

#include "core/editing/ship_percent.h"

ShipRow StoredShipRow(const ShipRow& old, const ShipEditorTexts& t) {
    ShipRow row = old;
    row.Name = t.name;
    row.ClassName = t.className;
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
    // The location labels of every frame are kept whatever the status; the hidden frames
    // are normally empty after the reset that precedes every display.
    row.Base = t.landedBase;
    row.DockedStation = t.dockedStation;
    row.Heading = t.heading;
    row.DockedPort = t.dockedPort;
    row.Pad = t.landedPad;
    row.RposX = t.rposX;
    row.RposY = t.rposY;
    row.RposZ = t.rposZ;
    row.RvelX = t.rvelX;
    row.RvelY = t.rvelY;
    row.RvelZ = t.rvelZ;
    row.ArotX = t.arotX;
    row.ArotY = t.arotY;
    row.ArotZ = t.arotZ;
    row.Vrot = t.angularVelocity;
    if (t.placement == ShipPlacement::ByDock) {
        for (QString ShipRow::*column :
             {&ShipRow::Status, &ShipRow::StatusRef, &ShipRow::Base, &ShipRow::DockedStation,
              &ShipRow::Heading, &ShipRow::DockedPort, &ShipRow::Pad, &ShipRow::RposX, &ShipRow::RposY,
              &ShipRow::RposZ, &ShipRow::RvelX, &ShipRow::RvelY, &ShipRow::RvelZ, &ShipRow::ArotX,
              &ShipRow::ArotY, &ShipRow::ArotZ, &ShipRow::Vrot})
            row.*column = old.*column;
    }
    row.Fuel = FractionText(t.fuel);
    row.MainEngine = FractionText(t.mainEngine);
    row.HoverEngine = FractionText(t.hoverEngine);
    return row;
}
