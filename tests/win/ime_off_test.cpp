// Fields typed into go in directly: the input method is detached.
#include <gtest/gtest.h>

#include "ZelCalCtrl.h"

#include <imm.h>

TEST(ImeOffTest, WindowLosesItsInputContext)
{
    HWND hWnd = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    const HIMC before = ::ImmGetContext(hWnd);
    ::ImmReleaseContext(hWnd, before);
    CZelCalCtrlCom::ImeOff(hWnd);
    const HIMC after = ::ImmGetContext(hWnd);
    ::ImmReleaseContext(hWnd, after);
    ::DestroyWindow(hWnd);
    EXPECT_NE(before, nullptr);
    EXPECT_EQ(after, nullptr);
}
