// The station tab's controls, with their captions and tooltips, and their wiring.
#include "widgets/tabs/station_tab.h"

#include "core/editing/editor_session.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/object_names.h"
#include "widgets/common/pending_label.h"
#include "widgets/common/selection.h"
#include "widgets/orbit/orbit_panels.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct Element {
    QLineEdit** box;
    const char* name;
    const char* caption;
    const char* toolTip;
};
} // namespace

StationTab::StationTab(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    auto* grid = new QGridLayout(this);
    auto* identity = new QGroupBox(this);
    identity->setObjectName(ObjectNames::StationIdentityFrame);
    buildIdentity(identity);
    grid->addWidget(identity, 0, 0);
    grid->addWidget(buildRotation(), 1, 0);
    grid->addWidget(buildAngles(), 2, 0);
    grid->addWidget(buildOrbit(), 0, 1, 4, 1);
    grid->addWidget(buildActions(), 4, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    indexMirror_ = Named(new QLabel(this), ObjectNames::StationIndex);
    indexMirror_->hide();

    StationOrbitControls controls;
    controls.SemiMajorAxis = semiMajorAxis_;
    controls.Excentricity = excentricity_;
    controls.Inclination = inclination_;
    controls.AscendingNodeLongitude = ascendingNodeLongitude_;
    controls.PeriapsisLongitude = periapsisLongitude_;
    controls.MeanLongitude = meanLongitude_;
    orbitPanel_ = new StationOrbitPanel(controls, this);
    grid->addWidget(orbitPanel_, 3, 0);
    connectControls();
    pending_->watch(this, [this] { return formValues(); });
}

void StationTab::buildIdentity(QWidget* frame) {
    auto* grid = new QGridLayout(frame);
    nameList_ = Named(new QComboBox(frame), ObjectNames::StationName,
                      "Displays all the stations integrated in the scenario file");
    nameList_->setEditable(true);
    nameList_->setInsertPolicy(QComboBox::NoInsert);
    // Typing the name of another station (to rename this one) must not switch to that station:
    // the combo would pick the matching entry on Return or when the focus leaves, and the
    // validation button would then store the other station.
    nameList_->setCompleter(nullptr);
    QObject::disconnect(nameList_->lineEdit(), &QLineEdit::editingFinished, nameList_, nullptr);
    QObject::disconnect(nameList_->lineEdit(), &QLineEdit::returnPressed, nameList_, nullptr);
    nameList_->setMinimumWidth(220);
    className_ = ValueLabel(frame, ObjectNames::StationClassName, "Displays the station class", 160);
    classList_ = Named(new QComboBox(frame), ObjectNames::StationClass,
                       "Defines the station class, from the station class files available in the Skelvan "
                       "configuration");
    changeClassButton_ =
        Named(new QPushButton("Change class", frame), ObjectNames::Command9,
              "Sets the Station class to thestation class selected in the \"Possible station class\" combo "
              "box");
    planet_ = ValueLabel(frame, ObjectNames::StationRefPlanet,
                         "Defines the planet/moon the station orbits around", 160);
    planetList_ = Named(new QComboBox(frame), ObjectNames::StationRef,
                        "List of the planets (belonging to the selected planetary system) that can be set to "
                        "the station");
    changePlanetButton_ = Named(
        new QPushButton("Change Planet", frame), ObjectNames::Command8,
        "Sets the Station reference planet to the planet selected in the \"Possible planet\" combo box");
    for (QComboBox* box : {classList_, planetList_})
        box->setMinimumWidth(180);
    grid->addWidget(Caption("Station name", frame), 0, 0);
    grid->addWidget(nameList_, 0, 1, 1, 2);
    grid->addWidget(Caption("Station Class", frame), 1, 0);
    grid->addWidget(className_, 1, 1, 1, 2);
    grid->addWidget(Caption("Possible station class", frame), 2, 0);
    grid->addWidget(classList_, 2, 1);
    grid->addWidget(changeClassButton_, 2, 2);
    grid->addWidget(Caption("Station Ref Planet", frame), 3, 0);
    grid->addWidget(planet_, 3, 1, 1, 2);
    grid->addWidget(Caption("Possible planet", frame), 4, 0);
    grid->addWidget(planetList_, 4, 1);
    grid->addWidget(changePlanetButton_, 4, 2);
    grid->setColumnStretch(1, 1);
}

QWidget* StationTab::buildOrbit() {
    // The orbit: six elements and the time they hold for.
    auto* frame = Named(new QGroupBox("Orbital element references", this), ObjectNames::OrbitalElementFrame);
    auto* grid = new QGridLayout(frame);
    const Element elements[] = {
        {&semiMajorAxis_, ObjectNames::StationSemiMajorAxis, "Semi-major axis (m)",
         "Defines the station orbit semi-major axis (in m)"},
        {&excentricity_, ObjectNames::StationExcentricity, "Excentricity",
         "Defines the station orbit excentricity"},
        {&inclination_, ObjectNames::StationInclination, "Inclination (\u00B0)",
         "Defines the station orbit  inclination"},
        {&ascendingNodeLongitude_, ObjectNames::StationAscendingNodeLongitude,
         "Ascending node longitude (\u00B0)", "Defines the station orbit  ascending node longitude"},
        {&periapsisLongitude_, ObjectNames::StationPeriapsisLongitude, "Periapsis longitude (\u00B0)",
         "Defines the station orbit periapsis longitude"},
        {&meanLongitude_, ObjectNames::StationMeanLongitude, "Mean longitude (\u00B0)",
         "Defines the station orbit mean longitude"},
    };
    int row = 0;
    for (const Element& element : elements) {
        *element.box = Named(new QLineEdit(frame), element.name, element.toolTip);
        grid->addWidget(Caption(element.caption, frame), row, 0);
        grid->addWidget(*element.box, row, 1, 1, 4);
        ++row;
    }
    epochDate_ = Named(new QCalendarWidget(frame), ObjectNames::StationOrbitalRefTime,
                       "Defines the date for which the orbital element parameters are valid");
    epochDate_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    epochHour_ = Named(new QComboBox(frame), ObjectNames::StationOrbitalRefHour,
                       "Defines the time hour for which the orbital element parameters are valid");
    epochMinute_ = Named(new QComboBox(frame), ObjectNames::StationOrbitalRefMin,
                         "Defines the time minutes for which the orbital element parameters are valid");
    FillQuietly(epochHour_, NumberEntries(24));
    FillQuietly(epochMinute_, NumberEntries(60));
    epochDate_->setMaximumHeight(260);
    auto* time = new QHBoxLayout;
    time->addWidget(epochHour_);
    time->addWidget(Caption("h", frame));
    time->addSpacing(12);
    time->addWidget(epochMinute_);
    time->addWidget(Caption("mn", frame));
    time->addStretch(1);
    grid->addWidget(Caption("Orbital element reference time", frame), row++, 0, 1, 5);
    grid->addWidget(epochDate_, row++, 0, 1, 5);
    grid->addLayout(time, row++, 0, 1, 5);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* StationTab::buildRotation() {
    // The spin: the class's own or a frequency of the user's.
    auto* frame = Named(new QGroupBox("Rotation frequency (Hz)", this), ObjectNames::RotationFrequencyFrame);
    auto* row = new QHBoxLayout(frame);
    rotationFrequency_ =
        Named(new QLineEdit(frame), ObjectNames::StationRotationFrequency,
              "Rotation frequency for spinning stations; if not specified, the class value is used");
    classRotation_ =
        Named(new QCheckBox("Refered to station class", frame), ObjectNames::Check1,
              "Select the option either to enter a customised spinning frequency, or to use the spinning "
              "frequency of the station class value");
    row->addWidget(rotationFrequency_, 1);
    row->addWidget(classRotation_);
    return frame;
}

QWidget* StationTab::buildAngles() {
    auto* frame =
        Named(new QGroupBox("Station frame rotation angles", this), ObjectNames::StationFrameAnglesFrame);
    auto* row = new QHBoxLayout(frame);
    const Element axes[] = {
        {&xAngle_, ObjectNames::StationXAngle, "X angle (\u00B0)",
         "Station frame rotation angle around X axis"},
        {&yAngle_, ObjectNames::StationYAngle, "Y angle (\u00B0)",
         "Station frame rotation angle around Y axis"},
        {&zAngle_, ObjectNames::StationZAngle, "Z angle (\u00B0)",
         "Station frame rotation angle around Z axis"},
    };
    for (const Element& axis : axes) {
        *axis.box = Named(new QLineEdit(frame), axis.name, axis.toolTip);
        row->addWidget(Caption(axis.caption, frame));
        row->addWidget(*axis.box, 1);
    }
    return frame;
}

QWidget* StationTab::buildActions() {
    auto* frame = Named(new QGroupBox("Actions", this), ObjectNames::StationActionsFrame);
    auto* row = new QHBoxLayout(frame);
    addButton_ = Named(new QPushButton("Add a new station", frame), ObjectNames::Command3,
                       "To create a new station within the scenario");
    deleteButton_ =
        Named(new QPushButton("Delete station", frame), ObjectNames::Command2,
              "Deletes the station from the scenario (the station file in the configuration is not removed)");
    validateButton_ =
        Named(new QPushButton("Station parameter validation", frame), ObjectNames::Command1,
              "Validates all station parameters. If the values are not validated, they are not memorized and "
              "lost and the former values taken into account when passing to another station.");
    for (QPushButton* button : {addButton_, deleteButton_, validateButton_})
        row->addWidget(button);
    pending_ = new PendingLabel(ObjectNames::StationPending, frame);
    row->addWidget(pending_);
    return frame;
}

void StationTab::connectControls() {
    connect(nameList_, &QComboBox::activated, this, &StationTab::pickStation);
    connect(&session_, &EditorSession::stationsChanged, this, &StationTab::showNames);
    connect(classRotation_, &QCheckBox::clicked, this, &StationTab::toggleClassRotation);
    connect(validateButton_, &QPushButton::clicked, this, &StationTab::validateStation);
    connect(deleteButton_, &QPushButton::clicked, this, &StationTab::deleteStation);
    connect(addButton_, &QPushButton::clicked, this, &StationTab::addStation);
    connect(changePlanetButton_, &QPushButton::clicked, this, &StationTab::changePlanet);
    connect(changeClassButton_, &QPushButton::clicked, this, &StationTab::changeClass);
    connect(&session_, &EditorSession::foldersChanged, this, [this] { setPlanet(planet_->text()); });
}

void StationTab::showClasses() {
    FillQuietly(classList_, session_.stationClasses(), session_.stationClasses().isEmpty() ? -1 : 0);
}

void StationTab::showBodies() {
    FillQuietly(planetList_, session_.bodies());
}

void StationTab::selectFirstBody() {
    if (planetList_->count() > 0) SetIndexQuietly(planetList_, 0);
}

void StationTab::selectLastBody() {
    if (planetList_->count() > 0) SetIndexQuietly(planetList_, planetList_->count() - 1);
}
