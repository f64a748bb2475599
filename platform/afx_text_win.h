// Window text in and out, independent of the system code page.
//
// The library's narrow texts are Shift_JIS (code page 932) whatever code page
// the system uses. Every text that reaches a window is converted here from
// 932 to UTF-16 and set with the wide call; every text read back is read with
// the wide call and converted to 932. A character 932 cannot hold becomes the
// code page's default character; nothing is cut.
#pragma once

#include "afxstr.h"

#include <string>

#ifndef _WIN32
#error "afx_text_win.h needs the Win32 window system"
#endif

// The code page of every narrow text of the library.
constexpr UINT kAfxTextCodePage = 932;

// Conversions (inside the framework; a null pointer is the empty text).
ZELAFX_API std::wstring AfxWideFromText(LPCSTR pszText);
CString AfxTextFromWide(const wchar_t* pszWide, int nLength);
// Copies a 932 text into a caller's buffer of nMaxCount bytes, zero
// included, without splitting a double-byte character; the bytes copied.
int AfxCopyText(const CString& strText, LPSTR pszBuffer, int nMaxCount);

// Window texts and message boxes, for the framework and the library.
ZELAFX_API void AfxSetWindowText(HWND hWnd, LPCSTR pszText);
ZELAFX_API CString AfxGetWindowText(HWND hWnd);
ZELAFX_API int AfxMessageBoxOwned(HWND hOwner, LPCSTR pszText, LPCSTR pszCaption, UINT nType);
