#pragma once
// The "Orbit" panel of the station tab (objectName "StationOrbitPanel"): the figures of the
// orbit in the tab's boxes, read as the user types, and the periapsis and apoapsis helper.
class QWidget;
class TYX;

// Made once the tab's controls exist; the caller places it in the tab.
QWidget* MakeStationOrbitPanel(TYX& tyx, QWidget* parent);
