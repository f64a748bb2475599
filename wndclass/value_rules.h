// Which values the message face hands on to a control: the ranges a host
// may give, checked before anything reaches the control, so that a value
// the control could not show is refused instead of shown half.
#pragma once

#include "ZelCalCtrlC.h"

namespace zelcal {

// A real date of the years 100 to 9999.
bool IsRealDate(int nYear, int nMonth, int nDay);
// A month and day that some year has (29 February included).
bool IsMonthDay(int nMonth, int nDay);
// Calendar 1 (Western) or 0 (era), and a switch of 0 or 1.
bool IsCalendar(int nDiv);
bool IsSwitch(int bNotify);
// A rule interval: -1 every year, 0 none (a date), 1 to 12 every N months.
bool IsInterval(int nInterval);
// Year, month and day all 0: the control fills in today's date (or, for the
// optional control, holds none).
bool IsZeroDate(const ZELCALVALUE& value);

}  // namespace zelcal
