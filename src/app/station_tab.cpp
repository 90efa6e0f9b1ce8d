// The station tab "Orbital station list": its controls, the display of a station and the reset.
#include "app/tyx.h"
#include "core/scenario/day_dates.h"
#include "core/text/text_rules.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/selection.h"
#include "widgets/orbit/station_orbit_view.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// Picks the entry whose number the text holds; a number outside the list picks the nearest end.
void SelectNumber(QComboBox* box, const QString& text) {
    if (box->count() == 0) return;
    const double value = std::nearbyint(LeadingNumber(text));
    const double last = box->count() - 1;
    Select(box, static_cast<int>(std::clamp(std::isfinite(value) ? value : 0.0, 0.0, last)));
}
} // namespace

void TYX::BuildStationTab(QWidget* page) {
    auto* grid = new QGridLayout(page);

    // The station itself, its class and its planet.
    auto* identity = new QGroupBox(page);
    identity->setObjectName("StationIdentityFrame");
    auto* id = new QGridLayout(identity);
    StationName = Named(new QComboBox(identity), "StationName",
                        "Displays all the stations integrated in the scenario file");
    StationName->setEditable(true);
    StationName->setInsertPolicy(QComboBox::NoInsert);
    // Typing the name of another station (to rename this one) must not switch to that station:
    // the combo would pick the matching entry on Return or when the focus leaves, and the
    // validation button would then store the other station.
    StationName->setCompleter(nullptr);
    QObject::disconnect(StationName->lineEdit(), &QLineEdit::editingFinished, StationName, nullptr);
    QObject::disconnect(StationName->lineEdit(), &QLineEdit::returnPressed, StationName, nullptr);
    StationName->setMinimumWidth(220);
    StationClassName = ValueLabel(identity, "StationClassName", "Displays the station class", 160);
    StationClass = Named(new QComboBox(identity), "StationClass",
                         "Defines the station class, from the station class files available in the Skelvan "
                         "configuration");
    Command9 =
        Named(new QPushButton("Change class", identity), "Command9",
              "Sets the Station class to thestation class selected in the \"Possible station class\" combo "
              "box");
    StationRefPlanet =
        ValueLabel(identity, "StationRefPlanet", "Defines the planet/moon the station orbits around", 160);
    StationRef =
        Named(new QComboBox(identity), "StationRef",
              "List of the planets (belonging to the selected planetary system) that can be set to the "
              "station");
    Command8 = Named(
        new QPushButton("Change Planet", identity), "Command8",
        "Sets the Station reference planet to the planet selected in the \"Possible planet\" combo box");
    for (QComboBox* box : {StationClass, StationRef})
        box->setMinimumWidth(180);
    id->addWidget(Caption("Station name", identity), 0, 0);
    id->addWidget(StationName, 0, 1, 1, 2);
    id->addWidget(Caption("Station Class", identity), 1, 0);
    id->addWidget(StationClassName, 1, 1, 1, 2);
    id->addWidget(Caption("Possible station class", identity), 2, 0);
    id->addWidget(StationClass, 2, 1);
    id->addWidget(Command9, 2, 2);
    id->addWidget(Caption("Station Ref Planet", identity), 3, 0);
    id->addWidget(StationRefPlanet, 3, 1, 1, 2);
    id->addWidget(Caption("Possible planet", identity), 4, 0);
    id->addWidget(StationRef, 4, 1);
    id->addWidget(Command8, 4, 2);
    id->setColumnStretch(1, 1);

    // The orbit: six elements and the time they hold for.
    auto* orbit = Named(new QGroupBox("Orbital element references", page), "OrbitalElementFrame");
    auto* orb = new QGridLayout(orbit);
    struct Element {
        QLineEdit** box;
        const char* name;
        const char* caption;
        const char* toolTip;
    };
    const Element elements[] = {
        {&StationSemiMajorAxis, "StationSemiMajorAxis", "Semi-major axis (m)",
         "Defines the station orbit semi-major axis (in m)"},
        {&StationExcentricity, "StationExcentricity", "Excentricity",
         "Defines the station orbit excentricity"},
        {&StationInclination, "StationInclination", "Inclination (\u00B0)",
         "Defines the station orbit  inclination"},
        {&StationAscendingNodeLongitude, "StationAscendingNodeLongitude", "Ascending node longitude (\u00B0)",
         "Defines the station orbit  ascending node longitude"},
        {&StationPeriapsisLongitude, "StationPeriapsisLongitude", "Periapsis longitude (\u00B0)",
         "Defines the station orbit periapsis longitude"},
        {&StationMeanLongitude, "StationMeanLongitude", "Mean longitude (\u00B0)",
         "Defines the station orbit mean longitude"},
    };
    int row = 0;
    for (const Element& element : elements) {
        *element.box = Named(new QLineEdit(orbit), element.name, element.toolTip);
        orb->addWidget(Caption(element.caption, orbit), row, 0);
        orb->addWidget(*element.box, row, 1, 1, 4);
        ++row;
    }
    StationOrbitalRefTime = Named(new QCalendarWidget(orbit), "StationOrbitalRefTime",
                                  "Defines the date for which the orbital element parameters are valid");
    StationOrbitalRefTime->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    StationOrbitalRefHour = Named(new QComboBox(orbit), "StationOrbitalRefHour",
                                  "Defines the time hour for which the orbital element parameters are valid");
    StationOrbitalRefMin =
        Named(new QComboBox(orbit), "StationOrbitalRefMin",
              "Defines the time minutes for which the orbital element parameters are valid");
    StationOrbitalRefTime->setMaximumHeight(260);
    auto* time = new QHBoxLayout;
    time->addWidget(StationOrbitalRefHour);
    time->addWidget(Caption("h", orbit));
    time->addSpacing(12);
    time->addWidget(StationOrbitalRefMin);
    time->addWidget(Caption("mn", orbit));
    time->addStretch(1);
    orb->addWidget(Caption("Orbital element reference time", orbit), row++, 0, 1, 5);
    orb->addWidget(StationOrbitalRefTime, row++, 0, 1, 5);
    orb->addLayout(time, row++, 0, 1, 5);
    orb->setRowStretch(row, 1);
    orb->setColumnStretch(1, 1);

    // The spin: the class's own or a frequency of the user's.
    auto* spin = Named(new QGroupBox("Rotation frequency (Hz)", page), "RotationFrequencyFrame");
    auto* spinRow = new QHBoxLayout(spin);
    StationRotationFrequency =
        Named(new QLineEdit(spin), "StationRotationFrequency",
              "Rotation frequency for spinning stations; if not specified, the class value is used");
    Check1 =
        Named(new QCheckBox("Refered to station class", spin), "Check1",
              "Select the option either to enter a customised spinning frequency, or to use the spinning "
              "frequency of the station class value");
    spinRow->addWidget(StationRotationFrequency, 1);
    spinRow->addWidget(Check1);

    auto* angles = Named(new QGroupBox("Station frame rotation angles", page), "StationFrameAnglesFrame");
    auto* angleRow = new QHBoxLayout(angles);
    const Element axes[] = {
        {&StationXAngle, "StationXAngle", "X angle (\u00B0)", "Station frame rotation angle around X axis"},
        {&StationYAngle, "StationYAngle", "Y angle (\u00B0)", "Station frame rotation angle around Y axis"},
        {&StationZAngle, "StationZAngle", "Z angle (\u00B0)", "Station frame rotation angle around Z axis"},
    };
    for (const Element& axis : axes) {
        *axis.box = Named(new QLineEdit(angles), axis.name, axis.toolTip);
        angleRow->addWidget(Caption(axis.caption, angles));
        angleRow->addWidget(*axis.box, 1);
    }

    auto* actions = Named(new QGroupBox("Actions", page), "StationActionsFrame");
    auto* actionRow = new QHBoxLayout(actions);
    Command3 = Named(new QPushButton("Add a new station", actions), "Command3",
                     "To create a new station within the scenario");
    Command2 =
        Named(new QPushButton("Delete station", actions), "Command2",
              "Deletes the station from the scenario (the station file in the configuration is not removed)");
    Command1 =
        Named(new QPushButton("Station parameter validation", actions), "Command1",
              "Validates all station parameters. If the values are not validated, they are not memorized and "
              "lost and the former values taken into account when passing to another station.");
    for (QPushButton* button : {Command3, Command2, Command1})
        actionRow->addWidget(button);

    StationIndex = Named(new QLabel(page), "StationIndex");
    StationIndex->hide();

    grid->addWidget(identity, 0, 0);
    grid->addWidget(spin, 1, 0);
    grid->addWidget(angles, 2, 0);
    grid->addWidget(orbit, 0, 1, 4, 1);
    grid->addWidget(actions, 4, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    OnPick(StationName, [this] { StationParameterDisplay(); });
    OnPick(Check1, [this] { Check1Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9Click(); });

    // The orbit panel, made last so that its planet watch runs after the tab's own handlers.
    grid->addWidget(MakeStationOrbitPanel(*this, page), 3, 0);
}

void TYX::StationParameterDisplay() {
    const int i = StationName->currentIndex();
    if (i < 0 || i >= static_cast<int>(Document.StationTable.size()))
        return; // no station picked (an empty list or a typed name): nothing to show
    const StationRow& row = Document.StationTable[i];
    StationIndex->setText(Trim(NumberText(i)));
    StationRefPlanet->setText(row.Ref);
    StationClassName->setText(row.ClassName);
    StationOrbitalRefTime->setSelectedDate(DateFromDayCount(row.EpochDate));
    SelectNumber(StationOrbitalRefHour, row.EpochHour);
    SelectNumber(StationOrbitalRefMin, row.EpochMinute);
    StationSemiMajorAxis->setText(row.SemiMajorAxis);
    StationExcentricity->setText(row.Excentricity);
    StationInclination->setText(row.Inclination);
    StationAscendingNodeLongitude->setText(row.AscendingNodeLongitude);
    StationPeriapsisLongitude->setText(row.PeriapsisLongitude);
    StationMeanLongitude->setText(row.MeanLongitude);
    // The box is set first, so what its own handler writes is overwritten here.
    const bool classRotation = row.ClassRotation;
    const QString frequency = row.ZrotFrequency;
    SetChecked(Check1, classRotation);
    StationRotationFrequency->setEnabled(!classRotation);
    StationRotationFrequency->setText(classRotation ? QStringLiteral("Class value") : frequency);
    StationXAngle->setText(row.ArotX);
    StationYAngle->setText(row.ArotY);
    StationZAngle->setText(row.ArotZ);
}

void TYX::StationTabReset() {
    {
        const QSignalBlocker block(StationName);
        StationName->clear();
        StationName->clearEditText();
    }
    StationRefPlanet->clear();
    StationClassName->clear();
    for (QLineEdit* box : {StationRotationFrequency, StationXAngle, StationYAngle, StationZAngle,
                           StationSemiMajorAxis, StationExcentricity, StationInclination,
                           StationAscendingNodeLongitude, StationPeriapsisLongitude, StationMeanLongitude})
        box->clear();
    StationOrbitalRefTime->setSelectedDate(DateFromDayCount(0));
    if (StationOrbitalRefHour->count() > 0) Select(StationOrbitalRefHour, 0);
    if (StationOrbitalRefMin->count() > 0) Select(StationOrbitalRefMin, 0);
}
