#include "app/tyx.h"

#include "simulator/planetary_system_information.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TYX::TYX(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TYX");
    setWindowTitle("Skelvan Scenario Editor v1.06");

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
    scnfile->hide();
    fileRow->addWidget(Label9);
    fileRow->addWidget(scnfile, 1);
    layout->addLayout(fileRow);

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
    if (!StartFolder.endsWith(QDir::separator()))
        StartFolder += QDir::separator();
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
    if (!startedUp_)
        return;
    ReadSkelvanConfiguration();
    RewriteSetting();
    StartUpCatalogs();
}

TYX::~TYX() = default;

void TYX::BuildMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& caption, bool enabled, void (TYX::*slot)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        return action;
    };
    Menu1 = menuBar()->addMenu("&Files");
    Menu1->setObjectName("Menu1");
    Menu12 = item(Menu1, "Menu12", "&Open", true, &TYX::Menu12Click);
    Menu13 = item(Menu1, "Menu13", "&Save", false, &TYX::Menu13Click);
    Menu14 = item(Menu1, "Menu14", "S&ave as", false, &TYX::Menu14Click);
    Menu11 = item(Menu1, "Menu11", "&Delete a scenario file", true, &TYX::Menu11Click);
    Menu15 = Menu1->addSeparator();
    Menu15->setObjectName("Menu15");
    Menu16 = item(Menu1, "Menu16", "&Exit", true, &TYX::Menu16Click);

    Menu30 = menuBar()->addMenu("&Tools");
    Menu30->setObjectName("Menu30");
    Menu31 = item(Menu30, "Menu31", "&Planetary system information", false, &TYX::Menu31Click);
    Menu33 = item(Menu30, "Menu33", "&Windows Calculator", true, &TYX::Menu33Click);
    Menu32 = item(Menu30, "Menu32", "&Skelvan Folder Search", true, &TYX::Menu32Click);

    Menu2 = menuBar()->addMenu("&?");
    Menu2->setObjectName("Menu2");
    Menu21 = item(Menu2, "Menu21", "&Help", true, &TYX::Menu21Click);
    Menu22 = item(Menu2, "Menu22", "&About", true, &TYX::Menu22Click);
}

void TYX::BuildEnvironmentTab(QWidget* page) {
    auto* grid = new QGridLayout(page);

    Frame4 = new QGroupBox("Description of the scenario", page);
    Frame4->setObjectName("Frame4");
    Description = new QPlainTextEdit(Frame4);
    Description->setObjectName("Description");
    Description->setToolTip("Contains the scenario description that will be displayed to summarize the scenario at "
                            "its selection");
    (new QVBoxLayout(Frame4))->addWidget(Description);

    Frame5 = new QGroupBox("Environment", page);
    Frame5->setObjectName("Frame5");
    auto* env = new QGridLayout(Frame5);
    PlanetarySystem = new QComboBox(Frame5);
    PlanetarySystem->setObjectName("PlanetarySystem");
    PlanetarySystem->setToolTip(
        "Allows to select a planetary system from the ones installed in the skelvan configuration, and then only "
        "the planets and moons of the selected palentary system will be available for (coherent scenario) "
        "settings.");
    Check2 = new QCheckBox("Lock security", Frame5);
    Check2->setObjectName("Check2");
    Check2->setToolTip("Forbids to change the planetary system to avoid to reset the scenario by mystake");
    Check2->setChecked(true);
    PlanetarySystem->setEnabled(false);
    env->addWidget(new QLabel("Planetary System", Frame5), 0, 0);
    env->addWidget(PlanetarySystem, 0, 1);
    env->addWidget(Check2, 1, 1);

    Frame2 = new QGroupBox("Scenario start time", page);
    Frame2->setObjectName("Frame2");
    auto* time = new QGridLayout(Frame2);
    Calendar = new QCalendarWidget(Frame2);
    Calendar->setObjectName("Calendar");
    Calendar->setToolTip("Defines the scenario start time date");
    Hour = new QComboBox(Frame2);
    Hour->setObjectName("Hour");
    Hour->setToolTip("Defines the scenario start time hour");
    Minute = new QComboBox(Frame2);
    Minute->setObjectName("Minute");
    Minute->setToolTip("Defines the scenario start time minutes");
    time->addWidget(Calendar, 0, 0, 1, 4);
    time->addWidget(new QLabel("Hour", Frame2), 1, 0);
    time->addWidget(Hour, 1, 1);
    time->addWidget(Minute, 1, 2);

    auto* focus = new QGroupBox(page);
    auto* focusLayout = new QGridLayout(focus);
    ShipFocus = new QLabel(focus);
    ShipFocus->setObjectName("ShipFocus");
    PossibleShipFocus = new QComboBox(focus);
    PossibleShipFocus->setObjectName("PossibleShipFocus");
    Command7 = new QPushButton("Change user-controled ship", focus);
    Command7->setObjectName("Command7");
    focusLayout->addWidget(new QLabel("User-controlled ship", focus), 0, 0);
    focusLayout->addWidget(ShipFocus, 0, 1);
    focusLayout->addWidget(new QLabel("Possible ships", focus), 1, 0);
    focusLayout->addWidget(PossibleShipFocus, 1, 1);
    focusLayout->addWidget(Command7, 2, 1);
    connect(Command7, &QPushButton::clicked, this, [this] { Command7Click(); });
    connect(Check2, &QCheckBox::clicked, this, [this] { Check2Click(); });

    grid->addWidget(Frame4, 0, 0, 1, 2);
    grid->addWidget(Frame5, 1, 0);
    grid->addWidget(Frame2, 1, 1, 2, 1);
    grid->addWidget(focus, 2, 0);
}

void TYX::closeEvent(QCloseEvent* event) {
    QDir::setCurrent(QDir::fromNativeSeparators(StartFolder));
    if (informationWindow_)
        informationWindow_->close();
    event->accept();
}

// Menu commands, the save prompt and the load side of the window come with the dialogs.
void TYX::SavePrompt() {}
void TYX::Menu12Click() {}
void TYX::Menu13Click() {}
void TYX::Menu14Click() {}
void TYX::Menu11Click() {}
void TYX::Menu16Click() { close(); }
void TYX::Menu31Click() {}
void TYX::Menu33Click() {}
void TYX::Menu21Click() {}
void TYX::Menu22Click() {}
void TYX::TyxSetting(const QString&, const QString&, bool) {}
void TYX::TabSettings() {}
bool TYX::ScenarioFileSaving(const QString&) { return false; }
