// What the fuzz targets share. A failed expectation prints what was expected
// and aborts: libFuzzer reports a finding and saves the input.
#pragma once

#include "era/era_core.h"
#include "models.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <iterator>
#include <string>
#include <vector>

[[noreturn]] void ZelFuzzFail(const char* pszFile, int nLine, const char* pszWhat, const std::string& strDetail);

#define ZEL_FUZZ_CHECK(cond, detail)                                \
    do {                                                            \
        if (!(cond))                                                \
            ZelFuzzFail(__FILE__, __LINE__, #cond, (detail));       \
    } while (0)

// Any value of the int range, with the edges of the calendar and of the int
// range reachable in a few input bytes.
inline int ZelFuzzInt(FuzzedDataProvider& fdp)
{
    static const int kEdges[] = {INT_MIN, INT_MIN + 1, -10000, -2, -1, 0, 1, 2, 12, 13, 28, 29, 30, 31, 32, 99,
                                 100, 101, 1867, 1868, 1911, 1912, 1925, 1926, 1988, 1989, 9999, 10000,
                                 INT_MAX - 1, INT_MAX};
    switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0: return fdp.ConsumeIntegral<int>();
    case 1: return fdp.ConsumeIntegralInRange(-40, 40);
    case 2: return fdp.ConsumeIntegralInRange(1800, 2100);
    default: return kEdges[fdp.ConsumeIntegralInRange<std::size_t>(0, std::size(kEdges) - 1)];
    }
}

// Printable form of a byte string: Shift_JIS and control bytes as \xNN.
std::string ZelFuzzQuote(const std::string& bytes);

// Makes the process work in an empty directory of its own (removed at a
// normal exit) with a data folder: parallel runs never share an era.dat.
void ZelFuzzEnterScratchDir();

// Printable form of a record list, for failure messages.
std::string ZelFuzzDescribe(const std::vector<ZelModelEra>& eras);
// An era table of the library as plain records, to compare with the models.
std::vector<ZelModelEra> ZelFuzzRowsOf(CArray<CZelEra, CZelEra&>& arr, INT_PTR nFirst = 0);
