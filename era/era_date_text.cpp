#include "era_date_text.h"

#include "era_table.h"

namespace {

// Writes n at p as "%d" (nWidth 1) or "%02d" (nWidth 2) does; returns the
// end. At most 11 bytes.
char* PutNumber(char* p, int n, int nWidth)
{
    // The magnitude as unsigned, so that INT_MIN has one too.
    unsigned u = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    char digits[10];
    int nDigits = 0;
    do {
        digits[nDigits++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (n < 0)
        *p++ = '-';
    for (int nPad = nWidth - nDigits - (n < 0 ? 1 : 0); nPad > 0; --nPad)
        *p++ = '0';
    while (nDigits > 0)
        *p++ = digits[--nDigits];
    return p;
}

// "Y/MM/DD" appended to text.
void AppendDate(CString& text, int nYear, int nMonth, int nDay)
{
    char buffer[3 * 11 + 3];
    char* p = PutNumber(buffer, nYear, 1);
    *p++ = '/';
    p = PutNumber(p, nMonth, 2);
    *p++ = '/';
    p = PutNumber(p, nDay, 2);
    *p = '\0';
    text += buffer;
}

}  // namespace

CString ZelEraDateText(CArray<CZelEra, CZelEra&>& arEra, int nEra, int nYear, int nMonth, int nDay)
{
    CString text;
    if (nEra != 0) {
        AppendDate(text, nYear, nMonth, nDay);
        return text;
    }
    CZelEraTable table(arEra);
    if (CZelEra* pEra = table.At(table.EraHolding(nYear))) {
        text = pEra->GetEraname();
        AppendDate(text, CZelEraTable::ToEraYear(*pEra, nYear), nMonth, nDay);
    }
    return text;
}
