#include "support/simulator_fixture.h"

#include "app/tyx.h"
#include "core/editing/recent_scenarios.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

SimulatorFixture::SimulatorFixture() : previousFolder_(QDir::currentPath()) {
    // Each test starts with no recent scenarios, whatever the one before it opened.
    RecentScenarios::ForgetAll();
    if (!dir_.isValid()) return;
    QDir root(dir_.path());
    ok_ = root.mkpath("start") && root.mkpath("sim/Config") && root.mkpath("sim/Scenarios");
    Write("sim/skelvan.cfg",
          "; test installation\r\nConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\\r\n");
    WriteSetting(QDir::toNativeSeparators(SimulatorFolder()) + " ; the simulator");
    ok_ = ok_ && QDir::setCurrent(StartFolder());
}

SimulatorFixture::SimulatorFixture(const QString& installation) : previousFolder_(QDir::currentPath()) {
    RecentScenarios::ForgetAll();
    if (!dir_.isValid()) return;
    ok_ = QFileInfo(installation).isDir() && CopyTree(installation) && QDir().mkpath(StartFolder());
    WriteSetting(QDir::toNativeSeparators(SimulatorFolder()));
    ok_ = ok_ && QFile::exists(StartFolder() + "/tyx.cfg") && QDir::setCurrent(StartFolder());
}

SimulatorFixture::~SimulatorFixture() {
    QDir::setCurrent(previousFolder_);
}

void SimulatorFixture::Write(const QString& relative, const QByteArray& bytes) const {
    const QString path = dir_.path() + "/" + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QByteArray SimulatorFixture::Read(const QString& relative) const {
    return ReadTestFile(dir_.path() + "/" + relative);
}

QByteArray SimulatorFixture::ScenarioBytes(const QString& name) const {
    return Read("sim/Scenarios/" + name);
}

void SimulatorFixture::WriteScenario(const QString& name, const QByteArray& bytes) const {
    Write("sim/Scenarios/" + name, bytes);
}

void SimulatorFixture::WriteSetting(const QString& firstLine) const {
    Write("start/tyx.cfg", (firstLine + "\r\n").toLocal8Bit());
}

void SimulatorFixture::RemoveSetting() const {
    QFile::remove(StartFolder() + "/tyx.cfg");
}

bool SimulatorFixture::CopyTree(const QString& from, const QString& to) const {
    const QString target = to.isEmpty() ? SimulatorFolder() : to;
    if (!QDir().mkpath(target)) return false;
    bool copied = true;
    for (const QFileInfo& info : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = target + "/" + info.fileName();
        if (info.isSymLink()) {
            // A link stays a link that leads where it led: a link back up, followed, would copy
            // the same folders again without end.
            QFile::remove(path);
            copied = QFile::link(QDir(info.path()).relativeFilePath(info.symLinkTarget()), path) && copied;
        } else if (info.isDir()) {
            copied = CopyTree(info.filePath(), path) && copied;
        } else {
            QFile::remove(path);
            copied = QFile::copy(info.filePath(), path) && copied;
        }
    }
    return copied;
}

std::unique_ptr<TYX> SimulatorFixture::MakeWindow() const {
    QDir::setCurrent(StartFolder());
    auto window = std::make_unique<TYX>();
    window->show();
    return window;
}

namespace {
void MakeActive(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        QTest::qFail("the main window is not active", __FILE__, __LINE__);
}
} // namespace

EditorWindow::EditorWindow(const QString& installation, const std::function<void(SimulatorFixture&)>& prepare)
    : folders_(installation.isEmpty() ? SimulatorFixture() : SimulatorFixture(installation)) {
    if (prepare) prepare(folders_);
    QDir::setCurrent(folders_.StartFolder());
    tyx_ = std::make_unique<TYX>();
    tyx_->resize(1280, 800);
    tyx_->show();
    if (!QTest::qWaitForWindowExposed(tyx_.get()))
        QTest::qFail("the main window is not shown", __FILE__, __LINE__);
    MakeActive(tyx_.get());
}

EditorWindow::~EditorWindow() {
    tyx_.reset();
}

void EditorWindow::Open(const QString& name) {
    const QString open = LabelText(*tyx_, ObjectNames::scnfile);
    if (!open.isEmpty())
        script.Expect("Do you wish to save " + open + " ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                      MsgIcon::None, MsgResult::Cancel);
    LoadScenario(*tyx_, name);
    MakeActive(tyx_.get());
}

void EditorWindow::Load(const QByteArray& scenario, const QString& name) {
    folders_.WriteScenario(name, scenario);
    Open(name);
}

void EditorWindow::SaveAs(const QString& name) {
    ::SaveAs(*tyx_, name);
    MakeActive(tyx_.get());
}

void EditorWindow::Save() {
    tyx_->findChild<QAction*>(ObjectNames::Menu13)->trigger();
}

void EditorWindow::ShowTab(Tab tab) {
    auto* tabs = Get<QTabWidget>(ObjectNames::SSTab1);
    if (!tabs || !tabs->isVisible()) {
        QTest::qFail("the tabs are not shown", __FILE__, __LINE__);
        return;
    }
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(tab)).center());
    if (tabs->currentIndex() != int(tab)) QTest::qFail("the tab did not open", __FILE__, __LINE__);
}
