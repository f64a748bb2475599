// Window costs under Wine: making and destroying one CZelCalNorm in a host
// dialog beside the platform's own date picker, opening a host dialog that
// holds 20 controls, and one digit typed into the year field with and
// without the host holding the date-change flag. Medians, milliseconds.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "ZelCalCtrl.h"

namespace {

double NowMs()
{
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxGetThread()->PumpMessage();
}

double Median(int nRuns, const std::function<void()>& fn)
{
    std::vector<double> samples;
    for (int i = 0; i < nRuns; ++i) {
        double t0 = NowMs();
        fn();
        samples.push_back(NowMs() - t0);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

INT_PTR CALLBACK HostProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

HWND MakeHost() { return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100), nullptr, HostProc, 0); }

void MakeControl(CZelCalNorm& ctrl, HWND hHost)
{
    ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), CWnd::FromHandle(hHost), 0, nullptr);
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_DATE_CLASSES;
    ::InitCommonControlsEx(&icc);
    HWND hMain = ::CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    AfxGetThread()->m_pMainWnd = CWnd::FromHandle(hMain);
    HWND hHost = MakeHost();
    Pump();

    const int kRuns = 200;
    double ours = Median(kRuns, [&] {
        CZelCalNorm ctrl;
        MakeControl(ctrl, hHost);
        Pump();
        ctrl.DestroyWindow();
    });
    double picker = Median(kRuns, [&] {
        HWND h = ::CreateWindowExA(0, DATETIMEPICK_CLASSA, "", WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, 10, 30,
                                   150, 22, hHost, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        Pump();
        ::DestroyWindow(h);
    });
    std::printf("create+destroy one CZelCalNorm in a host dialog:   %8.3f ms (median of %d)\n", ours, kRuns);
    std::printf("create+destroy one SysDateTimePick32 (comctl32):   %8.3f ms (median of %d)\n", picker, kRuns);
    std::printf("  ratio ours / date picker:                        %8.2f\n", ours / picker);

    double twenty = Median(20, [&] {
        HWND h = MakeHost();
        std::vector<std::unique_ptr<CZelCalNorm>> ctrls;
        for (int i = 0; i < 20; ++i) {
            ctrls.push_back(std::make_unique<CZelCalNorm>());
            MakeControl(*ctrls.back(), h);
            ctrls.back()->MoveWindow(10, 20 + i * 20, 230, 20);
        }
        Pump();
        ::DestroyWindow(h);
        Pump();
    });
    std::printf("open a host dialog holding 20 CZelCalNorm:         %8.3f ms (median of 20)\n", twenty);

    CZelCalNorm ctrl;
    MakeControl(ctrl, hHost);
    ctrl.SetChoiceData(1, 2002, 4, 7);
    HWND hYear = ::GetDlgItem(ctrl.m_hWnd, 32701);
    auto typeDigit = [&] {
        ::SendMessageA(hYear, EM_SETSEL, 0, -1);
        ::SendMessageA(hYear, WM_CHAR, '5', 1);
    };
    double quiet = Median(2000, typeDigit);
    double held;
    {
        HANDLE hFlag = ::CreateMutexA(nullptr, TRUE, "ZEL2_DATE_CHANGE");
        held = Median(2000, typeDigit);
        ::ReleaseMutex(hFlag);
        ::CloseHandle(hFlag);
    }
    std::printf("one digit typed in the year field, flag not held:  %8.4f ms (median of 2000)\n", quiet);
    std::printf("one digit typed, host holding ZEL2_DATE_CHANGE:   %8.4f ms (median of 2000)\n", held);

    ctrl.DestroyWindow();
    ::DestroyWindow(hHost);
    ::DestroyWindow(hMain);
    AfxGetThread()->m_pMainWnd = nullptr;
    return 0;
}
