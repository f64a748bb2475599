// Drives a modal dialog from inside its own loop: the first dialog made and
// activated while the driver exists is claimed and a one-shot timer runs the
// script in it once; a dialog the script leaves open gets WM_CLOSE later.
#pragma once

#include <functional>
#include <set>

#include "window_test.h"

class ModalScript {
public:
    explicit ModalScript(std::function<void(HWND hDlg)> script);
    ~ModalScript();
    // Whether the script ran and its dialog closed without the WM_CLOSE.
    bool RanOnce() const { return m_hDlg != nullptr && !m_bForced; }

    std::string caption;  // of the dialog the script ran in (Shift_JIS)

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD);

    std::function<void(HWND)> m_script;
    HWND m_hDlg = nullptr;
    UINT_PTR m_nRunTimer = 0, m_nGuardTimer = 0;
    bool m_bForced = false;
    std::set<HWND> m_created;  // windows made while the driver exists
    CbtHook m_hook{&ModalScript::CbtProc};
};

// Claims every dialog of the caption that activates unclaimed while this
// exists (one such object at a time) and runs answer once in its own loop.
class DialogAnswerer {
public:
    DialogAnswerer(std::string caption, std::function<void(HWND hDlg)> answer);
    ~DialogAnswerer();

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND hDlg, UINT, UINT_PTR idEvent, DWORD);

    std::string m_caption;
    std::function<void(HWND)> m_answer;
    CbtHook m_hook{&DialogAnswerer::CbtProc};
};

// Helpers for scripts: the items of a dialog by ID.
namespace dlg {
inline HWND Item(HWND hDlg, int nID) { return ::GetDlgItem(hDlg, nID); }
inline std::string Text(HWND hDlg, int nID) { return TestHost::Text(Item(hDlg, nID)); }
inline int Selection(HWND hDlg, int nID) { return TestHost::Selection(Item(hDlg, nID)); }
inline void Select(HWND hDlg, int nID, int nIndex) { ::SendDlgItemMessageA(hDlg, nID, CB_SETCURSEL, nIndex, 0); }
inline void Click(HWND hDlg, int nID) { TestHost::Click(Item(hDlg, nID)); }
inline void SetText(HWND hDlg, int nID, const char* psz) { ::SetDlgItemTextA(hDlg, nID, psz), TestHost::Pump(); }
// Focus to the field and the characters typed into it.
inline void TypeInto(HWND hDlg, int nID, const char* psz) { TestHost::Focus(Item(hDlg, nID)), TestHost::Type(psz); }
}  // namespace dlg
