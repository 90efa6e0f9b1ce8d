// The main window's frame: the file name line, the picture shown until a scenario is loaded,
// the three tabs, and how the parts answer each other.
#include "app/tyx.h"

#include "app/installation_loader.h"
#include "app/scenario_controller.h"
#include "core/editing/editor_session.h"
#include "skelvan_version.h"
#include "widgets/common/object_names.h"
#include "widgets/common/status_line.h"
#include "widgets/dialogs/planetary_system_information.h"
#include "widgets/map/scenario_map_window.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

// The pictures and the user guide live in the editor library; a static library needs its
// resources registered by hand.
static void InitEditorResources() {
    Q_INIT_RESOURCE(app);
}

namespace {
// The source of a drop keeps its file: the editor only reads it.
bool TakeWithoutMoving(QDropEvent* event) {
    for (const Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
        if (event->possibleActions() & action) {
            event->setDropAction(action);
            event->accept();
            return true;
        }
    }
    event->ignore();
    return false;
}
} // namespace

TYX::TYX(QWidget* parent) : QMainWindow(parent), session_(new EditorSession(this)) {
    InitEditorResources();
    setObjectName(ObjectNames::TYX);
    setWindowTitle("Skelvan Scenario Editor v" SKELVAN_VERSION);
    setWindowIcon(QIcon(":/app/skelvan-scenario-editor.png"));

    configMirror_ = new QLabel(this);
    configMirror_->setObjectName(ObjectNames::CfgDir);
    configMirror_->hide();
    scenarioMirror_ = new QLabel(this);
    scenarioMirror_->setObjectName(ObjectNames::ScnDir);
    scenarioMirror_->hide();

    statusLine_ = new StatusLine(this);
    setStatusBar(statusLine_);
    buildMenus();
    setAcceptDrops(true);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* fileRow = new QHBoxLayout;
    fileCaption_ = new QLabel(central);
    fileCaption_->setObjectName(ObjectNames::Label9);
    fileNameMirror_ = new QLabel(central);
    fileNameMirror_->setObjectName(ObjectNames::scnfile);
    fileNameMirror_->setToolTip("Edited scenario file name");
    fileNameMirror_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileNameMirror_->hide();
    fileRow->addWidget(fileCaption_);
    fileRow->addWidget(fileNameMirror_, 1);
    layout->addLayout(fileRow);

    // Until a scenario is loaded there is nothing to edit: a picture stands in for the tabs.
    splash_ = new QLabel(central);
    splash_->setObjectName(ObjectNames::Image5);
    splash_->setAlignment(Qt::AlignCenter);
    splash_->setPixmap(QPixmap(":/app/splash.png"));
    layout->addWidget(splash_, 1);

    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(ObjectNames::SSTab1);
    environmentTab_ = new EnvironmentTab(*session_);
    stationTab_ = new StationTab(*session_);
    shipTab_ = new ShipTab(*session_);
    tabs_->addTab(environmentTab_, "Description, environment and focus");
    tabs_->addTab(stationTab_, "Orbital station list");
    tabs_->addTab(shipTab_, "Ship list");
    tabs_->hide();
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    resize(1100, 760);

    installation_ = new InstallationLoader(*session_, this);
    scenario_ =
        new ScenarioController(*session_, {this, environmentTab_, stationTab_, shipTab_, statusLine_});
    wireParts();
    wireMenus();
    startedUp_ = installation_->startUp();
}

TYX::~TYX() {
    // Closing the window moves the focus out of the description, which the tab tells as a step;
    // by then the parts are going.
    for (QObject* sender : {static_cast<QObject*>(environmentTab_), static_cast<QObject*>(stationTab_),
                            static_cast<QObject*>(shipTab_), static_cast<QObject*>(session_)}) {
        for (const QObject* receiver : {static_cast<QObject*>(this), static_cast<QObject*>(scenario_),
                                        static_cast<QObject*>(installation_)})
            sender->disconnect(receiver);
    }
}

