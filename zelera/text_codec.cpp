#include "text_codec.h"

#ifdef _WIN32

bool ZelCodePageToWide(const std::string& strText, UINT nCodePage, std::wstring& strWide)
{
    strWide.clear();
    if (strText.empty())
        return true;
    const int nIn = static_cast<int>(strText.size());
    const int n = ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, strText.data(), nIn, nullptr, 0);
    if (n <= 0)
        return false;
    strWide.resize(static_cast<std::size_t>(n));
    return ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, strText.data(), nIn, strWide.data(), n) == n;
}

bool ZelWideToCodePage(const std::wstring& strWide, UINT nCodePage, std::string& strOut)
{
    strOut.clear();
    if (strWide.empty())
        return true;
    // UTF-8 takes neither flags nor a default character.
    const bool bUtf8 = nCodePage == CP_UTF8;
    const DWORD dwFlags = bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL bUsedDefault = FALSE;
    LPBOOL pUsedDefault = bUtf8 ? nullptr : &bUsedDefault;
    const int nIn = static_cast<int>(strWide.size());
    const int n = ::WideCharToMultiByte(nCodePage, dwFlags, strWide.data(), nIn, nullptr, 0, nullptr, pUsedDefault);
    if (n <= 0 || bUsedDefault)
        return false;
    strOut.resize(static_cast<std::size_t>(n));
    return ::WideCharToMultiByte(nCodePage, dwFlags, strWide.data(), nIn, strOut.data(), n, nullptr, pUsedDefault) ==
               n &&
           !bUsedDefault;
}

bool ZelShiftJisToUtf8(const std::string& strShiftJis, std::string& strUtf8)
{
    std::wstring wide;
    return ZelCodePageToWide(strShiftJis, 932, wide) && ZelWideToCodePage(wide, CP_UTF8, strUtf8);
}

bool ZelUtf8ToShiftJis(const std::string& strUtf8, std::string& strShiftJis)
{
    std::wstring wide;
    return ZelCodePageToWide(strUtf8, CP_UTF8, wide) && ZelWideToCodePage(wide, 932, strShiftJis);
}

#else

#  include <iconv.h>

#  include <cerrno>

namespace {

// One iconv conversion, opened and closed here; false on any byte it
// cannot convert.
bool Convert(const char* pszTo, const char* pszFrom, const std::string& strIn, std::string& strOut)
{
    strOut.clear();
    iconv_t cd = ::iconv_open(pszTo, pszFrom);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    struct Closer
    {
        iconv_t cd;
        ~Closer() { ::iconv_close(cd); }
    } closer{cd};
    std::string in(strIn);
    char* pIn = in.data();
    std::size_t nIn = in.size();
    char buffer[256];
    while (nIn > 0) {
        char* pOut = buffer;
        std::size_t nOut = sizeof buffer;
        const std::size_t r = ::iconv(cd, &pIn, &nIn, &pOut, &nOut);
        strOut.append(buffer, static_cast<std::size_t>(pOut - buffer));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG)
            return false;
        // iconv counts irreversible conversions; any means no exact form.
        if (r != static_cast<std::size_t>(-1) && r > 0)
            return false;
    }
    return true;
}

}  // namespace

bool ZelShiftJisToUtf8(const std::string& strShiftJis, std::string& strUtf8)
{
    return Convert("UTF-8", "CP932", strShiftJis, strUtf8);
}

bool ZelUtf8ToShiftJis(const std::string& strUtf8, std::string& strShiftJis)
{
    return Convert("CP932", "UTF-8", strUtf8, strShiftJis);
}

#endif
