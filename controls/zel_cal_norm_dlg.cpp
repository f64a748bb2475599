#include "controls/zel_cal_norm_dlg.h"

#include "controls/shown_date_check.h"
#include "controls/host_signals.h"
#include "controls/zel_alive_watch.h"
#include "controls/zel_messages.h"
#include "module/zel_module.h"

#include "afx_text_win.h"

BEGIN_MESSAGE_MAP(CZelCalNormDlg, CZelFullDateFrame)
    ON_EN_KILLFOCUS(IDC_YEAR_EDIT, OnKillfocusYearEdit)
    ON_EN_KILLFOCUS(IDC_MONTH_EDIT, OnKillfocusMonthEdit)
    ON_EN_KILLFOCUS(IDC_DAY_EDIT, OnKillfocusDayEdit)
    ON_CBN_KILLFOCUS(IDC_FORM_COMBO, OnKillfocusFormCombo)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZelCalNormDlg::CZelCalNormDlg(CWnd* pParent) : CZelFullDateFrame(IDD_ZELCALNORMDLG, pParent)
{
    ZelUseLibraryResources();
}

CZelCalNormDlg::~CZelCalNormDlg() = default;

void CZelCalNormDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    BindDateFields(pDX);
}

int CZelCalNormDlg::DoModal(int& nDiv, int& nYear, int& nMonth, int& nDay, int x, int y)
{
    m_bModal = 1;
    m_dlgDate = {nDiv, nYear, nMonth, nDay};
    m_nPosX = x;
    m_nPosY = y;
    CZelAliveWatch watch(this);
    int nResult = -1;
    {
        CZelModalSignals signals;
        if (watch.Deleted())
            return -1;
        nResult = static_cast<int>(CDialog::DoModal());
    }
    if (watch.Deleted())
        return nResult;
    if (nResult == IDOK)
        m_dlgDate.CopyTo(nDiv, nYear, nMonth, nDay);
    return nResult;
}

BOOL CZelCalNormDlg::OnInitDialog()
{
    // A new window: nothing pending, no text accepted yet, the list from 西暦.
    m_nOldSel = 0;
    m_bWestern = 1;
    m_nChkField = kNone;
    m_bEnding = false;
    m_strYear.Empty();
    m_strMonth.Empty();
    m_strDay.Empty();
    CZelFullDateFrame::OnInitDialog();
    if (m_bModal)
        SetFullDate(m_dlgDate);
    // Top-left corner at the given screen point; the outer size becomes the
    // size of the client area.
    CRect rc;
    GetClientRect(rc);
    rc.OffsetRect(m_nPosX, m_nPosY);
    MoveWindow(rc);
    return TRUE;
}

CZelDate CZelCalNormDlg::ReadDate()
{
    m_date.nMonth = static_cast<int>(GetDlgItemInt(IDC_MONTH_EDIT, nullptr, TRUE));
    m_date.nDay = static_cast<int>(GetDlgItemInt(IDC_DAY_EDIT, nullptr, TRUE));
    return GetFullDate();
}

// ---- typing filter ------------------------------------------------------------------

BOOL CZelCalNormDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == EN_CHANGE)
        FilterTyping(reinterpret_cast<HWND>(lParam));
    return CWnd::OnCommand(wParam, lParam);
}

