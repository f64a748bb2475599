#include "test_host.h"

#include "test_host_ids.h"
#include "window_test.h"

namespace {
TestHost* g_pHost = nullptr;
INT_PTR CALLBACK HostDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }
}  // namespace

LRESULT CALLBACK TestHost::MainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_COMMAND || g_pHost == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    g_pHost->commands.push_back({wParam, lParam});
    std::string event = "WM_COMMAND " + std::to_string(wParam);
    for (const char* pszName : {"ZEL2_DATE_CHANGE", "ZEL2_CALWND_ENABLE", "ZEL_DATE_ERROR_MESSAGE"})
        if (wParam == ::RegisterWindowMessageA(pszName))
            event = pszName;
    g_pHost->events.push_back(event + " " + std::to_string(lParam));
    if (g_pHost->onCommand)
        g_pHost->onCommand(g_pHost->commands.back());
    return 0;
}

TestHost::TestHost()
{
    const HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TestHost::MainProc;
    wc.hInstance = hInst;
    wc.lpszClassName = "ZelTestMainWindow";
    ::RegisterClassA(&wc);  // fails harmlessly when already registered
    m_hMain = ::CreateWindowExA(0, wc.lpszClassName, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                                nullptr, nullptr, hInst, nullptr);
    g_pHost = this;
    AfxGetThread()->m_pMainWnd = CWnd::FromHandle(m_hMain);
    RemakeDialog();
}

void TestHost::RemakeDialog()
{
    if (::IsWindow(m_hDialog))
        ::DestroyWindow(m_hDialog);
    m_hDialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_HOST), m_hMain,
                                     HostDialogProc, 0);
    ::SetForegroundWindow(m_hDialog);
    ::SetActiveWindow(m_hDialog);
    Pump();
}

TestHost::~TestHost()
{
    ::DestroyWindow(m_hDialog);
    ::DestroyWindow(m_hMain);
    Pump();
    AfxGetThread()->m_pMainWnd = nullptr;
    g_pHost = nullptr;
}

void TestHost::Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxGetThread()->PumpMessage();
}

void TestHost::PressKey(UINT vk, bool bShift)
{
    BYTE state[256];
    ::GetKeyboardState(state);
    state[VK_SHIFT] = state[VK_LSHIFT] = bShift ? 0x80 : 0;
    ::SetKeyboardState(state);
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, vk, 1);
    ::PostMessageA(::GetFocus(), WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    Pump();
    state[VK_SHIFT] = state[VK_LSHIFT] = 0;
    ::SetKeyboardState(state);
}

void TestHost::Type(const char* pszText)
{
    for (const char* p = pszText; *p; ++p)
        ::PostMessageA(::GetFocus(), WM_CHAR, static_cast<unsigned char>(*p), 1), Pump();
}

// Arrow keys until the list shows nIndex, or a refused switch puts it back.
void TestHost::ChooseWithKeys(HWND hCombo, int nIndex, bool bOpen)
{
    Focus(hCombo);
    if (bOpen)
        ::SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0), Pump();
    for (int nSel = Selection(hCombo); nSel != nIndex; nSel = Selection(hCombo)) {
        PressKey(nSel < nIndex ? VK_DOWN : VK_UP);
        if (Selection(hCombo) == nSel)
            break;
    }
    if (bOpen)
        ::SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0), Pump();
}

std::string TestHost::Text(HWND hWnd)
{
    char buf[512] = {};
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

std::wstring TestHost::WideText(HWND hWnd)
{
    wchar_t buf[512] = {};
    ::GetWindowTextW(hWnd, buf, 512);
    return buf;
}

// The icon a box shows, told by comparing the icon static with the system's.
static UINT IconOf(HWND hBox)
{
    for (HWND h = ::GetWindow(hBox, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(h, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(h, STM_GETICON, 0, 0));
        return hIcon == ::LoadIcon(nullptr, IDI_HAND) ? MB_ICONSTOP
               : hIcon == ::LoadIcon(nullptr, IDI_ASTERISK) ? MB_ICONINFORMATION : 0xFFFF;
    }
    return 0;
}

LRESULT CALLBACK MessageBoxRecorder::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    const HWND hText = nCode == HCBT_ACTIVATE ? ::GetDlgItem(hWnd, 0xFFFF) : nullptr;
    if (s_pThis != nullptr && hText != nullptr && ::GetDlgItem(hWnd, IDOK) != nullptr && Claim(hWnd)) {
        const CWnd* pMain = AfxGetMainWnd();
        s_pThis->boxes.push_back({TestHost::Text(hText), TestHost::Text(hWnd), TestHost::WideText(hText),
                                  TestHost::WideText(hWnd), IconOf(hWnd), ::GetWindow(hWnd, GW_OWNER),
                                  pMain != nullptr && !::IsWindowEnabled(pMain->m_hWnd)});
        if (g_pHost != nullptr)
            g_pHost->events.push_back("box: " + s_pThis->boxes.back().text);
        if (s_pThis->onBox)
            s_pThis->onBox(hWnd);
        else
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
