#pragma once
// A main window built over a temporary simulator installation (the planetary system "Sol": the
// Earth with its moon and the base Habana, the Moon with the base Alpha, Mars without bases;
// the ship classes DG and ShuttleA; the station classes Hub and Ring), shown on the screen as
// a user sees it, with every message box answered from a script: a box the test did not
// announce fails the test.
//
// The tests reach the window as a user does: scenarios are opened through File > Open, the
// controls are found by their names and are clicked, typed into, picked from and moved with
// the mouse and the keys. What the window holds is read from its controls and, for the open
// scenario, through DocumentOf.
#include "app/tyx.h"
#include "core/scenario/scenario_document.h"
#include "simulator_fixture.h"
#include "support/scripted_answers.h"
#include "support/window_access.h"
#include "widgets/common/message_box.h"

#include <QStringList>
#include <deque>
#include <memory>

class QAbstractSlider;
class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

struct ExpectedBox {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgResult answer = MsgResult::Ok;
};

// The shared message-box script, taking each box as a whole.
class MessageScript : public MessageBoxScript {
  public:
    void Expect(const ExpectedBox& box) {
        MessageBoxScript::Expect(box.text, box.title, box.buttons, box.icon, box.answer);
    }
    int Shown() const { return static_cast<int>(shown.size()); }
};

// The tabs of the main window, in their order.
enum class Tab { Environment = 0, Stations = 1, Ships = 2 };

class ShipWindow {
  public:
    // The installation of tests/data/ships/Config, or of the given folder holding Config and
    // Scenarios.
    explicit ShipWindow(const QString& installation = QString());
    // The same with the scenario folder that "skelvan.cfg" names, a folder below the
    // installation's "Scenarios" as the simulator's own scenarios lie today (".\\Scenarios\\Tours\\").
    ShipWindow(const QString& installation, const QString& scenarioDir);
    ~ShipWindow();
    TYX& tyx() { return *tyx_; }
    SimulatorFixture& folders() { return folders_; }
    // The open scenario as the window holds it.
    const ScenarioDocument& Scenario() const { return DocumentOf(*tyx_); }
    // The named control of the main window.
    template <class T> T* Get(const char* name) { return FindControl<T>(*tyx_, name); }

    // Writes a scenario of the planetary system Sol with these station and ship blocks and the
    // user-controlled ship (none for an empty focus) into the scenario folder, opens it and
    // shows the ship tab.
    void OpenShips(const QStringList& ships, const QString& focus, const QStringList& stations = {});
    // Opens a file of the scenario folder through File > Open: the file picked in the list and
    // the Load button clicked.
    void Open(const QString& fileName);
    // Saves the scenario under the name typed into File > Save as.
    void SaveAs(const QString& fileName);
    // Clicks the tab's caption.
    void ShowTab(Tab tab);
    MessageScript script;

  private:
    SimulatorFixture folders_;
    std::unique_ptr<TYX> tyx_;
};

// A ship block as a scenario file holds it, the header first and END last.
QString LandedShip(const QString& name, const QString& cls, const QString& planet, const QString& base,
                   const QString& pad, const QString& heading, const QString& fuel);
QString DockedShip(const QString& name, const QString& cls, const QString& planet, const QString& station,
                   const QString& port, const QString& fuel);
// In orbit at 7000 km from the planet's centre at 7546.05 m/s.
QString OrbitingShip(const QString& name, const QString& cls, const QString& planet, const QString& fuel,
                     const QString& mainEngine, const QString& hoverEngine);
// The same block with more lines before its END.
QString WithLines(const QString& block, const QStringList& lines);
// A station block in orbit around the planet.
QString Station(const QString& name, const QString& cls, const QString& planet);

// ---- What a user does ---------------------------------------------------------------------
// A left click in the middle of a button or option the user can see and use.
void Click(QWidget* control);
// A pick in the list as a user makes it: the list opened with F4, the entry reached with the
// keys and taken with Return (an entry already selected is taken again).
void Pick(QComboBox* list, int index);
void Pick(QComboBox* list, const QString& entry);
// A click into the box, everything selected with the keys and replaced by the typed text.
void Type(QLineEdit* box, const QString& text);
// Types into the text box of an editable list.
void Type(QComboBox* list, const QString& text);
// The slider moved with the keys: Home, then Page Up and the arrow until the value.
void Slide(QAbstractSlider* slider, int value);
// A double click on the node, scrolled into view first.
void DoubleClick(QTreeWidget* tree, QTreeWidgetItem* item);

// ---- What a user sees ---------------------------------------------------------------------
QStringList Items(const QComboBox* list);
// The node reached by these texts from a top node, or null.
QTreeWidgetItem* TreeItem(const QTreeWidget* tree, const QStringList& path);
// The tree as lines: two blanks of indentation per level, the text in brackets, the image number.
QStringList TreeText(const QTreeWidget* tree);

// Messages of the ship tab.
inline const QString kFocusChanged = QStringLiteral("As the user-controled ship was no longer valid in the "
                                                    "scenario, it has been set to the first possible ship !");
inline const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete the ship ?");
