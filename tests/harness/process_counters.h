// What a long-running host must not see grow, counted the ways that work
// under Wine (its GetGuiResources and GetProcessHandleCount return 0).
#pragma once

#include <windows.h>

#include <cstddef>
#include <ostream>
#include <string>

// Bytes in use in every heap of the process, summed block by block.
inline size_t HeapBytesInUse()
{
    HANDLE heaps[64];
    size_t nTotal = 0;
    for (DWORD i = 0, nHeaps = ::GetProcessHeaps(64, heaps); i < nHeaps && i < 64; ++i) {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heaps[i], &entry))
            nTotal += entry.wFlags & PROCESS_HEAP_ENTRY_BUSY ? entry.cbData : 0;
        ::HeapUnlock(heaps[i]);
    }
    return nTotal;
}

struct ProcessCounts {
    long long heapBytes = 0;
    long long gdiObjects = 0;     // handle values GetObjectType knows
    long long kernelHandles = 0;  // handle values GetHandleInformation knows
    long long windows = 0;        // the process's top-level windows and all their children

    static ProcessCounts Now()
    {
        ProcessCounts c;
        c.heapBytes = static_cast<long long>(HeapBytesInUse());
        // A GDI handle with a zero high word names its table entry whatever
        // its generation; kernel handles are small multiples of 4.
        for (UINT_PTR v = 1; v <= 0xFFFF; ++v)
            c.gdiObjects += ::GetObjectType(reinterpret_cast<HGDIOBJ>(v)) != 0;
        DWORD dwFlags = 0;
        for (UINT_PTR v = 4; v <= 0x8000; v += 4)
            c.kernelHandles += ::GetHandleInformation(reinterpret_cast<HANDLE>(v), &dwFlags) != FALSE;
        ::EnumWindows([](HWND hWnd, LPARAM lParam) -> BOOL {
            DWORD dwPid = 0;
            ::GetWindowThreadProcessId(hWnd, &dwPid);
            const WNDENUMPROC count = [](HWND, LPARAM lCount) -> BOOL { return ++*reinterpret_cast<long long*>(lCount), TRUE; };
            if (dwPid == ::GetCurrentProcessId())
                count(hWnd, lParam), ::EnumChildWindows(hWnd, count, lParam);
            return TRUE;
        }, reinterpret_cast<LPARAM>(&c.windows));
        return c;
    }
    ProcessCounts operator-(const ProcessCounts& b) const
    {
        return {heapBytes - b.heapBytes, gdiObjects - b.gdiObjects, kernelHandles - b.kernelHandles, windows - b.windows};
    }
    bool operator==(const ProcessCounts&) const = default;
    std::string Text() const
    {
        return "heap bytes " + std::to_string(heapBytes) + ", GDI objects " + std::to_string(gdiObjects) +
               ", kernel handles " + std::to_string(kernelHandles) + ", windows " + std::to_string(windows);
    }
    friend void PrintTo(const ProcessCounts& c, std::ostream* os) { *os << c.Text(); }
};
