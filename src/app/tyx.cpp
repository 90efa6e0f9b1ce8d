// The main window's frame: the file name line, the picture shown until a scenario is loaded,
// the three tabs and how they answer each other, and the start-up order.
#include "app/tyx.h"

#include "core/editing/editor_session.h"
#include "skelvan_version.h"
#include "widgets/common/selection.h"
#include "widgets/common/status_line.h"
#include "widgets/dialogs/planetary_system_information.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

// The pictures and the user guide live in the editor library; a static library needs its
// resources registered by hand.
static void InitEditorResources() {
    Q_INIT_RESOURCE(app);
}

TYX::TYX(QWidget* parent) : QMainWindow(parent), session_(new EditorSession(this)) {
    InitEditorResources();
    setObjectName("TYX");
    setWindowTitle("Skelvan Scenario Editor v" SKELVAN_VERSION);
    setWindowIcon(QIcon(":/app/skelvan-scenario-editor.png"));

    configMirror_ = new QLabel(this);
    configMirror_->setObjectName("CfgDir");
    configMirror_->hide();
    scenarioMirror_ = new QLabel(this);
    scenarioMirror_->setObjectName("ScnDir");
    scenarioMirror_->hide();

    statusLine_ = new StatusLine(this);
    setStatusBar(statusLine_);
    buildMenus();
    setAcceptDrops(true);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* fileRow = new QHBoxLayout;
    fileCaption_ = new QLabel(central);
    fileCaption_->setObjectName("Label9");
    fileNameMirror_ = new QLabel(central);
    fileNameMirror_->setObjectName("scnfile");
    fileNameMirror_->setToolTip("Edited scenario file name");
    fileNameMirror_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fileNameMirror_->hide();
    fileRow->addWidget(fileCaption_);
    fileRow->addWidget(fileNameMirror_, 1);
    layout->addLayout(fileRow);

    // Until a scenario is loaded there is nothing to edit: a picture stands in for the tabs.
    splash_ = new QLabel(central);
    splash_->setObjectName("Image5");
    splash_->setAlignment(Qt::AlignCenter);
    splash_->setPixmap(QPixmap(":/app/splash.png"));
    layout->addWidget(splash_, 1);

    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("SSTab1");
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
    wireTabs();

    // Start-up: the simulator folders, the setting, the catalogs.
    SessionFolders folders;
    folders.start = QDir::toNativeSeparators(QDir::currentPath());
    if (!folders.start.endsWith(QDir::separator())) folders.start += QDir::separator();
    session_->setFolders(folders);
    if (!locateSimulator()) {
        startedUp_ = false;
        return;
    }
    readSkelvanConfiguration();
    rewriteSetting();
    readCatalogs();
}

TYX::~TYX() {
    // Closing the window moves the focus out of the description, which the tab tells as a step;
    // by then the history is gone.
    for (QObject* part : {static_cast<QObject*>(environmentTab_), static_cast<QObject*>(stationTab_),
                          static_cast<QObject*>(shipTab_), static_cast<QObject*>(session_)})
        part->disconnect(this);
}

void TYX::wireTabs() {
    // The hidden labels show the session's folders and file name to other programs.
    connect(session_, &EditorSession::foldersChanged, this, [this] {
        configMirror_->setText(session_->folders().config);
        scenarioMirror_->setText(session_->folders().scenario);
    });
    connect(session_, &EditorSession::fileNameChanged, fileNameMirror_, &QLabel::setText);

    connect(environmentTab_, &EnvironmentTab::planetarySystemChosen, this, &TYX::changePlanetarySystem);
    connect(stationTab_, &StationTab::stationStored, shipTab_, &ShipTab::stationStored);
    connect(stationTab_, &StationTab::stationDeleted, shipTab_, &ShipTab::showStationTree);
    connect(shipTab_, &ShipTab::bodiesWalked, stationTab_, &StationTab::selectLastBody);

    // Every step of the user goes into the history.
    connect(environmentTab_, &EnvironmentTab::edited, this, &TYX::recordStep);
    connect(stationTab_, &StationTab::edited, this, &TYX::recordStep);
    connect(shipTab_, &ShipTab::edited, this, &TYX::recordStep);
    connect(environmentTab_, &EnvironmentTab::descriptionTyped, this, [this] {
        typingPending_ = true;
        updateEditState();
    });
}

// The close box asks nothing; "&Exit" has asked before it gets here.
void TYX::closeEvent(QCloseEvent* event) {
    QDir::setCurrent(QDir::fromNativeSeparators(session_->folders().start));
    if (informationWindow_) informationWindow_->close();
    if (helpWindow_) helpWindow_->close();
    event->accept();
}
