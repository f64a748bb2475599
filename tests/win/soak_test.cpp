// Heap bytes, GDI objects, kernel handles and windows stay flat over many
// lifetimes of every control and runs of the date dialog; wrappers live as
// long as their windows. ZEL_SOAK_LIFETIMES sets the lifetimes measured.
#include "window_test.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "control_values.h"

namespace {

// What a long-running host must not see grow, counted the ways that work
// under Wine (its GetGuiResources and GetProcessHandleCount return 0): bytes in
// use in every heap, block by block; the GDI handle values GetObjectType knows
// (a zero high word names an entry whatever its generation); the kernel handle
// values GetHandleInformation knows (small multiples of 4); the process's
// top-level windows and all their children.
struct ProcessCounts {
    long long heapBytes = 0, gdiObjects = 0, kernelHandles = 0, windows = 0;

    static ProcessCounts Now()
    {
        ProcessCounts c;
        HANDLE heaps[64];
        for (DWORD i = 0, nHeaps = ::GetProcessHeaps(64, heaps); i < nHeaps && i < 64; ++i) {
            PROCESS_HEAP_ENTRY entry{};
            if (::HeapLock(heaps[i])) {
                while (::HeapWalk(heaps[i], &entry))
                    c.heapBytes += entry.wFlags & PROCESS_HEAP_ENTRY_BUSY ? entry.cbData : 0;
                ::HeapUnlock(heaps[i]);
            }
        }
        for (UINT_PTR v = 1; v <= 0xFFFF; ++v)
            c.gdiObjects += ::GetObjectType(reinterpret_cast<HGDIOBJ>(v)) != 0;
        DWORD dwFlags = 0;
        for (UINT_PTR v = 4; v <= 0x8000; v += 4)
            c.kernelHandles += ::GetHandleInformation(reinterpret_cast<HANDLE>(v), &dwFlags) != FALSE;
        ::EnumWindows([](HWND hWnd, LPARAM lParam) -> BOOL {
            DWORD dwPid = 0;
            ::GetWindowThreadProcessId(hWnd, &dwPid);
            const WNDENUMPROC count = [](HWND, LPARAM lCount) -> BOOL { return ++*reinterpret_cast<long long*>(lCount), TRUE; };
            if (dwPid == ::GetCurrentProcessId())
                count(hWnd, lParam), ::EnumChildWindows(hWnd, count, lParam);
            return TRUE;
        }, reinterpret_cast<LPARAM>(&c.windows));
        return c;
    }
    ProcessCounts operator-(const ProcessCounts& b) const
    {
        return {heapBytes - b.heapBytes, gdiObjects - b.gdiObjects, kernelHandles - b.kernelHandles, windows - b.windows};
    }
    bool operator==(const ProcessCounts&) const = default;
    friend void PrintTo(const ProcessCounts& c, std::ostream* os)
    {
        *os << "heap bytes " << c.heapBytes << ", GDI objects " << c.gdiObjects << ", kernel handles "
            << c.kernelHandles << ", windows " << c.windows;
    }
};

// What the lifetimes measured of fn leave behind, after a warm-up of 8.
template <class Fn>
ProcessCounts Growth(Fn fn)
{
    const char* psz = std::getenv("ZEL_SOAK_LIFETIMES");
    const int nRuns = psz != nullptr && std::atoi(psz) > 0 ? std::atoi(psz) : 20;
    for (int i = 0; i < 8; ++i)
        fn();
    const ProcessCounts before = ProcessCounts::Now();
    for (int i = 0; i < nRuns; ++i)
        fn();
    const ProcessCounts growth = ProcessCounts::Now() - before;
    std::printf("%d runs: %s\n", nRuns, ::testing::PrintToString(growth).c_str());
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
    ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, hWnd, nullptr, nullptr, nullptr);
    void* pBlock = ::HeapAlloc(::GetProcessHeap(), 0, 4096);
    const ProcessCounts made = ProcessCounts::Now() - before;
    ::HeapFree(::GetProcessHeap(), 0, pBlock);
    ::DestroyWindow(hWnd);
    ::CloseHandle(hEvent);
    ::DeleteObject(hPen);
    EXPECT_GE(made.heapBytes, 4096);
    EXPECT_EQ((ProcessCounts{0, made.gdiObjects, made.kernelHandles, made.windows}), (ProcessCounts{0, 1, 1, 2}));
    const ProcessCounts gone = ProcessCounts::Now() - before;
    EXPECT_EQ((ProcessCounts{0, gone.gdiObjects, gone.kernelHandles, gone.windows}), ProcessCounts{});
}

using WrapperLifetimeTest = WindowTest;

// Wrappers of windows without an object of their own stay the same while
// their windows exist, whatever else comes and goes, and go with them.
TEST_F(WrapperLifetimeTest, AWrapperLivesAsLongAsItsWindow)
{
    const HWND hDlg = host.Dialog()->m_hWnd;
    const auto makeStatic = [hDlg] {
        return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, hDlg, nullptr, nullptr, nullptr);
    };
    EXPECT_EQ(Growth([&] {
        HWND windows[10];  // on the stack: the test itself allocates nothing on the heap
        CWnd* wrappers[10];
        for (int i = 0; i < 10; ++i)
            wrappers[i] = CWnd::FromHandle(windows[i] = makeStatic());
        ::DestroyWindow(makeStatic());
        TestHost::Pump();
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(CWnd::FromHandle(windows[i]), wrappers[i]);
        for (HWND h : windows)
            ::DestroyWindow(h);
        ::PostMessageW(hDlg, WM_NULL, 0, 0);  // freed once the pump handles a message
        TestHost::Pump();
    }), ProcessCounts{});
}

// A main window kept as a wrapper, or as an object of its own, is forgotten when it goes.
TEST_F(WrapperLifetimeTest, TheMainWindowIsForgottenWhenItGoes)
{
    CWnd own;
    ASSERT_TRUE(own.Create("STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    const HWND hMain = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    for (CWnd* pMain : {CWnd::FromHandle(hMain), &own}) {
        AfxGetThread()->m_pMainWnd = pMain;
        ::DestroyWindow(pMain->m_hWnd);
        EXPECT_EQ(AfxGetMainWnd(), nullptr);
        TestHost::Pump();
    }
}

template <class TControl>
class SoakTest : public WindowTest {};
TYPED_TEST_SUITE(SoakTest, AllControls);

// Each lifetime: made, shown, given a value, walked with Tab and Shift+Tab, read, destroyed.
TYPED_TEST(SoakTest, NothingGrowsOverManyLifetimes)
{
    EXPECT_EQ(Growth([this] {
        TypeParam ctrl;
        ASSERT_TRUE(Place(ctrl, this->host));
        GiveValue(ctrl, {1, 2002, 4, 7, 1, 0, COleDateTime(2002, 4, 7, 0, 0, 0)});
        TestHost::Focus(::GetDlgItem(ctrl.m_hWnd, IDC_FORM_COMBO));
        TestHost::PressKey(VK_TAB);
        TestHost::PressKey(VK_TAB, true);
        EXPECT_EQ(ReadValue(ctrl).nYear, 2002);
        ctrl.DestroyWindow();
        TestHost::Pump();
        this->host.Clear();
    }), ProcessCounts{});
}

TEST_F(WrapperLifetimeTest, NothingGrowsOverManyRunsOfTheModalDateDialog)
{
    EXPECT_EQ(Growth([this] {
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
