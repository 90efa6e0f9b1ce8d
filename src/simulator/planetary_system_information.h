#pragma once
// The small modeless window that shows the physical data of one body of the current
// planetary system.
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

class PlanetarySystemInformation : public QWidget {
    Q_OBJECT
public:
    explicit PlanetarySystemInformation(QWidget* parent = nullptr);

    QComboBox* Planet = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* PlanetMass = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* PlanetMeanRadius = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* PlanetSideralRotationPeriod = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* PlanetAtmosphereLimit = nullptr;
    QPushButton* Command1 = nullptr;
};
