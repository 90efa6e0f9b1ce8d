// The ship tab: its controls, display and reset.
#include "app/tyx.h"

void TYX::BuildShipTab(QWidget*) {}
void TYX::ShipParameterDisplay() {}
void TYX::ShipTabReset() {}
void TYX::ShipNameClick() {}
void TYX::Command4Click() {}
void TYX::Command5Click() {}
void TYX::Command6Click() {}
void TYX::Command7Click() {}
void TYX::Command10Click() {}
void TYX::Command11Click() {}
