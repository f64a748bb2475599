// Reading a date back from the texts the full-date controls show, and the
// whole-date test that the controls with a check run on those texts.
#pragma once

#include "afx.h"
#include "zel_era.h"
#include "zel_export.h"

// Reads a date composed as the controls compose it: an era name of arEra (a
// Japanese era, GetDiv 0) or nothing for the Western calendar, then year,
// month and day as decimal digits separated by '/' ("2002/4/7", "平成14/4/7",
// leading zeros allowed, nothing else around them). An era year counts from
// the era's first year as year 1; it is taken while the Western year is not
// past the era's last year, or is the year in which a later era of the table
// began (the table knows years, not days: 昭和64 and 平成1 are both 1989).
// The day must exist in the Gregorian calendar, within years 100 to 9999.
// TRUE with dt set to the date; FALSE leaves dt as it was.
ZELCALCTRL_API BOOL ZelParseDateText(const char* pszText, CArray<CZelEra, CZelEra&>& arEra,
                                     COleDateTime& dt);

// Outcome of the whole-date test, with the field to correct when one can be
// named (the last failing of year, month, day).
enum ZelDateFault {
    kZelDateGood,
    kZelDateEmpty,       // month or day text empty
    kZelDateYearRange,   // 西暦 outside 100..9999, an era year outside 1..99
    kZelDateMonthRange,  // outside 1..12
    kZelDateDayRange,    // outside 1..31
    kZelDateNotReal,     // in range, but the composed text is no date
};

// The whole-date test on the four texts a full-date control shows: the era
// list's text and the year, month and day fields as typed.
ZELCALCTRL_API ZelDateFault ZelTestDateTexts(const CString& strEra, const CString& strYear,
                                             const CString& strMonth, const CString& strDay,
                                             CArray<CZelEra, CZelEra&>& arEra);
