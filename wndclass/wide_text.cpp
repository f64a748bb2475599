#include "wndclass/wide_text.h"

#include "afx_text_win.h"

#include <cwchar>

namespace zelcal {

int CopyWide(const CString& strText, wchar_t* pszBuf, int cchBuf)
{
    if (cchBuf < 0 || (pszBuf == nullptr && cchBuf > 0))
        return -1;
    const std::wstring wide = AfxWideFromText(strText);
    const int nNeeded = static_cast<int>(wide.size());
    if (nNeeded >= cchBuf) {
        if (cchBuf > 0)
            pszBuf[0] = L'\0';
        return nNeeded;
    }
    std::wmemcpy(pszBuf, wide.c_str(), wide.size() + 1);
    return nNeeded;
}

}  // namespace zelcal
