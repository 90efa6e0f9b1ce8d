#pragma once
// Program-driven selection. A list's handler is attached once with OnPick; it runs for
// every user pick (also of the entry already selected) and exactly once for every
// Select() from code, while clearing and refilling a list never runs it.
#include <functional>

class QComboBox;
class QListWidget;
class QRadioButton;
class QCheckBox;
class QObject;

using PickHandler = std::function<void()>;

void OnPick(QComboBox* box, PickHandler handler);
void OnPick(QListWidget* list, PickHandler handler);
void OnPick(QRadioButton* option, PickHandler handler);
void OnPick(QCheckBox* check, PickHandler handler);

// Selects entry index (or none for -1) without signals, then runs the attached handler once.
void Select(QComboBox* box, int index);
void Select(QListWidget* list, int index);
// Sets the option and runs its click handler once.
void Select(QRadioButton* option);
// Sets the check box; its handler runs once when the value changed.
void SetChecked(QCheckBox* check, bool checked);

// Runs the handler attached to the widget, if any.
void RunPickHandler(const QObject* widget);
