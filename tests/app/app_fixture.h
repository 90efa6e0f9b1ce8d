#pragma once
// A simulator installation in a temporary folder, a main window started over it, and the
// scripts that answer its message boxes and drive its dialogs.
#include "app/tyx.h"
#include "widgets/common/message_box.h"

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

class QListWidget;

QString TestDataPath(const QString& relative);

// Copies tests/data/app/sim (or another installation) to <temp>/sim, writes <temp>/start/tyx.cfg naming it
// and makes <temp>/start the working folder until the fixture goes.
class SimulatorFixture {
  public:
    // installation: the simulator folder copied (skelvan.cfg, Config, Scenarios).
    explicit SimulatorFixture(const QString& installation = TestDataPath("sim"));
    ~SimulatorFixture();
    bool ok() const { return ok_; }
    QString simulatorFolder() const { return dir_.path() + "/sim"; }
    QString scenarioFolder() const { return dir_.path() + "/sim/Scenarios"; }
    QString scenarioPath(const QString& name) const { return scenarioFolder() + "/" + name; }
    QString tempPath() const { return dir_.path(); }
    QByteArray scenarioBytes(const QString& name) const;
    void writeScenario(const QString& name, const QByteArray& bytes) const;
    std::unique_ptr<TYX> makeWindow() const;

  private:
    QTemporaryDir dir_;
    QString previousFolder_;
    bool ok_ = false;
};

// Each expected box in order; a box not expected fails the test and is answered Cancel.
// Scripts nest: an inner one answers until it goes, then the outer one again. Without any
// script every box and every dialog fails the test at once instead of waiting for a click.
class MessageScript {
  public:
    struct Box {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
        MsgResult answer;
    };
    MessageScript();
    ~MessageScript();
    void expect(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                MsgResult answer = MsgResult::Ok);
    // Expects a box whose text starts with the given text.
    void expectStart(const QString& textStart, const QString& title, MsgButtons buttons, MsgIcon icon,
                     MsgResult answer = MsgResult::Ok);
    bool done() const { return pending_.empty(); }
    QStringList shown; // texts of every box shown, in order

  private:
    void install();
    MessageScript* previous_ = nullptr;
    struct Expected {
        Box box;
        bool prefix;
    };
    std::deque<Expected> pending_;
};

// Each expected dialog, by object name, in order, with what to do in it.
class DialogScript {
  public:
    using Step = std::function<void(QDialog*)>;
    DialogScript();
    ~DialogScript();
    void expect(const QString& objectName, Step step);
    bool done() const { return pending_.empty(); }
    QStringList shown;

  private:
    void install();
    DialogScript* previous_ = nullptr;
    std::deque<std::pair<QString, Step>> pending_;
};

// User actions on a file list: click, double click, Enter.
bool ClickEntry(QListWidget* list, const QString& text);
bool DoubleClickEntry(QListWidget* list, const QString& text);
void PressEnter(QWidget* widget);
QStringList Entries(const QListWidget* list);

// Opens a scenario as the user does: "&Open", the file picked in the load dialog, its
// button; preview, when given, gets the description the dialog showed.
void LoadScenario(TYX& w, const QString& name, QString* preview = nullptr);

// A step for the save-as dialog: types the name and presses its save button.
DialogScript::Step SaveAsTyped(const QString& name);

// Keeps the desktop trash of a test inside the test's temporary folder while it lives.
class TrashInTemp {
  public:
    explicit TrashInTemp(const QString& folder);
    ~TrashInTemp();
    TrashInTemp(const TrashInTemp&) = delete;
    TrashInTemp& operator=(const TrashInTemp&) = delete;

  private:
    QByteArray old_;
    bool had_;
};

QByteArray ReadTestFile(const QString& path);
