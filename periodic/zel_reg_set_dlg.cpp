#include "periodic/zel_reg_set_dlg.h"

#include "controls/host_signals.h"
#include "controls/zel_field_text.h"
#include "controls/zel_messages.h"
#include "era/era_core.h"

namespace {

// Texts of the fields are read through buffers of this size.
const int kFieldBuffer = 256;

// Days a yearly rule allows in each month; February stops at 28 so that the
// rule falls on a day every year.
const int kYearlyDayMax[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The widgets of each kind of rule.
struct KindItem {
    int nID;
    int nMode;
};
const KindItem kKindItems[] = {
    {IDC_EVERYDAY_EDIT, 1},   {IDC_EACHMONTH_COMBO, 2}, {IDC_EACHDAY_EDIT, 2},
    {IDC_EVERYYEAR_COMBO, 3}, {IDC_EVERYYDAY_EDIT, 3},
};

}  // namespace

BEGIN_MESSAGE_MAP(CZelRegSetDlg, CDialog)
    ON_BN_CLICKED(IDC_RD_EVERYMONTH, OnRdEverymonth)
    ON_BN_CLICKED(IDC_RD_EACHMONTH, OnRdEachmonth)
    ON_BN_CLICKED(IDC_RD_EVERYYEAR, OnRdEveryyear)
    ON_EN_UPDATE(IDC_EVERYDAY_EDIT, OnUpdateEverydayEdit)
    ON_EN_UPDATE(IDC_EACHDAY_EDIT, OnUpdateEachdayEdit)
    ON_EN_UPDATE(IDC_EVERYYDAY_EDIT, OnUpdateEveryydayEdit)
END_MESSAGE_MAP()

CZelRegSetDlg::CZelRegSetDlg(CWnd* pParent) : CDialog(IDD_ZELREGSETDLG, pParent) {}

CZelRegSetDlg::~CZelRegSetDlg() = default;

void CZelRegSetDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EVERYDAY_EDIT, m_EverydayEdit);
    DDX_Control(pDX, IDC_EACHDAY_EDIT, m_EachdayEdit);
    DDX_Control(pDX, IDC_EVERYYDAY_EDIT, m_EveryydayEdit);
    DDX_Control(pDX, IDC_EACHMONTH_COMBO, m_EachmonthCombo);
    DDX_Control(pDX, IDC_EVERYYEAR_COMBO, m_EveryyearCombo);
    DDX_Radio(pDX, IDC_RD_EVERYMONTH, m_nRadio);
}

// ---- the rule in and out -----------------------------------------------------------

void CZelRegSetDlg::SetChoiceData(int nInterval, int nMonth, int nDay)
{
    if (nInterval == -1) {
        m_nEveryyearMonth = nMonth;
        m_nEveryyday = nDay;
        m_nMode = 3;
    } else if (nInterval >= 2) {
        m_nEachmonth = nInterval - 1;
        m_nEachday = nDay;
        m_nMode = 2;
    } else if (nInterval == 1) {
        m_nEveryday = nDay;
        m_nMode = 1;
    }
}

void CZelRegSetDlg::GetChoiceData(int& nInterval, int& nMonth, int& nDay)
{
    switch (m_nMode) {
    case 3:
        nInterval = -1;
        nMonth = m_nEveryyearMonth;
        nDay = m_nEveryyday;
        break;
    case 2:
        // m_nEachmonth is at most INT_MAX - 1: it comes from an interval or a list index.
        nInterval = m_nEachmonth + 1;
        nMonth = 0;
        nDay = m_nEachday;
        break;
    case 1:
        nInterval = 1;
        nMonth = 0;
        nDay = m_nEveryday;
        break;
    default:
        break;
    }
}

// ---- the run -------------------------------------------------------------------------

BOOL CZelRegSetDlg::OnInitDialog()
{
    CDialog::OnInitDialog();  // fills the two lists and checks 毎月

    // The checked button follows which values are present; the enabled
    // widgets follow m_nMode.
    if (m_nEveryyearMonth > 0 && m_nEveryyday > 0) {
        m_EveryyearCombo.SetCurSel(m_nEveryyearMonth - 1);
        SetDlgItemInt(IDC_EVERYYDAY_EDIT, static_cast<UINT>(m_nEveryyday), TRUE);
        CheckRadioButton(IDC_RD_EVERYMONTH, IDC_RD_EVERYYEAR, IDC_RD_EVERYYEAR);
    } else if (m_nEachmonth > 0 && m_nEachday > 0) {
        m_EachmonthCombo.SetCurSel(m_nEachmonth - 1);
        SetDlgItemInt(IDC_EACHDAY_EDIT, static_cast<UINT>(m_nEachday), TRUE);
        CheckRadioButton(IDC_RD_EVERYMONTH, IDC_RD_EVERYYEAR, IDC_RD_EACHMONTH);
    } else {
        SetDlgItemInt(IDC_EVERYDAY_EDIT, static_cast<UINT>(m_nEveryday), TRUE);
        CheckRadioButton(IDC_RD_EVERYMONTH, IDC_RD_EVERYYEAR, IDC_RD_EVERYMONTH);
    }
    DspChg();

    m_EverydayEdit.LimitText(2);
    m_EachdayEdit.LimitText(2);
    m_EveryydayEdit.LimitText(2);
    const int kImeOff[] = {IDC_EVERYDAY_EDIT, IDC_EACHDAY_EDIT, IDC_EVERYYDAY_EDIT, IDC_EACHMONTH_COMBO,
                           IDC_EVERYYEAR_COMBO};
    for (int nID : kImeOff) {
        if (HWND hItem = ::GetDlgItem(m_hWnd, nID))
            CZelCalCtrlCom::ImeOff(hItem);
    }
    return TRUE;
}

