#include "periodic/zel_cal_reg_not_notify.h"
#include "era/era_file_snapshot.h"

// Name of the entry that stands for no date.
#define ZEL_NO_DATE_ENTRY "なし"

namespace {
// The items greyed while no date is held.
const UINT kDateItems[] = {IDC_BTN_REG, IDC_CHK_NOTIFY, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT};
}

CZelCalRegNotNotify::CZelCalRegNotNotify(CWnd* pParent) : CZelCalRegNotify(IDD_ZELCALREGNOTNOTIFY, pParent) {}

CZelCalRegNotNotify::~CZelCalRegNotNotify() = default;

BOOL CZelCalRegNotNotify::PreTranslateMessage(MSG* pMsg) { return CDialog::PreTranslateMessage(pMsg); }

// ---- value -------------------------------------------------------------------------------

void CZelCalRegNotNotify::SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int bNotify, int nInterval,
                                        COleDateTime dtInterval)
{
    m_bNone = nYear == 0 && nMonth == 0 && nDay == 0;
    CZelCalRegNotify::SetChoiceData(nDiv, nYear, nMonth, nDay, bNotify, nInterval, dtInterval);
}

void CZelCalRegNotNotify::GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& bNotify,
                                        int& nInterval, COleDateTime& dtInterval)
{
    if (!m_bNone) {
        CZelCalRegNotify::GetChoiceData(nDiv, nYear, nMonth, nDay, bNotify, nInterval, dtInterval);
        return;
    }
    nDiv = nYear = nMonth = nDay = bNotify = nInterval = 0;
    dtInterval = COleDateTime::GetCurrentTime();
    TRACE("CZelCalRegNotNotify::GetChoiceData() 基準日=%d/%d/%d(和暦/西暦=%d), 通知=%d, 通知間隔=%d, "
          "通知の月日=%d%d%d\n",
          nYear, nMonth, nDay, nDiv, bNotify, nInterval, dtInterval.GetYear(), dtInterval.GetMonth(),
          dtInterval.GetDay());
}

// ---- era list ------------------------------------------------------------------------------

void CZelCalRegNotNotify::LoadEraTable()
{
    CZelEra none;
    none.SetEraInfo(1, ZEL_NO_DATE_ENTRY, 0, 0);
    m_arEra.Add(none);
    CArray<CZelEra, CZelEra&> arTable;
    ZelReadEraTableNow(arTable);
    for (INT_PTR i = 0; i < arTable.GetSize(); ++i)
        m_arEra.Add(arTable[i]);
    FillEraList();
}

BOOL CZelCalRegNotNotify::SelectWesternEntry()
{
    // A Western year is shown under 西暦, or under "なし" when that is chosen.
    const int nSel = m_FormCombo.GetCurSel();
    if (nSel == CB_ERR)
        return FALSE;
    if (nSel != 0)
        m_FormCombo.SetCurSel(1);
    return TRUE;
}

void CZelCalRegNotNotify::EnableDateItems(BOOL bEnable, bool bVisibleOnly)
{
    for (UINT nID : kDateItems) {
        HWND hItem = Item(nID);
        if (hItem != nullptr && (!bVisibleOnly || ::IsWindowVisible(hItem)))
            ::EnableWindow(hItem, bEnable);
    }
}

void CZelCalRegNotNotify::ShowNoDate()
{
    // The year field, the switch and the calendars stay as they are.
    EnableDateItems(FALSE, true);
    CheckDlgButton(IDC_CHK_NOTIFY, BST_UNCHECKED);
    m_bNone = 1;
}

void CZelCalRegNotNotify::FollowNoneEntry()
{
    if (StillHere() && m_FormCombo.GetCurSel() == 0)
        ShowNoDate();
}

void CZelCalRegNotNotify::OnSelchangeFormCombo()
{
    const int nSel = m_FormCombo.GetCurSel();
    if (nSel == CB_ERR || m_FormCombo.GetDroppedState())
        return;
    CString strName;
    m_FormCombo.GetLBText(nSel, strName);
    if (AfxMbsCmp(strName, ZEL_NO_DATE_ENTRY) == 0) {
        ShowNoDate();
        return;
    }
    EnableDateItems(TRUE, true);
    m_bNone = 0;
    CZelCalRegNotify::OnSelchangeFormCombo();
    // A refused switch puts the list back, "なし" included.
    FollowNoneEntry();
}

void CZelCalRegNotNotify::OnCloseupFormCombo()
{
    // Closing the list on an era or the Western entry leaves the no-date
    // state as choosing it in the closed list does; closing it on "なし",
    // or a refused switch back to it, enters that state.
    const int nSel = m_FormCombo.GetCurSel();
    if (m_bNone && nSel > 0) {
        EnableDateItems(TRUE, true);
        m_bNone = 0;
    }
    CZelCalRegNotify::OnCloseupFormCombo();
    FollowNoneEntry();
}

// ---- faces and buttons -------------------------------------------------------------------

void CZelCalRegNotNotify::PrepareDateFace()
{
    // The conversions start from the entry shown.
    m_FormCombo.SetCurSel(NoneOrWesternPos());
    m_nOldSel = NoneOrWesternPos();
}

void CZelCalRegNotNotify::ShowTodaysDate()
{
    CZelCalRegNotify::ShowTodaysDate();
    if (StillHere())
        m_FormCombo.SetCurSel(NoneOrWesternPos());
}

void CZelCalRegNotNotify::DateFaceShown() { EnableDateItems(!m_bNone, false); }

void CZelCalRegNotNotify::TakeRuleBack()
{
    m_bNone = 0;
    CZelCalRegNotify::TakeRuleBack();
}

bool CZelCalRegNotNotify::MayShowDateAgain()
{
    const int nSel = m_FormCombo.GetCurSel();
    if (nSel == CB_ERR)
        return false;
    if (nSel == 0)
        m_bNone = 1;
    return true;
}
