#include "widgets/orbit/ship_orbit_view.h"

#include "app/tyx.h"
#include "widgets/orbit/orbit_panels.h"

#include <QPushButton>

QWidget* MakeShipOrbitPanel(TYX& tyx, QWidget* parent) {
    ShipOrbitControls c;
    c.RposX = tyx.ShipOrbitingRposX;
    c.RposY = tyx.ShipOrbitingRposY;
    c.RposZ = tyx.ShipOrbitingRposZ;
    c.RvelX = tyx.ShipOrbitingRvelX;
    c.RvelY = tyx.ShipOrbitingRvelY;
    c.RvelZ = tyx.ShipOrbitingRvelZ;
    c.Planet = tyx.ShipOrbitingPlanet;
    c.CfgDir = tyx.CfgDir;
    c.ChangePlanet = tyx.Command11;
    return new ShipOrbitPanel(c, parent);
}
