// CDialog: modeless and modal dialogs from templates, data exchange and the
// template's initial data.
#include "afxwin.h"
#include "afx_state_win.h"
#include "afx_text_win.h"

#include <cstring>
#include <string>

// Resource type of a template's initial data (list items).
static const WORD kDlgInitType = 240;
// The list-filling message as stored in initial data of either generation.
static const WORD kWin16AddString = 0x0403;
static const WORD kWin16LbAddString = 0x0401;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

// The dialog procedure only takes the object in at WM_INITDIALOG; from then
// on the window runs through CWnd::AfxWndProc, and the dialog manager's own
// processing is the default.
INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
    if (pDlg == nullptr || !pDlg->SubclassWindow(hWnd))
        return FALSE;
    return AfxCallAtBoundary("AfxDlgProc", hWnd, message, [&] {
        AfxCurrentMessageScope current(hWnd, message, wParam, lParam);
        return static_cast<LRESULT>(pDlg->OnInitDialog());
    });
}

// Dialogs are made with the wide calls, so the UTF-16 texts of the template
// reach the windows as they are.
static LPCDLGTEMPLATEW LoadDialogTemplate(UINT nIDTemplate, HINSTANCE& hInst)
{
    LPCSTR name = MAKEINTRESOURCEA(nIDTemplate);
    hInst = AfxFindResourceHandle(name, reinterpret_cast<LPCSTR>(RT_DIALOG));
    HRSRC hRes = ::FindResourceA(hInst, name, reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (hRes == nullptr)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    return hData ? static_cast<LPCDLGTEMPLATEW>(::LockResource(hData)) : nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEW pTemplate = LoadDialogTemplate(nIDTemplate, hInst);
    if (pTemplate == nullptr)
        return FALSE;
    HWND hParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    if (hParent == nullptr && AfxGetMainWnd() != nullptr)
        hParent = AfxGetMainWnd()->m_hWnd;
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, pTemplate, hParent, &CDialog::AfxDlgProc,
                                             reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr) {
        Detach();
        return FALSE;
    }
    return TRUE;
}

// The window that owns a modal dialog: the parent's top-level window; with
// no parent, the main window's last active pop-up, so that the window the
// user works in (a host's own dialog included) is the one disabled.
static HWND ModalOwner(CWnd* pParentWnd)
{
    HWND hWnd = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    const bool bNoParent = hWnd == nullptr;
    if (bNoParent && AfxGetMainWnd() != nullptr)
        hWnd = AfxGetMainWnd()->m_hWnd;
    while (hWnd != nullptr && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (bNoParent && hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEW pTemplate = LoadDialogTemplate(m_nIDTemplate, hInst);
    if (pTemplate == nullptr)
        return -1;

    HWND hOwner = ModalOwner(m_pParentWnd);
    BOOL bEnableOwner = FALSE;
    if (hOwner != nullptr && ::IsWindowEnabled(hOwner)) {
        ::EnableWindow(hOwner, FALSE);
        bEnableOwner = TRUE;
    }

    m_bInModalLoop = TRUE;
    m_nModalResult = -1;
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, pTemplate, hOwner, &CDialog::AfxDlgProc,
                                             reinterpret_cast<LPARAM>(this));
    if (hWnd != nullptr && m_bInModalLoop) {
        if (!::IsWindowVisible(hWnd))
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        // The same pump as the host's, so keys reach PreTranslateMessage.
        CWinThread* pThread = AfxGetThread();
        while (m_bInModalLoop && ::IsWindow(hWnd)) {
            if (!pThread->PumpMessage()) {
                ::PostQuitMessage(static_cast<int>(pThread->m_msgCur.wParam));
                break;
            }
        }
    }
    m_bInModalLoop = FALSE;

    // The owner gets its earlier state back, unless it went (and took the
    // dialog with it) while the loop ran.
    const bool bOwnerLives = hOwner != nullptr && ::IsWindow(hOwner);
    if (bEnableOwner && bOwnerLives)
        ::EnableWindow(hOwner, TRUE);
    if (hWnd != nullptr && ::IsWindow(hWnd)) {
        if (bOwnerLives && ::GetActiveWindow() == hWnd)
            ::SetActiveWindow(hOwner);
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        ::DestroyWindow(hWnd);
    }
    if (m_hWnd != nullptr)
        UnsubclassWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bInModalLoop) {
        m_nModalResult = nResult;
        m_bInModalLoop = FALSE;
        if (m_hWnd != nullptr)
            ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
    } else if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, nResult);
    }
}

BOOL CDialog::OnInitDialog()
{
    ExecuteDlgInit(m_nIDTemplate);
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    if (m_hWnd == nullptr)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageW(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::ExecuteDlgInit(UINT nIDTemplate)
{
    LPCSTR name = MAKEINTRESOURCEA(nIDTemplate);
    LPCSTR type = MAKEINTRESOURCEA(kDlgInitType);
    HINSTANCE hInst = AfxFindResourceHandle(name, type);
    HRSRC hRes = ::FindResourceA(hInst, name, type);
    if (hRes == nullptr)
        return TRUE;  // nothing to apply
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    const BYTE* p = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (p == nullptr)
        return FALSE;
    const BYTE* pEnd = p + ::SizeofResource(hInst, hRes);

    // Records: WORD control ID, WORD message, DWORD length, then the data.
    while (pEnd - p >= 2) {
        WORD nIDC, nMsg;
        std::memcpy(&nIDC, p, 2);
        if (nIDC == 0)
            return TRUE;
        if (pEnd - p < 8)
            return FALSE;
        DWORD dwLen;
        std::memcpy(&nMsg, p + 2, 2);
        std::memcpy(&dwLen, p + 4, 4);
        p += 8;
        if (static_cast<size_t>(pEnd - p) < dwLen)
            return FALSE;
        // Up to the terminating zero; the items are in code page 932.
        const std::wstring text = AfxWideFromText(std::string(reinterpret_cast<const char*>(p), dwLen).c_str());
        p += dwLen;
        if (nMsg == kWin16AddString)
            nMsg = CB_ADDSTRING;
        else if (nMsg == kWin16LbAddString)
            nMsg = LB_ADDSTRING;
        if (nMsg == CB_ADDSTRING || nMsg == LB_ADDSTRING)
            ::SendDlgItemMessageW(m_hWnd, nIDC, nMsg, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return TRUE;
}

// ---- data exchange --------------------------------------------------------------

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;  // bound already
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (hCtrl != nullptr)
        rControl.SubclassWindow(hCtrl);
}

static bool IsRadioButton(HWND hWnd)
{
    char cls[16] = {};
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0)
        return false;
    const LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (hWnd == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int nButton = 0;
    do {
        if (IsRadioButton(hWnd)) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = nButton;
            } else {
                ::SendMessageA(hWnd, BM_SETCHECK, nButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++nButton;
        }
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd != nullptr && !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP));
}
