// Internal: the framework's per-thread state.
#pragma once
#include "afxwin.h"

#include <memory>
#include <unordered_map>
#include <vector>

struct AfxCurrentMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct AfxThreadState {
    AfxThreadState() = default;
    ~AfxThreadState();
    AfxThreadState(const AfxThreadState&) = delete;
    AfxThreadState& operator=(const AfxThreadState&) = delete;

    std::unordered_map<HWND, CWnd*> permanentMap;
    // Windows whose object went while another procedure was subclassed on
    // top of the framework's: their messages go on to the procedure the
    // object had subclassed.
    std::unordered_map<HWND, WNDPROC> orphanedProcs;
    // Wrappers made by FromHandle for windows without an object of their
    // own. A wrapper lives as long as its window: when the window goes it is
    // retired, and freed when no handler of the framework is running.
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporaryMap;
    std::vector<std::unique_ptr<CWnd>> retiredTemporaries;
    // Set when a wrapper is made or a window goes: the next free also looks
    // for wrappers whose window went unseen (a child that went with its
    // parent, a wrapper made while its window was going, a window of
    // another thread).
    bool bLookForGoneWindows = false;
    // Sees this thread's windows being destroyed.
    HHOOK hDestroyHook = nullptr;
    // The message being handled (innermost), for CWnd::Default, and how many
    // messages are being handled one inside the other.
    AfxCurrentMessage current{};
    int nHandlingDepth = 0;
    std::unique_ptr<CWinThread> pThread;
};

AfxThreadState& AfxGetThreadState();

// The framework learns that a window of this thread is going: its wrapper is
// retired, and a main window that it was is forgotten.
void AfxWindowGoing(HWND hWnd);
// Watches this thread's windows being destroyed (once per thread).
void AfxWatchWindowDestruction();
// Frees retired wrappers when no message is being handled by the framework
// (from the pump, and as the outermost window procedure call returns); also
// retires wrappers of windows that went unseen.
void AfxFreeRetiredTemporaries();

// Makes a message the one being handled while the object lives; the one
// before is back on every way out. Counts the handling depth.
class AfxCurrentMessageScope {
public:
    AfxCurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    ~AfxCurrentMessageScope();
    AfxCurrentMessageScope(const AfxCurrentMessageScope&) = delete;
    AfxCurrentMessageScope& operator=(const AfxCurrentMessageScope&) = delete;

private:
    AfxCurrentMessage m_saved;
};

// Where the window system calls into the framework no C++ exception may
// pass: this reports one (trace output) and gives what the caller returns
// instead, the message's safe result.
ZELAFX_API LRESULT AfxReportBoundaryException(const char* pszWhere, HWND hWnd, UINT message);

template <class Fn>
LRESULT AfxCallAtBoundary(const char* pszWhere, HWND hWnd, UINT message, Fn&& fn)
{
    try {
        return fn();
    } catch (...) {
        return AfxReportBoundaryException(pszWhere, hWnd, message);
    }
}
