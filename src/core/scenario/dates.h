#pragma once
// Scenario times are modified Julian dates; the editor holds a calendar day count (day 0 is
// 30 December 1899), an hour and a minute. MJD = day + 15018 + hour/24 + minute/1440.
#include <QString>

// A day (whole calendar day count), hour and minute: a scenario's start or a station's epoch.
struct CalendarTime {
    double day = 0;
    int hour = 0;
    int minute = 0;
    bool operator==(const CalendarTime&) const = default;
};

double MjdFromCalendar(double day, double hour, double minute);
QString MjdText(double day, double hour, double minute);
// Hour and minute are cut off, never rounded.
CalendarTime CalendarFromMjd(double mjd);
// "MJD", "JD" or "JE" (upper case); any other form takes the value as an MJD.
double MjdFromTimeForm(const QString& form, double value);
