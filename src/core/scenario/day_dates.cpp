#include "core/scenario/day_dates.h"

#include <algorithm>
#include <cmath>

namespace {
const QDate kDayZero(1899, 12, 30);
}

QDate DateFromDayCount(double day) {
    if (!std::isfinite(day)) return kDayZero;
    // QDate covers far more than any scenario needs; clamp so that absurd counts stay valid dates.
    const double limit = 1.0e9;
    day = std::clamp(std::floor(day), -limit, limit);
    return kDayZero.addDays(static_cast<qint64>(day));
}

double DayCountFromDate(const QDate& date) {
    if (!date.isValid()) return 0;
    return static_cast<double>(kDayZero.daysTo(date));
}
