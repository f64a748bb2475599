// A periodic rule: interval 1 every month on the day, 2 to 12 every N months
// on the day, -1 every year on the month and day; 0 is no rule (a date).
#pragma once

struct CZelRule {
    int nInterval = 0;
    int nMonth = 0;
    int nDay = 0;

    void CopyTo(int& nOutInterval, int& nOutMonth, int& nOutDay) const
    {
        nOutInterval = nInterval;
        nOutMonth = nMonth;
        nOutDay = nDay;
    }
};
