// What a long-running host must not see grow, counted the ways that work
// under Wine (its GetGuiResources and GetProcessHandleCount return 0).
#pragma once

#include <windows.h>

#include <cstddef>

// Bytes in use in every heap of the process, summed block by block.
size_t HeapBytesInUse();
