#pragma once
// The table of a ship's tanks beside the fuel slider: each tank's number as the file gives it,
// and its level as a percentage the user may type over. Shown only for a ship whose block gives
// a level per tank.
#include "core/scenario/ship_columns.h"

#include <QTableWidget>
#include <vector>

class TankTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit TankTable(QWidget* parent = nullptr);
    // The tanks of the ship shown; the table hides without any.
    void showTanks(const std::vector<TankText>& tanks);
    void clearTanks();
    // The tanks as the cells read now.
    std::vector<TankText> tanks() const;
    // The fuel slider sets every tank to its position.
    void setEveryLevel(int position);

  signals:
    // The user changed the first tank's level to a percentage; the fuel label shows that tank.
    void firstLevelEdited(double percent);

  private:
    void levelEdited(QTableWidgetItem* item);
    void fitHeight();
};
