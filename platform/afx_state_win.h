// Internal: the framework's per-thread state.
#pragma once
#include "afxwin.h"

#include <memory>
#include <unordered_map>

struct AfxCurrentMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct AfxThreadState {
    std::unordered_map<HWND, CWnd*> permanentMap;
    // Wrappers made by FromHandle for windows without an object of their own.
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporaryMap;
    // The message being handled (innermost), for CWnd::Default.
    AfxCurrentMessage current{};
    std::unique_ptr<CWinThread> pThread;
};

AfxThreadState& AfxGetThreadState();

// Makes a message the one being handled while the object lives; the one
// before is back on every way out.
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
