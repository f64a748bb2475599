// CZelCalCtrlUtil: display texts of dates and notification rules.
#pragma once

#include "zel_export.h"
#include "afx.h"
#include "zel_era.h"

class ZELCALCTRL_API CZelCalCtrlUtil
{
public:
    // Loads the era table from era.dat (or the default table).
    CZelCalCtrlUtil();
    CZelCalCtrlUtil(const CZelCalCtrlUtil&) = delete;
    CZelCalCtrlUtil& operator=(const CZelCalCtrlUtil&) = delete;
    virtual ~CZelCalCtrlUtil();

    // nEra non-zero: "Y/MM/DD"; 0: era name and era year, "" when no era
    // of the table contains the year.
    CString FromEra(int nEra, int nYear, int nMonth, int nDay);
    CString FromEra(int nEra, const COleDateTime& date);
    CString FromSettingNotify(int bNotify);
    CString FromSettingNotifyAndInterval(int bNotify, int nInterval, COleDateTime date);

protected:
    CArray<CZelEra, CZelEra&> m_eraArray;
};
