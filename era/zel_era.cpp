#include "zel_era.h"
#include "decimal_value.h"

#include <chrono>

CZelEra::CZelEra() : m_nDiv(1)
{
    // Year 0, month 0, day 0 is not a date: both years read -1.
    m_dtStart.SetDateTime(0, 0, 0, 0, 0, 0);
    m_dtEnd.SetDateTime(0, 0, 0, 0, 0, 0);
    m_nStartYear = m_dtStart.GetYear();
    m_nEndYear = m_dtEnd.GetYear();
}

CZelEra::CZelEra(const CZelEra& src) = default;

const CZelEra& CZelEra::operator=(const CZelEra& src)
{
    m_nDiv = src.m_nDiv;
    m_strEraname = src.m_strEraname;
    m_dtStart = src.m_dtStart;
    m_dtEnd = src.m_dtEnd;
    m_nStartYear = src.m_nStartYear;
    m_nEndYear = src.m_nEndYear;
    return *this;
}

CZelEra::~CZelEra() = default;

void CZelEra::SetEraInfo(int nDiv, CString strEraname, int nStartYear, int nEndYear)
{
    m_nDiv = nDiv;
    m_strEraname = strEraname;
    m_dtStart.SetDateTime(nStartYear, 1, 1, 0, 0, 0);
    m_dtEnd.SetDateTime(nEndYear, 1, 1, 0, 0, 0);
    m_nStartYear = m_dtStart.GetYear();
    m_nEndYear = m_dtEnd.GetYear();
}

CString CZelEra::GetEraname() { return m_strEraname; }

int CZelEra::GetStartYear() { return m_nStartYear; }

int CZelEra::GetEndYear() { return m_nEndYear; }

int CZelEra::GetDiv() { return m_nDiv; }

int CZelEra::ChkEra(int nYear)
{
    if (m_nDiv != 0)
        return 0;
    // No last year: open up to 9999.
    const int nEnd = m_nEndYear == -1 ? 9999 : m_nEndYear;
    return m_nStartYear <= nYear && nYear <= nEnd ? 1 : 0;
}

int CZelEra::ChkNum(char* str)
{
    if (!str || !*str)
        return 0;
    for (const char* p = str; *p; ++p) {
        if (*p < '0' || *p > '9')
            return 0;
    }
    return 1;
}

int CZelEra::ChkMonth(char* str, int)
{
    if (!str || !*str)
        return 0;
    const int nMonth = ZelDecimalValue(str);
    return nMonth >= 1 && nMonth <= 12 ? 1 : 0;
}

int CZelEra::ChkDay(char* strYear, char* strMonth, char* strDay)
{
    if (!strYear || !*strYear || !strMonth || !*strMonth || !strDay || !*strDay)
        return 0;
    const int nYear = ZelDecimalValue(strYear);
    const int nMonth = ZelDecimalValue(strMonth);
    const int nDay = ZelDecimalValue(strDay);
    if (nYear == 0 || nMonth == 0)
        return 1;  // not judged until year and month are known
    if (!ChkYear(nYear) || !ChkMonth(strMonth, 0))
        return 0;
    return nDay >= 1 && nDay <= GetDayMax(nYear, nMonth) ? 1 : 0;
}

int CZelEra::GetDayMax(int nYear, int nMonth)
{
    if (nMonth < 0 || nMonth > 12)
        return 0;
    if (nMonth == 0)
        return 30;
    const bool leap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    // Any year of the same kind has the same month lengths; these two are
    // inside the calendar's range whatever nYear is.
    using namespace std::chrono;
    const year sameKind{leap ? 2000 : 2001};
    const year_month_day_last last{sameKind, month_day_last{month{static_cast<unsigned>(nMonth)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

int CZelEra::ChkYear(int nYear) { return nYear >= 100 && nYear <= 9999 ? 1 : 0; }
