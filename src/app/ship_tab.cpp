// The ship tab "Ship list": its controls, with their captions and tooltips, and the wiring of
// their handlers.
#include "app/tyx.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/location_trees_view.h"
#include "widgets/common/selection.h"
#include "widgets/orbit/ship_orbit_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

namespace {
void SetToolTipOnce(QWidget* widget, const QString& tip) {
    if (widget && widget->toolTip().isEmpty()) widget->setToolTip(tip);
}

// The rows of a status frame: each control beside its caption, then the location tree,
// which takes the height that is left.
void PlaceUnderCaptions(QGridLayout* grid, std::initializer_list<std::pair<const char*, QWidget*>> rows,
                        QTreeWidget* tree) {
    QWidget* frame = grid->parentWidget();
    int row = 0;
    for (const auto& [caption, control] : rows) {
        grid->addWidget(Caption(QLatin1String(caption), frame), row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }
    grid->addWidget(tree, row, 0, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}

QSlider* LevelSlider(QWidget* parent, const char* name, int minimum) {
    auto* slider = Named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(minimum, 100);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setFocusPolicy(Qt::StrongFocus); // keyboard users move it with the arrow keys
    return slider;
}

// Three text boxes X, Y, Z in their own frame.
void AxisFrame(QWidget* parent, QGridLayout* into, int row, const QString& title, const QString& tipPattern,
               QLineEdit*& x, QLineEdit*& y, QLineEdit*& z, const char* nx, const char* ny, const char* nz) {
    auto* frame = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(frame);
    QLineEdit** boxes[3] = {&x, &y, &z};
    const char* names[3] = {nx, ny, nz};
    const char* axes[3] = {"X", "Y", "Z"};
    for (int a = 0; a < 3; ++a) {
        *boxes[a] = Named(new QLineEdit(frame), names[a], tipPattern.arg(QLatin1String(axes[a])));
        grid->addWidget(Caption(QLatin1String(axes[a]), frame), 0, 2 * a);
        grid->addWidget(*boxes[a], 0, 2 * a + 1);
    }
    into->addWidget(frame, row, 0, 1, 3);
}
} // namespace

void TYX::BuildShipTab(QWidget* page) {
    auto* grid = new QGridLayout(page);

    // Left column: the ship, its class, its status, its levels and the actions.
    auto* left = new QVBoxLayout;
    auto* identity = new QGridLayout;
    ShipName = Named(new QComboBox(page), "ShipName", "List of the ship integrated in the scenario");
    ShipName->setEditable(true);
    // Typing gives the ship a new name: the typed text must neither become a list entry of its
    // own nor be completed into the name of another ship. Nor may the combo switch to the ship
    // of that name on Return or when the focus moves to the validation button: the button would
    // then store the other ship and the user's edits would be lost.
    ShipName->setInsertPolicy(QComboBox::NoInsert);
    ShipName->setCompleter(nullptr);
    QObject::disconnect(ShipName->lineEdit(), &QLineEdit::editingFinished, ShipName, nullptr);
    QObject::disconnect(ShipName->lineEdit(), &QLineEdit::returnPressed, ShipName, nullptr);
    ShipIndex = Named(new QLabel(page), "ShipIndex");
    ShipIndex->hide();
    ShipClass = ValueLabel(page, "ShipClass", "Class of the ship selected in the Ship name combo box");
    Spacecraft =
        Named(new QComboBox(page), "Spacecraft",
              "List of all the available ship class, according to the Skelvan configuration including the "
              "add-ons");
    Command10 = Named(new QPushButton("Change class", page), "Command10",
                      "Sets the Ship class to the class selected in the \"Possible Ship Class\" combo box");
    identity->addWidget(Caption("Ship name", page), 0, 0);
    identity->addWidget(ShipName, 0, 1);
    identity->addWidget(Caption("Ship Class", page), 1, 0);
    identity->addWidget(ShipClass, 1, 1);
    identity->addWidget(Caption("Possible Ship Class", page), 2, 0);
    identity->addWidget(Spacecraft, 2, 1);
    identity->addWidget(Command10, 3, 1);
    identity->setColumnStretch(1, 1);
    left->addLayout(identity);

    left->addWidget(Caption("Select the ship status", page));
    auto* status = Named(new QGroupBox("Status", page), "ShipStatusFrame");
    auto* statusRow = new QHBoxLayout(status);
    LandedShipOption =
        Named(new QRadioButton("Landed", status), "LandedShipOption", "Sets the ship status to \"Landed\"");
    OrbitingShipOption = Named(new QRadioButton("Orbiting", status), "OrbitingShipOption",
                               "Sets the ship status to Orbiting\"");
    DockedShipOption =
        Named(new QRadioButton("Docked", status), "DockedShipOption", "Sets the ship status to \"Docked\"");
    statusRow->addWidget(LandedShipOption);
    statusRow->addWidget(OrbitingShipOption);
    statusRow->addWidget(DockedShipOption);
    left->addWidget(status);

    auto* engines = Named(new QGroupBox("Engine settings", page), "ShipEngineFrame");
    auto* engineGrid = new QGridLayout(engines);
    ShipFuel = ValueLabel(engines, "ShipFuel", "Defines the ship tank fuel level (percentage from 0 to 1)");
    ShipFuelSlider = LevelSlider(engines, "ShipFuelSlider", 0);
    MainEngineStatus =
        ValueLabel(engines, "MainEngineStatus",
                   "Main/retro engine power percentage in action (percentage from -1 to 1). This "
                   "value must be set to zero when landed or docked");
    MainEngineStatusSlider = LevelSlider(engines, "MainEngineStatusSlider", -100);
    HoverEngineStatus =
        ValueLabel(engines, "HoverEngineStatus",
                   "Hover engine power percentage in action (from 0 to 1). This value must be set "
                   "to zero when landed or docked");
    HoverEngineStatusSlider = LevelSlider(engines, "HoverEngineStatusSlider", 0);
    engineGrid->addWidget(Caption("Fuel level", engines), 0, 0);
    engineGrid->addWidget(ShipFuel, 0, 1);
    engineGrid->addWidget(ShipFuelSlider, 1, 0, 1, 2);
    engineGrid->addWidget(Caption("Engine status", engines), 2, 0);
    engineGrid->addWidget(MainEngineStatus, 2, 1);
    engineGrid->addWidget(MainEngineStatusSlider, 3, 0, 1, 2);
    engineGrid->addWidget(Caption("Hover engine status", engines), 4, 0);
    engineGrid->addWidget(HoverEngineStatus, 4, 1);
    engineGrid->addWidget(HoverEngineStatusSlider, 5, 0, 1, 2);
    left->addWidget(engines);

    auto* actions = Named(new QGroupBox("Actions", page), "ShipActionsFrame");
    auto* actionColumn = new QVBoxLayout(actions);
    Command4 =
        Named(new QPushButton("Ship parameter validation", actions), "Command4",
              "Validates all ship parameters. If the values are not validated, they are not memorized and "
              "lost and the former values taken into account when passing to another ship.");
    Command5 = Named(new QPushButton("Add a new ship", actions), "Command5",
                     "To create a new ship within the scenario");
    Command6 =
        Named(new QPushButton("Delete ship", actions), "Command6",
              "Deletes the ship from the scenario (the ship file in the configuration is not removed)");
    actionColumn->addWidget(Command4);
    actionColumn->addWidget(Command5);
    actionColumn->addWidget(Command6);
    left->addWidget(actions);
    left->addStretch(1);

    // Right column: the frame of the status, one shown at a time in the same place.
    Landed = Named(new QGroupBox("Landed ship parameters", page), "Landed");
    auto* landedGrid = new QGridLayout(Landed);
    ShipLandedPlanet = ValueLabel(Landed, "ShipLandedPlanet", "Planet of the base where the ship is parked");
    ShipLandedBase = ValueLabel(Landed, "ShipLandedBase", "Name of the base where the ship is parked");
    ShipLandedPad = ValueLabel(Landed, "ShipLandedPad", "Pad number where the is is parked");
    ShipLandedHeading = Named(new QLineEdit(Landed), "ShipLandedHeading",
                              QString::fromUtf8("Ship orientation (in °) at the landing pad"));
    ShipLandingTree = MakeLocationTree(Landed, "ShipLandingTree");
    PlaceUnderCaptions(landedGrid,
                       {{"Planet", ShipLandedPlanet},
                        {"Base", ShipLandedBase},
                        {"Landed pad", ShipLandedPad},
                        {"Heading", ShipLandedHeading}},
                       ShipLandingTree);

    Orbiting = Named(new QGroupBox("Orbiting ship parameters", page), "Orbiting");
    auto* orbitGrid = new QGridLayout(Orbiting);
    ShipOrbitingPlanet =
        ValueLabel(Orbiting, "ShipOrbitingPlanet", "Displays the planet the ship orbits around");
    OrbitingRef =
        Named(new QComboBox(Orbiting), "OrbitingRef", "List of the planets within the planetary system");
    Command11 =
        Named(new QPushButton("Change planet", Orbiting), "Command11",
              "Changes the planet the ships orbits around by choosing it from the \"Possible Planet\" list");
    orbitGrid->addWidget(Caption("Planet", Orbiting), 0, 0);
    orbitGrid->addWidget(ShipOrbitingPlanet, 0, 1, 1, 2);
    orbitGrid->addWidget(Caption("Possible planet", Orbiting), 1, 0);
    orbitGrid->addWidget(OrbitingRef, 1, 1);
    orbitGrid->addWidget(Command11, 1, 2);
    AxisFrame(Orbiting, orbitGrid, 2, "Position rel. to reference",
              "Displays the ship position relative to reference on axis %1", ShipOrbitingRposX,
              ShipOrbitingRposY, ShipOrbitingRposZ, "ShipOrbitingRposX", "ShipOrbitingRposY",
              "ShipOrbitingRposZ");
    AxisFrame(Orbiting, orbitGrid, 3, "Velocity rel. to reference",
              "Displays the ship velocity relative to reference on axis %1", ShipOrbitingRvelX,
              ShipOrbitingRvelY, ShipOrbitingRvelZ, "ShipOrbitingRvelX", "ShipOrbitingRvelY",
              "ShipOrbitingRvelZ");
    AxisFrame(Orbiting, orbitGrid, 4, "Rot. angles orientation",
              "Object frame rotation angle orientation on axis %1", ShipOrbitingArotX, ShipOrbitingArotY,
              ShipOrbitingArotZ, "ShipOrbitingArotX", "ShipOrbitingArotY", "ShipOrbitingArotZ");
    ShipOrbitingAngularVelocity = Named(new QLineEdit(Orbiting), "ShipOrbitingAngularVelocity",
                                        "Displays the ship orbiting angular velocity");
    orbitGrid->addWidget(Caption(QString::fromUtf8("Angular velocity (°/s)"), Orbiting), 5, 0);
    orbitGrid->addWidget(ShipOrbitingAngularVelocity, 5, 1);
    orbitGrid->setRowStretch(6, 1);
    orbitGrid->setColumnStretch(1, 1);

    Docked = Named(new QGroupBox("Docked ship parameters", page), "Docked");
    auto* dockGrid = new QGridLayout(Docked);
    ShipDockedPlanet = ValueLabel(Docked, "ShipDockedPlanet", "Planet the station orbits around");
    ShipDockedStation =
        ValueLabel(Docked, "ShipDockedStation", "Name of the Station where the ship is docked");
    ShipDockedPort =
        ValueLabel(Docked, "ShipDockedPort", "Station dock port number where the ship is docked");
    ShipDockedTree = MakeLocationTree(Docked, "ShipDockedTree");
    PlaceUnderCaptions(
        dockGrid,
        {{"Planet", ShipDockedPlanet}, {"Station", ShipDockedStation}, {"Dock port", ShipDockedPort}},
        ShipDockedTree);

    grid->addLayout(left, 0, 0);
    for (QGroupBox* frame : {Landed, Orbiting, Docked}) {
        grid->addWidget(frame, 0, 1);
        frame->hide();
    }
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);

    // The user-controlled ship sits on the first tab, which is built before this one.
    SetToolTipOnce(ShipFocus,
                   "Displays the user-controlled ship. It can be selected from the \"possible ships\" list, "
                   "that can be updated at the Ship list tab");
    SetToolTipOnce(PossibleShipFocus, "List of the ships available in the scenario");
    SetToolTipOnce(
        Command7,
        "Replace the user-controlled ship by the ship displayed at the \"Possible ships\" combo box");

    // Handlers. A pick in the ship list and an option click run the same handler as a
    // selection from code (ui/selection.h).
    OnPick(ShipName, [this] { ShipNameClick(); });
    OnPick(LandedShipOption, [this] { LandedShipOptionClick(); });
    OnPick(OrbitingShipOption, [this] { OrbitingShipOptionClick(); });
    OnPick(DockedShipOption, [this] { DockedShipOptionClick(); });
    // Every movement (mouse, wheel or keys) moves the label with it; the display sets the
    // sliders with their signals blocked.
    connect(ShipFuelSlider, &QSlider::valueChanged, this, [this] { ShipFuelSliderChange(); });
    connect(MainEngineStatusSlider, &QSlider::valueChanged, this, [this] { MainEngineStatusSliderChange(); });
    connect(HoverEngineStatusSlider, &QSlider::valueChanged, this,
            [this] { HoverEngineStatusSliderChange(); });
    connect(ShipLandingTree, &QTreeWidget::itemDoubleClicked, this, [this] { ShipLandingTreeDblClick(); });
    connect(ShipDockedTree, &QTreeWidget::itemDoubleClicked, this, [this] { ShipDockedTreeDblClick(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11Click(); });

    // The orbit panel, made last so that its planet watch runs after the tab's own handlers.
    orbitGrid->addWidget(MakeShipOrbitPanel(*this, Orbiting), 6, 0, 1, 3);
}
