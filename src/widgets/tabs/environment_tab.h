#pragma once
// The first tab, "Description, environment and focus": the description, the planetary system
// with its lock, the start date and time, and the user-controlled ship. What the user changes
// here goes straight into the session's scenario; the choice of another planetary system is
// only announced, as it empties the whole scenario.
#include <QStringList>
#include <QWidget>

class EditorSession;
struct CalendarTime;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class EnvironmentTab : public QWidget {
    Q_OBJECT
  public:
    // The step of a burst of typing in the description.
    static constexpr const char* DescriptionStep = "editing of the description";

    explicit EnvironmentTab(EditorSession& session, QWidget* parent = nullptr);

    // The planetary systems of the session, none selected, the choice locked.
    void showPlanetarySystems();
    // The scenario just read: its description (as the load dialog showed it), start time,
    // user-controlled ship and planetary system (selected without emptying anything).
    void showScenario(const QString& description);
    // The ships offered as user-controlled ship, the first one selected.
    void showFocusEntries(const QStringList& entries);
    // After a change of planetary system: no description (the session emptied the rest).
    void clearScenario();
    // A state brought back by undo or redo: the session's scenario and lists as they are.
    // Nothing is written into the scenario.
    void showRestored();

  signals:
    // The user picked the planetary system of that entry while the choice was unlocked.
    void planetarySystemChosen(int index);
    // The scenario changed by the user's step (named for undo): a pick of the start time, a
    // new user-controlled ship, or a burst of typing in the description once it loses focus.
    void edited(const QString& step, const QString& status);
    // A key typed into the description changed the scenario (the step comes at focus out).
    void descriptionTyped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildDescription();
    void buildEnvironment();
    void buildStartTime();
    void buildFocus();
    void toggleLock();
    void changeFocusShip();
    // A pick of the date, hour or minute: the start stored, the orbiting ships moved as the
    // user answers, as one step; no answer puts the pick back.
    void pickStartTime(const QString& step);
    // The calendar and lists set quietly to the session's start.
    void showStartTime();
    CalendarTime shownStartTime() const;
    void showSystem();

    EditorSession& session_;
    QPlainTextEdit* description_ = nullptr;
    QComboBox* systemList_ = nullptr;
    QCheckBox* lock_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QComboBox* hour_ = nullptr;
    QComboBox* minute_ = nullptr;
    QLabel* focusShip_ = nullptr;
    QComboBox* possibleFocus_ = nullptr;
    QPushButton* changeFocusButton_ = nullptr;
    QWidget* descriptionFrame_ = nullptr;
    QWidget* environmentFrame_ = nullptr;
    QWidget* timeFrame_ = nullptr;
    QWidget* focusFrame_ = nullptr;
};
