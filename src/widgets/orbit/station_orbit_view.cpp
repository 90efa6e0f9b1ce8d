#include "widgets/orbit/station_orbit_view.h"

#include "app/tyx.h"
#include "widgets/orbit/orbit_panels.h"

#include <QPushButton>

QWidget* MakeStationOrbitPanel(TYX& tyx, QWidget* parent) {
    StationOrbitControls c;
    c.SemiMajorAxis = tyx.StationSemiMajorAxis;
    c.Excentricity = tyx.StationExcentricity;
    c.Inclination = tyx.StationInclination;
    c.AscendingNodeLongitude = tyx.StationAscendingNodeLongitude;
    c.PeriapsisLongitude = tyx.StationPeriapsisLongitude;
    c.MeanLongitude = tyx.StationMeanLongitude;
    c.RefPlanet = tyx.StationRefPlanet;
    c.CfgDir = tyx.CfgDir;
    c.ChangePlanet = tyx.Command8;
    return new StationOrbitPanel(c, parent);
}
