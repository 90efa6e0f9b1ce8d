#pragma once
// The user's answers to the message boxes and dialogs a test expects, given in advance: a box
// or dialog that no script expects fails the test at once, naming it, instead of waiting for a
// click that never comes. Scripts nest: an inner one answers until it goes, then the outer one
// again; with none alive every box and dialog fails the test.
#include "widgets/common/message_box.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>

// A box as the program showed it.
struct ShownBox {
    QString text;
    QString title;
    MsgButtons buttons;
    MsgIcon icon;
};

// A box a test expects, with the answer the user gives.
struct ExpectedBox {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgResult answer = MsgResult::Ok;
};

// Each expected box in order, with the answer the user gives.
class MessageBoxScript {
  public:
    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    void Expect(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                MsgIcon icon = MsgIcon::None, MsgResult answer = MsgResult::Ok);
    void Expect(const ExpectedBox& box) { Expect(box.text, box.title, box.buttons, box.icon, box.answer); }
    // Expects a box whose text starts with the given text (the rest names a path or a reason).
    void ExpectStart(const QString& textStart, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                     MsgIcon icon = MsgIcon::None, MsgResult answer = MsgResult::Ok);
    // A user who answers OK to every box beyond the expected ones, instead of failing the test.
    void AgreeToEveryBox() { agreeToAll_ = true; }

    // True when every expected box was shown; Missing() names the first one that was not.
    bool Done() const { return pending_.empty(); }
    QString Missing() const;

    QList<ShownBox> shown; // every box shown while the script lived, in order
    int Shown() const { return static_cast<int>(shown.size()); }
    QStringList ShownTexts() const;

  private:
    struct Expected {
        ShownBox box;
        MsgResult answer;
        bool prefix;
    };
    MsgResult Answer(const ShownBox& box);
    void Install();
    MessageBoxScript* previous_ = nullptr;
    std::deque<Expected> pending_;
    bool agreeToAll_ = false;
};

// Each expected modal dialog, by object name, in order, with what the user does in it.
class DialogScript {
  public:
    using Step = std::function<void(QDialog*)>;
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    void Expect(const QString& objectName, Step step);
    bool Done() const { return pending_.empty(); }
    QString Missing() const;
    QStringList shown; // object names of every dialog shown, in order

  private:
    void Install();
    DialogScript* previous_ = nullptr;
    std::deque<std::pair<QString, Step>> pending_;
};

// The user's "Keep position and velocity" to the next `times` questions a change of the start
// date asks about ships that orbit by position and velocity.
void ExpectKeepShipsOnDateChange(DialogScript& script, int times = 1);

// Fails the test, naming the first box or dialog the script still waits for.
#define VERIFY_SCRIPT_DONE(script) QVERIFY2((script).Done(), qPrintable((script).Missing()))
