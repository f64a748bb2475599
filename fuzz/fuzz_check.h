// What the fuzz targets share. A failed expectation prints what was expected
// and aborts: libFuzzer reports a finding and saves the input.
#pragma once

#include "era/era_core.h"
#include "models.h"

#include <string>
#include <vector>

[[noreturn]] void ZelFuzzFail(const char* pszFile, int nLine, const char* pszWhat, const std::string& strDetail);

#define ZEL_FUZZ_CHECK(cond, detail)                                \
    do {                                                            \
        if (!(cond))                                                \
            ZelFuzzFail(__FILE__, __LINE__, #cond, (detail));       \
    } while (0)

// Printable form of a byte string: Shift_JIS and control bytes as \xNN.
std::string ZelFuzzQuote(const std::string& bytes);

// Makes the process work in an empty directory of its own (removed at a
// normal exit) with a data folder: parallel runs never share an era.dat.
void ZelFuzzEnterScratchDir();

// Printable form of a record list, for failure messages.
std::string ZelFuzzDescribe(const std::vector<ZelModelEra>& eras);
// An era table of the library as plain records, to compare with the models.
std::vector<ZelModelEra> ZelFuzzRowsOf(CArray<CZelEra, CZelEra&>& arr, INT_PTR nFirst = 0);
