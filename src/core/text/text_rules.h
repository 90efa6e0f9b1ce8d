#pragma once
// The text rules that every reader of the simulator's files and every validation share.
// LeadingNumber and NumberText are the only conversions between text and numbers in the
// program; both ignore the user's regional settings.
#include <QString>
#include <QStringView>

// Removes blanks (code 32) only, never tabs or line ends.
QString Trim(const QString& text);
QString UCase(const QString& text);

// Drops a ";" comment (and then the blanks around what is left) and trailing control characters.
QString ClearComments(const QString& line);
// The digits of a label as a number text: "Dock 3" gives " 3".
QString GetNumberValue(const QString& label);
// A plain decimal number: optional "-", digits, at most one ".".
bool IsANumber(const QString& value);
// The same, or one in the exponent form NumberText writes: "1.5E-05", "-2E+15".
bool IsANumberOrExponent(const QString& value);
// The number that leads the text, 0 when none does.
double LeadingNumber(const QString& text);
// The same, read in place: the reader takes numbers straight from its views of the file.
double LeadingNumber(QStringView text);
// Leading blank when not negative, at most 15 significant digits, ".5" for one half.
QString NumberText(double value);
// The same followed by a unit, as " 50 %".
QString NumberText(double value, QLatin1StringView suffix);
// A number with a fixed count of decimals, "." as separator: 0.5 with six gives "0.500000".
QString FixedNumberText(double value, int decimals);
// True when the text, without the blanks around it, is one number and nothing else
// ("-1.5", ".5", "6.7e6"); value then holds it.
bool IsWholeNumber(QStringView text, double* value = nullptr);
