#include "afxbase.h"

#include <cstdio>
#include <new>
#include <vector>

// A trace line that cannot be formatted or allocated is dropped.
void AfxTrace(const char* pszFormat, ...)
{
    if (!pszFormat)
        return;
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    const int n = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    try {
        if (n >= 0) {
            std::vector<char> text(static_cast<std::size_t>(n) + 1);
            std::vsnprintf(text.data(), text.size(), pszFormat, args);
#ifdef _WIN32
            ::OutputDebugStringA(text.data());
#else
            std::fputs(text.data(), stderr);
#endif
        }
    } catch (const std::bad_alloc&) {
    }
    va_end(args);
}
