// What a long-running host must not see grow, counted the ways that work
// under Wine (its GetGuiResources and GetProcessHandleCount return 0).
#pragma once

#include <windows.h>

#include <cstddef>
#include <ostream>
#include <string>

// Bytes in use in every heap of the process, summed block by block.
size_t HeapBytesInUse();

struct ProcessCounts {
    long long heapBytes = 0;
    long long gdiObjects = 0;     // handle values GetObjectType knows
    long long kernelHandles = 0;  // handle values GetHandleInformation knows
    long long windows = 0;        // the process's top-level windows and all their children

    static ProcessCounts Now();
    ProcessCounts operator-(const ProcessCounts& before) const;
    bool operator==(const ProcessCounts&) const = default;
    std::string Text() const;
    friend void PrintTo(const ProcessCounts& c, std::ostream* os) { *os << c.Text(); }
};
