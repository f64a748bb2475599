// The umbrella header under the ways hosts commonly set up <windows.h>. Each
// variant is compiled as its own translation unit (see CMakeLists.txt) with
// the warnings of the host turned into errors.
#if defined(ZEL_VARIANT_WINDOWS_FIRST)
#  include <windows.h>
#elif defined(ZEL_VARIANT_LEAN_AND_MEAN)
#  define WIN32_LEAN_AND_MEAN
#  include <windows.h>
#elif defined(ZEL_VARIANT_NOMINMAX)
#  define NOMINMAX
#  include <windows.h>
#endif

#include "ZelCalCtrl.h"

