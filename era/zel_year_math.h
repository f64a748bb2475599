// Counting years between the Western calendar and an era whose first
// Western year is F: era year e is Western year e + F - 1. The sums saturate
// so that no input can overflow.
#pragma once

#include <climits>

inline int ZelClampToInt(long long v)
{
    return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

inline int ZelEraToWestern(int nEraYear, int nFirstYear)
{
    return ZelClampToInt(static_cast<long long>(nEraYear) + nFirstYear - 1);
}

inline int ZelWesternToEra(int nWesternYear, int nFirstYear)
{
    return ZelClampToInt(static_cast<long long>(nWesternYear) - nFirstYear + 1);
}

// One or two digits typed where a Western year is expected: read as a year
// of an era (the newest era that has it).
inline bool ZelIsShortYear(int nYear) { return nYear >= 1 && nYear <= 99; }
