#include "calendar_model.h"

#include <cstdio>

bool ZelModelIsLeapYear(long long nYear)
{
    if (nYear % 400 == 0)
        return true;
    return nYear % 100 != 0 && nYear % 4 == 0;
}

int ZelModelDaysInMonth(long long nYear, long long nMonth)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    return kDays[nMonth - 1] + (nMonth == 2 && ZelModelIsLeapYear(nYear) ? 1 : 0);
}

bool ZelModelIsRealDate(long long nYear, long long nMonth, long long nDay)
{
    return nYear >= 100 && nYear <= 9999 && nDay >= 1 && nDay <= ZelModelDaysInMonth(nYear, nMonth);
}

std::string ZelModelWesternText(int nYear, int nMonth, int nDay)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d/%02d/%02d", nYear, nMonth, nDay);
    return text;
}

std::string ZelModelDefaultEraText(int nYear, int nMonth, int nDay)
{
    struct Era
    {
        const char* pszName;
        int nFirst;
        int nLast;
    };
    // Open-ended 平成 runs to 9999, the last year a date can have.
    static const Era kEras[] = {{"平成", 1989, 9999}, {"昭和", 1926, 1988}, {"大正", 1912, 1925}, {"明治", 1868, 1911}};
    for (const Era& era : kEras) {
        if (nYear >= era.nFirst && nYear <= era.nLast)
            return era.pszName + ZelModelWesternText(nYear - era.nFirst + 1, nMonth, nDay);
    }
    return "";
}
