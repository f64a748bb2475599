// Clicks made with the mouse as a user makes them: hardware input through the
// system, so that a disabled window gets none of it.
#pragma once

#include <windows.h>

// A left click at the centre of the window, then pump.
void ClickWithMouse(HWND hWnd);
