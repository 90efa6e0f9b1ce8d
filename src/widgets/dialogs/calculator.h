#pragma once
// The calculator of the platform, started beside the editor and never waited for.
#include <QString>
#include <QStringList>

class QWidget;

// The programs tried, in order: "calc.exe" on Windows, the usual desktop calculators elsewhere.
QStringList CalculatorCandidates();
// The full path of the first candidate found on the PATH; empty when there is none.
QString FindCalculator();
// Starts the calculator; when none is found or it cannot be started, an information box says so.
void StartCalculator(QWidget* parent);
