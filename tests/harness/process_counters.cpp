#include "process_counters.h"

size_t HeapBytesInUse()
{
    HANDLE heaps[64];
    const DWORD nHeaps = ::GetProcessHeaps(64, heaps);
    size_t nTotal = 0;
    for (DWORD i = 0; i < nHeaps && i < 64; ++i) {
        if (!::HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                nTotal += entry.cbData;
        ::HeapUnlock(heaps[i]);
    }
    return nTotal;
}

namespace {

// GDI handles carry their table index in the low word; a value with a zero
// high word names the entry whatever its generation.
long long GdiObjects()
{
    long long n = 0;
    for (UINT_PTR v = 1; v <= 0xFFFF; ++v)
        n += ::GetObjectType(reinterpret_cast<HGDIOBJ>(v)) != 0;
    return n;
}

// Kernel handles are small multiples of 4.
long long KernelHandles()
{
    long long n = 0;
    DWORD dwFlags = 0;
    for (UINT_PTR v = 4; v <= 0x8000; v += 4)
        n += ::GetHandleInformation(reinterpret_cast<HANDLE>(v), &dwFlags) != FALSE;
    return n;
}

BOOL CALLBACK CountOne(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<long long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTree(HWND hWnd, LPARAM lParam)
{
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    if (dwPid == ::GetCurrentProcessId()) {
        CountOne(hWnd, lParam);
        ::EnumChildWindows(hWnd, &CountOne, lParam);
    }
    return TRUE;
}

}  // namespace

ProcessCounts ProcessCounts::Now()
{
    ProcessCounts c;
    c.heapBytes = static_cast<long long>(HeapBytesInUse());
    c.gdiObjects = GdiObjects();
    c.kernelHandles = KernelHandles();
    ::EnumWindows(&CountTree, reinterpret_cast<LPARAM>(&c.windows));
    return c;
}

ProcessCounts ProcessCounts::operator-(const ProcessCounts& before) const
{
    return {heapBytes - before.heapBytes, gdiObjects - before.gdiObjects, kernelHandles - before.kernelHandles,
            windows - before.windows};
}

std::string ProcessCounts::Text() const
{
    return "heap bytes " + std::to_string(heapBytes) + ", GDI objects " + std::to_string(gdiObjects) +
           ", kernel handles " + std::to_string(kernelHandles) + ", windows " + std::to_string(windows);
}
