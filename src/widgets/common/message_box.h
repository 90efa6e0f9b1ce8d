#pragma once
// Every message the user must read goes through ShowMessage, so that tests can answer
// each box from a script instead of waiting for a click.
#include <QString>
#include <functional>

class QWidget;

enum class MsgButtons { Ok, OkCancel };
enum class MsgIcon { None, Exclamation, Question, Information };
enum class MsgResult { Ok, Cancel };

// Shows a modal box; closing it counts as Cancel.
MsgResult ShowMessage(QWidget* parent, const QString& text, const QString& title,
                      MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);

// A test installs a responder; while one is installed no real box is shown.
using MessageResponder =
    std::function<MsgResult(const QString& text, const QString& title, MsgButtons, MsgIcon)>;
void SetMessageResponder(MessageResponder responder);
