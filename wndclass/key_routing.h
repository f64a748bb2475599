// Keys for the controls inside a window of the library's classes, whatever
// message loop the host runs. A thread hook sees each key message as the
// host's loop takes it from the queue; one meant for a window inside such a
// class window is kept aside and the host's loop is handed a routed-key
// message for the class window instead. The class window then offers the
// key to the control's own key handling (PreTranslateMessage), as the
// framework's pump would, and dispatches it when nobody took it. So the
// host's own dialog handling never walks through the control's fields: the
// control's walk does, and leaves for the host's neighbours.
#pragma once

#include <windows.h>

namespace zelcal {

// The message a class window gets instead of a key; wParam is the ticket.
inline constexpr UINT kRoutedKeyMessage = WM_USER + 0x5E0;

// Keeps the thread's hook in place while at least one object lives.
class KeyRouteUser {
public:
    KeyRouteUser();
    ~KeyRouteUser();
    KeyRouteUser(const KeyRouteUser&) = delete;
    KeyRouteUser& operator=(const KeyRouteUser&) = delete;
};

// The key kept aside under the ticket; false when it is not the one kept.
bool TakeRoutedKey(WPARAM ticket, MSG& msg);

// Given by the class windows: the class window that hWnd lies inside (not
// hWnd itself), null when none.
HWND ClassWindowAbove(HWND hWnd);

}  // namespace zelcal
