#pragma once
// The question a new start date asks when ships orbit by position and velocity: whether they
// keep those numbers, move along their orbits over the time the start moved, or turn with
// their body's surface. Cancel, Esc or closing the window answers nothing: the date goes back.
#include "core/editing/date_change_moves.h"

#include <QDialog>
#include <optional>

class DateChangeDialog : public QDialog {
    Q_OBJECT
  public:
    // days: how far the start moves (negative: earlier); ships: how many would move.
    DateChangeDialog(double days, int ships, QWidget* parent = nullptr);
    std::optional<DateChangeMove> chosen() const { return chosen_; }

    // Shows the window (through ExecModal, so that tests script it) and returns the choice.
    static std::optional<DateChangeMove> Ask(double days, int ships, QWidget* parent);

  private:
    std::optional<DateChangeMove> chosen_;
};
