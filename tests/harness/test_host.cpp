#include "test_host.h"

#include <cstring>
#include <vector>

#include "test_host_ids.h"

namespace {
TestHost* g_pHost = nullptr;
const char kMainClass[] = "ZelTestMainWindow";
}

LRESULT CALLBACK TestHost::MainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && g_pHost != nullptr) {
        RecordedCommand cmd{wParam, lParam};
        g_pHost->m_commands.push_back(cmd);
        if (g_pHost->onCommand)
            g_pHost->onCommand(cmd);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

static INT_PTR CALLBACK HostDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TestHost::TestHost()
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TestHost::MainProc;
    wc.hInstance = hInst;
    wc.lpszClassName = kMainClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassA(&wc);  // fails harmlessly when already registered
    m_hMain = ::CreateWindowExA(0, kMainClass, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                                nullptr, nullptr, hInst, nullptr);
    g_pHost = this;
    AfxGetThread()->m_pMainWnd = CWnd::FromHandle(m_hMain);
    m_hDialog = ::CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_TEST_HOST), m_hMain, HostDialogProc, 0);
    ::SetForegroundWindow(m_hDialog);
    ::SetActiveWindow(m_hDialog);
    Pump();
}

TestHost::~TestHost()
{
    if (m_hDialog)
        ::DestroyWindow(m_hDialog);
    if (m_hMain)
        ::DestroyWindow(m_hMain);
    Pump();
    AfxGetThread()->m_pMainWnd = nullptr;
    g_pHost = nullptr;
}

void TestHost::Place(CWnd& control, int y)
{
    CRect rc;
    control.GetWindowRect(rc);
    control.MoveWindow(10, y, rc.Width(), rc.Height());
    control.ShowWindow(SW_SHOW);
    Pump();
}

int TestHost::Count(const char* pszName, LPARAM lParam) const
{
    const UINT nMsg = ::RegisterWindowMessageA(pszName);
    int n = 0;
    for (const RecordedCommand& c : m_commands)
        if (c.wParam == nMsg && c.lParam == lParam)
            ++n;
    return n;
}

void TestHost::Pump()
{
    MSG msg;
    CWinThread* pThread = AfxGetThread();
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        pThread->PumpMessage();
    }
}

void TestHost::PressKey(UINT vk, bool bShift)
{
    BYTE state[256];
    ::GetKeyboardState(state);
    state[VK_SHIFT] = bShift ? 0x80 : 0;
    state[VK_LSHIFT] = bShift ? 0x80 : 0;
    ::SetKeyboardState(state);
    HWND hTarget = ::GetFocus();
    ::PostMessageA(hTarget, WM_KEYDOWN, vk, 1);
    ::PostMessageA(hTarget, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    Pump();
    state[VK_SHIFT] = 0;
    state[VK_LSHIFT] = 0;
    ::SetKeyboardState(state);
}

void TestHost::Type(const char* pszText)
{
    for (const char* p = pszText; *p; ++p) {
        ::PostMessageA(::GetFocus(), WM_CHAR, static_cast<unsigned char>(*p), 1);
        Pump();
    }
}

void TestHost::Focus(HWND hWnd)
{
    ::SetFocus(hWnd);
    Pump();
}


void TestHost::Click(HWND hButton)
{
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    Pump();
}

int TestHost::Selection(HWND hCombo)
{
    return static_cast<int>(::SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
}

// Arrow keys in the list until it shows nIndex, or a refused switch puts it back.
static void StepList(HWND hCombo, int nIndex)
{
    for (int guard = 0; guard < 32 && TestHost::Selection(hCombo) != nIndex; ++guard) {
        const int nSel = TestHost::Selection(hCombo);
        TestHost::PressKey(nSel < nIndex ? VK_DOWN : VK_UP);
        if (TestHost::Selection(hCombo) == nSel)
            break;
    }
}

void TestHost::ChooseWithKeys(HWND hCombo, int nIndex)
{
    Focus(hCombo);
    StepList(hCombo, nIndex);
}

void TestHost::ChooseThroughOpenList(HWND hCombo, int nIndex)
{
    Focus(hCombo);
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    StepList(hCombo, nIndex);
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
    Pump();
}

std::string TestHost::Text(HWND hWnd)
{
    char buf[512] = {};
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

std::string TestHost::ItemText(CWnd& dlg, int nID) { return Text(::GetDlgItem(dlg.m_hWnd, nID)); }

// ---- named flags --------------------------------------------------------------------

bool NamedFlagExists(const char* pszName)
{
    HANDLE h = ::OpenMutexA(SYNCHRONIZE, FALSE, pszName);
    if (h == nullptr)
        return false;
    ::CloseHandle(h);
    return true;
}

CurrentResources::CurrentResources(HINSTANCE hModule) : m_hSaved(AfxGetResourceHandle())
{
    AfxSetResourceHandle(hModule);
}

CurrentResources::~CurrentResources() { AfxSetResourceHandle(m_hSaved); }

