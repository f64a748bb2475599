// No C++ exception crosses the window system: a handler that throws gets its
// message the safe result, and the next message is handled as usual.
#include "window_test.h"

#include <stdexcept>

#include "modal_script.h"
#include "test_host_ids.h"

namespace {

// A window whose double-click handler, and on demand its WM_DESTROY handler, throw.
struct CThrowingWnd : CWnd {
    bool m_bThrowOnDestroy = false;
    void OnLButtonDblClk(UINT, CPoint) { throw std::runtime_error("double-click handler failed"); }
    void OnDestroy() { m_bThrowOnDestroy ? throw 42 : CWnd::OnDestroy(); }  // 42: not even a std::exception
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_LBUTTONDBLCLK()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// A dialog whose start and whose F3 key, seen in PreTranslateMessage, throw.
struct CThrowingDlg : CDialog {
    CThrowingDlg() : CDialog(IDD_FRAMEWORK_DLG) {}
    int m_nKeys = 0;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        throw std::logic_error("start failed");
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && ++m_nKeys && pMsg->wParam == VK_F3)
            throw std::runtime_error("key handler failed");
        return CDialog::PreTranslateMessage(pMsg);
    }
};

using ExceptionBoundaryTest = WindowTest;

TEST_F(ExceptionBoundaryTest, AThrowingHandlerGetsTheSafeResultAndTheNextMessageIsHandled)
{
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.Create("EDIT", "", WS_CHILD | WS_VISIBLE, CRect(10, 80, 100, 100), host.Dialog(), 77, nullptr));
    EXPECT_EQ(::SendMessageW(wnd.m_hWnd, WM_LBUTTONDBLCLK, 0, 0), 0);
    ::PostMessageW(wnd.m_hWnd, WM_LBUTTONDBLCLK, 0, 0);
    TestHost::Pump();
    TestHost::Focus(wnd.m_hWnd);
    EXPECT_EQ(::GetFocus(), wnd.m_hWnd) << "the default processing of the next message ran";
    // The message being handled was put back after the throw: Default() of a later message works on that one.
    ::SetWindowTextW(wnd.m_hWnd, L"42");
    EXPECT_EQ(TestHost::Text(wnd.m_hWnd), "42");
    // A throw while the window goes: the object still lets go of it.
    wnd.m_bThrowOnDestroy = true;
    const HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(ExceptionBoundaryTest, AThrowingStartOrKeyLeavesTheModalLoopRunning)
{
    CThrowingDlg dlg;
    ModalScript script([](HWND hDlg) {
        for (WPARAM vk : {VK_F3, VK_ESCAPE})
            ::PostMessageW(::GetDlgItem(hDlg, IDC_FW_EDIT), WM_KEYDOWN, vk, 1);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nKeys, 2);
    EXPECT_TRUE(script.RanOnce());
}

}  // namespace
