// The main window's frame: the file name line, the picture shown until a scenario is
// loaded, the three tabs, and the start-up order.
#include "app/tyx.h"

#include "skelvan_version.h"
#include "widgets/dialogs/planetary_system_information.h"

#include <QCloseEvent>
#include <QComboBox>
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

TYX::TYX(QWidget* parent) : QMainWindow(parent) {
    InitEditorResources();
    setObjectName("TYX");
    setWindowTitle("Skelvan Scenario Editor v" SKELVAN_VERSION);
    setWindowIcon(QIcon(":/app/skelvan-scenario-editor.png"));

    CfgDir = new QLabel(this);
    CfgDir->setObjectName("CfgDir");
    CfgDir->hide();
    ScnDir = new QLabel(this);
    ScnDir->setObjectName("ScnDir");
    ScnDir->hide();

    BuildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* fileRow = new QHBoxLayout;
    Label9 = new QLabel(central);
    Label9->setObjectName("Label9");
    scnfile = new QLabel(central);
    scnfile->setObjectName("scnfile");
    scnfile->setToolTip("Edited scenario file name");
    scnfile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    scnfile->hide();
    fileRow->addWidget(Label9);
    fileRow->addWidget(scnfile, 1);
    layout->addLayout(fileRow);

    // Until a scenario is loaded there is nothing to edit: a picture stands in for the tabs.
    Image5 = new QLabel(central);
    Image5->setObjectName("Image5");
    Image5->setAlignment(Qt::AlignCenter);
    Image5->setPixmap(QPixmap(":/app/splash.png"));
    layout->addWidget(Image5, 1);

    SSTab1 = new QTabWidget(central);
    SSTab1->setObjectName("SSTab1");
    auto* environmentPage = new QWidget;
    auto* stationPage = new QWidget;
    auto* shipPage = new QWidget;
    SSTab1->addTab(environmentPage, "Description, environment and focus");
    SSTab1->addTab(stationPage, "Orbital station list");
    SSTab1->addTab(shipPage, "Ship list");
    SSTab1->hide();
    layout->addWidget(SSTab1, 1);
    setCentralWidget(central);

    BuildEnvironmentTab(environmentPage);
    BuildStationTab(stationPage);
    BuildShipTab(shipPage);
    resize(1100, 760);

    // Start-up: the start folder, the time pickers, the simulator folders, the catalogs.
    StartFolder = QDir::toNativeSeparators(QDir::currentPath());
    if (!StartFolder.endsWith(QDir::separator())) StartFolder += QDir::separator();
    for (QComboBox* box : {Hour, StationOrbitalRefHour}) {
        box->clear();
        for (int h = 0; h < 24; ++h)
            box->addItem(QString::number(h));
    }
    for (QComboBox* box : {Minute, StationOrbitalRefMin}) {
        box->clear();
        for (int m = 0; m < 60; ++m)
            box->addItem(QString::number(m));
    }
    SkelvanFolderLocation();
    if (!startedUp_) return;
    ReadSkelvanConfiguration();
    RewriteSetting();
    StartUpCatalogs();
}

TYX::~TYX() = default;

// The close box asks nothing; "&Exit" has asked before it gets here.
void TYX::closeEvent(QCloseEvent* event) {
    QDir::setCurrent(QDir::fromNativeSeparators(StartFolder));
    if (informationWindow_) informationWindow_->close();
    if (helpWindow_) helpWindow_->close();
    event->accept();
}
