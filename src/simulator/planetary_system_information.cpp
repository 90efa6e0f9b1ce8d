#include "simulator/planetary_system_information.h"

PlanetarySystemInformation::PlanetarySystemInformation(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("PlanetarySystemInformation");
    setWindowTitle("Planetary System Information");
}
