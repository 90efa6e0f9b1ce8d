#pragma once
// The tank table of the ship tab: a row per tank of a ship whose block gives a level per tank,
// its level shown as a percentage ("50 %") while the row keeps the fraction as read.
#include "core/scenario/ship_columns.h"

#include <optional>
#include <vector>

// The rows the table shows for a row's tank levels. A level that is no number is shown as
// read, so that the validation tells the user of it.
std::vector<TankText> ShownTanks(const QString& tankLevels);

// The cell text of a percentage: "50 %".
QString TankPercentText(double percent);

// The cell text of a level read: its percentage followed by " %", without a leading blank.
QString TankCellText(QStringView level);

// The percentage a cell gives, blanks and one "%" at its end allowed ("50", "50 %", "5e1%"); none
// for a text that is no number or lies outside 0 to 100.
std::optional<double> TankPercent(const QString& cell);

// The fuel slider moved: its label and every tank at its position.
void MoveFuelSlider(ShipEditorTexts& texts, int position);

// The tank levels a validation stores: a tank whose cell still reads as shown keeps its level
// as it was, any other takes the cell's percentage as a fraction of six decimals. The cells
// must have passed the validation.
QString StoredTankLevels(const QString& old, const std::vector<TankText>& tanks);

// The level of the first tank, which is the ship's fuel level as the reader takes it.
QString FirstTankLevelOf(const QString& tankLevels);

// The messages of the tank cells that are not a level, in the table's order.
QStringList TankLevelProblems(const std::vector<TankText>& tanks);

// The message of a tank level that is not a number from 0 to 100; %1 is the tank's number.
inline const QString kTankLevelNotCorrect = QStringLiteral("The fuel level of tank %1 is not correct.");
