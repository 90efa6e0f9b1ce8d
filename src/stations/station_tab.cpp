// The station tab: its controls, display and reset.
#include "app/tyx.h"

#include <QComboBox>

void TYX::BuildStationTab(QWidget* page) {
    StationOrbitalRefHour = new QComboBox(page);
    StationOrbitalRefHour->setObjectName("StationOrbitalRefHour");
    StationOrbitalRefMin = new QComboBox(page);
    StationOrbitalRefMin->setObjectName("StationOrbitalRefMin");
}
void TYX::StationParameterDisplay() {}
void TYX::StationTabReset() {}
void TYX::Command1Click() {}
void TYX::Command2Click() {}
void TYX::Command3Click() {}
void TYX::Command8Click() {}
void TYX::Command9Click() {}
void TYX::Check1Click() {}
void TYX::StationDockScan() {}
void TYX::StationTreeUpdate() {}
void TYX::StationDockTreeUpdate() {}
void TYX::BaseUpDate() {}
void TYX::BaseTreeUpdate() {}
void TYX::BasePadTreeUpdate() {}
