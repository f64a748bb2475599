// The main window hears the controls' signals as WM_COMMAND messages whose
// wParam is a registered message number.
#include "ZelCalCtrl.h"

namespace {
const UINT kDateChange = ::RegisterWindowMessageA("ZEL2_DATE_CHANGE");
const UINT kCalWndEnable = ::RegisterWindowMessageA("ZEL2_CALWND_ENABLE");
const UINT kDateError = ::RegisterWindowMessageA("ZEL_DATE_ERROR_MESSAGE");
}  // namespace

// Holding this flag asks every control to report each change of a date while
// the user types. Hold it only while a screen wants to know (e.g. to light a
// "not saved" mark): the probe costs a round trip per keystroke either way.
class DateChangeListening {
public:
    DateChangeListening() : m_hFlag(::CreateMutexA(nullptr, TRUE, "ZEL2_DATE_CHANGE")) {}
    ~DateChangeListening()
    {
        if (m_hFlag) {
            ::ReleaseMutex(m_hFlag);
            ::CloseHandle(m_hFlag);
        }
    }
    DateChangeListening(const DateChangeListening&) = delete;
    DateChangeListening& operator=(const DateChangeListening&) = delete;

private:
    HANDLE m_hFlag;
};

// A screen that has to go because of a signal goes after the library's
// handler has returned: the handler only posts this to the main window.
const UINT kCloseScreenLater = WM_APP + 1;

// Part of the main window's procedure: true when the message was a signal.
bool OnLibrarySignal(HWND hMain, WPARAM wParam, LPARAM lParam, HWND hScreen)
{
    const UINT nCode = static_cast<UINT>(wParam);
    if (nCode == kDateChange) {
        ::SetWindowTextA(hMain, "* changed");  // note it; destroy nothing here
        return true;
    }
    if (nCode == kCalWndEnable) {
        // lParam 0: one of the library's modal dialogs opens; 1: it has closed.
        ::EnableMenuItem(::GetMenu(hMain), 0, MF_BYPOSITION | (lParam ? MF_ENABLED : MF_GRAYED));
        return true;
    }
    if (nCode == kDateError) {
        // The user has seen the message box; the wrong field keeps the focus.
        // Were this screen to close now, it closes later, not here:
        ::PostMessageA(hMain, kCloseScreenLater, 0, reinterpret_cast<LPARAM>(hScreen));
        return true;
    }
    return false;
}

// Also part of the main window's procedure: by now no handler of the
// library is on the stack, and the screen with its controls can go.
void OnCloseScreenLater(LPARAM lParam)
{
    const HWND hScreen = reinterpret_cast<HWND>(lParam);
    if (::IsWindow(hScreen))
        ::DestroyWindow(hScreen);
}
