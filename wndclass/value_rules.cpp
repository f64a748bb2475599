#include "wndclass/value_rules.h"

#include "afxdate.h"

namespace zelcal {

bool IsRealDate(int nYear, int nMonth, int nDay)
{
    COleDateTime date;
    return date.SetDate(nYear, nMonth, nDay) == 0;
}

// 2000 is a leap year, so every month-and-day of any year is one of it.
bool IsMonthDay(int nMonth, int nDay) { return IsRealDate(2000, nMonth, nDay); }

bool IsCalendar(int nDiv) { return nDiv == 0 || nDiv == 1; }
bool IsSwitch(int bNotify) { return bNotify == 0 || bNotify == 1; }
bool IsInterval(int nInterval) { return nInterval >= -1 && nInterval <= 12; }

bool IsZeroDate(const ZELCALVALUE& value)
{
    return value.nYear == 0 && value.nMonth == 0 && value.nDay == 0;
}

}  // namespace zelcal
