// COleDateTime: the OLE date value.
#pragma once

#include "afxbase.h"
#include "afxstr.h"

#ifdef _WIN32
#  include <wtypes.h>  // DATE
#endif

// m_dt counts days since 30 December 1899; the fraction is the time of day.
// Before that day the integer part counts days backwards and the fraction is
// still the (positive) time of day: -1.25 is 29 December 1899, 06:00.
// Only years 100 to 9999 are representable. The getters read -1 when the
// status is not valid or when m_dt lies outside that range.
class ZELAFX_API COleDateTime
{
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime();  // 0.0, valid: 30 December 1899, 00:00
    // Valid when dtSrc is a finite value inside the representable range.
    COleDateTime(DATE dtSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

    // 0 on success; 1 and status invalid (m_dt unchanged) for anything that
    // is not a real date of years 100..9999 with hour 0-23, minute and
    // second 0-59.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday

    DateTimeStatus GetStatus() const;
    void SetStatus(DateTimeStatus status);

    operator DATE() const;
    bool operator==(const COleDateTime& other) const;  // same status and value
    bool operator!=(const COleDateTime& other) const;

    // The current local date and time, to the second.
    static COleDateTime GetCurrentTime();

    // Conversions %Y (4 digits), %y, %m, %d, %H, %M, %S (2 digits) and %%;
    // any other sequence is copied as it stands. A date that does not read
    // back (status not valid or out of range) formats as the empty string.
    CString Format(LPCSTR pFormat) const;

    DATE m_dt;
    DateTimeStatus m_status;
};
