// Heap bytes in use stay flat over many window lifetimes: the wrappers that
// CWnd::FromHandle makes for windows without an object of their own live as
// long as their windows, and the main window never names a window that is
// gone. ZEL_HEAP_LIFETIMES sets how many lifetimes are measured.
#include "window_test.h"

#include <cstdlib>

#include "process_counters.h"

namespace {

int Lifetimes()
{
    const char* psz = std::getenv("ZEL_HEAP_LIFETIMES");
    return psz != nullptr && std::atoi(psz) > 0 ? std::atoi(psz) : 30;
}

// Growth of the heap over nRuns runs of fn, after a warm-up of its own.
template <class Fn>
long long HeapGrowth(int nRuns, Fn fn)
{
    for (int i = 0; i < 8; ++i)
        fn();
    const size_t nBefore = HeapBytesInUse();
    for (int i = 0; i < nRuns; ++i)
        fn();
    return static_cast<long long>(HeapBytesInUse()) - static_cast<long long>(nBefore);
}

using WrapperLifetimeTest = WindowTest;

// Two rounds of 40 wrappers, each kept while its window lives and gone with
// it. The first round leaves the bookkeeping's containers at their largest
// size (capacity they keep); the second must then end where the first did.
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

// One lifetime of a control as a host lives it: made, placed, walked
// through with the keys, destroyed.
template <class TControl>
void ControlLifetime(TestHost& host)
{
    TControl ctrl;
    ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), host.Dialog(), 1000, nullptr));
    ::SetWindowPos(ctrl.m_hWnd, nullptr, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ctrl.SetParentCtrl(host.Prev(), host.Next());
    TestHost::Focus(::GetDlgItem(ctrl.m_hWnd, IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB);
    TestHost::PressKey(VK_TAB, true);
    ctrl.DestroyWindow();
    TestHost::Pump();
    host.commands.clear();
}

template <class TControl>
class ControlHeapTest : public WindowTest {};

using AllControls = ::testing::Types<CZelCalNorm, CZelCalNormCal, CZelCalBirth, CZelCalBirthNotify,
                                     CZelCalNormNotify, CZelCalReg, CZelCalRegNotify, CZelCalRegNotNotify>;
TYPED_TEST_SUITE(ControlHeapTest, AllControls);

TYPED_TEST(ControlHeapTest, HeapStaysFlatOverManyLifetimes)
{
    const int nRuns = Lifetimes();
    EXPECT_EQ(HeapGrowth(nRuns, [this] { ControlLifetime<TypeParam>(this->host); }), 0) << nRuns << " lifetimes";
}

TEST_F(WrapperLifetimeTest, HeapStaysFlatOverManyRunsOfTheModalDateDialog)
{
    const int nRuns = Lifetimes();
    const long long nGrowth = HeapGrowth(nRuns, [this] {
        CZelCalNormDlg dlg;
        int nDiv = 1, nYear = 2002, nMonth = 4, nDay = 7;
        ::SetTimer(nullptr, 0, 0, [](HWND, UINT, UINT_PTR idEvent, DWORD) {
            ::KillTimer(nullptr, idEvent);
            ::PostMessageW(::GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
        });
        dlg.DoModal(nDiv, nYear, nMonth, nDay, 100, 100);
        host.commands.clear();
    });
    EXPECT_EQ(nGrowth, 0) << nRuns << " runs";
}

}  // namespace
