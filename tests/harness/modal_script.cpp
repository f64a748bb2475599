#include "modal_script.h"

#include "test_host.h"

namespace {
ModalScript* g_pScript = nullptr;
// Caption of the library's message boxes: those are left to the recorder.
const char kBoxCaption[] = "ゼルノート";
// Time a script's dialog may stay open after the script has run.
const UINT kGuardMillis = 3000;
}  // namespace

ModalScript::ModalScript(std::function<void(HWND)> script) : m_script(std::move(script))
{
    g_pScript = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &ModalScript::CbtProc, nullptr, ::GetCurrentThreadId());
}

ModalScript::~ModalScript()
{
    ::UnhookWindowsHookEx(m_hHook);
    if (m_nRunTimer)
        ::KillTimer(nullptr, m_nRunTimer);
    if (m_nGuardTimer)
        ::KillTimer(nullptr, m_nGuardTimer);
    g_pScript = nullptr;
}

LRESULT CALLBACK ModalScript::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pScript != nullptr)
        g_pScript->m_created.insert(reinterpret_cast<HWND>(wParam));
    if (nCode == HCBT_ACTIVATE && g_pScript != nullptr &&
        g_pScript->m_created.count(reinterpret_cast<HWND>(wParam)) != 0) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        char cls[32] = {};
        char caption[256] = {};
        ::GetClassNameA(hWnd, cls, sizeof cls);
        ::GetWindowTextA(hWnd, caption, sizeof caption);
        if (std::string(cls) == "#32770" && std::string(caption) != kBoxCaption &&
            ::GetPropA(hWnd, "ZelSeen") == nullptr) {
            // Claimed: the box recorder skips windows it has seen.
            ::SetPropA(hWnd, "ZelSeen", reinterpret_cast<HANDLE>(1));
            g_pScript->m_captions.push_back(caption);
            g_pScript->m_hDlg = hWnd;
            if (g_pScript->m_nGuardTimer) {
                ::KillTimer(nullptr, g_pScript->m_nGuardTimer);
                g_pScript->m_nGuardTimer = 0;
            }
            g_pScript->m_nRunTimer = ::SetTimer(nullptr, 0, 0, &ModalScript::TimerProc);
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK ModalScript::TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    ModalScript* pThis = g_pScript;
    if (pThis == nullptr)
        return;
    if (idEvent == pThis->m_nRunTimer) {
        pThis->m_nRunTimer = 0;
        HWND hDlg = pThis->m_hDlg;
        if (pThis->m_script && ::IsWindow(hDlg))
            pThis->m_script(hDlg);
        pThis->m_nGuardTimer = ::SetTimer(nullptr, 0, kGuardMillis, &ModalScript::TimerProc);
    } else if (idEvent == pThis->m_nGuardTimer) {
        pThis->m_nGuardTimer = 0;
        if (::IsWindow(pThis->m_hDlg) && ::IsWindowVisible(pThis->m_hDlg)) {
            pThis->m_bForced = true;
            ::PostMessageA(pThis->m_hDlg, WM_CLOSE, 0, 0);
        }
    }
}

namespace dlg {

HWND Item(HWND hDlg, int nID) { return ::GetDlgItem(hDlg, nID); }

std::string Text(HWND hDlg, int nID) { return TestHost::Text(Item(hDlg, nID)); }

void SetText(HWND hDlg, int nID, const char* pszText)
{
    ::SetDlgItemTextA(hDlg, nID, pszText);
    TestHost::Pump();
}

bool Checked(HWND hDlg, int nID) { return ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED; }

bool Enabled(HWND hDlg, int nID) { return ::IsWindowEnabled(Item(hDlg, nID)) != FALSE; }

int Selection(HWND hDlg, int nID) { return TestHost::Selection(Item(hDlg, nID)); }

void Select(HWND hDlg, int nID, int nIndex)
{
    ::SendMessageA(Item(hDlg, nID), CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
}

void Click(HWND hDlg, int nID) { TestHost::Click(Item(hDlg, nID)); }

void TypeInto(HWND hDlg, int nID, const char* pszText)
{
    TestHost::Focus(Item(hDlg, nID));
    TestHost::Type(pszText);
}

}  // namespace dlg
