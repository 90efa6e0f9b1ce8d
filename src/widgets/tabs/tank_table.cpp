#include "widgets/tabs/tank_table.h"

#include "core/editing/tank_levels.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/object_names.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace {
enum Column { kTank, kLevel };

QTableWidgetItem* TankItem(const QString& tank) {
    auto* item = new QTableWidgetItem(tank);
    // The number names the tank in the file: it is read, never typed.
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QTableWidgetItem* LevelItem(const QString& level) {
    auto* item = new QTableWidgetItem(level);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

TankTable::TankTable(QWidget* parent) : QTableWidget(0, 2, parent) {
    Named(this, ObjectNames::ShipTanks,
          "Fuel level of each tank of the ship (percentage from 0 to 100); the fuel slider sets every tank");
    setHorizontalHeaderLabels({QStringLiteral("Tank"), QStringLiteral("Level")});
    verticalHeader()->hide();
    // Rows as tight as the text, so that four tanks stand beside the three sliders.
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(kTank, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kLevel, QHeaderView::Stretch);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(this, &QTableWidget::itemChanged, this, &TankTable::levelEdited);
    hide();
}

void TankTable::showTanks(const std::vector<TankText>& tanks) {
    const QSignalBlocker quiet(this);
    setRowCount(int(tanks.size()));
    for (int r = 0; r < int(tanks.size()); ++r) {
        setItem(r, kTank, TankItem(tanks[std::size_t(r)].tank));
        setItem(r, kLevel, LevelItem(tanks[std::size_t(r)].level));
    }
    fitHeight();
    setVisible(!tanks.empty());
}

void TankTable::clearTanks() {
    showTanks({});
}

std::vector<TankText> TankTable::tanks() const {
    std::vector<TankText> tanks;
    for (int r = 0; r < rowCount(); ++r) {
        const QTableWidgetItem* tank = item(r, kTank);
        const QTableWidgetItem* level = item(r, kLevel);
        tanks.push_back({tank ? tank->text() : QString(), level ? level->text() : QString()});
    }
    return tanks;
}

void TankTable::setEveryLevel(int position) {
    const QSignalBlocker quiet(this);
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* level = item(r, kLevel)) level->setText(TankPercentText(position));
}

void TankTable::levelEdited(QTableWidgetItem* edited) {
    if (!edited || edited->column() != kLevel) return;
    // A level typed as "30" or "30%" reads as the others do; a text that is no level stays as
    // typed, for the validation to refuse.
    const std::optional<double> percent = TankPercent(edited->text());
    if (!percent) return;
    {
        const QSignalBlocker quiet(this);
        edited->setText(TankPercentText(*percent));
    }
    if (edited->row() == 0) emit firstLevelEdited(*percent);
}

void TankTable::fitHeight() {
    // As tall as its rows, up to four of them; more scroll.
    const int rows = std::min(rowCount(), 4);
    int height = horizontalHeader()->height() + 2 * frameWidth();
    for (int r = 0; r < rows; ++r)
        height += rowHeight(r);
    setMaximumHeight(height);
    setMinimumHeight(height);
}
