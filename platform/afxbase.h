// Base definitions of the framework layer: export macros, the Win32 types the
// library's public interface uses, and TRACE.
#pragma once

#ifdef _WIN32
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  ifndef NOMINMAX
#    define NOMINMAX
#  endif
#  include <windows.h>
// windows.h maps GetCurrentTime() to GetTickCount(); the date value has a
// real GetCurrentTime of its own.
#  ifdef GetCurrentTime
#    undef GetCurrentTime
#  endif
#  ifdef ZELAFX_BUILD
#    define ZELAFX_API __declspec(dllexport)
#  else
#    define ZELAFX_API __declspec(dllimport)
#  endif
#else
// Native build of the non-window types: the few Win32 names they use.
#  include <cstdint>
typedef int BOOL;
typedef unsigned int UINT;
typedef unsigned long DWORD;
typedef unsigned short WORD;
typedef unsigned char BYTE;
typedef long LONG;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef double DATE;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::uint64_t ULONGLONG;
typedef struct HWND__* HWND;
#  ifndef TRUE
#    define TRUE 1
#    define FALSE 0
#  endif
#  define ZELAFX_API
#endif

#include <cstdarg>

// Prints only in debug builds; the arguments are not evaluated otherwise.
ZELAFX_API void AfxTrace(const char* pszFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

#ifdef _DEBUG
#  define TRACE(...) ::AfxTrace(__VA_ARGS__)
#else
// Not evaluated, but still checked: the arguments count as used.
#  define TRACE(...) ((void)sizeof((::AfxTrace(__VA_ARGS__), 0)))
#endif