void TYX::wireParts() {
    // The hidden labels show the session's folders and file name to other programs.
    connect(session_, &EditorSession::foldersChanged, this, [this] {
        configMirror_->setText(session_->folders().config);
        scenarioMirror_->setText(session_->folders().scenario);
    });
    connect(session_, &EditorSession::fileNameChanged, fileNameMirror_, &QLabel::setText);

    // What the installation loader read, shown in the tabs and the information window.
    connect(installation_, &InstallationLoader::catalogsRead, this, [this] {
        environmentTab_->showPlanetarySystems();
        shipTab_->showClasses();
        stationTab_->showClasses();
    });
    connect(installation_, &InstallationLoader::bodiesRead, this, [this](const QStringList& bodies) {
        stationTab_->showBodies();
        shipTab_->showBodies();
        // The third body is shown, usually the first with a moon; a smaller system shows its first.
        const int shown = bodies.size() >= 3 ? 2 : (bodies.isEmpty() ? -1 : 0);
        informationWindow()->showBodies(bodies, shown, session_->folders().config);
    });
    connect(installation_, &InstallationLoader::basesRead, shipTab_, &ShipTab::showBaseTree);
    connect(scenario_, &ScenarioController::planetarySystemNeeded, installation_,
            &InstallationLoader::readPlanetarySystem);
    connect(scenario_, &ScenarioController::fileOpening, this, &TYX::showOpenedFile);
    connect(scenario_, &ScenarioController::fileOpened, this, &TYX::showOpenedScenario);

    connect(environmentTab_, &EnvironmentTab::planetarySystemChosen, scenario_,
            &ScenarioController::changePlanetarySystem);
    connect(stationTab_, &StationTab::stationStored, shipTab_, &ShipTab::stationStored);
    connect(stationTab_, &StationTab::stationDeleted, shipTab_, &ShipTab::showStationTree);
    connect(shipTab_, &ShipTab::bodiesWalked, stationTab_, &StationTab::selectLastBody);

    // Every step of the user goes into the history.
    connect(environmentTab_, &EnvironmentTab::edited, scenario_, &ScenarioController::recordStep);
    connect(stationTab_, &StationTab::edited, scenario_, &ScenarioController::recordStep);
    connect(shipTab_, &ShipTab::edited, scenario_, &ScenarioController::recordStep);
    connect(environmentTab_, &EnvironmentTab::descriptionTyped, scenario_, &ScenarioController::recordTyping);
}

// A readable file is being opened: the file commands apply to it, its name replaces the picture.
void TYX::showOpenedFile() {
    saveAction_->setEnabled(true);
    saveAsAction_->setEnabled(true);
    changesAction_->setEnabled(true);
    mapAction_->setEnabled(true);
    fileCaption_->setText("Scenario file");
    fileNameMirror_->show();
    splash_->hide();
}

void TYX::showOpenedScenario(bool viaLoadButton) {
    if (tabs_->isHidden()) tabs_->show();
    // Only the Load button unlocks the information window; a double click or Enter does not.
    if (viaLoadButton) informationAction_->setEnabled(true);
}

void TYX::OpenFromCommandLine(const QString& path) {
    scenario_->openFromCommandLine(path);
}

void TYX::dragEnterEvent(QDragEnterEvent* event) {
    if (scenario_->droppedScenario(event->mimeData()).isEmpty())
        event->ignore();
    else
        TakeWithoutMoving(event);
}

void TYX::dragMoveEvent(QDragMoveEvent* event) {
    if (scenario_->droppedScenario(event->mimeData()).isEmpty())
        event->ignore();
    else
        TakeWithoutMoving(event);
}

void TYX::dropEvent(QDropEvent* event) {
    const QString name = scenario_->droppedScenario(event->mimeData());
    if (name.isEmpty() || !TakeWithoutMoving(event)) {
        event->ignore();
        return;
    }
    // The program the file came from waits until the drop returns: the save prompt and the
    // load run only after that.
    QTimer::singleShot(0, this, [this, name] { scenario_->openByName(name); });
}

// The close box asks nothing; "&Exit" has asked before it gets here.
void TYX::closeEvent(QCloseEvent* event) {
    QDir::setCurrent(QDir::fromNativeSeparators(session_->folders().start));
    if (informationWindow_) informationWindow_->close();
    if (helpWindow_) helpWindow_->close();
    if (mapWindow_) mapWindow_->close();
    event->accept();
}

PlanetarySystemInformation* TYX::informationWindow() {
    if (!informationWindow_) informationWindow_ = new PlanetarySystemInformation(this);
    return informationWindow_;
}
