// A plain Win32 host with its own main and no application object, using the
// installed package only: it wraps its windows with CWnd::FromHandle, names
// its main window, places every control between two fields of its own, runs
// the two modal dialogs, and pumps with PumpMessage. Exit code 0 when every
// value round-trips.
#include <cstdio>
#include <cstring>

#include "ZelCalCtrl.h"

namespace {

int g_failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    if (!ok)
        ++g_failures;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxGetThread()->PumpMessage();
}

template <class T> bool Make(T& ctrl, CWnd* pParent, CWnd* pPrev, CWnd* pNext)
{
    if (!ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, 1000, nullptr))
        return false;
    ctrl.MoveWindow(10, 40, 400, 30);
    ctrl.SetParentCtrl(pPrev, pNext);
    return true;
}

// Presses Enter in whatever has the focus once a modal dialog is up.
VOID CALLBACK PressEnter(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
}

LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

}  // namespace

int main()
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = hInst;
    wc.lpszClassName = "ConsumerHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    ::RegisterClassA(&wc);
    HWND hMain = ::CreateWindowExA(0, "ConsumerHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 200,
                                   nullptr, nullptr, hInst, nullptr);
    HWND hPrev = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 10, 80, 20,
                                   hMain, reinterpret_cast<HMENU>(101), hInst, nullptr);
    HWND hNext = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 80, 80, 20,
                                   hMain, reinterpret_cast<HMENU>(102), hInst, nullptr);
    if (hMain == nullptr || hPrev == nullptr || hNext == nullptr)
        return 3;
    CWnd* pMain = CWnd::FromHandle(hMain);
    CWnd* pPrev = CWnd::FromHandle(hPrev);
    CWnd* pNext = CWnd::FromHandle(hNext);
    AfxGetThread()->m_pMainWnd = pMain;

    {
        CZelCalNorm ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalNorm created");
        ctrl.SetChoiceData(0, 2002, 4, 7);
        ctrl.SetFocusCalCtrl(1);
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 1);  // era list -> year field
        Pump();
        int d = -1, y = -1, m = -1, day = -1;
        ctrl.GetChoiceData(d, y, m, day);
        Check(d == 0 && y == 2002 && m == 4 && day == 7, "CZelCalNorm value");
        Check(::GetFocus() == ::GetDlgItem(ctrl.m_hWnd, 32701), "CZelCalNorm Tab through the host's pump");
    }
    {
        CZelCalNormCal ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalNormCal created");
        ctrl.SetChoiceData(1, 2000, 2, 29);
        Check(ctrl.ChkDate() == 1, "CZelCalNormCal 2000/2/29 is a date");
        ctrl.SetChoiceData(1, 2003, 2, 29);
        Check(ctrl.ChkDate() == 0, "CZelCalNormCal 2003/2/29 is not");
    }
    {
        CZelCalBirth ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalBirth created");
        ctrl.SetChoiceData(0, 1975);
        int d = -1, y = -1;
        ctrl.GetChoiceData(d, y);
        Check(d == 0 && y == 1975, "CZelCalBirth value");
    }
    {
        CZelCalBirthNotify ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalBirthNotify created");
        ctrl.SetChoiceData(1, 2001, 1);
        int d = -1, y = -1, n = -1;
        ctrl.GetChoiceData(d, y, n);
        Check(d == 1 && y == 2001 && n == 1, "CZelCalBirthNotify value");
    }
    {
        CZelCalNormNotify ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalNormNotify created");
        ctrl.SetChoiceData(0, 1990, 4, 1, 0);
        int d = -1, y = -1, m = -1, day = -1, n = -1;
        ctrl.GetChoiceData(d, y, m, day, n);
        Check(d == 0 && y == 1990 && m == 4 && day == 1 && n == 0, "CZelCalNormNotify value");
    }
    {
        CZelCalReg ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalReg created");
        ctrl.SetChoiceData(0, 2001, 4, 1, 0, COleDateTime());
        int d = -1, y = -1, m = -1, day = -1, interval = -9;
        COleDateTime dt;
        ctrl.GetChoiceData(d, y, m, day, interval, dt);
        Check(d == 0 && y == 2001 && m == 4 && day == 1 && interval == 0, "CZelCalReg value");
    }
    {
        CZelCalRegNotify ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalRegNotify created");
        ctrl.SetChoiceData(1, 2002, 5, 10, 1, -1, COleDateTime(2002, 3, 3, 0, 0, 0));
        int d = -1, y = -1, m = -1, day = -1, n = -1, interval = -9;
        COleDateTime dt;
        ctrl.GetChoiceData(d, y, m, day, n, interval, dt);
        Check(n == 1 && interval == -1 && dt.GetYear() == 2000 && dt.GetMonth() == 3 && dt.GetDay() == 3,
              "CZelCalRegNotify value");
    }
    {
        CZelCalRegNotNotify ctrl(pMain);
        Check(Make(ctrl, pMain, pPrev, pNext), "CZelCalRegNotNotify created");
        ctrl.SetChoiceData(1, 0, 0, 0, 1, 0, COleDateTime());
        int d = -1, y = -1, m = -1, day = -1, n = -1, interval = -9;
        COleDateTime dt;
        ctrl.GetChoiceData(d, y, m, day, n, interval, dt);
        Check(d == 0 && y == 0 && m == 0 && day == 0 && n == 0 && interval == 0, "CZelCalRegNotNotify no date");
    }
    {
        CZelCalNormDlg dlg(pMain);
        int d = 0, y = 2002, m = 4, day = 7;
        ::SetTimer(nullptr, 0, 300, PressEnter);
        int r = dlg.DoModal(d, y, m, day, 100, 200);
        Check(r == IDOK && d == 0 && y == 2002 && m == 4 && day == 7, "CZelCalNormDlg DoModal, Enter");
    }
    {
        CZelRegSetDlg dlg(nullptr);
        dlg.SetChoiceData(3, 0, 10);
        ::SetTimer(nullptr, 0, 300, PressEnter);
        int r = static_cast<int>(dlg.DoModal());
        int interval = 0, m = -1, day = -1;
        dlg.GetChoiceData(interval, m, day);
        Check(r == IDOK && interval == 3 && m == 0 && day == 10, "CZelRegSetDlg DoModal, Enter");
    }
    {
        CZelCalCtrlUtil util;
        CString text = util.FromEra(0, 2002, 8, 16);
        Check(std::strcmp(text, "\x95\xbd\x90\xac" "14/08/16") == 0, "CZelCalCtrlUtil::FromEra in Shift_JIS");
    }

    ::DestroyWindow(hMain);
    AfxGetThread()->m_pMainWnd = nullptr;
    std::printf("%d failure(s)\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
