#pragma once
// Enter in a list or a name box acts by itself; it must not also reach the dialog's default
// button, which would do the same a second way.
#include <functional>

class QWidget;

// Runs action when Return or Enter is pressed in the widget, and keeps the key there.
void OnEnterKey(QWidget* widget, std::function<void()> action);
