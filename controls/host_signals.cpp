#include "controls/host_signals.h"
#include "controls/zel_messages.h"

#include "afx_text_win.h"

CZelNamedFlag::CZelNamedFlag(const char* pszName)
{
    m_hMutex = ::CreateMutexA(nullptr, TRUE, pszName);
    m_bHeldElsewhere = ::GetLastError() == ERROR_ALREADY_EXISTS;
}

CZelNamedFlag::~CZelNamedFlag()
{
    if (m_hMutex == nullptr)
        return;
    if (!m_bHeldElsewhere)
        ::ReleaseMutex(m_hMutex);
    ::CloseHandle(m_hMutex);
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
    if (bDisableMain)
        ZelEnableMainWindow(FALSE);
    int nResult = AfxMessageBoxOwned(pOwner ? pOwner->m_hWnd : nullptr, pszText, ZEL_CAPTION, nIcon);
    if (bDisableMain)
        ZelEnableMainWindow(TRUE);
    return nResult;
}
