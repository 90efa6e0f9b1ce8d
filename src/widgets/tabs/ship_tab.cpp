// The ship tab's controls, with their captions and tooltips, and their wiring.
#include "widgets/tabs/ship_tab.h"

#include "core/editing/editor_session.h"
#include "core/editing/ship_percent.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/object_names.h"
#include "widgets/common/pending_label.h"
#include "widgets/common/selection.h"
#include "widgets/tabs/ship_frames.h"
#include "widgets/tabs/tank_table.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {
QSlider* LevelSlider(QWidget* parent, const char* name, int minimum) {
    auto* slider = Named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(minimum, 100);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setFocusPolicy(Qt::StrongFocus); // keyboard users move it with the arrow keys
    return slider;
}
} // namespace

ShipTab::ShipTab(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    auto* grid = new QGridLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildIdentity());
    left->addWidget(Caption("Select the ship status", this));
    left->addWidget(buildStatus());
    left->addWidget(buildEngines());
    left->addWidget(buildActions());
    left->addStretch(1);

    landed_ = new LandedFrame(session_, this);
    orbiting_ = new OrbitingFrame(session_, this);
    docked_ = new DockedFrame(session_, this);
    // Kept for those who look for it by name; the frames show every placement themselves.
    placementNote_ = Named(new QLabel(this), ObjectNames::ShipPlacementNote);
    placementNote_->hide();
    grid->addLayout(left, 0, 0, 2, 1);
    grid->addWidget(placementNote_, 0, 1);
    for (QGroupBox* frame : {static_cast<QGroupBox*>(landed_), static_cast<QGroupBox*>(orbiting_),
                             static_cast<QGroupBox*>(docked_)}) {
        grid->addWidget(frame, 1, 1);
        frame->hide();
    }
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    connectControls();
    pending_->watch(this, [this] { return formValues(); });
}

