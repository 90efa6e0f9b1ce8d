#include "core/editing/tank_levels.h"

#include "core/editing/ship_percent.h"
#include "core/scenario/tank_pairs.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <QStringList>

QString TankPercentText(double percent) {
    return Trim(NumberText(percent, QLatin1StringView(" %")));
}

QString TankCellText(QStringView level) {
    double fraction = 0;
    if (!IsWholeNumber(level, &fraction)) return level.toString();
    return TankPercentText(fraction * 100);
}

std::vector<TankText> ShownTanks(const QString& tankLevels) {
    std::vector<TankText> tanks;
    for (const TankPair& pair : TankPairs(tankLevels))
        tanks.push_back({pair.tank.toString(), TankCellText(pair.level)});
    return tanks;
}

std::optional<double> TankPercent(const QString& cell) {
    QStringView text = TrimView(cell);
    if (text.endsWith(u'%')) text = TrimView(text.chopped(1));
    double percent = 0;
    if (!IsWholeNumber(text, &percent) || !(percent >= 0 && percent <= 100)) return std::nullopt;
    return percent;
}

void MoveFuelSlider(ShipEditorTexts& texts, int position) {
    texts.fuel = SliderText(position);
    for (TankText& tank : texts.tankLevels)
        tank.level = TankPercentText(position);
}

QString StoredTankLevels(const QString& old, const std::vector<TankText>& tanks) {
    const std::vector<TankPair> pairs = TankPairs(old);
    QStringList stored;
    bool changed = false;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        QString level = pairs[i].level.toString();
        if (i < tanks.size() && Trim(tanks[i].level) != TankCellText(pairs[i].level)) {
            level = FixedNumberText(TankPercent(tanks[i].level).value_or(0) / 100, 6);
            changed = true;
        }
        stored.append(pairs[i].tank.toString() + u':' + level);
    }
    // Unchanged, the levels stay the text read, blanks and all, so that the row is as read.
    return changed ? stored.join(u' ') : old;
}

QString FirstTankLevelOf(const QString& tankLevels) {
    const std::vector<TankPair> pairs = TankPairs(tankLevels);
    return pairs.empty() ? QString() : pairs.front().level.toString();
}

QStringList TankLevelProblems(const std::vector<TankText>& tanks) {
    QStringList problems;
    for (const TankText& tank : tanks)
        if (!TankPercent(tank.level)) problems.append(kTankLevelNotCorrect.arg(Trim(tank.tank)));
    return problems;
}
