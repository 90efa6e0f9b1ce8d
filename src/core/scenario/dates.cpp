#include "core/scenario/dates.h"

#include "core/text/text_rules.h"

#include <algorithm>
#include <cmath>

namespace {
// MJD of day count 0 (30 December 1899).
constexpr double kMjdOfDayZero = 15018;
// A time written with 15 significant digits can come back a few microseconds early; this
// much (far less than a second) is forgiven before hours and minutes are cut off, so that
// 12:30 written and read back stays 12:30 and not 12:29. Fifteen digits hold fewer decimals
// of a larger day count, so the forgiveness grows with it (still milliseconds in year 9999).
constexpr double kToleranceDays = 1e-9;
constexpr double kToleranceRelative = 2e-14;
// The first day of the calendar control (Julian day 1, in 4713 BC) and 31 December 9999.
constexpr double kFirstDay = -2415018;
constexpr double kLastDay = 2958465;
} // namespace

double MjdFromCalendar(double day, double hour, double minute) {
    // This order of evaluation is the one the written MJD texts depend on.
    return ((day + kMjdOfDayZero) + hour / 24) + (minute / 24) / 60;
}

QString MjdText(double day, double hour, double minute) {
    return Trim(NumberText(MjdFromCalendar(day, hour, minute)));
}

CalendarTime CalendarFromMjd(double mjd) {
    if (!std::isfinite(mjd)) mjd = 0;
    const double d = mjd - kMjdOfDayZero + std::max(kToleranceDays, std::fabs(mjd) * kToleranceRelative);
    CalendarTime result;
    // The calendar offers the days from its first to 31 December 9999; a time beyond them is
    // held at the nearest end, where a day count keeps its minutes through a save.
    if (!(d < kLastDay + 1)) return CalendarTime{kLastDay, 23, 59};
    if (d < kFirstDay) return CalendarTime{kFirstDay, 0, 0};
    result.day = std::floor(d);
    double f = d - result.day;
    if (f < 0) // rounding can leave a hair below zero for huge counts
        f = 0;
    const double hours = f * 24;
    result.hour = static_cast<int>(std::floor(hours));
    result.minute = static_cast<int>(std::floor((hours - result.hour) * 60));
    // Guard against an arithmetic edge landing on 24 h or 60 min.
    if (result.hour > 23) result.hour = 23;
    if (result.minute > 59) result.minute = 59;
    if (result.minute < 0) result.minute = 0;
    return result;
}

double MjdFromTimeForm(const QString& form, double value) {
    if (form == u"JD") return value - 2400000.5;
    if (form == u"JE") return (value - 2000) * 365.25 + 51544.5;
    return value;
}
