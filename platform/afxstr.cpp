#include "afxstr.h"
#include "afx_mbcs.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

// Next character code of a Shift_JIS string; advances p. A lead byte that
// ends the string stands alone.
unsigned NextChar(const unsigned char*& p)
{
    const unsigned c = *p++;
    if (zelafx_detail::IsLeadByte(static_cast<unsigned char>(c)) && *p != 0)
        return (c << 8) | *p++;
    return c;
}

}  // namespace

int AfxMbsCmp(const char* a, const char* b)
{
    const auto* pa = reinterpret_cast<const unsigned char*>(a ? a : "");
    const auto* pb = reinterpret_cast<const unsigned char*>(b ? b : "");
    for (;;) {
        const unsigned ca = NextChar(pa);
        const unsigned cb = NextChar(pb);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString::CString() = default;

CString::CString(const char* psz) : m_str(psz ? psz : "") {}

CString::CString(const CString& src) = default;

CString::CString(char ch, int nRepeat) : m_str(nRepeat > 0 ? static_cast<std::size_t>(nRepeat) : 0, ch) {}

CString::~CString() = default;

CString& CString::operator=(const char* psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator=(const CString& src) = default;

CString::operator LPCSTR() const { return m_str.c_str(); }

int CString::GetLength() const { return static_cast<int>(m_str.size()); }

BOOL CString::IsEmpty() const { return m_str.empty() ? TRUE : FALSE; }

void CString::Empty() { m_str.clear(); }

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength())
        throw std::out_of_range("CString::GetAt: index outside the string");
    return m_str[static_cast<std::size_t>(nIndex)];
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, const char* b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const char* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    if (!pszFormat) {
        m_str.clear();
        return;
    }
    // Formatted into a separate buffer: the arguments may point into this
    // string.
    char small[256];
    va_list measure;
    va_copy(measure, args);
    const int n = std::vsnprintf(small, sizeof small, pszFormat, measure);
    va_end(measure);
    if (n < 0) {
        m_str.clear();
        return;
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        m_str.assign(small, static_cast<std::size_t>(n));
        return;
    }
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), pszFormat, args);
    m_str.assign(big.data(), static_cast<std::size_t>(n));
}

int CString::Compare(LPCSTR psz) const { return AfxMbsCmp(m_str.c_str(), psz); }

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<std::size_t>(nMinBufLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    std::size_t len;
    if (nNewLength < 0) {
        const void* zero = std::memchr(m_str.data(), 0, m_str.size());
        len = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - m_str.data()) : m_str.size();
    } else {
        len = static_cast<std::size_t>(nNewLength) < m_str.size() ? static_cast<std::size_t>(nNewLength) : m_str.size();
    }
    m_str.resize(len);
}

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return Mid(0, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const
{
    const int len = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= len || nCount <= 0)
        return CString();
    if (nCount > len - nFirst)
        nCount = len - nFirst;
    CString r;
    r.m_str = m_str.substr(static_cast<std::size_t>(nFirst), static_cast<std::size_t>(nCount));
    return r;
}

bool operator==(const CString& a, const CString& b)
{
    return a.GetLength() == b.GetLength() &&
           std::memcmp(static_cast<LPCSTR>(a), static_cast<LPCSTR>(b), static_cast<std::size_t>(a.GetLength())) == 0;
}
bool operator==(const CString& a, const char* b) { return std::strcmp(a, b ? b : "") == 0; }
bool operator==(const char* a, const CString& b) { return b == a; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(b == a); }
