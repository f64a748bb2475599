#include "wndclass/wide_text.h"

#include "afx_text_win.h"

namespace zelcal {

int CopyWide(const CString& strText, wchar_t* pszBuf, int cchBuf)
{
    if (cchBuf < 0 || (pszBuf == nullptr && cchBuf > 0))
        return -1;
    const int nBytes = strText.GetLength();
    const int nNeeded = nBytes == 0 ? 0 : ::MultiByteToWideChar(kAfxTextCodePage, 0, strText, nBytes, nullptr, 0);
    if (nNeeded >= cchBuf) {
        if (cchBuf > 0)
            pszBuf[0] = L'\0';
        return nNeeded;
    }
    if (nNeeded > 0)
        ::MultiByteToWideChar(kAfxTextCodePage, 0, strText, nBytes, pszBuf, cchBuf);
    pszBuf[nNeeded] = L'\0';
    return nNeeded;
}

}  // namespace zelcal
