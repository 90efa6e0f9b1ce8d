// The first tab, "Description, environment and focus": the description, the planetary
// system with its lock, the start date and time, and the user-controlled ship.
#include "app/tyx.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

void TYX::BuildEnvironmentTab(QWidget* page) {
    auto* grid = new QGridLayout(page);

    Frame4 = new QGroupBox("Description of the scenario", page);
    Frame4->setObjectName("Frame4");
    Description = new QPlainTextEdit(Frame4);
    Description->setObjectName("Description");
    Description->setToolTip(
        "Contains the scenario description that will be displayed to summarize the scenario at "
        "its selection");
    Description->setTabChangesFocus(true);
    (new QVBoxLayout(Frame4))->addWidget(Description);

    Frame5 = new QGroupBox("Environment", page);
    Frame5->setObjectName("Frame5");
    auto* env = new QGridLayout(Frame5);
    PlanetarySystem = new QComboBox(Frame5);
    PlanetarySystem->setObjectName("PlanetarySystem");
    PlanetarySystem->setToolTip(
        "Allows to select a planetary system from the ones installed in the skelvan configuration, and then "
        "only "
        "the planets and moons of the selected palentary system will be available for (coherent scenario) "
        "settings.");
    PlanetarySystem->setMinimumContentsLength(24);
    Check2 = new QCheckBox("Lock security", Frame5);
    Check2->setObjectName("Check2");
    Check2->setToolTip("Forbids to change the planetary system to avoid to reset the scenario by mystake");
    Check2->setChecked(true);
    PlanetarySystem->setEnabled(false);
    auto* systemLabel = new QLabel("Planetary System", Frame5);
    systemLabel->setBuddy(PlanetarySystem);
    env->addWidget(systemLabel, 0, 0);
    env->addWidget(PlanetarySystem, 0, 1);
    env->addWidget(Check2, 1, 1);
    env->setColumnStretch(1, 1);

    Frame2 = new QGroupBox("Scenario start time", page);
    Frame2->setObjectName("Frame2");
    auto* time = new QVBoxLayout(Frame2);
    Calendar = new QCalendarWidget(Frame2);
    Calendar->setObjectName("Calendar");
    Calendar->setToolTip("Defines the scenario start time date");
    // The calendar holds the start date between loading and saving, so it must take every
    // day the date conversions give: from Julian day 1 to 31 December 9999. A narrower range
    // would quietly move an early start date when the scenario is saved.
    Calendar->setMinimumDate(QDate::fromJulianDay(1));
    Calendar->setMaximumDate(QDate(9999, 12, 31));
    Hour = new QComboBox(Frame2);
    Hour->setObjectName("Hour");
    Hour->setToolTip("Defines the scenario start time hour");
    Minute = new QComboBox(Frame2);
    Minute->setObjectName("Minute");
    Minute->setToolTip("Defines the scenario start time minutes");
    auto* hourRow = new QHBoxLayout;
    auto* hourLabel = new QLabel("Hour", Frame2);
    hourLabel->setBuddy(Hour);
    hourRow->addWidget(hourLabel);
    hourRow->addWidget(Hour);
    hourRow->addWidget(Minute);
    hourRow->addStretch(1);
    time->addWidget(Calendar);
    time->addLayout(hourRow);

    auto* focus = new QGroupBox(page);
    focus->setObjectName("FocusFrame");
    auto* focusLayout = new QGridLayout(focus);
    ShipFocus = new QLabel(focus);
    ShipFocus->setObjectName("ShipFocus");
    ShipFocus->setToolTip(
        "Displays the user-controlled ship. It can be selected from the \"possible ships\" list, "
        "that can be updated at the Ship list tab");
    ShipFocus->setFrameShape(QFrame::StyledPanel);
    ShipFocus->setMinimumWidth(160);
    PossibleShipFocus = new QComboBox(focus);
    PossibleShipFocus->setObjectName("PossibleShipFocus");
    PossibleShipFocus->setToolTip("List of the ships available in the scenario");
    PossibleShipFocus->setMinimumContentsLength(24);
    Command7 = new QPushButton("Change user-controled ship", focus);
    Command7->setObjectName("Command7");
    Command7->setToolTip(
        "Replace the user-controlled ship by the ship displayed at the \"Possible ships\" combo box");
    auto* possibleLabel = new QLabel("Possible ships", focus);
    possibleLabel->setBuddy(PossibleShipFocus);
    focusLayout->addWidget(new QLabel("User-controlled ship", focus), 0, 0);
    focusLayout->addWidget(ShipFocus, 0, 1);
    focusLayout->addWidget(possibleLabel, 1, 0);
    focusLayout->addWidget(PossibleShipFocus, 1, 1);
    focusLayout->addWidget(Command7, 2, 1);
    focusLayout->setColumnStretch(1, 1);
    connect(Command7, &QPushButton::clicked, this, [this] { Command7Click(); });
    connect(Check2, &QCheckBox::clicked, this, [this] { Check2Click(); });

    auto* left = new QVBoxLayout;
    left->addWidget(Frame5);
    left->addWidget(focus);
    left->addStretch(1);
    // The description takes the room the window has to spare; the pickers keep their size.
    grid->addWidget(Frame4, 0, 0, 1, 3);
    grid->addLayout(left, 1, 0);
    grid->addWidget(Frame2, 1, 1);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(2, 1);

    // Tab order follows the reading order of the page.
    QWidget::setTabOrder(Description, PlanetarySystem);
    QWidget::setTabOrder(PlanetarySystem, Check2);
    QWidget::setTabOrder(Check2, PossibleShipFocus);
    QWidget::setTabOrder(PossibleShipFocus, Command7);
    QWidget::setTabOrder(Command7, Calendar);
    QWidget::setTabOrder(Calendar, Hour);
    QWidget::setTabOrder(Hour, Minute);
}
