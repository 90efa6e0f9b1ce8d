#pragma once
// A main window built over a temporary simulator installation with a few planet files, with every
// message box answered from a script: a box the test did not announce fails the test.
#include "app/tyx.h"
#include "core/scenario/scenario_document.h"
#include "simulator_fixture.h"
#include "widgets/common/message_box.h"

#include <deque>
#include <memory>

struct ExpectedBox {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgResult answer = MsgResult::Ok;
};

class MessageScript {
  public:
    MessageScript();
    ~MessageScript();
    void Expect(const ExpectedBox& box) { expected_.push_back(box); }
    // True when every announced box was shown.
    bool Done() const { return expected_.empty(); }
    int Shown() const { return shown_; }

  private:
    std::deque<ExpectedBox> expected_;
    int shown_ = 0;
};

class ShipWindow {
  public:
    ShipWindow();
    ~ShipWindow();
    TYX& tyx() { return *tyx_; }
    SimulatorFixture& folders() { return folders_; }
    // Puts ships into the document as a read scenario does (one spare row), fills the ship
    // list and the focus list, and shows the first ship.
    void LoadShips(const std::vector<ShipRow>& rows, const QString& focus);
    MessageScript script;

  private:
    SimulatorFixture folders_;
    std::unique_ptr<TYX> tyx_;
};

// A row with the values of a ship block as the reader leaves them.
ShipRow LandedShip(const QString& name, const QString& cls, const QString& planet, const QString& base,
                   const QString& pad, const QString& heading, const QString& fuel);
ShipRow DockedShip(const QString& name, const QString& cls, const QString& planet, const QString& station,
                   const QString& port, const QString& fuel);
ShipRow OrbitingShip(const QString& name, const QString& cls, const QString& planet, const QString& fuel,
                     const QString& mainEngine, const QString& hoverEngine);

// Messages of the ship tab.
inline const QString kFocusChanged = QStringLiteral("As the user-controled ship was no longer valid in the "
                                                    "scenario, it has been set to the first possible ship !");
inline const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete the ship ?");
