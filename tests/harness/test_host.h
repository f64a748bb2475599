// The test host: a main window that records every WM_COMMAND it gets, a host
// dialog with two neighbour fields, and keys and characters posted to the
// focused window and pumped through the framework's PumpMessage.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ZelCalCtrl.h"
#include "holder_process.h"

struct RecordedCommand {
    WPARAM wParam;
    LPARAM lParam;
};

class TestHost {
public:
    TestHost();
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    HWND MainWindow() const { return m_hMain; }
    CWnd* Dialog() const { return CWnd::FromHandle(m_hDialog); }
    CWnd* Prev() const { return CWnd::FromHandle(::GetDlgItem(m_hDialog, 101)); }
    CWnd* Next() const { return CWnd::FromHandle(::GetDlgItem(m_hDialog, 102)); }

    // The WM_COMMANDs the main window got; onCommand is called inside its handling.
    std::vector<RecordedCommand> commands;
    std::function<void(const RecordedCommand&)> onCommand;
    // What the host was told, in order: each command as "NAME lParam" (the
    // library's registered messages by name, any other as "WM_COMMAND wParam
    // lParam") and each message box as "box: " and its text.
    std::vector<std::string> events;
    void Clear() { commands.clear(), events.clear(); }
    // A new host dialog in place of one a test destroyed.
    void RemakeDialog();

    // The framework's pump until the queue is empty.
    static void Pump();
    // A key pressed in the focused window, Shift held through the keyboard state.
    static void PressKey(UINT vk, bool bShift = false);
    // Characters typed into the focused window.
    static void Type(const char* pszText);
    static void Focus(HWND hWnd) { ::SetFocus(hWnd), Pump(); }
    static HWND Focused() { return ::GetFocus(); }
    // A click through the button itself.
    static void Click(HWND hButton) { ::SendMessageA(hButton, BM_CLICK, 0, 0), Pump(); }
    // Entry nIndex of an era list chosen with the arrow keys, each step a
    // selection change as a user's would be; in the open list when bOpen,
    // which is closed afterwards.
    static void ChooseWithKeys(HWND hCombo, int nIndex, bool bOpen = false);
    static std::string Text(HWND hWnd);
    static std::wstring WideText(HWND hWnd);
    static int Selection(HWND hCombo) { return static_cast<int>(::SendMessageA(hCombo, CB_GETCURSEL, 0, 0)); }

private:
    static LRESULT CALLBACK MainProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hMain = nullptr;
    HWND m_hDialog = nullptr;
};

// A named flag the test holds for its lifetime, as a host would: a mutex of
// that name owned from its making, with the raw calls (not the library's own).
class HeldFlag {
public:
    explicit HeldFlag(const char* pszName) : m_h(::CreateMutexA(nullptr, TRUE, pszName)) {}
    ~HeldFlag() { ::ReleaseMutex(m_h), ::CloseHandle(m_h); }
    HeldFlag(const HeldFlag&) = delete;
    HeldFlag& operator=(const HeldFlag&) = delete;

private:
    HANDLE m_h;
};

// A second process that holds a named flag until this object goes.
struct FlagHolderProcess : HolderProcess {
    explicit FlagHolderProcess(const char* pszName) : HolderProcess("holder.exe", std::string("flag ") + pszName) {}
};

// A module's resources made the current ones for the object's lifetime, as a host may do.
class CurrentResources {
public:
    explicit CurrentResources(HINSTANCE hModule) { AfxSetResourceHandle(hModule); }
    ~CurrentResources() { AfxSetResourceHandle(m_hSaved); }
    CurrentResources(const CurrentResources&) = delete;
    CurrentResources& operator=(const CurrentResources&) = delete;
    static HINSTANCE Library() { return ::GetModuleHandleA("ZelCalCtrl.dll"); }
    static HINSTANCE Host() { return ::GetModuleHandleA(nullptr); }

private:
    HINSTANCE m_hSaved = AfxGetResourceHandle();
};
