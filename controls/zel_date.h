// A date as the controls hold it and hand it over: the calendar it is shown
// in (1 Western, 0 a Japanese era), the Western year, the month and the day.
#pragma once

struct CZelDate {
    int nDiv = 1;
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;

    // Year, month and day all 0: the value holds no date.
    bool IsEmpty() const { return nYear == 0 && nMonth == 0 && nDay == 0; }
    void CopyTo(int& nOutDiv, int& nOutYear, int& nOutMonth, int& nOutDay) const
    {
        nOutDiv = nDiv;
        nOutYear = nYear;
        nOutMonth = nMonth;
        nOutDay = nDay;
    }
};
