#include "periodic/zel_periodic_frame.h"

#include <iterator>

#include "controls/host_signals.h"
#include "controls/zel_alive_watch.h"
#include "periodic/rule_dialog_turn.h"
#include "periodic/zel_reg_set_dlg.h"

namespace {

// The items of each face; the two faces overlap in the template.
const UINT kDateFaceItems[] = {IDC_FORM_COMBO, IDC_YEAR_EDIT,   IDC_MONTH_EDIT,  IDC_DAY_EDIT,
                               IDC_BTN_REG,    IDC_LABEL_YEAR, IDC_LABEL_MONTH, IDC_LABEL_DAY};
const UINT kRuleFaceItems[] = {IDC_STR_EDIT, IDC_BTN_SET, IDC_BTN_DAY};

// UseControl's items, in its order.
const UINT kUsedItems[] = {IDC_BTN_DAY,   IDC_BTN_REG,    IDC_BTN_SET,    IDC_STR_EDIT,
                           IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_FORM_COMBO, IDC_DAY_EDIT};

// The wording of a value that holds no date at all: 毎月1日.
const int kNoDateInterval = -2;

}  // namespace

BEGIN_MESSAGE_MAP(CZelPeriodicFrame, CZelFullDateFrame)
    ON_BN_CLICKED(IDC_BTN_REG, OnBtnReg)
    ON_BN_CLICKED(IDC_BTN_SET, OnBtnSet)
    ON_BN_CLICKED(IDC_BTN_DAY, OnBtnDay)
END_MESSAGE_MAP()

CZelPeriodicFrame::CZelPeriodicFrame(UINT nIDTemplate, CWnd* pParent) : CZelFullDateFrame(nIDTemplate, pParent)
{
}

CZelPeriodicFrame::~CZelPeriodicFrame() = default;

// ---- host interface ----------------------------------------------------------------------

bool CZelPeriodicFrame::InDateFace() const { return ::IsWindowVisible(Item(IDC_FORM_COMBO)) != FALSE; }

void CZelPeriodicFrame::EnableFields(int bEnable)
{
    for (UINT nID : kUsedItems) {
        if (HWND hItem = Item(nID))
            ::EnableWindow(hItem, bEnable);
    }
}

// ---- faces ---------------------------------------------------------------------------------

void CZelPeriodicFrame::TakeToday()
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_date.nYear = now.GetYear();
    m_date.nMonth = now.GetMonth();
    m_date.nDay = now.GetDay();
}

void CZelPeriodicFrame::ShowGivenDate()
{
    ShowHeldDate();
    if (!StillHere())
        return;
    m_kept.nDiv = m_date.nDiv;
}

void CZelPeriodicFrame::ShowTodaysDate()
{
    if (ShowToday())
        m_kept.nDiv = 1;
}

void CZelPeriodicFrame::DspInitData()
{
    CZelAliveWatch watch(this);
    if (m_rule.nInterval != 0) {
        const bool bDateGiven = HoldsDate();
        if (!bDateGiven)
            TakeToday();
        KeepRule(bDateGiven);
        DspChg(1);
        m_bDayMode = 0;
    } else {
        PrepareDateFace();
        if (HoldsDate())
            ShowGivenDate();
        else
            ShowTodaysDate();
        if (!StillHere())
            return;
        DspChg(0);
        if (!StillHere())
            return;
        m_bDayMode = 1;
        DateFaceShown();
    }
    InitDataShown();
}

void CZelPeriodicFrame::DspChg(int bRule)
{
    const UINT* pShown = bRule ? kRuleFaceItems : kDateFaceItems;
    const UINT* pHidden = bRule ? kDateFaceItems : kRuleFaceItems;
    const size_t nShown = bRule ? std::size(kRuleFaceItems) : std::size(kDateFaceItems);
    const size_t nHidden = bRule ? std::size(kDateFaceItems) : std::size(kRuleFaceItems);

    if (!bRule) {
        ShowDateFields();
        if (!StillHere())
            return;
    }
    for (size_t i = 0; i < nShown; ++i) {
        if (HWND hItem = Item(pShown[i]))
            ::ShowWindow(hItem, SW_SHOW);
    }
    for (size_t i = 0; i < nHidden; ++i) {
        if (HWND hItem = Item(pHidden[i]))
            ::ShowWindow(hItem, SW_HIDE);
    }
    if (!bRule)
        return;

    const CZelRule worded = HoldsDate() ? RuleToWord() : CZelRule{kNoDateInterval, 0, 1};
    ShowRule(worded);
    m_StrEdit.SetChoiceData(m_date.nYear, worded.nMonth, worded.nDay, m_rule.nInterval);
}

void CZelPeriodicFrame::ShowRule(const CZelRule& rule)
{
    CString strRule;
    CZelStrEdit::CnvRegStr(rule.nInterval, rule.nMonth, rule.nDay, strRule);
    SetDlgItemText(IDC_STR_EDIT, strRule);
}

// ---- buttons ---------------------------------------------------------------------------------

void CZelPeriodicFrame::OnBtnReg()
{
    TakeRuleBack();
    m_bDayMode = 0;
    DspChg(1);
    ProbeDateChange();
}

void CZelPeriodicFrame::OnBtnDay()
{
    m_rule.nInterval = 0;
    m_bDayMode = 1;
    // The date brought back carries a Western year: shown as SetChoiceData
    // shows one, whatever entry the hidden era list was left on.
    m_bSetDataFlg = 1;
    if (!TakeDateBack() || !StillHere())
        return;
    DspChg(0);
    if (!StillHere())
        return;
    ProbeDateChange();
}

void CZelPeriodicFrame::OnBtnSet()
{
    // A second 設定 while a rule dialog is up opens nothing.
    CZelRuleDialogTurn turn;
    if (!turn.Taken())
        return;
    const CZelRule offered = OfferedRule();
    m_keptRule = offered;

    CZelRegSetDlg dlg(nullptr);
    // The held interval, with the offered month and day.
    dlg.SetChoiceData(m_rule.nInterval, offered.nMonth, offered.nDay);
    BeforeRuleDialog();
    CZelModalSignals signals;
    if (!StillHere())
        return;
    const INT_PTR nAnswer = dlg.DoModal();
    if (!StillHere())
        return;
    if (nAnswer == IDOK) {
        CZelRule accepted;
        dlg.GetChoiceData(accepted.nInterval, accepted.nMonth, accepted.nDay);
        m_keptRule = accepted;
        m_rule.nInterval = accepted.nInterval;
        StoreAcceptedRule(accepted);
        ShowRule(accepted);
        UpdateData(TRUE);
        m_date.nDiv = 1;
    }
}

// ---- keys ------------------------------------------------------------------------------------

CZelWalkStops CZelPeriodicFrame::WalkStops() const
{
    if (InDateFace())
        return {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_BTN_REG};
    return {IDC_BTN_SET, IDC_BTN_DAY};
}

UINT CZelPeriodicFrame::WalkPosition(bool)
{
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || ::GetParent(hFocus) != m_hWnd)
        return 0;
    return static_cast<UINT>(::GetDlgCtrlID(hFocus));
}

// ---- notifications ---------------------------------------------------------------------------

void CZelPeriodicFrame::OnCalendarSwitched(int nDiv, bool bSelchange)
{
    // A choice in the closed list also decides the calendar reported for the value.
    m_date.nDiv = nDiv;
    if (bSelchange)
        m_kept.nDiv = nDiv;
}
