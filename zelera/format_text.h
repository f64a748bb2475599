// printf-style formatting into a std::string, for the tool's messages.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

inline std::string FormatText(const char* pszFormat, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(buffer, sizeof buffer, pszFormat, args);
    va_end(args);
    return buffer;
}
