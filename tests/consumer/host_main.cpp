// A plain Win32 host with its own main and no application object, built
// against the installed package only: it wraps its windows with
// CWnd::FromHandle, names its main window, places a control between two
// fields of its own and runs both modal dialogs through the host guide's
// samples, and pumps with PumpMessage.
#include <cstdio>
#include <cstring>
#include <vector>

#include <windows.h>

#include "ZelCalCtrl.h"

// The host guide's samples (docs/samples), built into this host.
void PlaceDateControl(CZelCalNorm& date, HWND hDlg, HWND hFieldBefore, HWND hFieldAfter, POINT at);
bool AskDate(CWnd* pOwner, POINT at, int& nDiv, int& nYear, int& nMonth, int& nDay);

static int g_failures = 0;

static void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    g_failures += ok ? 0 : 1;
}

// Enter in whatever has the focus, once a modal dialog is up.
static VOID CALLBACK PressEnter(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

// The version resource of a DLL beside the program: the package's version in
// the fixed part, and descriptions in Japanese and English.
static void CheckVersionResource(const char* pszDll)
{
    char szPath[MAX_PATH];
    const HMODULE hDll = ::GetModuleHandleA(pszDll);
    const DWORD nPath = hDll ? ::GetModuleFileNameA(hDll, szPath, MAX_PATH) : 0;
    DWORD dummy = 0;
    const DWORD nSize = nPath ? ::GetFileVersionInfoSizeA(szPath, &dummy) : 0;
    std::vector<char> info(nSize);
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLen = 0;
    char szVersion[32] = "";
    if (nSize && ::GetFileVersionInfoA(szPath, 0, nSize, info.data())
        && ::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&pFixed), &nLen) && pFixed)
        std::snprintf(szVersion, sizeof szVersion, "%u.%u.%u", HIWORD(pFixed->dwFileVersionMS),
                      LOWORD(pFixed->dwFileVersionMS), HIWORD(pFixed->dwFileVersionLS));
    std::printf("%s file version %s\n", pszDll, szVersion);
    Check(std::strcmp(szVersion, ZEL_PACKAGE_VERSION) == 0, "DLL file version is the package's version");
    for (const char* pszBlock : {"\\StringFileInfo\\041104B0\\FileDescription",
                                 "\\StringFileInfo\\040904B0\\FileDescription"}) {
        char* pszText = nullptr;
        Check(nSize && ::VerQueryValueA(info.data(), pszBlock, reinterpret_cast<void**>(&pszText), &nLen)
                  && nLen > 1,
              pszBlock);
    }
}

int main()
{
    CheckVersionResource("ZelCalCtrl.dll");
    CheckVersionResource("ZelAfx.dll");

    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    HWND hMain = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 200, nullptr,
                                   nullptr, hInst, nullptr);
    HWND hPrev = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 80, 20, hMain,
                                   nullptr, hInst, nullptr);
    HWND hNext = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 80, 80, 20, hMain,
                                   nullptr, hInst, nullptr);
    CWnd* pMain = CWnd::FromHandle(hMain);
    AfxGetThread()->m_pMainWnd = pMain;
    {
        CZelCalNorm ctrl(pMain);
        PlaceDateControl(ctrl, hMain, hPrev, hNext, POINT{120, 40});
        RECT rc{};
        ::GetWindowRect(ctrl.m_hWnd, &rc);
        POINT at{rc.left, rc.top};
        ::ScreenToClient(hMain, &at);
        Check(ctrl.m_hWnd && ::IsWindowVisible(ctrl.m_hWnd) && at.x == 120 && at.y == 40 && rc.right > rc.left,
              "the guide's placing shows the control where it was asked, at its own size");
        ctrl.SetFocusCalCtrl(0);
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 1);  // day field -> host's next field
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            AfxGetThread()->PumpMessage();
        int d = -1, y = -1, m = -1, day = -1;
        ctrl.GetChoiceData(d, y, m, day);
        Check(d == 0 && y == 2002 && m == 4 && day == 7, "CZelCalNorm value");
        Check(::GetFocus() == hNext, "Tab through the host's pump reaches its next field");
    }
    {
        // 30 February: the guide's AskDate opens the dialog on today instead.
        int d = 0, y = 2002, m = 2, day = 30;
        const COleDateTime today = COleDateTime::GetCurrentTime();
        ::SetTimer(nullptr, 0, 300, PressEnter);
        Check(AskDate(pMain, POINT{100, 200}, d, y, m, day) && y == today.GetYear() && m == today.GetMonth()
                  && day == today.GetDay(),
              "CZelCalNormDlg through the guide's AskDate, Enter: today for a day that does not exist");
    }
    {
        CZelRegSetDlg dlg(nullptr);
        dlg.SetChoiceData(3, 0, 10);
        ::SetTimer(nullptr, 0, 300, PressEnter);
        int r = static_cast<int>(dlg.DoModal()), interval = 0, m = -1, day = -1;
        dlg.GetChoiceData(interval, m, day);
        Check(r == IDOK && interval == 3 && day == 10, "CZelRegSetDlg, Enter");
    }
    ::DestroyWindow(hMain);
    AfxGetThread()->m_pMainWnd = nullptr;
    std::printf("%d failure(s)\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
