#include "date_text_parser.h"

#include <cstring>

#include "decimal_value.h"
#include "era_table.h"

namespace {

const char kWesternName[] = "西暦";
// More digits than this make no part of a date (leading zeros included).
const int kMaxDigits = 4;

// Decimal digits at p, advancing p past them. False when there are none or
// too many.
bool ReadNumber(const char*& p, int& nValue)
{
    int nDigits = 0;
    int n = 0;
    while (*p >= '0' && *p <= '9') {
        if (++nDigits > kMaxDigits)
            return false;
        n = n * 10 + (*p - '0');
        ++p;
    }
    nValue = n;
    return nDigits > 0;
}

bool ReadSlash(const char*& p)
{
    if (*p != '/')
        return false;
    ++p;
    return true;
}

// The Japanese era whose name starts the text (the longest such name), or -1.
INT_PTR FindEraPrefix(const char* pszText, CArray<CZelEra, CZelEra&>& arEra, size_t& nLen)
{
    INT_PTR nFound = -1;
    nLen = 0;
    for (INT_PTR i = 0; i < arEra.GetSize(); ++i) {
        CZelEra& era = arEra[i];
        if (era.GetDiv() != 0)
            continue;
        const CString strName = era.GetEraname();
        const size_t n = static_cast<size_t>(strName.GetLength());
        // Names are whole Shift_JIS characters and the text starts on a
        // character, so a byte match is a character match.
        if (n > nLen && std::strncmp(pszText, strName, n) == 0) {
            nFound = i;
            nLen = n;
        }
    }
    return nFound;
}

// The Western year of era year nEraYear, or 0 when the era does not have it.
int EraYearToWestern(CZelEra& era, int nEraYear, const CZelEraTable& table)
{
    if (nEraYear < 1 || era.GetStartYear() == -1)
        return 0;
    const int nWestern = CZelEraTable::ToWestern(era, nEraYear);
    if (era.ChkEra(nWestern))
        return nWestern;
    // The year of a change of era belongs to both eras.
    if (nWestern == era.GetEndYear() + 1 && table.EraBeginsIn(nWestern))
        return nWestern;
    return 0;
}

}  // namespace

BOOL ZelParseDateText(const char* pszText, CArray<CZelEra, CZelEra&>& arEra, COleDateTime& dt)
{
    if (pszText == nullptr)
        return FALSE;
    size_t nNameLen = 0;
    const INT_PTR nEra = FindEraPrefix(pszText, arEra, nNameLen);
    const char* p = pszText + nNameLen;
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    if (!ReadNumber(p, nYear) || !ReadSlash(p) || !ReadNumber(p, nMonth) || !ReadSlash(p) ||
        !ReadNumber(p, nDay) || *p != '\0')
        return FALSE;
    if (nEra >= 0) {
        CZelEraTable table(arEra);
        nYear = EraYearToWestern(*table.At(nEra), nYear, table);
        if (nYear == 0)
            return FALSE;
    }
    COleDateTime parsed;
    if (parsed.SetDate(nYear, nMonth, nDay) != 0)
        return FALSE;
    dt = parsed;
    return TRUE;
}

ZelDateFault ZelTestDateTexts(const CString& strEra, const CString& strYear, const CString& strMonth,
                              const CString& strDay, CArray<CZelEra, CZelEra&>& arEra)
{
    if (strMonth.IsEmpty() || strDay.IsEmpty())
        return kZelDateEmpty;
    const bool bWestern = strEra == kWesternName;
    const int y = ZelDecimalValue(strYear);
    const int m = ZelDecimalValue(strMonth);
    const int d = ZelDecimalValue(strDay);
    // All three run; the last one that fails names the field.
    ZelDateFault fault = kZelDateGood;
    if (bWestern ? (y < 100 || y > 9999) : (y < 1 || y > 99))
        fault = kZelDateYearRange;
    if (m < 1 || m > 12)
        fault = kZelDateMonthRange;
    if (d < 1 || d > 31)
        fault = kZelDateDayRange;
    if (fault != kZelDateGood)
        return fault;
    const CString strText = (bWestern ? CString() : strEra) + strYear + "/" + strMonth + "/" + strDay;
    COleDateTime dt;
    return ZelParseDateText(strText, arEra, dt) ? kZelDateGood : kZelDateNotReal;
}
