#pragma once
// Calendar days are counted from 30 December 1899 (day 0); the month calendar works in QDate.
#include <QDate>

QDate DateFromDayCount(double day); // the whole day at or below the count
double DayCountFromDate(const QDate& date);
