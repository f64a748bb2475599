// A plain Win32 host with its own main and no application object, using the
// installed package: it wraps its windows with CWnd::FromHandle, names its
// main window, places a control between two fields of its own and runs its
// loop with PumpMessage. Exit code 0 when the value round-trips.
#include <cstdio>

#include "ZelCalCtrl.h"

static LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

int main()
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = hInst;
    wc.lpszClassName = "ConsumerHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    ::RegisterClassA(&wc);
    HWND hMain = ::CreateWindowExA(0, "ConsumerHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 200,
                                   nullptr, nullptr, hInst, nullptr);
    HWND hPrev = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 10, 80, 20,
                                   hMain, reinterpret_cast<HMENU>(101), hInst, nullptr);
    HWND hNext = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 80, 80, 20,
                                   hMain, reinterpret_cast<HMENU>(102), hInst, nullptr);
    if (hMain == nullptr || hPrev == nullptr || hNext == nullptr)
        return 3;

    CWnd* pMain = CWnd::FromHandle(hMain);
    AfxGetThread()->m_pMainWnd = pMain;

    int result = 1;
    {
        CZelCalNorm ctrl(pMain);
        if (!ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pMain, 1000, nullptr))
            return 2;
        ctrl.MoveWindow(10, 40, 300, 30);
        ctrl.ShowWindow(SW_SHOW);
        ctrl.SetParentCtrl(CWnd::FromHandle(hPrev), CWnd::FromHandle(hNext));
        ctrl.SetChoiceData(0, 2002, 4, 7);
        ctrl.SetFocusCalCtrl(1);
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 1);  // era list -> year field
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            AfxGetThread()->PumpMessage();
        int nDiv = -1, nYear = -1, nMonth = -1, nDay = -1;
        ctrl.GetChoiceData(nDiv, nYear, nMonth, nDay);
        std::printf("value %d %d %d %d, focus in year field: %d\n", nDiv, nYear, nMonth, nDay,
                    ::GetFocus() == ::GetDlgItem(ctrl.m_hWnd, 32701));
        if (nDiv == 0 && nYear == 2002 && nMonth == 4 && nDay == 7 &&
            ::GetFocus() == ::GetDlgItem(ctrl.m_hWnd, 32701))
            result = 0;
    }
    ::DestroyWindow(hMain);
    AfxGetThread()->m_pMainWnd = nullptr;
    return result;
}
