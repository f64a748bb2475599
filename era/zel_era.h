// CZelEra: one row of the era table, and the input checks of the controls.
#pragma once

#include "zel_export.h"
#include "afx.h"

class ZELCALCTRL_API CZelEra
{
public:
    CZelEra();
    CZelEra(const CZelEra& src);
    const CZelEra& operator=(const CZelEra& src);
    virtual ~CZelEra();

    // Years are kept as 1 January of the year; one outside 100..9999 reads -1.
    void SetEraInfo(int nDiv, CString strEraname, int nStartYear, int nEndYear);
    CString GetEraname();
    int GetStartYear();
    int GetEndYear();
    int GetDiv();
    // 1 when this is a Japanese era containing Western year nYear.
    int ChkEra(int nYear);

    static int ChkNum(char* str);
    static int ChkMonth(char* str, int);
    static int ChkDay(char* strYear, char* strMonth, char* strDay);
    static int GetDayMax(int nYear, int nMonth);
    static int ChkYear(int nYear);

protected:
    int m_nDiv;  // 1 the Western calendar entry, 0 a Japanese era
    CString m_strEraname;
    COleDateTime m_dtStart;
    COleDateTime m_dtEnd;

private:
    // The years of m_dtStart and m_dtEnd, kept so that a lookup need not
    // split a date value.
    int m_nStartYear;
    int m_nEndYear;
};
