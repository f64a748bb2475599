// Base of the window tests: a test host and a message-box recorder per test,
// and the check that no named flag of the library is left behind.
#pragma once

#include <gtest/gtest.h>

#include "message_box_recorder.h"
#include "test_host.h"

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        TestHost::Pump();
        EXPECT_FALSE(NamedFlagExists("ZEL2_DATE_CHANGE")) << "date-change flag left behind";
        EXPECT_FALSE(NamedFlagExists("ZEL2_CHECKVALUE_STAGE")) << "check-stage flag left behind";
    }

    // Registered number of a message name.
    static UINT Msg(const char* pszName) { return ::RegisterWindowMessageA(pszName); }

    TestHost host;
    MessageBoxRecorder boxes;
};

// A control of the library made in the host dialog, between its two fields.
template <class TControl>
class ControlTest : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), host.Dialog(), 1000, nullptr));
        host.Place(ctrl);
        ctrl.SetParentCtrl(host.Prev(), host.Next());
    }
    HWND Item(int nID) { return ::GetDlgItem(ctrl.m_hWnd, nID); }
    std::string Field(int nID) { return TestHost::Text(Item(nID)); }

    TControl ctrl;
};
