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
