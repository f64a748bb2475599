#include "wndclass/wide_text.h"

#include <windows.h>

namespace zelcal {

namespace {
// Narrow text of the library is Shift_JIS whatever the system's code page.
const UINT kShiftJis = 932;
}

int CopyWide(const CString& strText, wchar_t* pszBuf, int cchBuf)
{
    if (cchBuf < 0 || (pszBuf == nullptr && cchBuf > 0))
        return -1;
    const int nBytes = strText.GetLength();
    const int nNeeded = nBytes == 0 ? 0 : ::MultiByteToWideChar(kShiftJis, 0, strText, nBytes, nullptr, 0);
    if (nNeeded >= cchBuf) {
        if (cchBuf > 0)
            pszBuf[0] = L'\0';
        return nNeeded;
    }
    if (nNeeded > 0)
        ::MultiByteToWideChar(kShiftJis, 0, strText, nBytes, pszBuf, cchBuf);
    pszBuf[nNeeded] = L'\0';
    return nNeeded;
}

}  // namespace zelcal
