#include "modal_script.h"

namespace {
ModalScript* g_pScript = nullptr;
DialogAnswerer* g_pAnswerer = nullptr;
const UINT kGuardMillis = 3000;  // how long a dialog may stay open after its script
}  // namespace

ModalScript::ModalScript(std::function<void(HWND)> script) : m_script(std::move(script)) { g_pScript = this; }

ModalScript::~ModalScript()
{
    for (UINT_PTR nTimer : {m_nRunTimer, m_nGuardTimer})
        if (nTimer)
            ::KillTimer(nullptr, nTimer);
    g_pScript = nullptr;
}

LRESULT CALLBACK ModalScript::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    ModalScript* pThis = g_pScript;
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    char cls[32] = {};
    if (nCode == HCBT_CREATEWND && pThis != nullptr)
        pThis->m_created.insert(hWnd);
    if (nCode == HCBT_ACTIVATE && pThis != nullptr && pThis->m_hDlg == nullptr && pThis->m_created.count(hWnd) &&
        ::GetClassNameA(hWnd, cls, sizeof cls) && std::string(cls) == "#32770" && Claim(hWnd)) {
        pThis->caption = TestHost::Text(hWnd);
        pThis->m_hDlg = hWnd;
        pThis->m_nRunTimer = ::SetTimer(nullptr, 0, 0, &ModalScript::TimerProc);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK ModalScript::TimerProc(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    ModalScript* pThis = g_pScript;
    if (pThis != nullptr && idEvent == pThis->m_nRunTimer) {
        pThis->m_nRunTimer = 0;
        if (::IsWindow(pThis->m_hDlg))
            pThis->m_script(pThis->m_hDlg);
        pThis->m_nGuardTimer = ::SetTimer(nullptr, 0, kGuardMillis, &ModalScript::TimerProc);
    } else if (pThis != nullptr && idEvent == pThis->m_nGuardTimer) {
        pThis->m_nGuardTimer = 0;
        if (::IsWindow(pThis->m_hDlg) && ::IsWindowVisible(pThis->m_hDlg)) {
            pThis->m_bForced = true;
            ::PostMessageA(pThis->m_hDlg, WM_CLOSE, 0, 0);
        }
    }
}

DialogAnswerer::DialogAnswerer(std::string caption, std::function<void(HWND)> answer)
    : m_caption(std::move(caption)), m_answer(std::move(answer))
{
    g_pAnswerer = this;
}

DialogAnswerer::~DialogAnswerer() { g_pAnswerer = nullptr; }

LRESULT CALLBACK DialogAnswerer::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_ACTIVATE && g_pAnswerer != nullptr && TestHost::Text(hWnd) == g_pAnswerer->m_caption &&
        Claim(hWnd))
        ::SetTimer(hWnd, 0x5A31, 0, &DialogAnswerer::TimerProc);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK DialogAnswerer::TimerProc(HWND hDlg, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(hDlg, idEvent);
    if (g_pAnswerer != nullptr)
        g_pAnswerer->m_answer(hDlg);
}
