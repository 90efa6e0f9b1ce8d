#include "widgets/tabs/environment_tab.h"

#include "core/editing/editor_session.h"
#include "core/editing/ship_lists.h"
#include "core/scenario/day_dates.h"
#include "core/scenario/description_text.h"
#include "core/text/text_rules.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/message_box.h"
#include "widgets/common/object_names.h"
#include "widgets/common/selection.h"
#include "widgets/dialogs/date_change_dialog.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

EnvironmentTab::EnvironmentTab(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    buildDescription();
    buildEnvironment();
    buildStartTime();
    buildFocus();

    auto* grid = new QGridLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(environmentFrame_);
    left->addWidget(focusFrame_);
    left->addStretch(1);
    // The description takes the room the window has to spare; the pickers keep their size.
    grid->addWidget(descriptionFrame_, 0, 0, 1, 3);
    grid->addLayout(left, 1, 0);
    grid->addWidget(timeFrame_, 1, 1);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(2, 1);

    // Tab order follows the reading order of the page.
    QWidget::setTabOrder(description_, systemList_);
    QWidget::setTabOrder(systemList_, lock_);
    QWidget::setTabOrder(lock_, possibleFocus_);
    QWidget::setTabOrder(possibleFocus_, changeFocusButton_);
    QWidget::setTabOrder(changeFocusButton_, calendar_);
    QWidget::setTabOrder(calendar_, hour_);
    QWidget::setTabOrder(hour_, minute_);
}

void EnvironmentTab::buildDescription() {
    auto* frame = Named(new QGroupBox("Description of the scenario", this), ObjectNames::Frame4);
    description_ = Named(new QPlainTextEdit(frame), ObjectNames::Description,
                         "Contains the scenario description that will be displayed to summarize the scenario "
                         "at its selection");
    description_->setTabChangesFocus(true);
    (new QVBoxLayout(frame))->addWidget(description_);
    connect(description_, &QPlainTextEdit::textChanged, this, [this] {
        session_.setDescription(DescriptionFromEditor(description_->document()->toRawText()));
        emit descriptionTyped();
    });
    // A burst of typing is one step for undo: it ends when the description loses the focus.
    description_->installEventFilter(this);
    descriptionFrame_ = frame;
}

void EnvironmentTab::buildEnvironment() {
    auto* frame = Named(new QGroupBox("Environment", this), ObjectNames::Frame5);
    auto* grid = new QGridLayout(frame);
    systemList_ = Named(new QComboBox(frame), ObjectNames::PlanetarySystem,
                        "Allows to select a planetary system from the ones installed in the skelvan "
                        "configuration, and then only the planets and moons of the selected palentary system "
                        "will be available for (coherent scenario) settings.");
    systemList_->setMinimumContentsLength(24);
    lock_ = Named(new QCheckBox("Lock security", frame), ObjectNames::Check2,
                  "Forbids to change the planetary system to avoid to reset the scenario by mystake");
    lock_->setChecked(true);
    systemList_->setEnabled(false);
    auto* caption = new QLabel("Planetary System", frame);
    caption->setBuddy(systemList_);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(systemList_, 0, 1);
    grid->addWidget(lock_, 1, 1);
    grid->setColumnStretch(1, 1);

    // The user's own choice changes the system (and empties the scenario); the list shows the
    // system the session names, whatever named it.
    connect(&session_, &EditorSession::systemNameChanged, this, &EnvironmentTab::showSystem);
    connect(systemList_, &QComboBox::activated, this, [this](int index) {
        if (!lock_->isChecked()) emit planetarySystemChosen(index);
    });
    connect(lock_, &QCheckBox::clicked, this, &EnvironmentTab::toggleLock);
    environmentFrame_ = frame;
}