QWidget* ShipTab::buildIdentity() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    nameList_ =
        Named(new QComboBox(box), ObjectNames::ShipName, "List of the ship integrated in the scenario");
    nameList_->setEditable(true);
    // Typing gives the ship a new name: the typed text must neither become a list entry of its
    // own nor be completed into the name of another ship. Nor may the combo switch to the ship
    // of that name on Return or when the focus moves to the validation button: the button would
    // then store the other ship and the user's edits would be lost.
    nameList_->setInsertPolicy(QComboBox::NoInsert);
    nameList_->setCompleter(nullptr);
    QObject::disconnect(nameList_->lineEdit(), &QLineEdit::editingFinished, nameList_, nullptr);
    QObject::disconnect(nameList_->lineEdit(), &QLineEdit::returnPressed, nameList_, nullptr);
    indexMirror_ = Named(new QLabel(box), ObjectNames::ShipIndex);
    indexMirror_->hide();
    className_ =
        ValueLabel(box, ObjectNames::ShipClass, "Class of the ship selected in the Ship name combo box");
    classList_ =
        Named(new QComboBox(box), ObjectNames::Spacecraft,
              "List of all the available ship class, according to the Skelvan configuration including "
              "the add-ons");
    changeClassButton_ =
        Named(new QPushButton("Change class", box), ObjectNames::Command10,
              "Sets the Ship class to the class selected in the \"Possible Ship Class\" combo box");
    grid->addWidget(Caption("Ship name", box), 0, 0);
    grid->addWidget(nameList_, 0, 1);
    grid->addWidget(Caption("Ship Class", box), 1, 0);
    grid->addWidget(className_, 1, 1);
    grid->addWidget(Caption("Possible Ship Class", box), 2, 0);
    grid->addWidget(classList_, 2, 1);
    grid->addWidget(changeClassButton_, 3, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* ShipTab::buildStatus() {
    auto* frame = Named(new QGroupBox("Status", this), ObjectNames::ShipStatusFrame);
    auto* row = new QHBoxLayout(frame);
    landedOption_ = Named(new QRadioButton("Landed", frame), ObjectNames::LandedShipOption,
                          "Sets the ship status to \"Landed\"");
    orbitingOption_ = Named(new QRadioButton("Orbiting", frame), ObjectNames::OrbitingShipOption,
                            "Sets the ship status to Orbiting\"");
    dockedOption_ = Named(new QRadioButton("Docked", frame), ObjectNames::DockedShipOption,
                          "Sets the ship status to \"Docked\"");
    for (QRadioButton* option : {landedOption_, orbitingOption_, dockedOption_}) {
        option->setProperty(kOwnToolTip, option->toolTip());
        row->addWidget(option);
    }
    return frame;
}

QWidget* ShipTab::buildEngines() {
    auto* frame = Named(new QGroupBox("Engine settings", this), ObjectNames::ShipEngineFrame);
    auto* grid = new QGridLayout(frame);
    fuel_ =
        ValueLabel(frame, ObjectNames::ShipFuel, "Defines the ship tank fuel level (percentage from 0 to 1)");
    fuelSlider_ = LevelSlider(frame, ObjectNames::ShipFuelSlider, 0);
    mainEngine_ = ValueLabel(frame, ObjectNames::MainEngineStatus,
                             "Main/retro engine power percentage in action (percentage from -1 to 1). This "
                             "value must be set to zero when landed or docked");
    mainEngineSlider_ = LevelSlider(frame, ObjectNames::MainEngineStatusSlider, -100);
    hoverEngine_ = ValueLabel(frame, ObjectNames::HoverEngineStatus,
                              "Hover engine power percentage in action (from 0 to 1). This value must be set "
                              "to zero when landed or docked");
    hoverEngineSlider_ = LevelSlider(frame, ObjectNames::HoverEngineStatusSlider, 0);
    grid->addWidget(Caption("Fuel level", frame), 0, 0);
    grid->addWidget(fuel_, 0, 1);
    grid->addWidget(fuelSlider_, 1, 0, 1, 2);
    grid->addWidget(Caption("Engine status", frame), 2, 0);
    grid->addWidget(mainEngine_, 2, 1);
    grid->addWidget(mainEngineSlider_, 3, 0, 1, 2);
    grid->addWidget(Caption("Hover engine status", frame), 4, 0);
    grid->addWidget(hoverEngine_, 4, 1);
    grid->addWidget(hoverEngineSlider_, 5, 0, 1, 2);
    tanks_ = new TankTable(frame);
    grid->addWidget(tanks_, 0, 2, 6, 1, Qt::AlignTop);
    return frame;
}

QWidget* ShipTab::buildActions() {
    auto* frame = Named(new QGroupBox("Actions", this), ObjectNames::ShipActionsFrame);
    auto* column = new QVBoxLayout(frame);
    validateButton_ =
        Named(new QPushButton("Ship parameter validation", frame), ObjectNames::Command4,
              "Validates all ship parameters. If the values are not validated, they are not memorized and "
              "lost and the former values taken into account when passing to another ship.");
    addButton_ = Named(new QPushButton("Add a new ship", frame), ObjectNames::Command5,
                       "To create a new ship within the scenario");
    deleteButton_ =
        Named(new QPushButton("Delete ship", frame), ObjectNames::Command6,
              "Deletes the ship from the scenario (the ship file in the configuration is not removed)");
    column->addWidget(validateButton_);
    pending_ = new PendingLabel(ObjectNames::ShipPending, frame);
    column->addWidget(pending_);
    column->addWidget(addButton_);
    column->addWidget(deleteButton_);
    return frame;
}

void ShipTab::connectControls() {
    connect(nameList_, &QComboBox::activated, this, &ShipTab::pickShip);
    connect(&session_, &EditorSession::shipsChanged, this, &ShipTab::showNames);
    // The ship shown may have moved with the start date: shown again from its row.
    connect(&session_, &EditorSession::shipPlacesChanged, this, [this] {
        reset();
        showShip();
    });
    connect(landedOption_, &QRadioButton::clicked, this, &ShipTab::chooseLanded);
    connect(orbitingOption_, &QRadioButton::clicked, this, &ShipTab::chooseOrbiting);
    connect(dockedOption_, &QRadioButton::clicked, this, &ShipTab::chooseDocked);
    // Every movement (mouse, wheel or keys) moves the label with it; the display sets the
    // sliders with their signals blocked.
    connect(fuelSlider_, &QSlider::valueChanged, this, [this](int value) {
        fuel_->setText(SliderText(value));
        tanks_->setEveryLevel(value);
    });
    // The fuel label shows the first tank, as the reader takes the fuel from it.
    connect(tanks_, &TankTable::firstLevelEdited, this, &ShipTab::showFirstTank);
    connect(mainEngineSlider_, &QSlider::valueChanged, this,
            [this](int value) { mainEngine_->setText(SliderText(value)); });
    connect(hoverEngineSlider_, &QSlider::valueChanged, this,
            [this](int value) { hoverEngine_->setText(SliderText(value)); });
    connect(validateButton_, &QPushButton::clicked, this, &ShipTab::validateShip);
    connect(addButton_, &QPushButton::clicked, this, &ShipTab::addShip);
    connect(deleteButton_, &QPushButton::clicked, this, &ShipTab::deleteShip);
    connect(changeClassButton_, &QPushButton::clicked, this, &ShipTab::changeClass);
}

void ShipTab::showClasses() {
    FillQuietly(classList_, session_.spacecraftClasses());
}

void ShipTab::showBodies() {
    orbiting_->showBodies(-1);
    landed_->showBodies();
}

void ShipTab::showStationTree() {
    docked_->showStations();
    emit bodiesWalked();
}

void ShipTab::showBaseTree() {
    landed_->showBases();
    emit bodiesWalked();
}

void ShipTab::showDockedShips() {
    docked_->showDockedShips();
}

void ShipTab::showLandedShips() {
    landed_->showLandedShips();
}

void ShipTab::changeClass() {
    className_->setText(classList_->currentText());
}
