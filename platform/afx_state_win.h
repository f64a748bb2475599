// Internal: the framework's per-thread state.
#pragma once
#include "afxwin.h"

#include <map>
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
    // The message being handled (innermost last), for CWnd::Default.
    AfxCurrentMessage current{};
    std::unique_ptr<CWinThread> pThread;
    // The dialog whose WM_INITDIALOG is on its way (set by Create/DoModal).
    CDialog* pDialogInit = nullptr;
};

AfxThreadState& AfxGetThreadState();
