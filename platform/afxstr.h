// CString: a byte string in the ANSI code page (Shift_JIS here).
#pragma once

#include "afxbase.h"

#include <cstdarg>
#include <string>

#if defined(__MINGW_PRINTF_FORMAT)
#  define ZELAFX_PRINTF_FORMAT(fmt, first) __attribute__((format(__MINGW_PRINTF_FORMAT, fmt, first)))
#elif defined(__GNUC__)
#  define ZELAFX_PRINTF_FORMAT(fmt, first) __attribute__((format(printf, fmt, first)))
#else
#  define ZELAFX_PRINTF_FORMAT(fmt, first)
#endif

// Compares two Shift_JIS strings character by character (a lead byte
// 0x81-0x9F or 0xE0-0xFC and the byte after it form one character whose
// code is lead * 256 + trail). Returns <0, 0 or >0. A null pointer compares
// as the empty string.
ZELAFX_API int AfxMbsCmp(const char* a, const char* b);

class ZELAFX_API CString
{
public:
    CString();
    CString(const char* psz);  // null gives the empty string
    CString(const CString& src);
    CString(char ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const char* psz);
    CString& operator=(const CString& src);

    operator LPCSTR() const;

    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();
    // Throws std::out_of_range for an index outside 0..GetLength()-1.
    char GetAt(int nIndex) const;

    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    friend ZELAFX_API CString operator+(const CString& a, const CString& b);
    friend ZELAFX_API CString operator+(const CString& a, const char* b);
    friend ZELAFX_API CString operator+(const char* a, const CString& b);

    void Format(LPCSTR pszFormat, ...) ZELAFX_PRINTF_FORMAT(2, 3);
    void FormatV(LPCSTR pszFormat, va_list args);

    // Multibyte-aware comparison (AfxMbsCmp).
    int Compare(LPCSTR psz) const;

    // Gives a writable buffer of at least nMinBufLength bytes plus a
    // terminating zero. ReleaseBuffer(-1) takes the length up to the first
    // zero byte; ReleaseBuffer(n) keeps the first n bytes.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    // Counts and positions are clamped to the string, as the platform does.
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;

private:
    std::string m_str;
};

ZELAFX_API bool operator==(const CString& a, const CString& b);
ZELAFX_API bool operator==(const CString& a, const char* b);
ZELAFX_API bool operator==(const char* a, const CString& b);
ZELAFX_API bool operator!=(const CString& a, const CString& b);
ZELAFX_API bool operator!=(const CString& a, const char* b);
ZELAFX_API bool operator!=(const char* a, const CString& b);
