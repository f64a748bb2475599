// CWnd: a window object over a Win32 window, with message-map dispatch.
#include "afxwin.h"
#include "afx_state_win.h"
#include "afx_text_win.h"

// ---- handle maps ---------------------------------------------------------------

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    auto& map = AfxGetThreadState().permanentMap;
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    AfxThreadState& state = AfxGetThreadState();
    auto& slot = state.temporaryMap[hWnd];
    if (!slot) {
        AfxWatchWindowDestruction();
        state.bLookForGoneWindows = true;
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    m_hWnd = hWnd;
    m_bPermanent = true;
    AfxGetThreadState().permanentMap[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && m_bPermanent) {
        auto& map = AfxGetThreadState().permanentMap;
        auto it = map.find(hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_bPermanent = false;
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    // Set with the wide call: the window then gets its messages, text
    // included, in UTF-16.
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr)
        return FALSE;
    HWND hWnd = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWnd != nullptr && SubclassWindow(hWnd);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd != nullptr && m_pfnSuper != nullptr) {
        // Another procedure subclassed on top of ours: putting ours back
        // would cut that one off, so nothing changes.
        if (::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc))
            return nullptr;
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    return Detach();
}

CWnd::~CWnd()
{
    // The object goes: its window must not call into it any more.
    if (m_bPermanent && m_hWnd != nullptr) {
        HWND hWnd = m_hWnd;
        if (UnsubclassWindow() == nullptr) {
            // Another procedure stays on top of ours: the window's messages
            // pass on to the procedure below without this object.
            AfxGetThreadState().orphanedProcs[hWnd] = m_pfnSuper;
            m_pfnSuper = nullptr;
            Detach();
        }
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    // A class given by atom stays an atom; a name is converted like any text.
    const std::wstring className = IS_INTRESOURCE(lpszClassName) ? std::wstring() : AfxWideFromText(lpszClassName);
    LPCWSTR pszClass = IS_INTRESOURCE(lpszClassName) ? reinterpret_cast<LPCWSTR>(lpszClassName) : className.c_str();
    HWND hWnd = ::CreateWindowExW(0, pszClass, AfxWideFromText(lpszWindowName).c_str(), dwStyle, rect.left,
                                  rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                  pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                  AfxGetInstanceHandle(), nullptr);
    return hWnd != nullptr && SubclassWindow(hWnd);
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

// ---- child items ---------------------------------------------------------------

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const
{
    return AfxCopyText(AfxGetWindowText(::GetDlgItem(m_hWnd, nID)), lpStr, nMaxCount);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    if (HWND hItem = ::GetDlgItem(m_hWnd, nID))
        rString = AfxGetWindowText(hItem);
    return rString.GetLength();
}

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString)
{
    if (HWND hItem = ::GetDlgItem(m_hWnd, nID))
        AfxSetWindowText(hItem, lpszString);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

// ---- the window itself ---------------------------------------------------------

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::SetWindowText(LPCSTR lpszString) { AfxSetWindowText(m_hWnd, lpszString); }

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return AfxCopyText(AfxGetWindowText(m_hWnd), lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const { rString = AfxGetWindowText(m_hWnd); }

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return AfxMessageBoxOwned(m_hWnd, lpszText, lpszCaption, nType);
}

// ---- message handling ------------------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const AfxCurrentMessage& cur = AfxGetThreadState().current;
    return DefWindowProc(cur.message, cur.wParam, cur.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_COMMAND, HIWORD(wParam), LOWORD(wParam));
    if (pEntry == nullptr)
        return FALSE;
    LRESULT lResult = 0;
    pEntry->pfn(this, WM_COMMAND, wParam, lParam, &lResult);
    return TRUE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    UINT nMapMessage = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        nMapMessage = WM_CTLCOLOR;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nMapMessage, 0, 0);
    if (pEntry == nullptr)
        return FALSE;
    pEntry->pfn(this, message, wParam, lParam, pResult);
    return TRUE;
}

void CWnd::PostNcDestroy() {}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr) {
        auto& orphans = AfxGetThreadState().orphanedProcs;
        auto it = orphans.find(hWnd);
        if (it == orphans.end())
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
        const WNDPROC pfnSuper = it->second;
        if (message == WM_NCDESTROY)
            orphans.erase(it);
        return ::CallWindowProcW(pfnSuper, hWnd, message, wParam, lParam);
    }

    LRESULT lResult = AfxCallAtBoundary("AfxWndProc", hWnd, message, [&] {
        AfxCurrentMessageScope current(hWnd, message, wParam, lParam);
        return pWnd->WindowProc(message, wParam, lParam);
    });

    if (message == WM_NCDESTROY) {
        // The window is gone: the object lets go of it, and the main window
        // no longer names it.
        CWinThread* pThread = AfxGetThread();
        if (pThread->m_pMainWnd == pWnd)
            pThread->m_pMainWnd = nullptr;
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        AfxCallAtBoundary("PostNcDestroy", hWnd, message, [pWnd] {
            pWnd->PostNcDestroy();
            return LRESULT{0};
        });
    }
    AfxFreeRetiredTemporaries();
    return lResult;
}

CPoint::CPoint(LPARAM lParam)
{
    x = static_cast<short>(LOWORD(lParam));
    y = static_cast<short>(HIWORD(lParam));
}
