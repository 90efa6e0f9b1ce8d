#pragma once
// Modal dialogs run through ExecModal so that a test can drive a dialog's controls
// (fill a field, press a button) instead of blocking in exec().
#include <functional>

class QDialog;

// Runs the dialog modally and returns its result; with a test driver installed the driver
// gets the shown dialog instead and the dialog's result is returned when it returns.
int ExecModal(QDialog* dialog);

using ModalDriver = std::function<void(QDialog* dialog)>;
void SetModalDriver(ModalDriver driver);
