#include "periodic/zel_cal_reg.h"

CZelCalReg::CZelCalReg(CWnd* pParent) : CZelPeriodicFrame(IDD_ZELCALREG, pParent) {}

CZelCalReg::~CZelCalReg() = default;

void CZelCalReg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BTN_DAY, m_DayBtn);
    DDX_Control(pDX, IDC_BTN_SET, m_SetBtn);
    DDX_Control(pDX, IDC_BTN_REG, m_RegBtn);
    DDX_Control(pDX, IDC_STR_EDIT, m_StrEdit);
    BindDateFields(pDX);
}

// ---- value -------------------------------------------------------------------------------

void CZelCalReg::SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int nInterval, COleDateTime dtBase)
{
    m_date = {nDiv, nYear, nMonth, nDay};
    m_bSetDataFlg = 1;
    // A value from the host is shown as it is; only a value without a date
    // falls back to the default rule again.
    m_bDefault = 0;
    m_rule.nInterval = nInterval;
    m_dtBase = dtBase;
    if (static_cast<DATE>(dtBase) == 0.0) {
        m_keptRule.nInterval = 1;
        m_keptRule.nDay = 1;
    } else {
        m_kept.nMonth = dtBase.GetMonth();
        m_kept.nDay = dtBase.GetDay();
    }
    m_StrEdit.SetChoiceData(nYear, nMonth, nDay, nInterval);
    DspInitData();
}

void CZelCalReg::GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& nInterval,
                               COleDateTime& dtBase)
{
    // Calendar and year come from the era list and the year field, hidden or not.
    ReadShownYear(m_kept.nDiv);
    ValueDate().CopyTo(nDiv, nYear, nMonth, nDay);
    nInterval = m_bDayMode ? 0 : m_rule.nInterval;
    if (m_keptRule.nMonth == 0)
        m_keptRule.nMonth = nMonth;
    dtBase = COleDateTime(m_date.nYear, m_keptRule.nMonth, m_keptRule.nDay, 0, 0, 0);
    TRACE("CZelCalReg::GetChoiceData() Year->[%d] Month->[%d] Day->[%d]\n", dtBase.GetYear(), dtBase.GetMonth(),
          dtBase.GetDay());
}

// ---- faces ---------------------------------------------------------------------------------

CZelRule CZelCalReg::HeldRule() const { return {m_rule.nInterval, m_date.nMonth, m_date.nDay}; }

void CZelCalReg::HoldRule(const CZelRule& rule)
{
    m_rule.nInterval = rule.nInterval;
    m_date.nMonth = rule.nMonth;
    m_date.nDay = rule.nDay;
}

CZelRule CZelCalReg::RuleToWord()
{
    CZelRule rule = HeldRule();
    if (m_bDefault || rule.nInterval == 0) {
        rule.nInterval = 1;
        rule.nDay = 1;
    }
    return rule;
}

void CZelCalReg::KeepRule(bool bDateGiven)
{
    if (bDateGiven)
        return;
    m_keptRule = {1, m_date.nMonth, m_date.nDay};
    m_bDefault = 1;
}

void CZelCalReg::ShowGivenDate()
{
    // The date face writes the date (DspChg); the kept date holds its
    // Western year, so that 日時 can show it in any era again.
    m_kept = m_date;
}

void CZelCalReg::ShowTodaysDate()
{
    CZelPeriodicFrame::ShowTodaysDate();
    if (!StillHere())
        return;
    m_kept = {1, m_date.nYear, m_date.nMonth, m_date.nDay};
    m_bDefault = 1;
}

// ---- buttons -------------------------------------------------------------------------------

void CZelCalReg::TakeRuleBack() { HoldRule(m_keptRule); }

bool CZelCalReg::TakeDateBack()
{
    m_date = m_kept;
    return true;
}

CZelRule CZelCalReg::OfferedRule()
{
    if (m_bDefault)
        return {1, 0, 1};
    // The held rule as it is worded; a day of 0 is offered as 1.
    CZelRule rule = HeldRule();
    if (rule.nDay == 0)
        rule.nDay = 1;
    return rule;
}

void CZelCalReg::StoreAcceptedRule(const CZelRule& rule)
{
    HoldRule(rule);
    m_bDefault = 0;
}
