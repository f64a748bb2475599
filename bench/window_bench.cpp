// Window costs under Wine, each against its floor measured in the same run:
// - one CZelCalNorm made, shown and destroyed in a host dialog, against a
//   child dialog made from the same template (32704) with an empty dialog
//   procedure; the platform's date picker is printed beside it for reference;
// - a host dialog holding 20 controls against one holding 20 raw templates;
// - one digit typed into the year field against one keystroke into a plain
//   edit plus one probe of the date-change flag (a named mutex), the least a
//   typed digit has to do.
// Each pair runs alternately, in turns that swap which goes first, so that
// other work on the machine weighs on both alike. The ratio given is the
// median of the pairs' ratios; the medians of each side are printed as well.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "ZelCalCtrl.h"
#include "controls/host_signals.h"

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

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct PairResult
{
    double ours;   // median ms
    double floor;  // median ms
    double ratio;  // median of ours / floor per pair
};

double TimeOnce(const std::function<void()>& fn)
{
    const double t0 = NowMs();
    fn();
    return NowMs() - t0;
}

PairResult RunPairs(int nPairs, const std::function<void()>& ours, const std::function<void()>& floor)
{
    std::vector<double> a, b, r;
    for (int i = 0; i < nPairs; ++i) {
        double ta, tb;
        if (i % 2 == 0) {
            ta = TimeOnce(ours);
            tb = TimeOnce(floor);
        } else {
            tb = TimeOnce(floor);
            ta = TimeOnce(ours);
        }
        a.push_back(ta);
        b.push_back(tb);
        r.push_back(ta / tb);
    }
    return {Median(a), Median(b), Median(r)};
}

void Print(const char* pszWhat, const char* pszFloor, const PairResult& p, int nPairs)
{
    std::printf("%s: %.4f ms; %s: %.4f ms (medians of %d pairs)\n", pszWhat, p.ours, pszFloor, p.floor, nPairs);
    std::printf("  ratio %.3f %s\n", p.ratio, p.ratio <= 1.05 ? "(goal 1.05 met)" : "(goal 1.05 NOT met)");
}

INT_PTR CALLBACK EmptyProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

HWND MakeHost()
{
    return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100), nullptr, EmptyProc, 0);
}

HINSTANCE LibraryModule() { return ::GetModuleHandleA("ZelCalCtrl.dll"); }

HWND MakeRawTemplate(HWND hHost)
{
    return ::CreateDialogParamA(LibraryModule(), MAKEINTRESOURCEA(IDD_ZELCALNORM), hHost, EmptyProc, 0);
}

void MakeControl(CZelCalNorm& ctrl, HWND hHost)
{
    ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), CWnd::FromHandle(hHost), 0, nullptr);
}

// The probe a typed digit makes: the flag taken and let go again.
void ProbeFlag()
{
    HANDLE hFlag = ::CreateMutexA(nullptr, TRUE, ZEL_NAME_DATE_CHANGE);
    const bool bHeldElsewhere = ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (hFlag != nullptr) {
        if (!bHeldElsewhere)
            ::ReleaseMutex(hFlag);
        ::CloseHandle(hFlag);
    }
}

void TypeDigit(HWND hEdit)
{
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    ::SendMessageA(hEdit, WM_CHAR, '5', 1);
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
    {
        // The first control writes era.dat; both sides then start warm.
        CZelCalNorm warm;
        MakeControl(warm, hHost);
        warm.DestroyWindow();
    }

    const int kOnePairs = 200;
    const auto oneControl = [&] {
        CZelCalNorm ctrl;
        MakeControl(ctrl, hHost);
        ctrl.ShowWindow(SW_SHOW);
        Pump();
        ctrl.DestroyWindow();
    };
    const PairResult one = RunPairs(
        kOnePairs, oneControl,
        [&] {
            HWND h = MakeRawTemplate(hHost);
            ::ShowWindow(h, SW_SHOW);
            Pump();
            ::DestroyWindow(h);
        });
    Print("create+show+destroy one CZelCalNorm", "raw template 32704", one, kOnePairs);
    const PairResult picker = RunPairs(
        kOnePairs, oneControl,
        [&] {
            HWND h = ::CreateWindowExA(0, DATETIMEPICK_CLASSA, "", WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, 10,
                                       30, 150, 22, hHost, nullptr, ::GetModuleHandleA(nullptr), nullptr);
            Pump();
            ::DestroyWindow(h);
        });
    std::printf("  reference: one SysDateTimePick32 (comctl32) %.4f ms; CZelCalNorm / date picker %.2f\n",
                picker.floor, picker.ratio);

    const int kTwentyPairs = 20;
    const PairResult twenty = RunPairs(
        kTwentyPairs,
        [&] {
            HWND h = MakeHost();
            std::vector<std::unique_ptr<CZelCalNorm>> ctrls;
            for (int i = 0; i < 20; ++i) {
                ctrls.push_back(std::make_unique<CZelCalNorm>());
                MakeControl(*ctrls.back(), h);
                ctrls.back()->MoveWindow(10, 20 + i * 20, 230, 20);
                ctrls.back()->ShowWindow(SW_SHOW);
            }
            Pump();
            ::DestroyWindow(h);
            Pump();
        },
        [&] {
            HWND h = MakeHost();
            for (int i = 0; i < 20; ++i) {
                HWND hChild = MakeRawTemplate(h);
                ::MoveWindow(hChild, 10, 20 + i * 20, 230, 20, TRUE);
                ::ShowWindow(hChild, SW_SHOW);
            }
            Pump();
            ::DestroyWindow(h);
            Pump();
        });
    Print("a host dialog with 20 CZelCalNorm", "with 20 raw templates", twenty, kTwentyPairs);

    CZelCalNorm ctrl;
    MakeControl(ctrl, hHost);
    ctrl.SetChoiceData(1, 2002, 4, 7);
    HWND hYear = ::GetDlgItem(ctrl.m_hWnd, IDC_YEAR_EDIT);
    HWND hPlain = ::GetDlgItem(hHost, 101);
    const int kDigitPairs = 2000;
    const auto ours = [&] { TypeDigit(hYear); };
    const auto floor = [&] {
        TypeDigit(hPlain);
        ProbeFlag();
    };
    const PairResult quiet = RunPairs(kDigitPairs, ours, floor);
    Print("one digit typed in the year field", "a plain edit's keystroke + one flag probe", quiet, kDigitPairs);
    PairResult held;
    {
        HANDLE hFlag = ::CreateMutexA(nullptr, TRUE, ZEL_NAME_DATE_CHANGE);
        held = RunPairs(kDigitPairs, ours, floor);
        ::ReleaseMutex(hFlag);
        ::CloseHandle(hFlag);
    }
    std::printf("  with the host holding %s: %.4f ms against %.4f ms, ratio %.3f (the signal to the main\n"
                "  window is work the floor does not do)\n",
                ZEL_NAME_DATE_CHANGE, held.ours, held.floor, held.ratio);

    ctrl.DestroyWindow();
    ::DestroyWindow(hHost);
    ::DestroyWindow(hMain);
    AfxGetThread()->m_pMainWnd = nullptr;
    return 0;
}
