// Expectations inside a fuzz target. A failed one prints what was expected
// and aborts, which libFuzzer reports as a finding with the input saved.
#pragma once

#include <string>

[[noreturn]] void ZelFuzzFail(const char* pszFile, int nLine, const char* pszWhat, const std::string& strDetail);

#define ZEL_FUZZ_CHECK(cond, detail)                                \
    do {                                                            \
        if (!(cond))                                                \
            ZelFuzzFail(__FILE__, __LINE__, #cond, (detail));       \
    } while (0)

// Printable form of a byte string: Shift_JIS and control bytes as \xNN.
std::string ZelFuzzQuote(const std::string& bytes);
