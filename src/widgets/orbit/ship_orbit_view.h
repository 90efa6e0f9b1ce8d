#pragma once
// The "Orbit" panel of the ship tab's orbiting frame (objectName "ShipOrbitPanel"): the
// figures of the orbit given by the position and velocity boxes, read as the user types.
class QWidget;
class TYX;

// Made once the tab's controls exist; the caller places it in the orbiting frame.
QWidget* MakeShipOrbitPanel(TYX& tyx, QWidget* parent);
