// Drives a modal dialog of the library from inside its own message loop.
// When a dialog made while the driver exists, other than one of the
// library's message boxes, is activated, a one-shot timer runs the script once in the dialog's loop, so
// that the script acts through the dialog's controls and closes it with its
// own buttons or keys while the real loop runs. The dialog is claimed so
// that the message-box recorder leaves it alone; boxes the script brings up
// are recorded as usual. A script that leaves its dialog open gets it closed
// with WM_CLOSE after a while, and ForcedClose() tells so.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include <windows.h>

class ModalScript {
public:
    explicit ModalScript(std::function<void(HWND hDlg)> script);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // How many dialogs the script ran in, and the caption of each (Shift_JIS).
    int Runs() const { return static_cast<int>(m_captions.size()); }
    const std::vector<std::string>& Captions() const { return m_captions; }
    bool ForcedClose() const { return m_bForced; }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD);

    std::function<void(HWND)> m_script;
    HHOOK m_hHook = nullptr;
    HWND m_hDlg = nullptr;
    UINT_PTR m_nRunTimer = 0;
    UINT_PTR m_nGuardTimer = 0;
    bool m_bForced = false;
    std::vector<std::string> m_captions;
    std::set<HWND> m_created;  // windows made while the driver exists
};

// Helpers for scripts: items of a dialog by ID.
namespace dlg {
HWND Item(HWND hDlg, int nID);
std::string Text(HWND hDlg, int nID);
void SetText(HWND hDlg, int nID, const char* pszText);
bool Checked(HWND hDlg, int nID);
bool Enabled(HWND hDlg, int nID);
int Selection(HWND hDlg, int nID);
void Select(HWND hDlg, int nID, int nIndex);
// A click on a button, radio button or check box, through the button itself.
void Click(HWND hDlg, int nID);
// Focus to the field and the characters typed into it.
void TypeInto(HWND hDlg, int nID, const char* pszText);
}  // namespace dlg