void CZelRegSetDlg::DspChg()
{
    for (const KindItem& item : kKindItems) {
        if (HWND hItem = ::GetDlgItem(m_hWnd, item.nID))
            ::EnableWindow(hItem, m_nMode == item.nMode);
    }
}

void CZelRegSetDlg::OnRdEverymonth()
{
    m_nMode = 1;
    DspChg();
}

void CZelRegSetDlg::OnRdEachmonth()
{
    m_nMode = 2;
    DspChg();
}

void CZelRegSetDlg::OnRdEveryyear()
{
    m_nMode = 3;
    DspChg();
}

// ---- checks ---------------------------------------------------------------------------

int CZelRegSetDlg::ReadDay(int nID) { return CZelFieldText(*this, nID).Value(); }

bool CZelRegSetDlg::DayFieldValid(int nID)
{
    CZelFieldText day(*this, nID);
    return day.DigitsOnly() && CZelCalCtrlCom::ChkInputDay(day.Value());
}

int CZelRegSetDlg::ListSelection(int nID)
{
    HWND hList = ::GetDlgItem(m_hWnd, nID);
    return hList ? static_cast<int>(::SendMessageA(hList, CB_GETCURSEL, 0, 0)) : CB_ERR;
}

// The month of the chosen item of the month list, 0 when none is chosen.
int CZelRegSetDlg::SelectedMonth()
{
    const int nSel = ListSelection(IDC_EVERYYEAR_COMBO);
    if (nSel == CB_ERR)
        return 0;
    CString strItem;
    m_EveryyearCombo.GetLBText(nSel, strItem);
    char buf[kFieldBuffer] = {};
    lstrcpynA(buf, strItem, kFieldBuffer);
    return CZelCalCtrlCom::GetStrToMonth(buf);
}

void CZelRegSetDlg::FocusItem(int nID)
{
    if (HWND hItem = ::GetDlgItem(m_hWnd, nID))
        ::SetFocus(hItem);
}

int CZelRegSetDlg::CheckValue()
{
    UpdateData(TRUE);
    int nResult = 0;
    switch (m_nRadio) {
    case 0:
        if (!DayFieldValid(IDC_EVERYDAY_EDIT))
            nResult = IDC_EVERYDAY_EDIT;
        break;
    case 1:
        if (ListSelection(IDC_EACHMONTH_COMBO) == CB_ERR)
            nResult = IDC_EACHMONTH_COMBO;
        if (!DayFieldValid(IDC_EACHDAY_EDIT))
            nResult = IDC_EACHDAY_EDIT;
        break;
    case 2: {
        if (ListSelection(IDC_EVERYYEAR_COMBO) == CB_ERR)
            nResult = IDC_EVERYYEAR_COMBO;
        if (!DayFieldValid(IDC_EVERYYDAY_EDIT)) {
            nResult = IDC_EVERYYDAY_EDIT;
        } else {
            const int nMonth = SelectedMonth();
            if (nMonth >= 1 && nMonth <= 12 && ReadDay(IDC_EVERYYDAY_EDIT) > kYearlyDayMax[nMonth - 1])
                nResult = IDC_EVERYYDAY_EDIT;
        }
        break;
    }
    default:
        break;
    }
    return nResult;
}

void CZelRegSetDlg::OnOK()
{
    UpdateData(TRUE);
    const int nID = CheckValue();
    if (nID != 0) {
        ZelMessageBox(this, ZEL_MSG_DATE_ERROR, MB_ICONSTOP, false);
        FocusItem(nID);
        return;
    }
    // Only the checked kind is stored; the others keep what they held.
    switch (m_nRadio) {
    case 0:
        m_nEveryday = ReadDay(IDC_EVERYDAY_EDIT);
        break;
    case 1:
        m_nEachmonth = ListSelection(IDC_EACHMONTH_COMBO) + 1;
        m_nEachday = ReadDay(IDC_EACHDAY_EDIT);
        break;
    case 2:
        m_nEveryyearMonth = SelectedMonth();
        m_nEveryyday = ReadDay(IDC_EVERYYDAY_EDIT);
        break;
    default:
        break;
    }
    EndDialog(IDOK);
}

void CZelRegSetDlg::OnCancel() { EndDialog(IDCANCEL); }

void CZelRegSetDlg::CheckDayLive(int nID)
{
    // While another check is under way (its box may be what moved the
    // focus here) this one does not run.
    CZelCheckStage stage;
    if (!stage.Entered())
        return;
    CZelFieldText day(*this, nID);
    if (day.IsEmpty())
        return;
    const char* pszMessage = nullptr;
    if (!day.DigitsOnly())
        pszMessage = ZEL_MSG_NOT_NUMERIC;
    else if (!CZelCalCtrlCom::ChkInputDay(day.Value()))
        pszMessage = ZEL_MSG_INVALID_INPUT;
    if (pszMessage == nullptr)
        return;
    // The typed text stays; only the focus goes back to the field.
    ZelMessageBox(this, pszMessage, MB_ICONSTOP, false);
    FocusItem(nID);
}

void CZelRegSetDlg::OnUpdateEverydayEdit() { CheckDayLive(IDC_EVERYDAY_EDIT); }
void CZelRegSetDlg::OnUpdateEachdayEdit() { CheckDayLive(IDC_EACHDAY_EDIT); }
void CZelRegSetDlg::OnUpdateEveryydayEdit() { CheckDayLive(IDC_EVERYYDAY_EDIT); }
