#include "controls/host_signals.h"
#include "controls/zel_messages.h"

#include "afx_text_win.h"

CZelNamedFlag::CZelNamedFlag(const char* pszName)
{
    m_hMutex = ::CreateMutexA(nullptr, TRUE, pszName);
    const DWORD dwError = ::GetLastError();
    if (m_hMutex != nullptr)
        m_state = dwError == ERROR_ALREADY_EXISTS ? kHeldElsewhere : kOwned;
    else
        m_state = dwError == ERROR_ACCESS_DENIED ? kHeldElsewhere : kNotMade;
}

CZelNamedFlag::~CZelNamedFlag()
{
    if (m_hMutex == nullptr)
        return;
    if (m_state == kOwned)
        ::ReleaseMutex(m_hMutex);
    ::CloseHandle(m_hMutex);
}

namespace {
// Depth of the check stage kept within a thread when the flag cannot be made.
thread_local int t_nThreadStage = 0;
}

CZelCheckStage::CZelCheckStage() : m_flag(ZEL_NAME_CHECKVALUE_STAGE)
{
    m_bEntered = m_flag.Owned();
    if (m_flag.NotMade() && t_nThreadStage == 0) {
        m_bEntered = true;
        m_bThreadStage = true;
        ++t_nThreadStage;
    }
}

CZelCheckStage::~CZelCheckStage()
{
    if (m_bThreadStage)
        --t_nThreadStage;
}

void ZelSendToMainWindow(const char* pszName, LPARAM lParam)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == nullptr || pMain->m_hWnd == nullptr)
        return;
    // Asked anew at each send: the number is the same for every process.
    const UINT nMessage = ::RegisterWindowMessageA(pszName);
    ::SendMessageA(pMain->m_hWnd, WM_COMMAND, nMessage, lParam);
}

void ZelProbeDateChange()
{
    CZelNamedFlag flag(ZEL_NAME_DATE_CHANGE);
    if (flag.HeldElsewhere())
        ZelSendToMainWindow(ZEL_NAME_DATE_CHANGE, 0);
}

void ZelEnableMainWindow(BOOL bEnable)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != nullptr && pMain->m_hWnd != nullptr)
        ::EnableWindow(pMain->m_hWnd, bEnable);
}

int ZelMessageBox(CWnd* pOwner, const char* pszText, UINT nIcon, bool bDisableMain)
{
    // The main window is left as the box found it: a host's own modal
    // dialog may have disabled it, and it stays so.
    CWnd* pMain = bDisableMain ? AfxGetMainWnd() : nullptr;
    const HWND hMain = pMain != nullptr ? pMain->m_hWnd : nullptr;
    const bool bDisabledHere = hMain != nullptr && ::IsWindowEnabled(hMain);
    if (bDisabledHere)
        ::EnableWindow(hMain, FALSE);
    int nResult = AfxMessageBoxOwned(pOwner ? pOwner->m_hWnd : nullptr, pszText, ZEL_CAPTION, nIcon);
    if (bDisabledHere && ::IsWindow(hMain))
        ::EnableWindow(hMain, TRUE);
    return nResult;
}
