#pragma once
// The controls of the landed frame that put a ship at a longitude and latitude of a body rather
// than on a pad: the option buttons that choose between the two, the body list and the two
// position boxes. The frame lays them out among its pad labels; these tell it which of the two
// counts.
#include "core/scenario/ship_columns.h"

#include <QObject>

class EditorSession;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

class LandedPositionControls : public QObject {
    Q_OBJECT
  public:
    // The controls are made as children of the frame.
    LandedPositionControls(EditorSession& session, QWidget* frame);
    // The row of the two options, the body list, and the row of the longitude and latitude boxes.
    QWidget* options() const { return options_; }
    QWidget* body() const;
    QWidget* degrees() const { return degrees_; }

    // The bodies of the session's planetary system, none selected.
    void showBodies();
    void showTexts(const ShipEditorTexts& texts);
    void clear();
    void readTexts(ShipEditorTexts& texts) const;
    // Back on the pad, as a pick in the pad tree puts the ship.
    void choosePad();
    LandedAt landedAt() const;

  signals:
    // The option changed, by the user or from code: the frame greys what no longer counts.
    void landedAtChanged(LandedAt at);
    // The user chose the position: the frame gives the boxes their start.
    void positionChosen();

  private:
    void selectBody(const QString& body);
    void showChoice();

    EditorSession& session_;
    LandedAt shown_ = LandedAt::Pad; // the option the controls were last set for
    QWidget* options_ = nullptr;
    QWidget* degrees_ = nullptr;
    QRadioButton* atPad_ = nullptr;
    QRadioButton* atPosition_ = nullptr;
    QComboBox* body_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLineEdit* latitude_ = nullptr;
};
