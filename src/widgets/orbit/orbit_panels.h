#pragma once
// The orbit panels of the station tab and of the orbiting frame of the ship tab. Each reads
// the texts of the tab's controls as the user types (never the table) and the planet file of
// the body the tab names (SetPlanet); neither changes a control of the tab, except that the
// station's "From periapsis and apoapsis" helper fills the semi-major axis and excentricity
// boxes as the user could have typed them.
#include "core/editing/ship_editor_texts.h"
#include "widgets/orbit/orbit_panel.h"

#include <functional>

class QLabel;
class QLineEdit;

struct StationOrbitControls {
    QLineEdit* SemiMajorAxis = nullptr;
    QLineEdit* Excentricity = nullptr;
    QLineEdit* Inclination = nullptr;
    QLineEdit* AscendingNodeLongitude = nullptr;
    QLineEdit* PeriapsisLongitude = nullptr;
    QLineEdit* MeanLongitude = nullptr;
};

// objectName "StationOrbitPanel".
class StationOrbitPanel : public OrbitPanel {
    Q_OBJECT
  public:
    StationOrbitPanel(const StationOrbitControls& controls, QWidget* parent = nullptr);
    void Refresh() override;

  private:
    // Writes the semi-major axis and excentricity of the two altitudes into the tab's boxes,
    // or says in the note why it cannot.
    void fillFromApsides();

    StationOrbitControls c_;
    // The helper, named "StationOrbitPeriapsisKm", "StationOrbitApoapsisKm",
    // "StationOrbitFill" (a button) and "StationOrbitHelperNote".
    QLineEdit* periapsisKm_ = nullptr;
    QLineEdit* apoapsisKm_ = nullptr;
    QLabel* helperNote_ = nullptr;
};

struct ShipOrbitControls {
    QLineEdit* RposX = nullptr;
    QLineEdit* RposY = nullptr;
    QLineEdit* RposZ = nullptr;
    QLineEdit* RvelX = nullptr;
    QLineEdit* RvelY = nullptr;
    QLineEdit* RvelZ = nullptr;
    // The orbit by elements: semi-major axis, excentricity, inclination, ascending node,
    // periapsis and mean longitudes, epoch.
    QLineEdit* Elements[7] = {};
};

// objectName "ShipOrbitPanel".
class ShipOrbitPanel : public OrbitPanel {
    Q_OBJECT
  public:
    ShipOrbitPanel(const ShipOrbitControls& controls, QWidget* parent = nullptr);
    void Refresh() override;
    // Which form gives the orbit; one by elements is shown as it is at the start time, which
    // startMjd tells at each refresh.
    void SetForm(bool byElements, std::function<double()> startMjd);
    // Where the orbit's texts in the ecliptic frame come from when the boxes show another frame;
    // without it the panel reads the boxes.
    void SetEclipticTexts(std::function<ShipEditorTexts()> texts);

  private:
    ShipOrbitControls c_;
    bool byElements_ = false;
    std::function<double()> startMjd_;
    std::function<ShipEditorTexts()> eclipticTexts_;
};
