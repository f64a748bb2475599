// Shift_JIS (code page 932), the era file's text, to and from UTF-8, the
// text of a terminal and of the native command line.
#pragma once

#include <string>

// False when the bytes are not valid Shift_JIS.
bool ZelShiftJisToUtf8(const std::string& strShiftJis, std::string& strUtf8);
// False when the text is not valid UTF-8 or holds a character that
// Shift_JIS has not got.
bool ZelUtf8ToShiftJis(const std::string& strUtf8, std::string& strShiftJis);

#ifdef _WIN32
#  include <windows.h>
// Wide text in a code page; false when a character has no exact form there.
bool ZelWideToCodePage(const std::wstring& strWide, UINT nCodePage, std::string& strOut);
// Text of a code page as wide text; false when it is not valid there.
bool ZelCodePageToWide(const std::string& strText, UINT nCodePage, std::wstring& strWide);
#endif
