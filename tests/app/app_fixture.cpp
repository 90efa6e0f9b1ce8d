#include "app_fixture.h"

#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "widgets/common/modal.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
MessageScript* activeMessages = nullptr;
DialogScript* activeDialogs = nullptr;

void InstallGuards() {
    if (!activeMessages)
        SetMessageResponder([](const QString& text, const QString& title, MsgButtons, MsgIcon) {
            QTest::qFail(qPrintable("message box without a script: " + title + ": " + text), __FILE__,
                         __LINE__);
            return MsgResult::Cancel;
        });
    if (!activeDialogs)
        SetModalDriver([](QDialog* dialog) {
            QTest::qFail(qPrintable("dialog without a script: " + dialog->objectName()), __FILE__, __LINE__);
            dialog->reject();
        });
}
} // namespace

namespace {
bool CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(path);
        if (QFileInfo(path).isDir()) {
            if (!QDir().mkpath(target)) return false;
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}
} // namespace

QString TestDataPath(const QString& relative) {
    return QStringLiteral(SKELVAN_TEST_DATA) + "/app/" + relative;
}

QByteArray ReadTestFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SimulatorFixture::SimulatorFixture(const QString& installation) {
    previousFolder_ = QDir::currentPath();
    if (!dir_.isValid()) return;
    dir_.setAutoRemove(true);
    if (!CopyFolder(installation, simulatorFolder()) || !QDir().mkpath(dir_.path() + "/start")) return;
    QFile setting(dir_.path() + "/start/tyx.cfg");
    if (!setting.open(QIODevice::WriteOnly)) return;
    setting.write(QDir::toNativeSeparators(simulatorFolder()).toLocal8Bit() + "\r\n");
    setting.close();
    InstallGuards();
    ok_ = QDir::setCurrent(dir_.path() + "/start");
}

SimulatorFixture::~SimulatorFixture() {
    QDir::setCurrent(previousFolder_);
}

QByteArray SimulatorFixture::scenarioBytes(const QString& name) const {
    return ReadTestFile(scenarioPath(name));
}

void SimulatorFixture::writeScenario(const QString& name, const QByteArray& bytes) const {
    QFile file(scenarioPath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::unique_ptr<TYX> SimulatorFixture::makeWindow() const {
    auto window = std::make_unique<TYX>();
    window->show();
    return window;
}

MessageScript::MessageScript() : previous_(activeMessages) {
    activeMessages = this;
    install();
}

MessageScript::~MessageScript() {
    activeMessages = previous_;
    if (previous_)
        previous_->install();
    else
        InstallGuards();
}

void MessageScript::install() {
    SetMessageResponder([this](const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
        shown.append(text);
        if (pending_.empty()) {
            QTest::qFail(qPrintable("unexpected message box: " + title + ": " + text), __FILE__, __LINE__);
            return MsgResult::Cancel;
        }
        const Expected next = pending_.front();
        pending_.pop_front();
        const bool textMatches = next.prefix ? text.startsWith(next.box.text) : text == next.box.text;
        if (!textMatches || title != next.box.title || buttons != next.box.buttons || icon != next.box.icon) {
            QTest::qFail(qPrintable("message box differs from the expected one: \"" + title + "\": \"" +
                                    text + "\", expected \"" + next.box.title + "\": \"" + next.box.text +
                                    "\""),
                         __FILE__, __LINE__);
            return MsgResult::Cancel;
        }
        return next.box.answer;
    });
}

void MessageScript::expect(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon,
                           MsgResult answer) {
    pending_.push_back({{text, title, buttons, icon, answer}, false});
}

void MessageScript::expectStart(const QString& textStart, const QString& title, MsgButtons buttons,
                                MsgIcon icon, MsgResult answer) {
    pending_.push_back({{textStart, title, buttons, icon, answer}, true});
}

DialogScript::DialogScript() : previous_(activeDialogs) {
    activeDialogs = this;
    install();
}

DialogScript::~DialogScript() {
    activeDialogs = previous_;
    if (previous_)
        previous_->install();
    else
        InstallGuards();
}

void DialogScript::install() {
    SetModalDriver([this](QDialog* dialog) {
        shown.append(dialog->objectName());
        if (pending_.empty() || pending_.front().first != dialog->objectName()) {
            QTest::qFail(qPrintable("unexpected dialog: " + dialog->objectName()), __FILE__, __LINE__);
            dialog->reject();
            return;
        }
        const Step step = pending_.front().second;
        pending_.pop_front();
        if (step) step(dialog);
    });
}

void DialogScript::expect(const QString& objectName, Step step) {
    pending_.emplace_back(objectName, std::move(step));
}

namespace {
QListWidgetItem* Find(QListWidget* list, const QString& text) {
    const auto items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty()) return nullptr;
    list->scrollToItem(items.first());
    return items.first();
}
} // namespace

bool ClickEntry(QListWidget* list, const QString& text) {
    QListWidgetItem* item = Find(list, text);
    if (!item) return false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    return item->isSelected();
}

bool DoubleClickEntry(QListWidget* list, const QString& text) {
    QListWidgetItem* item = Find(list, text);
    if (!item) return false;
    // A widget gets a double click as press, release, double click, release.
    const QPoint at = list->visualItemRect(item).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    if (list->isVisible()) QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    return true;
}

void PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

void LoadScenario(TYX& w, const QString& name, QString* preview) {
    DialogScript dialogs;
    dialogs.expect("LoadFile", [&](QDialog* d) {
        QVERIFY(ClickEntry(d->findChild<QListWidget*>("FilelisttoLoad"), name));
        if (preview) *preview = d->findChild<QLabel*>("Label3")->text();
        d->findChild<QPushButton*>("Command1")->click();
    });
    w.findChild<QAction*>("Menu12")->trigger();
    QVERIFY(dialogs.done());
}

DialogScript::Step SaveAsTyped(const QString& name) {
    return [name](QDialog* d) {
        d->findChild<QLineEdit*>("FileToSave")->setText(name);
        d->findChild<QPushButton*>("Command1")->click();
    };
}

TrashInTemp::TrashInTemp(const QString& folder)
    : old_(qgetenv("XDG_DATA_HOME")), had_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
    QDir().mkpath(folder);
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
}

TrashInTemp::~TrashInTemp() {
    if (had_)
        qputenv("XDG_DATA_HOME", old_);
    else
        qunsetenv("XDG_DATA_HOME");
}
