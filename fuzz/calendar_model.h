// The Gregorian calendar and the default era table, written out plainly for
// the fuzz targets to compare the era core with. Every year is an int of any
// value; the sums are made in long long.
#pragma once

#include <string>

bool ZelModelIsLeapYear(long long nYear);
// Days of month 1..12 of the year; 0 for any other month.
int ZelModelDaysInMonth(long long nYear, long long nMonth);
// A day that a date value holds: years 100..9999, a real month and day.
bool ZelModelIsRealDate(long long nYear, long long nMonth, long long nDay);
// The display text of a date in the era of the built-in era table that
// holds the year (the first that does, newest first), or "" when none does.
std::string ZelModelDefaultEraText(int nYear, int nMonth, int nDay);
// The text of "%d/%02d/%02d".
std::string ZelModelWesternText(int nYear, int nMonth, int nDay);
