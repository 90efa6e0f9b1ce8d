#include "widgets/common/message_box.h"

#include <QMessageBox>

namespace {
MessageResponder& Responder() {
    static MessageResponder responder;
    return responder;
}
} // namespace

void SetMessageResponder(MessageResponder responder) {
    Responder() = std::move(responder);
}

MsgResult ShowMessage(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
                      MsgIcon icon) {
    if (Responder()) return Responder()(text, title, buttons, icon);
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}
