#include "mouse_input.h"

#include "test_host.h"

void ClickWithMouse(HWND hWnd)
{
    RECT rc{};
    ::GetWindowRect(hWnd, &rc);
    const int x = (rc.left + rc.right) / 2;
    const int y = (rc.top + rc.bottom) / 2;
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& in : inputs) {
        in.type = INPUT_MOUSE;
        in.mi.dx = static_cast<LONG>((x * 65535LL) / (cx - 1));
        in.mi.dy = static_cast<LONG>((y * 65535LL) / (cy - 1));
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(3, inputs, sizeof(INPUT));
    // Hardware input reaches the queue through the server; give it a moment.
    for (int i = 0; i < 5; ++i) {
        ::Sleep(20);
        TestHost::Pump();
    }
}
