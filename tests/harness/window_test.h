// Base of the window tests: a test host and a message-box recorder per test,
// and the checks that no named flag of the library, no message box and no
// disabled main window is left behind.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "test_host.h"

// The thread's WH_CBT hook, held for the object's lifetime.
class CbtHook {
public:
    explicit CbtHook(HOOKPROC pfn) : m_h(::SetWindowsHookExW(WH_CBT, pfn, nullptr, ::GetCurrentThreadId())) {}
    ~CbtHook() { ::UnhookWindowsHookEx(m_h); }
    CbtHook(const CbtHook&) = delete;
    CbtHook& operator=(const CbtHook&) = delete;

private:
    HHOOK m_h;
};

struct RecordedBox {
    std::string text, caption;           // Shift_JIS, as the library passed them
    std::wstring wideText, wideCaption;  // read wide, whatever the code page
    UINT icon;                           // MB_ICONSTOP, MB_ICONINFORMATION, or 0
    HWND owner;
    bool mainDisabled;
};

// Records every message box the thread shows and closes each through its own
// loop, as a click on OK would, or hands it to onBox when that is set. A
// dialog another helper claimed is left alone.
struct MessageBoxRecorder {
    MessageBoxRecorder() { s_pThis = this; }
    ~MessageBoxRecorder() { s_pThis = nullptr; }
    size_t Count() const { return boxes.size(); }
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);

    static inline MessageBoxRecorder* s_pThis = nullptr;
    std::vector<RecordedBox> boxes;
    std::function<void(HWND hBox)> onBox;
    CbtHook hook{&MessageBoxRecorder::CbtProc};
};

// Marks a dialog as answered by one helper, so that no other (the box
// recorder) takes it too; true when nobody had it before.
inline bool Claim(HWND hWnd)
{
    return ::GetPropA(hWnd, "ZelSeen") == nullptr && ::SetPropA(hWnd, "ZelSeen", reinterpret_cast<HANDLE>(1));
}

// The library's named flags still held, by name; empty when none is.
inline std::string FlagsLeft()
{
    std::string strLeft;
    for (const char* pszFlag : {"ZEL2_DATE_CHANGE", "ZEL2_CHECKVALUE_STAGE"})
        if (const HANDLE hFlag = ::OpenMutexA(SYNCHRONIZE, FALSE, pszFlag))
            ::CloseHandle(hFlag), strLeft += std::string(pszFlag) + " left; ";
    return strLeft;
}

// A control of the library made in the host dialog, between its two fields.
template <class TControl>
bool Place(TControl& ctrl, TestHost& host)
{
    if (!ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), host.Dialog(), 1000, nullptr))
        return false;
    ::SetWindowPos(ctrl.m_hWnd, nullptr, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    ctrl.SetParentCtrl(host.Prev(), host.Next());
    TestHost::Pump();
    return true;
}

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        TestHost::Pump();
        int nBoxes = 0;
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
            *reinterpret_cast<int*>(lParam) += ::GetDlgItem(hWnd, 0xFFFF) != nullptr && ::IsWindowVisible(hWnd);
            return TRUE;
        }, reinterpret_cast<LPARAM>(&nBoxes));
        EXPECT_EQ(nBoxes, 0) << "a message box is still up";
        EXPECT_TRUE(::IsWindowEnabled(host.MainWindow())) << "main window left disabled";
        EXPECT_EQ(FlagsLeft(), "");
    }
    static UINT Msg(const char* pszName) { return ::RegisterWindowMessageA(pszName); }

    TestHost host;
    MessageBoxRecorder boxes;
};

// One control of the library placed in the host dialog.
template <class TControl>
class ControlTest : public WindowTest {
protected:
    void SetUp() override
    {
        dtBeforeCreate = COleDateTime::GetCurrentTime();
        ASSERT_TRUE(Place(ctrl, this->host));
    }
    HWND Item(int nID) { return ::GetDlgItem(ctrl.m_hWnd, nID); }
    std::string Field(int nID) { return TestHost::Text(Item(nID)); }

    TControl ctrl;
    COleDateTime dtBeforeCreate;
};

using Events = std::vector<std::string>;

// Year, month and day are today's as read before or after what made them:
// midnight may pass in between.
inline ::testing::AssertionResult IsToday(int nYear, int nMonth, int nDay, const COleDateTime& dtBefore)
{
    for (const COleDateTime& dt : {dtBefore, COleDateTime::GetCurrentTime()})
        if (nYear == dt.GetYear() && nMonth == dt.GetMonth() && nDay == dt.GetDay())
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << nYear << "/" << nMonth << "/" << nDay << " is not today";
}
