// The test host: drives the controls the way a user and a host application
// do, on real windows. A main window that records every WM_COMMAND it gets,
// a host dialog with two neighbour fields, keys and characters posted to the
// focused window and pumped through the framework's PumpMessage.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ZelCalCtrl.h"
#include "controls/host_signals.h"
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

    // Puts a control made with Create between the two host fields.
    void Place(CWnd& control, int y = 30);

    // Every WM_COMMAND the main window got, in order.
    const std::vector<RecordedCommand>& Commands() const { return m_commands; }
    void ClearCommands() { m_commands.clear(); }
    // How many of the registered message pszName arrived, with lParam.
    int Count(const char* pszName, LPARAM lParam = 0) const;
    // Called inside the main window's handling of each WM_COMMAND.
    std::function<void(const RecordedCommand&)> onCommand;

    // Runs the framework's pump until the queue is empty.
    static void Pump();
    // A key pressed in the focused window, Shift held through the thread's
    // keyboard state.
    static void PressKey(UINT vk, bool bShift = false);
    // Characters typed into the focused window.
    static void Type(const char* pszText);
    // Focus to a window and pump.
    static void Focus(HWND hWnd);
    static HWND Focused() { return ::GetFocus(); }
    // A click on a button, through the button itself (BM_CLICK), and pump.
    static void Click(HWND hButton);

    // The era list of a control: choose entry nIndex with the arrow keys in
    // the closed list (each step is a selection change, as a user's would be).
    static void ChooseWithKeys(HWND hCombo, int nIndex);
    // Open the list, move to nIndex inside it, close it.
    static void ChooseThroughOpenList(HWND hCombo, int nIndex);

    static std::string Text(HWND hWnd);
    static std::string ItemText(CWnd& dlg, int nID);
    static int Selection(HWND hCombo);

private:
    static LRESULT CALLBACK MainProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hMain = nullptr;
    HWND m_hDialog = nullptr;
    std::vector<RecordedCommand> m_commands;
};

// A named flag the test holds for its lifetime, as a host would: the
// library's own scope object.
using HeldFlag = CZelNamedFlag;

// A second process that holds a named flag until this object goes.
class FlagHolderProcess : public HolderProcess {
public:
    explicit FlagHolderProcess(const char* pszName) : HolderProcess("holder.exe", std::string("flag ") + pszName) {}
};

bool NamedFlagExists(const char* pszName);

// Makes a module's resources the current ones (the module state's current
// resource handle) for the object's lifetime, as a host may do.
class CurrentResources {
public:
    explicit CurrentResources(HINSTANCE hModule);
    ~CurrentResources();
    CurrentResources(const CurrentResources&) = delete;
    CurrentResources& operator=(const CurrentResources&) = delete;

    static HINSTANCE Library() { return ::GetModuleHandleA("ZelCalCtrl.dll"); }
    static HINSTANCE Host() { return ::GetModuleHandleA(nullptr); }

private:
    HINSTANCE m_hSaved;
};

