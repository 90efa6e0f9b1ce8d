#pragma once
// The orbiting frame of the ship tab: the planet, the orbit in one of its two forms (position
// and velocity, or orbital elements) with the option that chooses it, the attitude and the
// orbit panel. Switching the form converts what the boxes show at the scenario's start. The
// boxes show the orbit in the ecliptic frame, as the file holds it, or in the planet's equator
// frame at the start; what is read from them is always in the ecliptic frame.
#include <QGroupBox>
#include <QStringList>
#include <optional>

class EditorSession;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ShipOrbitPanel;
struct ShipEditorTexts;

class OrbitingFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit OrbitingFrame(EditorSession& session, QWidget* parent = nullptr);
    // The form shown is the one the texts choose.
    void showTexts(const ShipEditorTexts& texts);
    void clear();
    void readTexts(ShipEditorTexts& texts) const;
    // The bodies of the session's planetary system, the entry given selected.
    void showBodies(int selected);
    void setPlanet(const QString& body);

  private:
    void changePlanet();
    // Asks which ship or station to go beside and how far along its orbit, and shows the
    // orbit that gives in the boxes, in the form and frame shown; stored at validation.
    void placeBeside();
    // The user's pick of a form: the boxes shown converted to it, or a message saying why
    // they cannot be, the form then kept.
    void chooseForm(bool byElements);
    // Enables the chosen form's boxes, the other's disabled.
    void showForm(bool byElements);
    // The user's pick of a frame: the boxes shown turned into it, or a message saying why they
    // cannot be, the frame then kept. No edit: what is read stays the same orbit.
    void chooseFrame(int index);
    // The picker on the ecliptic, quietly, the boxes as they are.
    void showEclipticFrame();
    void showFrameTitle();
    // The texts of the boxes as they stand, in the frame shown.
    void readShownTexts(ShipEditorTexts& texts) const;
    // The texts of the boxes of both forms, in their order.
    QStringList orbitTexts() const;
    void setOrbitTexts(const QStringList& texts);

    EditorSession& session_;
    QLabel* planet_ = nullptr;
    QComboBox* planetList_ = nullptr;
    QPushButton* changePlanetButton_ = nullptr;
    QPushButton* placeBesideButton_ = nullptr;
    QComboBox* frameList_ = nullptr;
    QRadioButton* byState_ = nullptr;
    QRadioButton* byElements_ = nullptr;
    QGroupBox* positionFrame_ = nullptr;
    QGroupBox* velocityFrame_ = nullptr;
    QGroupBox* elementsFrame_ = nullptr;
    QLineEdit* rposX_ = nullptr;
    QLineEdit* rposY_ = nullptr;
    QLineEdit* rposZ_ = nullptr;
    QLineEdit* rvelX_ = nullptr;
    QLineEdit* rvelY_ = nullptr;
    QLineEdit* rvelZ_ = nullptr;
    // Semi-major axis, excentricity, inclination, node, periapsis and mean longitudes, epoch.
    QLineEdit* elements_[7] = {};
    QLineEdit* arotX_ = nullptr;
    QLineEdit* arotY_ = nullptr;
    QLineEdit* arotZ_ = nullptr;
    QLineEdit* angularVelocity_ = nullptr;
    ShipOrbitPanel* orbitPanel_ = nullptr;
    // The last switch of form: the texts before it and those it gave, so that switching back
    // before any edit shows the texts as they were rather than converted twice.
    struct FormSwitch {
        QStringList before;
        QStringList after;
    };
    std::optional<FormSwitch> lastSwitch_;
    bool formByElements_ = false; // the form shown
    bool inEquator_ = false;      // the frame shown
    // The ecliptic texts before the turn into the equator frame and those it gave: read back as
    // they were while the boxes are untouched, so that a look at the equator frame changes no
    // digit of the file.
    std::optional<FormSwitch> frameSwitch_;
};
