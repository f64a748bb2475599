// CEraDate: a date with the calendar it is shown in.
#pragma once

#include "zel_export.h"
#include "afx.h"

class ZELCALCTRL_API CEraDate
{
public:
    CEraDate();  // Western calendar, the current local date and time
    CEraDate(int nEra, COleDateTime date);
    CEraDate(const CEraDate& src);
    const CEraDate& operator=(const CEraDate& src);
    virtual ~CEraDate();

    // The display text, with era.dat as it is at the time of the call.
    CString Format();
    void SetEraDate(int nEra, COleDateTime date);
    void SetDate(COleDateTime date);
    COleDateTime GetDate();
    int GetEra();

protected:
    int m_nEra;  // non-zero Western calendar, 0 the era containing the date
    COleDateTime m_date;
};
