// Windows only: the input-method context is detached from a window.
#ifdef _WIN32

#include "era/era_core.h"

#include <gtest/gtest.h>
#include <imm.h>

namespace {

// Owns one window for the test's duration.
struct ScopedWindow
{
    HWND hWnd;
    ScopedWindow()
        : hWnd(::CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 30, nullptr, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~ScopedWindow()
    {
        if (hWnd)
            ::DestroyWindow(hWnd);
    }
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;
};

}  // namespace

TEST(ImeOffTest, WindowLosesItsInputContext)
{
    ScopedWindow window;
    ASSERT_NE(window.hWnd, nullptr);
    HIMC before = ::ImmGetContext(window.hWnd);
    if (!before)
        GTEST_SKIP() << "no input context on this system to begin with";
    ::ImmReleaseContext(window.hWnd, before);

    CZelCalCtrlCom::ImeOff(window.hWnd);
    HIMC after = ::ImmGetContext(window.hWnd);
    EXPECT_EQ(after, nullptr);
    if (after)
        ::ImmReleaseContext(window.hWnd, after);

    CZelCalCtrlCom::ImeOff(nullptr);  // no window: nothing happens
}

#endif
