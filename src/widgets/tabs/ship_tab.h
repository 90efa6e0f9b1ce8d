#pragma once
// The ship tab, "Ship list": one row of the ship table at a time, its status frame, its levels,
// and the buttons that validate it into the table, add a ship and delete one. The rows, the
// ship count and the current row are the session's; the user-controlled ship on the first tab
// follows the ship list through the signals.
#include <QStringList>
#include <QWidget>
#include <optional>

#include "core/editing/dock_pairs.h"
#include "core/editing/ship_editor_texts.h"

class DockedFrame;
class EditorSession;
class LandedFrame;
class OrbitingFrame;
class PendingLabel;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class TankTable;

// The property under which a status option keeps its own tooltip while another one says why it
// cannot be used.
inline constexpr char kOwnToolTip[] = "ownToolTip";

class ShipTab : public QWidget {
    Q_OBJECT
  public:
    explicit ShipTab(EditorSession& session, QWidget* parent = nullptr);

    // The spacecraft classes of the session, none selected.
    void showClasses();
    // The bodies of the session's planetary system in the orbiting frame's list.
    void showBodies();
    // The ships of a scenario just read: the session's list, the first ship shown. indexText is
    // what the hidden row label shows first.
    void showShips(const QString& indexText, bool hasShips);
    // The first ship shown, the first class and body picked, the ships hung in the trees.
    void showFirstShip();
    // No ship at all, as after a change of planetary system.
    void clearShips();
    // The location trees: stations with their ports, bases with their pads, and the ships on them.
    void showStationTree();
    void showBaseTree();
    void showDockedShips();
    void showLandedShips();
    // A station was validated: its tree, the ship shown and its docked ships again.
    void stationStored();
    // A state brought back by undo or redo: the session's list and current row shown, the trees.
    void showRestored();

  signals:
    // The bodies were read one after the other for a tree; the last one stays picked in the
    // station tab's list of possible planets.
    void bodiesWalked();
    // The scenario changed by the user's step (named for undo); status is what the status bar
    // says about it, if anything.
    void edited(const QString& step, const QString& status);

  private:
    QWidget* buildIdentity();
    QWidget* buildStatus();
    QWidget* buildEngines();
    QWidget* buildActions();
    void connectControls();

    void pickShip(int index);
    void selectRow(int row);
    void showShip();
    void reset();
    void setCurrentRow(int row, const QString& mirrorText);
    // The session's entries in the list, entry current selected (none for -1).
    // The list shows the session's entries, none of them selected.
    void showNames();
    void showStatusFrame(QWidget* frame);
    void showPlacement(ShipPlacement placement);
    // The first tank's level typed: the fuel label and slider show it, the other tanks stay.
    void showFirstTank(double percent);
    // A ship its dock places keeps its status: the options say why they cannot be used.
    // The dock at another ship that the docked frame's pick asks for, when it asks for one; a
    // request without a ship when it is refused, the user told why.
    std::optional<DockRequest> shipDock(const ShipEditorTexts& texts, int i);
    void chooseLanded();
    void chooseOrbiting();
    void chooseDocked();
    ShipEditorTexts formTexts() const;
    // Everything the form shows, for the label that tells the values are not validated yet.
    QStringList formValues() const;
    void validateShip();
    void addShip();
    void deleteShip();
    void changeClass();
    void checkFocusShip();

    EditorSession& session_;
    QComboBox* nameList_ = nullptr;
    QLabel* indexMirror_ = nullptr;
    QLabel* className_ = nullptr;
    // Always hidden: the frames show how a ship is placed.
    QLabel* placementNote_ = nullptr;
    ShipPlacement placement_ = ShipPlacement::ByStatus;
    QComboBox* classList_ = nullptr;
    QPushButton* changeClassButton_ = nullptr;
    QRadioButton* landedOption_ = nullptr;
    QRadioButton* orbitingOption_ = nullptr;
    QRadioButton* dockedOption_ = nullptr;
    QLabel* fuel_ = nullptr;
    QSlider* fuelSlider_ = nullptr;
    TankTable* tanks_ = nullptr;
    QLabel* mainEngine_ = nullptr;
    QSlider* mainEngineSlider_ = nullptr;
    QLabel* hoverEngine_ = nullptr;
    QSlider* hoverEngineSlider_ = nullptr;
    QPushButton* validateButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    LandedFrame* landed_ = nullptr;
    OrbitingFrame* orbiting_ = nullptr;
    DockedFrame* docked_ = nullptr;
    PendingLabel* pending_ = nullptr;
};
