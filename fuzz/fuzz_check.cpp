#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>

void ZelFuzzFail(const char* pszFile, int nLine, const char* pszWhat, const std::string& strDetail)
{
    std::fprintf(stderr, "%s:%d: expectation failed: %s\n  %s\n", pszFile, nLine, pszWhat, strDetail.c_str());
    std::abort();
}

std::string ZelFuzzQuote(const std::string& bytes)
{
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out + "\"";
}
