#pragma once
// The three status frames of the ship tab, one shown at a time in the same place: a landed
// ship's base and pad with the base tree, an orbiting ship's planet and orbit with the orbit
// panel (orbiting_frame.h), a docked ship's station and port with the dock tree. Each shows a row, reads
// back its texts for validation, and fills its tree from the session.
#include "core/editing/location_trees.h"
#include "widgets/tabs/orbiting_frame.h"

#include <QGroupBox>
#include <QStringList>

class EditorSession;
class LandedPositionControls;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct ShipEditorTexts;
struct ShipRow;

class LandedFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit LandedFrame(EditorSession& session, QWidget* parent = nullptr);
    void showTexts(const ShipEditorTexts& texts);
    void clear();
    void readTexts(ShipEditorTexts& texts) const;
    // The bases of the session's bodies, with their pads.
    void showBases();
    // The ships landed on the pads, under them.
    void showLandedShips();
    // The bodies of the session's planetary system, for a ship at a position.
    void showBodies();

  private:
    void pickPad();
    void startAtPosition();

    EditorSession& session_;
    QLabel* planet_ = nullptr;
    QLabel* base_ = nullptr;
    QLabel* pad_ = nullptr;
    LandedPositionControls* position_ = nullptr;
    QLineEdit* heading_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

class DockedFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit DockedFrame(EditorSession& session, QWidget* parent = nullptr);
    void showTexts(const ShipEditorTexts& texts);
    void clear();
    void readTexts(ShipEditorTexts& texts) const;
    // The stations of the scenario around their bodies, with their ports.
    void showStations();
    // The ships docked at the ports, under them, and the ships that other ships dock at.
    void showDockedShips();
    // The ship's own port for a dock at a ship (from 1; the box is usable only then).
    void showOwnPort(const QString& port, bool atShip);
    bool atShip() const { return atShip_; }
    QString ownPort() const;

  private:
    void pickPort();

    EditorSession& session_;
    bool atShip_ = false;
    QLineEdit* ownPort_ = nullptr;
    QLabel* planet_ = nullptr;
    QLabel* station_ = nullptr;
    QLabel* port_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

// The places of the listed ships: their status and, for the status given, where they are.
std::vector<ShipPlace> ShipPlaces(const EditorSession& session, bool landed);
