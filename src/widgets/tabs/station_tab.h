#pragma once
// The station tab, "Orbital station list": one row of the station table at a time, with the
// buttons that validate it into the table, add a station and delete one. The tab owns its
// controls; the rows, the station count and the current row are the session's.
#include <QStringList>
#include <QWidget>

class EditorSession;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PendingLabel;
class StationOrbitPanel;
struct StationControlTexts;

class StationTab : public QWidget {
    Q_OBJECT
  public:
    explicit StationTab(EditorSession& session, QWidget* parent = nullptr);

    // The station classes of the session, the first one picked.
    void showClasses();
    // The bodies of the session's planetary system, none selected.
    void showBodies();
    // Picks the first or the last entry of the list of possible planets.
    void selectFirstBody();
    void selectLastBody();
    // The stations of a scenario just read: the session's list, row 0 shown.
    void showStations();
    // No station: the list and every control emptied.
    void reset();
    // No station at all, as after a change of planetary system.
    void clearStations();
    // A state brought back by undo or redo: the session's list and current row shown.
    void showRestored();

  signals:
    // A station was validated into the table (its docked ships may have moved with it).
    void stationStored();
    // A station was deleted.
    void stationDeleted();
    // The scenario changed by the user's step (named for undo); status is what the status bar
    // says about it, if anything.
    void edited(const QString& step, const QString& status);

  private:
    void buildIdentity(QWidget* frame);
    QWidget* buildOrbit();
    QWidget* buildRotation();
    QWidget* buildAngles();
    QWidget* buildActions();
    void connectControls();

    void pickStation(int index);
    void selectRow(int row);
    void showRow(int row);
    void setCurrentRow(int row, const QString& mirrorText);
    StationControlTexts formTexts() const;
    // Everything the form shows, for the label that tells the values are not validated yet.
    QStringList formValues() const;
    void validateStation();
    void addStation();
    void deleteStation();
    void changeClass();
    void changePlanet();
    void toggleClassRotation();
    void setPlanet(const QString& body);
    // The session's entries in the list, entry current selected (none for -1).
    // The list shows the session's entries, none of them selected.
    void showNames();

    EditorSession& session_;
    QComboBox* nameList_ = nullptr;
    QLabel* className_ = nullptr;
    QComboBox* classList_ = nullptr;
    QPushButton* changeClassButton_ = nullptr;
    QLabel* planet_ = nullptr;
    QComboBox* planetList_ = nullptr;
    QPushButton* changePlanetButton_ = nullptr;
    QLineEdit* semiMajorAxis_ = nullptr;
    QLineEdit* excentricity_ = nullptr;
    QLineEdit* inclination_ = nullptr;
    QLineEdit* ascendingNodeLongitude_ = nullptr;
    QLineEdit* periapsisLongitude_ = nullptr;
    QLineEdit* meanLongitude_ = nullptr;
    QCalendarWidget* epochDate_ = nullptr;
    QComboBox* epochHour_ = nullptr;
    QComboBox* epochMinute_ = nullptr;
    QLineEdit* rotationFrequency_ = nullptr;
    QCheckBox* classRotation_ = nullptr;
    QLineEdit* xAngle_ = nullptr;
    QLineEdit* yAngle_ = nullptr;
    QLineEdit* zAngle_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* validateButton_ = nullptr;
    QLabel* indexMirror_ = nullptr;
    StationOrbitPanel* orbitPanel_ = nullptr;
    PendingLabel* pending_ = nullptr;
};
