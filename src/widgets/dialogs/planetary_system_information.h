#pragma once
// The small modeless window that shows the physical data of one body of the current
// planetary system. It is filled by the main window's ExtractPlanet, hidden by "Close", and
// stays loaded with its list and selection until the main window closes.
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

class PlanetarySystemInformation : public QWidget {
    Q_OBJECT
  public:
    explicit PlanetarySystemInformation(QWidget* parent = nullptr);

    // The configuration folder text; a body's file is this text, the trimmed body name and ".cfg".
    QString ConfigFolder;

    // Shows the data of the body selected in Planet; the four values are emptied when none is.
    void PlanetClick();

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