void EnvironmentTab::buildStartTime() {
    auto* frame = Named(new QGroupBox("Scenario start time", this), ObjectNames::Frame2);
    auto* column = new QVBoxLayout(frame);
    calendar_ =
        Named(new QCalendarWidget(frame), ObjectNames::Calendar, "Defines the scenario start time date");
    // The calendar holds the start date between loading and saving, so it must take every
    // day the date conversions give: from Julian day 1 to 31 December 9999. A narrower range
    // would quietly move an early start date when the scenario is saved.
    calendar_->setMinimumDate(QDate::fromJulianDay(1));
    calendar_->setMaximumDate(QDate(9999, 12, 31));
    hour_ = Named(new QComboBox(frame), ObjectNames::Hour, "Defines the scenario start time hour");
    minute_ = Named(new QComboBox(frame), ObjectNames::Minute, "Defines the scenario start time minutes");
    FillQuietly(hour_, NumberEntries(24));
    FillQuietly(minute_, NumberEntries(60));
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel("Hour", frame);
    caption->setBuddy(hour_);
    row->addWidget(caption);
    row->addWidget(hour_);
    row->addWidget(minute_);
    row->addStretch(1);
    column->addWidget(calendar_);
    column->addLayout(row);

    // Each pick is one step; the display sets these controls quietly.
    connect(calendar_, &QCalendarWidget::selectionChanged, this,
            [this] { pickStartTime(QStringLiteral("change of the start date")); });
    connect(hour_, &QComboBox::currentIndexChanged, this,
            [this] { pickStartTime(QStringLiteral("change of the start hour")); });
    connect(minute_, &QComboBox::currentIndexChanged, this,
            [this] { pickStartTime(QStringLiteral("change of the start minute")); });
    timeFrame_ = frame;
}

void EnvironmentTab::buildFocus() {
    auto* frame = Named(new QGroupBox(this), ObjectNames::FocusFrame);
    auto* grid = new QGridLayout(frame);
    focusShip_ = Named(new QLabel(frame), ObjectNames::ShipFocus,
                       "Displays the user-controlled ship. It can be selected from the \"possible ships\" "
                       "list, that can be updated at the Ship list tab");
    focusShip_->setFrameShape(QFrame::StyledPanel);
    focusShip_->setMinimumWidth(160);
    possibleFocus_ = Named(new QComboBox(frame), ObjectNames::PossibleShipFocus,
                           "List of the ships available in the scenario");
    possibleFocus_->setMinimumContentsLength(24);
    changeFocusButton_ =
        Named(new QPushButton("Change user-controled ship", frame), ObjectNames::Command7,
              "Replace the user-controlled ship by the ship displayed at the \"Possible ships\" combo box");
    auto* caption = new QLabel("Possible ships", frame);
    caption->setBuddy(possibleFocus_);
    grid->addWidget(new QLabel("User-controlled ship", frame), 0, 0);
    grid->addWidget(focusShip_, 0, 1);
    grid->addWidget(caption, 1, 0);
    grid->addWidget(possibleFocus_, 1, 1);
    grid->addWidget(changeFocusButton_, 2, 1);
    grid->setColumnStretch(1, 1);
    connect(changeFocusButton_, &QPushButton::clicked, this, &EnvironmentTab::changeFocusShip);
    // The session's list of possible ships and its user-controlled ship, whatever changed them.
    connect(&session_, &EditorSession::focusEntriesChanged, this, &EnvironmentTab::showFocusEntries);
    connect(&session_, &EditorSession::focusShipChanged, focusShip_, &QLabel::setText);
    focusFrame_ = frame;
}

CalendarTime EnvironmentTab::shownStartTime() const {
    return {DayCountFromDate(calendar_->selectedDate()),
            static_cast<int>(LeadingNumber(hour_->currentText())),
            static_cast<int>(LeadingNumber(minute_->currentText()))};
}

void EnvironmentTab::pickStartTime(const QString& step) {
    const CalendarTime picked = shownStartTime();
    std::optional<DateChangeMove> move = DateChangeMove::Keep;
    // Ships given by position and velocity are where the numbers put them at the start: asked
    // once per pick what becomes of them, since the planets turn and move under them.
    const double seconds = session_.secondsToStart(picked);
    if (const int ships = session_.shipsOrbitingByState(); ships > 0 && seconds != 0)
        move = DateChangeDialog::Ask(seconds / 86400, ships, this);
    if (!move) {
        // Not answered: the date as it was, and no step.
        showStartTime();
        return;
    }
    session_.setStartTimeMovingShips(picked, *move);
    emit edited(step, QString());
}

