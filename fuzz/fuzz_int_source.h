// Ints for the fuzz targets: any value of the int range, with the edges of
// the calendar and of the int range reachable in a few input bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <iterator>

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
