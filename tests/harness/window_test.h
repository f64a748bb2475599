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
