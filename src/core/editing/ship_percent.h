#pragma once
// The tab shows the fuel and engine levels as percentages while the table keeps them as
// fractions (fuel 0 to 1, main engine -1 to 1, hover engine 0 to 1).
#include <QString>

// The label text of a stored fraction: NumberText(fraction x 100) followed by " %".
QString PercentText(const QString& fraction);
// The slider position of a stored fraction: fraction x 100 rounded, a tie going to the even neighbour.
int PercentPosition(const QString& fraction);
// The label text of a slider position.
QString SliderText(int position);
// The fraction stored for a label: its leading number divided by 100 ("0" or empty give 0).
QString FractionText(const QString& caption);
// Rounds to the nearest whole number, a tie to the even neighbour, kept within the int range.
int RoundHalfEven(double value);
