// The framework's one home for converting window text: Shift_JIS in the
// library, UTF-16 in the window system.
#include "afx_text_win.h"
#include "afx_mbcs.h"

#include <cstring>
#include <vector>

std::wstring AfxWideFromText(LPCSTR pszText)
{
    if (pszText == nullptr || *pszText == '\0')
        return std::wstring();
    // Flags 0: a byte sequence 932 does not define becomes the default
    // character instead of failing the whole text.
    const int nWide = ::MultiByteToWideChar(kAfxTextCodePage, 0, pszText, -1, nullptr, 0);
    if (nWide <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(kAfxTextCodePage, 0, pszText, -1, wide.data(), nWide);
    wide.resize(static_cast<size_t>(nWide) - 1);  // drop the terminating zero
    return wide;
}

CString AfxTextFromWide(const wchar_t* pszWide, int nLength)
{
    if (pszWide == nullptr || nLength <= 0)
        return CString();
    // No best fit: a character 932 cannot hold becomes '?', never a
    // look-alike that reads as something else.
    const int nBytes = ::WideCharToMultiByte(kAfxTextCodePage, WC_NO_BEST_FIT_CHARS, pszWide, nLength,
                                             nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return CString();
    CString strText;
    LPSTR pBuf = strText.GetBuffer(nBytes);
    ::WideCharToMultiByte(kAfxTextCodePage, WC_NO_BEST_FIT_CHARS, pszWide, nLength, pBuf, nBytes, nullptr,
                          nullptr);
    strText.ReleaseBuffer(nBytes);
    return strText;
}

int AfxCopyText(const CString& strText, LPSTR pszBuffer, int nMaxCount)
{
    if (pszBuffer == nullptr || nMaxCount <= 0)
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(strText));
    const int nLength = strText.GetLength();
    int n = 0;
    while (n < nLength) {
        const int nChar = zelafx_detail::IsLeadByte(p[n]) && n + 1 < nLength ? 2 : 1;
        if (n + nChar > nMaxCount - 1)
            break;
        n += nChar;
    }
    std::memcpy(pszBuffer, p, static_cast<size_t>(n));
    pszBuffer[n] = '\0';
    return n;
}

void AfxSetWindowText(HWND hWnd, LPCSTR pszText)
{
    ::SetWindowTextW(hWnd, AfxWideFromText(pszText).c_str());
}

CString AfxGetWindowText(HWND hWnd)
{
    const int nLength = ::GetWindowTextLengthW(hWnd);
    if (nLength <= 0)
        return CString();
    std::vector<wchar_t> buf(static_cast<size_t>(nLength) + 1, L'\0');
    const int nRead = ::GetWindowTextW(hWnd, buf.data(), nLength + 1);
    return AfxTextFromWide(buf.data(), nRead);
}

int AfxMessageBoxOwned(HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nType)
{
    // A null caption is the system's own ("Error"), as with the narrow call.
    const std::wstring text = AfxWideFromText(pszText);
    const std::wstring caption = AfxWideFromText(pszCaption);
    return ::MessageBoxW(hOwner, text.c_str(), pszCaption ? caption.c_str() : nullptr, nType);
}