// Numeric and not a letter, byte by byte of the Shift_JIS text: only the
// digits 0-9 pass (a byte of a double-byte character never does), whatever
// the system code page.
static bool HoldsDigitsOnly(const CString& strText)
{
    for (int i = 0; i < strText.GetLength(); ++i) {
        const CHAR c = strText.GetAt(i);
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

void CZelCalNormDlg::FilterTyping(HWND hField)
{
    // The text put back below raises EN_CHANGE again; that run finds the
    // stage held and does nothing.
    CZelCheckStage stage;
    if (!stage.Entered())
        return;
    CString* pAccepted = nullptr;
    if (hField != nullptr && hField == m_YearEdit.m_hWnd)
        pAccepted = &m_strYear;
    else if (hField != nullptr && hField == m_MonthEdit.m_hWnd)
        pAccepted = &m_strMonth;
    else if (hField != nullptr && hField == m_DayEdit.m_hWnd)
        pAccepted = &m_strDay;
    if (pAccepted == nullptr)
        return;
    CString strText;
    CWnd::FromHandle(hField)->GetWindowText(strText);
    if (HoldsDigitsOnly(strText)) {
        *pAccepted = strText;
        return;
    }
    ZelMessageBox(this, ZEL_MSG_ENTER_NUMBER, MB_ICONINFORMATION, false);
    if (!StillHere())
        return;
    AfxSetWindowText(hField, *pAccepted);
    ::SendMessageA(hField, EM_SETSEL, 0, -1);
    ::SetFocus(hField);
}

// ---- whole-date check ---------------------------------------------------------------

int CZelCalNormDlg::ChkDate_() { return ZelTestShownDate(*this, m_arEra) == kZelDateGood ? 1 : 0; }

int CZelCalNormDlg::ChkDate(int nField)
{
    CZelCheckStage stage;
    if (!stage.Entered())
        return 1;
    // Another field's refused check is still to be corrected there first.
    if (m_nChkField >= 0 && m_nChkField != nField)
        return 1;
    if (ZelTestShownDate(*this, m_arEra) != kZelDateGood) {
        ZelMessageBox(this, ZEL_MSG_DATE_ERROR, MB_ICONINFORMATION, false);
        if (!StillHere())
            return 1;
        return 0;
    }
    m_nChkField = kNone;
    return 1;
}

void CZelCalNormDlg::FieldLeft(int nField, CWnd& field)
{
    if (m_bEnding)
        return;
    if (m_nChkField < 0)
        m_nChkField = nField;
    if (!ChkDate(nField) && StillHere() && field.m_hWnd != nullptr)
        field.SetFocus();
}

void CZelCalNormDlg::OnKillfocusYearEdit() { FieldLeft(kYear, m_YearEdit); }
void CZelCalNormDlg::OnKillfocusMonthEdit() { FieldLeft(kMonth, m_MonthEdit); }
void CZelCalNormDlg::OnKillfocusDayEdit() { FieldLeft(kDay, m_DayEdit); }
void CZelCalNormDlg::OnKillfocusFormCombo() { FieldLeft(kEra, m_FormCombo); }

// Entering the field whose check was refused ends the pending mark. The era
// list keeps its mark: only leaving it again, Enter or Escape checks it.
void CZelCalNormDlg::FieldEntered(UINT nID, int nField)
{
    FieldGotFocus(nID);
    if (m_nChkField == nField)
        m_nChkField = kNone;
}

void CZelCalNormDlg::OnSetfocusYearEdit() { FieldEntered(IDC_YEAR_EDIT, kYear); }
void CZelCalNormDlg::OnSetfocusMonthEdit() { FieldEntered(IDC_MONTH_EDIT, kMonth); }
void CZelCalNormDlg::OnSetfocusDayEdit() { FieldEntered(IDC_DAY_EDIT, kDay); }

// ---- keys ---------------------------------------------------------------------------

int CZelCalNormDlg::FocusedField() const
{
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr)
        return kNone;
    if (hFocus == m_FormCombo.m_hWnd)
        return kEra;
    if (hFocus == m_YearEdit.m_hWnd)
        return kYear;
    if (hFocus == m_MonthEdit.m_hWnd)
        return kMonth;
    if (hFocus == m_DayEdit.m_hWnd)
        return kDay;
    return kNone;
}

BOOL CZelCalNormDlg::PreTranslateMessage(MSG* pMsg)
{
    CZelAliveWatch watch(this);
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case VK_TAB:
            return WalkKey(VK_TAB, ::GetKeyState(VK_SHIFT) < 0);
        case VK_RETURN:
            if (ChkDate(FocusedField()) && StillHere() && m_nChkField < 0)
                OnOK();
            return TRUE;
        case VK_ESCAPE:
            // A valid date lets the dialog processing cancel the dialog.
            if (ChkDate(FocusedField()) && StillHere() && m_nChkField < 0)
                return CDialog::PreTranslateMessage(pMsg);
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// ---- window ---------------------------------------------------------------------------

void CZelCalNormDlg::OnOK()
{
    m_bEnding = true;
    CDialog::OnOK();
}

// Escape with a passing date, or the window closed by the system.
void CZelCalNormDlg::OnCancel()
{
    m_bEnding = true;
    CDialog::OnCancel();
}

// The date as it stands when the window goes is what DoModal hands back.
void CZelCalNormDlg::OnDestroy()
{
    m_dlgDate = ReadDate();
    CDialog::OnDestroy();
}

