#include "support/scripted_answers.h"

#include "widgets/common/modal.h"
#include "widgets/common/object_names.h"

#include <QPushButton>

namespace {
MessageBoxScript* activeBoxes = nullptr;
DialogScript* activeDialogs = nullptr;

QString Describe(const QString& title, const QString& text) {
    return "\"" + title + "\": \"" + text + "\"";
}

void InstallBoxGuard() {
    SetMessageResponder([](const QString& text, const QString& title, MsgButtons, MsgIcon) {
        QTest::qFail(qPrintable("message box without a script: " + Describe(title, text)), __FILE__,
                     __LINE__);
        return MsgResult::Cancel;
    });
}

void InstallDialogGuard() {
    SetModalDriver([](QDialog* dialog) {
        QTest::qFail(qPrintable("dialog without a script: " + dialog->objectName()), __FILE__, __LINE__);
        dialog->reject();
    });
}

// From the start of the test program on, a box or dialog nobody expects fails the test.
const bool guardsInstalled = [] {
    InstallBoxGuard();
    InstallDialogGuard();
    return true;
}();
} // namespace

MessageBoxScript::MessageBoxScript() : previous_(activeBoxes) {
    Q_UNUSED(guardsInstalled);
    activeBoxes = this;
    Install();
}

MessageBoxScript::~MessageBoxScript() {
    activeBoxes = previous_;
    if (previous_)
        previous_->Install();
    else
        InstallBoxGuard();
}

void MessageBoxScript::Install() {
    SetMessageResponder([this](const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
        return Answer(ShownBox{text, title, buttons, icon});
    });
}

MsgResult MessageBoxScript::Answer(const ShownBox& box) {
    shown.append(box);
    if (pending_.empty()) {
        if (agreeToAll_) return MsgResult::Ok;
        QTest::qFail(qPrintable("unexpected message box: " + Describe(box.title, box.text)), __FILE__,
                     __LINE__);
        return MsgResult::Cancel;
    }
    const Expected next = pending_.front();
    pending_.pop_front();
    const bool textMatches = next.prefix ? box.text.startsWith(next.box.text) : box.text == next.box.text;
    if (!textMatches || box.title != next.box.title || box.buttons != next.box.buttons ||
        box.icon != next.box.icon) {
        QTest::qFail(
            qPrintable("message box " + Describe(box.title, box.text) + " differs from the expected " +
                       Describe(next.box.title, next.box.text) +
                       (textMatches && box.title == next.box.title ? " in its buttons or icon" : "")),
            __FILE__, __LINE__);
        return MsgResult::Cancel;
    }
    return next.answer;
}

void MessageBoxScript::Expect(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                              MsgResult answer) {
    pending_.push_back({ShownBox{text, title, buttons, icon}, answer, false});
}

void MessageBoxScript::ExpectStart(const QString& textStart, const QString& title, MsgButtons buttons,
                                   MsgIcon icon, MsgResult answer) {
    pending_.push_back({ShownBox{textStart, title, buttons, icon}, answer, true});
}

QString MessageBoxScript::Missing() const {
    if (pending_.empty()) return QString();
    const Expected& first = pending_.front();
    QString text =
        "message box not shown: " + Describe(first.box.title, first.box.text + (first.prefix ? "..." : ""));
    if (pending_.size() > 1) text += QString(" (and %1 more after it)").arg(pending_.size() - 1);
    return text;
}

QStringList MessageBoxScript::ShownTexts() const {
    QStringList texts;
    for (const ShownBox& box : shown)
        texts.append(box.text);
    return texts;
}

DialogScript::DialogScript() : previous_(activeDialogs) {
    activeDialogs = this;
    Install();
}

DialogScript::~DialogScript() {
    activeDialogs = previous_;
    if (previous_)
        previous_->Install();
    else
        InstallDialogGuard();
}

void DialogScript::Install() {
    SetModalDriver([this](QDialog* dialog) {
        shown.append(dialog->objectName());
        if (pending_.empty() || pending_.front().first != dialog->objectName()) {
            QTest::qFail(qPrintable("unexpected dialog: " + dialog->objectName() +
                                    (pending_.empty() ? QString() : ", expected " + pending_.front().first)),
                         __FILE__, __LINE__);
            dialog->reject();
            return;
        }
        const Step step = pending_.front().second;
        pending_.pop_front();
        if (step) step(dialog);
    });
}

void DialogScript::Expect(const QString& objectName, Step step) {
    pending_.emplace_back(objectName, std::move(step));
}

QString DialogScript::Missing() const {
    if (pending_.empty()) return QString();
    QString text = "dialog not shown: " + pending_.front().first;
    if (pending_.size() > 1) text += QString(" (and %1 more after it)").arg(pending_.size() - 1);
    return text;
}

void ExpectKeepShipsOnDateChange(DialogScript& script, int times) {
    for (int k = 0; k < times; ++k)
        script.Expect(ObjectNames::DateChangeShips, [](QDialog* dialog) {
            auto* keep = dialog->findChild<QPushButton*>(ObjectNames::DateChangeKeep);
            QVERIFY(keep);
            keep->click();
        });
}
