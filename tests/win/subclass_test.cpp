// Subclassing stays safe when another procedure subclasses on top of the
// framework's: taking the framework's out is refused, and an object that
// goes while the other is on top does not cut that one off.
#include "window_test.h"

namespace {

WNDPROC g_pfnBelow = nullptr;
int g_nTopCalls = 0;
bool g_bTopSawNcDestroy = false;

LRESULT CALLBACK TopProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ++g_nTopCalls;
    g_bTopSawNcDestroy |= message == WM_NCDESTROY;
    return ::CallWindowProcW(g_pfnBelow, hWnd, message, wParam, lParam);
}

using SubclassTest = WindowTest;

TEST_F(SubclassTest, UnsubclassingIsRefusedUnderAnotherProcedureAndAnObjectGoingThereLeavesItsChainWhole)
{
    auto makeEdit = [&] {
        return ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 50, 12, host.Dialog()->m_hWnd, nullptr, nullptr,
                                 nullptr);
    };
    auto putOnTop = [](HWND h) {
        g_pfnBelow = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TopProc)));
    };
    HWND hEdit = makeEdit();
    const LONG_PTR original = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(hEdit));
        putOnTop(hEdit);
        EXPECT_EQ(wnd.UnsubclassWindow(), nullptr);
        EXPECT_EQ(wnd.m_hWnd, hEdit) << "still attached";
        g_nTopCalls = 0;
        wnd.SetWindowText("12");
        EXPECT_EQ(TestHost::Text(hEdit), "12") << "the chain still reaches the edit";
        EXPECT_GT(g_nTopCalls, 0);
        // The other procedure gone again: now it works, and the edit is as it was.
        ::SetWindowLongPtrW(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnBelow));
        EXPECT_EQ(wnd.UnsubclassWindow(), hEdit);
        EXPECT_EQ(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC), original);
        EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
        ::DestroyWindow(hEdit);
    }
    // The object goes while the other procedure is on top: that procedure is
    // not cut off, and the window's messages never reach the freed object.
    hEdit = makeEdit();
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(hEdit));
        putOnTop(hEdit);
        g_bTopSawNcDestroy = false;
    }
    EXPECT_FALSE(::IsWindow(hEdit)) << "the object takes its window with it";
    EXPECT_TRUE(g_bTopSawNcDestroy) << "the procedure on top saw its window go";
}

}  // namespace
