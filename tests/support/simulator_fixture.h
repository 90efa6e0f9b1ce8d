#pragma once
// A simulator installation in a temporary folder, beside it a start folder whose setting
// "tyx.cfg" names it, and the start folder as the working folder while the fixture lives: the
// place a window test starts the editor from. Each fixture starts with no recent scenarios.
#include "support/scripted_answers.h"
#include "support/user_actions.h"
#include "support/window_access.h"
#include "test_files.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class TYX;
class ScenarioDocument;

// The main window's test installation: one planetary system, a planet with a moon, one class of
// each kind and five scenarios.
inline QString AppInstallation() {
    return TestDataPath("app/sim");
}
// An installation laid out as the simulator installs it today: scenarios in nested folders below
// the scenario folder, links back up, a folder with no scenario.
inline QString TodayInstallation() {
    return TestDataPath("today");
}

class SimulatorFixture {
  public:
    // An installation with its "skelvan.cfg" and empty Config and Scenarios folders.
    SimulatorFixture();
    // A copy of the installation folder given (skelvan.cfg, Config, Scenarios...).
    explicit SimulatorFixture(const QString& installation);
    ~SimulatorFixture();
    SimulatorFixture(const SimulatorFixture&) = delete;
    SimulatorFixture& operator=(const SimulatorFixture&) = delete;

    // False when the folders could not be made; the test cannot go on then.
    bool Ok() const { return ok_; }

    QString Root() const { return dir_.path(); }
    QString StartFolder() const { return dir_.path() + "/start"; }
    QString SimulatorFolder() const { return dir_.path() + "/sim"; }
    QString ConfigFolder() const { return dir_.path() + "/sim/Config"; }
    QString ScenarioFolder() const { return dir_.path() + "/sim/Scenarios"; }
    QString ScenarioPath(const QString& name) const { return ScenarioFolder() + "/" + name; }

    // Files below the temporary root; Write creates the folder.
    void Write(const QString& relative, const QByteArray& bytes) const;
    QByteArray Read(const QString& relative) const;
    QByteArray ScenarioBytes(const QString& name) const;
    void WriteScenario(const QString& name, const QByteArray& bytes) const;

    // The setting "tyx.cfg" of the start folder: its first line, or no file at all.
    void WriteSetting(const QString& firstLine) const;
    void RemoveSetting() const;

    // Copies every file and folder below `from` into `to` (the simulator folder when empty),
    // replacing files of the same name; a symbolic link is copied as a link.
    bool CopyTree(const QString& from, const QString& to = QString()) const;

    // The editor started from the start folder, as a user starts it, and shown.
    std::unique_ptr<TYX> MakeWindow() const;

  private:
    QTemporaryDir dir_;
    QString previousFolder_;
    bool ok_ = false;
};

// The tabs of the main window, in their order.
enum class Tab { Environment = 0, Stations = 1, Ships = 2 };

// The editor started over a fixture's installation, sized as on a desktop, shown and active as
// a user sees it, with every message box answered from its script: a box the test did not
// announce fails the test. Scenarios are opened through File > Open, as the user opens them.
class EditorWindow {
  public:
    // A copy of the installation folder given, or the fixture's empty one; `prepare` fills the
    // folders before the editor starts.
    explicit EditorWindow(const QString& installation = QString(),
                          const std::function<void(SimulatorFixture&)>& prepare = {});
    ~EditorWindow();
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    MessageBoxScript script;
    TYX& tyx() const { return *tyx_; }
    SimulatorFixture& folders() { return folders_; }
    // The open scenario as the window holds it.
    const ScenarioDocument& Scenario() const { return DocumentOf(*tyx_); }
    // The named control of the main window.
    template <class T> T* Get(const char* name) const { return FindControl<T>(*tyx_, name); }

    // Opens a file of the scenario folder ("Folder\\Name.scn" within a folder) through File > Open;
    // over an open scenario the save prompt is answered Cancel.
    void Open(const QString& name);
    // Writes the scenario into the scenario folder and opens it.
    void Load(const QByteArray& scenario, const QString& name = QStringLiteral("Test.scn"));
    // Saves the scenario under the name typed into File > Save as.
    void SaveAs(const QString& name);
    // Saves the scenario into its own file by File > Save.
    void Save();
    // Clicks the tab's caption.
    void ShowTab(Tab tab);

  private:
    SimulatorFixture folders_;
    std::unique_ptr<TYX> tyx_;
};