void EnvironmentTab::showStartTime() {
    const ScenarioDocument& document = session_.document();
    {
        const QSignalBlocker block(calendar_);
        calendar_->setSelectedDate(DateFromDayCount(document.StartDate));
    }
    SetIndexQuietly(hour_, std::clamp(document.StartHour, 0, hour_->count() - 1));
    SetIndexQuietly(minute_, std::clamp(document.StartMinute, 0, minute_->count() - 1));
}

void EnvironmentTab::toggleLock() {
    if (!lock_->isChecked())
        ShowMessage(this, "As soon as you select a planetary system, all the stations and ships are reset !",
                    "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
    systemList_->setEnabled(!lock_->isChecked());
}

void EnvironmentTab::changeFocusShip() {
    session_.setFocusShip(FocusFromPick(possibleFocus_->currentText()));
    emit edited(QStringLiteral("change of the user-controlled ship"), QString());
}

bool EnvironmentTab::eventFilter(QObject* watched, QEvent* event) {
    // A menu popping up over the description (its own context menu, a drop-down list) does not
    // end the burst; the step that follows records the typing first.
    if (watched == description_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        emit edited(QString::fromLatin1(DescriptionStep), QString());
    return QWidget::eventFilter(watched, event);
}

void EnvironmentTab::showPlanetarySystems() {
    {
        const QSignalBlocker block(systemList_);
        systemList_->clear();
        // Each entry carries its file, as other programs read the list.
        for (const PlanetarySystemEntry& system : session_.planetarySystems())
            systemList_->addItem(system.name, system.installed ? QVariant(system.file) : QVariant());
        systemList_->setCurrentIndex(-1);
    }
    SetCheckedQuietly(lock_, true);
    systemList_->setEnabled(false);
}

void EnvironmentTab::showScenario(const QString& description) {
    description_->setPlainText(DescriptionForDisplay(description));
    const ScenarioDocument& document = session_.document();
    {
        // The new day must not be stored with the hour and minute the lists still show from
        // before: the start time is stored once, below, from all three.
        const QSignalBlocker block(calendar_);
        calendar_->setSelectedDate(DateFromDayCount(document.StartDate));
    }
    SetIndexQuietly(hour_, std::clamp(document.StartHour, 0, hour_->count() - 1));
    SetIndexQuietly(minute_, std::clamp(document.StartMinute, 0, minute_->count() - 1));
    // From here on the scenario holds the description and the start time as the controls show
    // them; a save keeps the file's own Date line while the start stays this one.
    session_.setLoadedStart(DescriptionFromEditor(description_->document()->toRawText()), shownStartTime());
    focusShip_->setText(document.FocusShip);

    showSystem();
}

void EnvironmentTab::showSystem() {
    // The planetary system: the last entry of that name, or a new one. The entry is set without
    // the change of system, which would empty the scenario.
    const QString& name = session_.document().SystemName;
    // The entry the user just picked stays, even where a later one has the same name.
    if (systemList_->currentIndex() >= 0 && systemList_->currentText() == name) return;
    const int entry = session_.planetarySystemIndex(name);
    const QSignalBlocker block(systemList_);
    while (systemList_->count() < static_cast<int>(session_.planetarySystems().size()))
        systemList_->addItem(session_.planetarySystems()[std::size_t(systemList_->count())].name);
    systemList_->setCurrentIndex(entry);
}

void EnvironmentTab::showFocusEntries(const QStringList& entries) {
    FillQuietly(possibleFocus_, entries, entries.isEmpty() ? -1 : 0);
}

void EnvironmentTab::showRestored() {
    const ScenarioDocument& document = session_.document();
    {
        const QSignalBlocker block(description_);
        description_->setPlainText(DescriptionForDisplay(document.Description));
    }
    showStartTime();
}

void EnvironmentTab::clearScenario() {
    // Emptied with the scenario, not typed: no step of its own.
    const QSignalBlocker block(description_);
    description_->clear();
}
