#pragma once
// Helpers of the window tests: scripted message boxes, and a main window started in a
// temporary copy of a simulator installation.
#include "app/tyx.h"
#include "widgets/common/message_box.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Answers the boxes a test expects, in order; any other box fails the test.
class ScriptedBoxes {
  public:
    struct Box {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
    };
    ScriptedBoxes();
    ~ScriptedBoxes();
    void Expect(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok);
    // True when every expected box was shown.
    bool AllShown() const { return expected_.isEmpty(); }
    QList<Box> shown;

  private:
    QList<Box> expected_;
};

// Copies the installation folder to a temporary folder, writes the setting "tyx.cfg" of a
// start folder beside it, and creates the main window from there.
class TyxInTemp {
  public:
    explicit TyxInTemp(const QString& installation, bool start = true);
    ~TyxInTemp();
    void Start();
    QString Installation() const; // the copy, with "/" separators and no trailing one
    QString ConfigFolder() const { return Installation() + "/Config/"; }
    std::unique_ptr<TYX> window;
    QTemporaryDir temp;

  private:
    QString oldFolder_;
};

bool CopyFolder(const QString& from, const QString& to);
QString TestData(const QString& relative);
