#include "message_box_recorder.h"

#include "ZelCalCtrl.h"

namespace {
std::vector<RecordedBox>* g_pBoxes = nullptr;

std::string WindowTextA(HWND hWnd)
{
    char buf[1024] = {};
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

// The icon a box shows, told by comparing the icon static with the system's.
UINT IconOf(HWND hBox)
{
    HICON hStop = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32513));   // IDI_HAND
    HICON hInfo = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32516));   // IDI_ASTERISK
    for (HWND h = ::GetWindow(hBox, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(h, STM_GETICON, 0, 0));
        if (hIcon == hStop)
            return MB_ICONSTOP;
        if (hIcon == hInfo)
            return MB_ICONINFORMATION;
        return 0xFFFF;  // some other icon
    }
    return 0;
}
}  // namespace

MessageBoxRecorder::MessageBoxRecorder()
{
    g_pBoxes = &m_boxes;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &MessageBoxRecorder::CbtProc, nullptr, ::GetCurrentThreadId());
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    ::UnhookWindowsHookEx(m_hHook);
    g_pBoxes = nullptr;
}

LRESULT CALLBACK MessageBoxRecorder::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && g_pBoxes != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        char cls[32] = {};
        ::GetClassNameA(hWnd, cls, sizeof cls);
        HWND hText = ::GetDlgItem(hWnd, 0xFFFF);
        if (std::string(cls) == "#32770" && hText != nullptr && ::GetDlgItem(hWnd, IDOK) != nullptr &&
            ::GetProp(hWnd, "ZelSeen") == nullptr) {
            ::SetPropA(hWnd, "ZelSeen", reinterpret_cast<HANDLE>(1));
            CWnd* pMain = AfxGetMainWnd();
            RecordedBox box;
            box.text = WindowTextA(hText);
            box.caption = WindowTextA(hWnd);
            box.icon = IconOf(hWnd);
            box.owner = ::GetWindow(hWnd, GW_OWNER);
            box.mainDisabled = pMain != nullptr && !::IsWindowEnabled(pMain->m_hWnd);
            g_pBoxes->push_back(box);
            // Closed through its own loop, as a click on OK would.
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
