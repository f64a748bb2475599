#include "periodic/zel_str_edit.h"

#include "controls/zel_alive_watch.h"
#include "era/rule_wording.h"
#include "periodic/rule_dialog_turn.h"
#include "periodic/zel_reg_set_dlg.h"
#include "resources/resource.h"

#include "afx_text_win.h"

BEGIN_MESSAGE_MAP(CZelStrEdit, CEdit)
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CZelStrEdit::CZelStrEdit() = default;

CZelStrEdit::~CZelStrEdit() { CZelAliveWatch::Gone(this); }

void CZelStrEdit::SetChoiceData(int nYear, int nMonth, int nDay, int nInterval)
{
    m_nYear = nYear;
    m_nMonth = nMonth;
    m_nDay = nDay;
    m_nInterval = nInterval;
}

void CZelStrEdit::CnvRegStr(int nInterval, int nMonth, int nDay, CString& str)
{
    ZelWordRule(nInterval, nMonth, nDay, str);
}

void CZelStrEdit::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double-click while a rule dialog is up opens no second one.
    CZelRuleDialogTurn turn;
    if (!turn.Taken()) {
        CEdit::OnLButtonDblClk(nFlags, point);
        return;
    }
    // The template is found through the resource handle current now.
    CZelAliveWatch watch(this);
    CZelRegSetDlg dlg(nullptr);
    if (m_nDay == 0)
        m_nDay = 1;
    dlg.SetChoiceData(m_nInterval, m_nMonth, m_nDay);
    const INT_PTR nAnswer = dlg.DoModal();
    if (!CZelAliveWatch::Alive(this))
        return;
    if (nAnswer == IDOK) {
        dlg.GetChoiceData(m_nInterval, m_nMonth, m_nDay);
        CString strText;
        CnvRegStr(m_nInterval, m_nMonth, m_nDay, strText);
        if (HWND hParent = ::GetParent(m_hWnd))
            AfxSetWindowText(::GetDlgItem(hParent, IDC_STR_EDIT), strText);
    }
    CEdit::OnLButtonDblClk(nFlags, point);
}

void CZelStrEdit::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    // The field never keeps the focus: it goes on to the next tab stop.
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return;
    HWND hNext = ::GetNextDlgTabItem(hParent, m_hWnd, FALSE);
    if (hNext != nullptr && hNext != m_hWnd)
        ::SetFocus(hNext);
}
