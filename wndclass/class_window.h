// The window classes of the controls: ZelCalNorm, ZelCalNormCal, ... A
// window of such a class is a small child window that owns the library's
// control object, sizes itself to the control, hands the focus on to the
// control's first (or, with Shift, last) stop, answers the messages of
// ZelCalCtrlC.h and tells its parent of date changes with WM_NOTIFY.
#pragma once

#include <windows.h>

namespace zelcal {

// Registers every class as a global class of hInstance; true when each one
// is registered (now or before).
bool RegisterWindowClasses(HINSTANCE hInstance);
void UnregisterWindowClasses(HINSTANCE hInstance);

}  // namespace zelcal
