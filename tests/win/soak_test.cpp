// Heap bytes, GDI objects, kernel handles and windows stay flat over many
// lifetimes of every control and runs of the date dialog; wrappers live as
// long as their windows. ZEL_SOAK_LIFETIMES sets the lifetimes measured.
#include "window_test.h"

#include <cstdio>
#include <cstdlib>

#include "control_values.h"
#include "process_counters.h"

namespace {

int Lifetimes()
{
    const char* psz = std::getenv("ZEL_SOAK_LIFETIMES");
    return psz != nullptr && std::atoi(psz) > 0 ? std::atoi(psz) : 20;
}

// What nRuns runs of fn leave behind, after a warm-up of its own.
template <class Fn>
ProcessCounts Growth(int nRuns, Fn fn)
{
    for (int i = 0; i < 8; ++i)
        fn();
    const ProcessCounts before = ProcessCounts::Now();
    for (int i = 0; i < nRuns; ++i)
        fn();
    const ProcessCounts growth = ProcessCounts::Now() - before;
    std::printf("%d runs: %s\n", nRuns, growth.Text().c_str());
    return growth;
}

// Each counter moves with an object of its kind (the host made first: a
// thread's first window brings a window of Wine's own).
using ProcessCountersTest = WindowTest;
TEST_F(ProcessCountersTest, EachCounterSeesItsObjectsComeAndGo)
{
    const ProcessCounts before = ProcessCounts::Now();
    const HPEN hPen = ::CreatePen(PS_SOLID, 1, 0);
    const HANDLE hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, hWnd, nullptr, nullptr, nullptr);
    void* pBlock = ::HeapAlloc(::GetProcessHeap(), 0, 4096);
    const ProcessCounts made = ProcessCounts::Now() - before;
    ::HeapFree(::GetProcessHeap(), 0, pBlock);
    ::DestroyWindow(hWnd);
    ::CloseHandle(hEvent);
    ::DeleteObject(hPen);
    EXPECT_NE(hChild, nullptr);
    EXPECT_GE(made.heapBytes, 4096);
    EXPECT_EQ(made.gdiObjects, 1);
    EXPECT_EQ(made.kernelHandles, 1);
    EXPECT_EQ(made.windows, 2);
    const ProcessCounts gone = ProcessCounts::Now() - before;
    EXPECT_EQ(gone.gdiObjects + gone.kernelHandles + gone.windows, 0) << gone.Text();
}

using WrapperLifetimeTest = WindowTest;

// Two rounds of 40 wrappers: the first leaves the bookkeeping's containers at
// their largest; the second must end where the first did.
TEST_F(WrapperLifetimeTest, AWrapperLivesAsLongAsItsWindowAndTheCounterSeesIt)
{
    const HWND hDlg = host.Dialog()->m_hWnd;
    auto makeStatic = [hDlg] {
        return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, hDlg, nullptr, nullptr, nullptr);
    };
    size_t nAfterRound[2] = {};
    for (size_t& nAfter : nAfterRound) {
        HWND windows[40];  // on the stack: the test itself allocates nothing on the heap
        CWnd* wrappers[40];
        for (HWND& h : windows)
            h = makeStatic();
        TestHost::Pump();
        const size_t nBefore = HeapBytesInUse();
        for (int i = 0; i < 40; ++i)
            wrappers[i] = CWnd::FromHandle(windows[i]);
        EXPECT_GE(HeapBytesInUse(), nBefore + 40 * sizeof(CWnd)) << "the counter sees the wrappers";
        // The same wrappers while the windows exist, whatever else comes and goes.
        ::DestroyWindow(makeStatic());
        TestHost::Pump();
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(CWnd::FromHandle(windows[i]), wrappers[i]);
        for (HWND h : windows)
            ::DestroyWindow(h);
        // Freed by the pump once it handles a message (none of these windows is ours).
        ::PostMessageW(hDlg, WM_NULL, 0, 0);
        TestHost::Pump();
        nAfter = HeapBytesInUse();
    }
    EXPECT_EQ(nAfterRound[1], nAfterRound[0]) << "the wrappers went with their windows";
}

TEST_F(WrapperLifetimeTest, TheMainWindowIsForgottenWhenItGoes)
{
    HWND hMain = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    AfxGetThread()->m_pMainWnd = CWnd::FromHandle(hMain);
    ::DestroyWindow(hMain);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    TestHost::Pump();
    // A main window of its own object: forgotten as well.
    CWnd own;
    ASSERT_TRUE(own.Create("STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    AfxGetThread()->m_pMainWnd = &own;
    own.DestroyWindow();
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

// One lifetime of a control: made, shown, given a value, walked with keys, read, destroyed.
template <class TControl>
void ControlLifetime(TestHost& host)
{
    TControl ctrl;
    ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), host.Dialog(), 1000, nullptr));
    ::SetWindowPos(ctrl.m_hWnd, nullptr, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    ctrl.SetParentCtrl(host.Prev(), host.Next());
    GiveValue(ctrl, {1, 2002, 4, 7, 1, 0, COleDateTime(2002, 4, 7, 0, 0, 0)});
    TestHost::Focus(::GetDlgItem(ctrl.m_hWnd, IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB);
    TestHost::PressKey(VK_TAB, true);
    const ControlValue v = ReadValue(ctrl);
    EXPECT_EQ(std::pair(v.nDiv, v.nYear), std::pair(1, 2002));
    ctrl.DestroyWindow();
    TestHost::Pump();
    host.Clear();
}

template <class TControl>
class SoakTest : public WindowTest {};
TYPED_TEST_SUITE(SoakTest, AllControls);

TYPED_TEST(SoakTest, NothingGrowsOverManyLifetimes)
{
    EXPECT_EQ(Growth(Lifetimes(), [this] { ControlLifetime<TypeParam>(this->host); }), ProcessCounts{});
}

TEST_F(WrapperLifetimeTest, NothingGrowsOverManyRunsOfTheModalDateDialog)
{
    EXPECT_EQ(Growth(Lifetimes(), [this] {
        CZelCalNormDlg dlg;
        int nDiv = 1, nYear = 2002, nMonth = 4, nDay = 7;
        ::SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR idEvent, DWORD) {
            ::KillTimer(nullptr, idEvent);
            ::PostMessageW(::GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(dlg.DoModal(nDiv, nYear, nMonth, nDay, 100, 100), IDCANCEL);
        host.Clear();
    }), ProcessCounts{});
}

}  // namespace
