#include "wndclass/key_routing.h"

#include <type_traits>

namespace zelcal {

namespace {

struct RouteState {
    HHOOK hHook = nullptr;
    int nUsers = 0;
    MSG kept{};
    WPARAM keptTicket = 0;
    bool bKept = false;
    WPARAM nextTicket = 1;
};

// Plain data only: a thread-local object with a destructor would keep the
// DLL loaded until the thread ends.
RouteState& State()
{
    static_assert(std::is_trivially_destructible_v<RouteState>);
    thread_local RouteState state;
    return state;
}

// Keys only; the system keys (Alt and menu shortcuts) stay the host's.
bool IsRoutedKind(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == WM_DEADCHAR;
}

LRESULT CALLBACK GetMessageHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == PM_REMOVE) {
        MSG* pMsg = reinterpret_cast<MSG*>(lParam);
        if (pMsg != nullptr && IsRoutedKind(pMsg->message) && pMsg->hwnd != nullptr) {
            if (HWND hHolder = ClassWindowAbove(pMsg->hwnd)) {
                RouteState& state = State();
                state.kept = *pMsg;
                state.keptTicket = state.nextTicket++;
                state.bKept = true;
                pMsg->hwnd = hHolder;
                pMsg->message = kRoutedKeyMessage;
                pMsg->wParam = state.keptTicket;
                pMsg->lParam = 0;
            }
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

}  // namespace

KeyRouteUser::KeyRouteUser()
{
    RouteState& state = State();
    if (state.nUsers++ == 0)
        state.hHook = ::SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, ::GetCurrentThreadId());
}

KeyRouteUser::~KeyRouteUser()
{
    RouteState& state = State();
    if (--state.nUsers == 0 && state.hHook != nullptr) {
        ::UnhookWindowsHookEx(state.hHook);
        state.hHook = nullptr;
        state.bKept = false;
    }
}

bool TakeRoutedKey(WPARAM ticket, MSG& msg)
{
    RouteState& state = State();
    if (!state.bKept || state.keptTicket != ticket)
        return false;
    msg = state.kept;
    state.bKept = false;
    return true;
}

}  // namespace zelcal
