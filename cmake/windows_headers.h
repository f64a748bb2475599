// The system and standard headers that nearly every library source includes,
// parsed once per DLL instead of once per source (cmake/Precompiled.cmake).
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>
